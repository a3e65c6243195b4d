// The plot window as the user meets it: opened from the File menu, following Compute,
// zoomed with the wheel, panned by dragging, exported through its save dialog, and
// closed with the main window.

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "ui/plot/plot_painter.h"
#include "ui/plot/plot_widget.h"
#include "ui/plot/plot_window.h"
#include "window_fixture.h"

namespace vantorel::ui::testing {
namespace {

using plot::Range;

// Answers the next save dialog with `path`, as a user typing it into the name box would.
// (selectFile leaves the box as it is once the box has the focus, which the dialog gets at
// a moment of the window system's choosing.)
void AnswerSaveDialog(const QString& path) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, path] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
    if (name) {
      name->setText(path);
      static_cast<QDialog*>(dialog)->accept();  // as the Save button does
      timer->deleteLater();
    }
  });
  timer->start(10);
}

TEST_F(WindowTest, PlotOpensFromTheMenuFollowsComputeZoomsPansExportsAndClosesWithTheWindow) {
  Open();
  Window().ExpressionEditor().SetText("square(x) comment");
  EXPECT_EQ(Window().findChild<PlotWindow*>(), nullptr) << "made when first opened, not at start";
  auto* file = Control<QMenu>("File1");
  Window().menuBar()->setActiveAction(file->menuAction());
  QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(Control<QAction>("Plot1")).center());
  auto* window = Window().findChild<PlotWindow*>(QStringLiteral("PlotWindow"));
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Plot - square(x) comment"));
  PlotWidget& plot = window->Plot();
  EXPECT_EQ(plot.View().X(), (Range{5, 25}));  // the X value 15, ± 10

  const QPointF middle = PlotArea(QRectF(plot.rect())).center();
  QWheelEvent wheel(middle, plot.mapToGlobal(middle), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&plot, &wheel);
  EXPECT_EQ(plot.View().X(), (Range{7, 23})) << "one notch shows 80% about the pointer";
  plot.repaint();
  QTest::mousePress(&plot, Qt::LeftButton, {}, middle.toPoint());
  QTest::mouseMove(&plot, (middle + QPointF(100, 0)).toPoint());
  QTest::mouseRelease(&plot, Qt::LeftButton, {}, (middle + QPointF(100, 0)).toPoint());
  EXPECT_LT(plot.View().X().low, 7);
  EXPECT_DOUBLE_EQ(plot.View().X().Width(), 16);
  EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("PlotStatus"))->text().startsWith("x = "));
  QTest::mouseDClick(&plot, Qt::LeftButton, {}, middle.toPoint());
  EXPECT_EQ(plot.View().X(), (Range{5, 25})) << "a double click goes back to the start";
  plot.View().Zoom(15, 0, 0.5);

  Window().ExpressionEditor().SetText("sqrt(x)");
  Window().XValueEditor().SetText("3");
  Click("Computebtn");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Plot - sqrt(x)"));
  EXPECT_EQ(plot.View().X(), (Range{-7, 13})) << "another X value starts the view again";

  QTemporaryDir folder;
  const QString png = folder.filePath(QStringLiteral("curve.png"));
  AnswerSaveDialog(png);
  QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SavePng")), Qt::LeftButton);
  EXPECT_EQ(QImage(png).size(), plot.size());
  ASSERT_TRUE(window->SaveSvg(folder.filePath(QStringLiteral("curve.svg"))));
  QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CopyPlot")), Qt::LeftButton);
  EXPECT_EQ(QApplication::clipboard()->image().size(), plot.size());
  EXPECT_FALSE(window->SavePng(folder.filePath(QStringLiteral("missing/curve.png"))));
  EXPECT_EQ(errors_.value(0), "Unable to write " + folder.filePath("missing/curve.png") + ".");
  EXPECT_FALSE(window->SaveSvg(folder.filePath(QStringLiteral("missing/curve.svg"))));
  EXPECT_EQ(errors_.value(1), "Unable to write " + folder.filePath("missing/curve.svg") + ".");

  ASSERT_TRUE(Window().close());
  EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, PlotDrawsInTheChosenArithmetic) {
  Open();
  Window().ExpressionEditor().SetText("(x+1E30)-1E30");
  Window().XValueEditor().SetText("3");
  Control<QAction>("Plot1")->trigger();
  auto* window = Window().findChild<PlotWindow*>();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Plot().Readout(3).endsWith("= 0")) << window->Plot().Readout(3).toStdString();
  Control<QAction>("Exactarithmetic1")->trigger();
  Click("Computebtn");
  EXPECT_TRUE(window->Plot().Readout(3).endsWith("= 3")) << window->Plot().Readout(3).toStdString();
}

}  // namespace
}  // namespace vantorel::ui::testing
