#include "ui/plot/plot_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "plot/plot_function.h"
#include "ui/plot/plot_widget.h"

namespace vantorel::ui {
namespace {

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

PlotWindow::PlotWindow(ErrorSink showError, QWidget* parent)
    : QWidget(parent, Qt::Window), showError_(std::move(showError)) {
  setObjectName(QStringLiteral("PlotWindow"));
  setWindowTitle(QStringLiteral("Plot"));
  plot_ = new PlotWidget(this);
  plot_->setObjectName(QStringLiteral("PlotArea"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("PlotStatus"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  fixY_ = new QCheckBox(QStringLiteral("Fix y range"), this);
  fixY_->setObjectName(QStringLiteral("FixYRange"));
  fixY_->setToolTip(QStringLiteral("Keep the y range as it is; then dragging and the wheel "
                                   "move it too."));
  QPushButton* png = Button("SavePng", "Save PNG...", this);
  QPushButton* svg = Button("SaveSvg", "Save SVG...", this);
  QPushButton* copy = Button("CopyPlot", "Copy", this);

  auto* bar = new QHBoxLayout;
  bar->addWidget(status_, 1);
  bar->addWidget(fixY_);
  bar->addWidget(png);
  bar->addWidget(svg);
  bar->addWidget(copy);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(plot_, 1);
  layout->addLayout(bar);
  resize(820, 580);

  connect(plot_, &PlotWidget::PointerText, this, [this](const QString& text) {
    status_->setText(text.isEmpty() ? problem_ : text);
  });
  connect(fixY_, &QCheckBox::toggled, this, [this](bool fixed) {
    plot_->View().SetYFixed(fixed);
    plot_->update();
  });
  connect(png, &QPushButton::clicked, this, [this] { SavePngClick(); });
  connect(svg, &QPushButton::clicked, this, [this] { SaveSvgClick(); });
  connect(copy, &QPushButton::clicked, this, [this] { CopyPicture(); });
}

void PlotWindow::Follow(const std::string& formula, char decimalSeparator, AngleMode mode,
                        std::optional<double> xValue, plot::PlotFunction otherArithmetic) {
  formula_ = QString::fromLatin1(formula.data(), qsizetype(formula.size())).trimmed();
  plot::PlotFunction f;
  problem_.clear();
  try {
    f = plot::FormulaFunction(formula, decimalSeparator, mode);  // says why it is no formula
    if (otherArithmetic) f = std::move(otherArithmetic);
  } catch (const TMathExpr& error) {
    problem_ = QStringLiteral("No curve: %1").arg(QString::fromStdString(error.what()));
  }
  plot_->SetCurve(std::move(f), xValue, decimalSeparator);
  status_->setText(problem_);
  const QString shown = formula_.size() > 80 ? formula_.left(77) + QStringLiteral("...") : formula_;
  setWindowTitle(QStringLiteral("Plot - %1").arg(shown));
}

bool PlotWindow::SavePng(const QString& path) {
  if (plot_->Picture().save(path, "PNG")) return true;
  if (showError_) showError_(QStringLiteral("Unable to write %1").arg(path));
  return false;
}

bool PlotWindow::SaveSvg(const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(plot_->size());
  svg.setViewBox(QRect(QPoint(0, 0), plot_->size()));
  svg.setTitle(QStringLiteral("Plot"));
  svg.setDescription(formula_);
  QPainter painter;
  bool written = painter.begin(&svg);
  if (written) {
    painter.setFont(plot_->font());
    plot_->Render(painter, QRectF(QPointF(0, 0), plot_->size()));
    written = painter.end();
  }
  if (!written && showError_) showError_(QStringLiteral("Unable to write %1").arg(path));
  return written;
}

void PlotWindow::CopyPicture() { QGuiApplication::clipboard()->setImage(plot_->Picture()); }

QString PlotWindow::AskFileName(const QString& caption, const QString& filter,
                                const QString& suffix) {
  QString path = QFileDialog::getSaveFileName(this, caption, QStringLiteral("plot.") + suffix,
                                              filter);
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  return path;
}

void PlotWindow::SavePngClick() {
  const QString path = AskFileName(QStringLiteral("Save the plot as PNG"),
                                   QStringLiteral("PNG pictures (*.png)"), QStringLiteral("png"));
  if (!path.isEmpty()) SavePng(path);
}

void PlotWindow::SaveSvgClick() {
  const QString path = AskFileName(QStringLiteral("Save the plot as SVG"),
                                   QStringLiteral("SVG drawings (*.svg)"), QStringLiteral("svg"));
  if (!path.isEmpty()) SaveSvg(path);
}

}  // namespace vantorel::ui
