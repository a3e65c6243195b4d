// Makes the README's picture of the plot window with the program's own window code,
// offscreen: the main window opens the plot from its File menu, the pointer rests over
// the curve, and the plot window draws itself into an image.
// Run: build/bench/vantorel_plot_picture docs/plot.png

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "ui/main_window.h"
#include "ui/plot/plot_painter.h"
#include "ui/plot/plot_widget.h"
#include "ui/plot/plot_window.h"
#include "ui/settings_file.h"

namespace {

// A formula with a domain edge (x = -8), a pole (x = 2) and bends between.
constexpr char kFormula[] = "3*sin(x) + sqrt(x + 8) - 1/(x - 2)";

void PointAt(QWidget& widget, QPointF at) {
  QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s picture.png\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir folder;  // a settings file of its own, left behind with the folder
  using namespace vantorel::ui;
  InstallSettingsFile(std::make_unique<SettingsFile>(
      folder.filePath(QStringLiteral("VANTOREL.INI")).toStdString()));
  int status = 1;
  {
    TF_Main_LSF window([] { return '.'; });
    window.show();
    window.ExpressionEditor().SetText(kFormula);
    window.XValueEditor().SetText("1");
    window.findChild<QAction*>(QStringLiteral("Plot1"))->trigger();
    auto* plotWindow = window.findChild<PlotWindow*>(QStringLiteral("PlotWindow"));
    plotWindow->resize(640, 420);
    QApplication::processEvents();
    PlotWidget& plot = plotWindow->Plot();
    const QRectF area = PlotArea(QRectF(plot.rect()));
    PointAt(plot, QPointF(area.left() + area.width() * 0.22, area.center().y()));
    QApplication::processEvents();
    if (plotWindow->grab().toImage().save(QString::fromLocal8Bit(argv[1]), "PNG")) status = 0;
    else std::fprintf(stderr, "cannot write %s\n", argv[1]);
    plotWindow->close();
  }
  InstallSettingsFile(nullptr);
  return status;
}
