#include "ui/plot/plot_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "plot/plot_frame.h"
#include "plot/ticks.h"
#include "ui/plot/plot_painter.h"

namespace vantorel::ui {
namespace {

constexpr double kZoomPerNotch = 0.8;  // one notch of the wheel shows 80% of the width

std::optional<double> Nothing(double) { return std::nullopt; }

}  // namespace

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent), f_(Nothing) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
}

void PlotWidget::SetCurve(plot::PlotFunction f, std::optional<double> xValue,
                          char decimalSeparator) {
  f_ = f ? std::move(f) : plot::PlotFunction(Nothing);
  separator_ = decimalSeparator;
  if (xValue != view_.XValue()) view_.Reset(xValue);
  update();
}

void PlotWidget::Render(QPainter& painter, const QRectF& bounds) {
  const QRectF area = PlotArea(bounds);
  const plot::PlotFrame frame = plot::MakeFrame(f_, view_, int(area.width()), int(area.height()));
  if (view_.YFixed() && !view_.FixedY()) view_.FixY(frame.y);
  area_ = area;
  shownX_ = frame.x;
  shownY_ = frame.y;
  std::optional<PlotMark> mark;
  if (const std::optional<double> x = view_.XValue()) {
    const std::optional<double> y = f_(*x);
    const QString at = QString::fromStdString(plot::RoundedText(*x, 10, separator_));
    mark = PlotMark{*x, y,
                    y ? QStringLiteral("f(%1) = %2").arg(at, QString::fromStdString(
                                                                 plot::RoundedText(*y, 6, separator_)))
                      : QStringLiteral("f(%1): no value").arg(at)};
  }
  PaintPlot(painter, bounds, frame, mark, separator_);
}

QImage PlotWidget::Picture() {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  painter.setFont(font());
  Render(painter, QRectF(image.rect()));
  return image;
}

QString PlotWidget::Readout(double x) const {
  // Enough digits to tell one pixel from the next.
  const double pixel = shownX_.Width() / std::max(1.0, area_.width());
  const double magnitude = std::max({std::fabs(shownX_.low), std::fabs(shownX_.high), pixel});
  const int digits = std::clamp(int(std::ceil(std::log10(magnitude / pixel))) + 1, 3, 17);
  const QString xText = QString::fromStdString(plot::RoundedText(x, digits, separator_));
  const std::optional<double> y = f_(x);
  return y ? QStringLiteral("x = %1; value = %2")
                 .arg(xText, QString::fromStdString(plot::RoundedText(*y, 10, separator_)))
           : QStringLiteral("x = %1; no value").arg(xText);
}

void PlotWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Render(painter, QRectF(rect()));
}

double PlotWidget::XAt(double px) const {
  return shownX_.low + (px - area_.left()) / area_.width() * shownX_.Width();
}

double PlotWidget::YAt(double py) const {
  return shownY_.low + (area_.bottom() - py) / area_.height() * shownY_.Width();
}

void PlotWidget::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  const QPointF at = event->position();
  view_.Zoom(XAt(at.x()), YAt(at.y()), std::pow(kZoomPerNotch, notches));
  update();
  event->accept();
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragFrom_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (dragFrom_) {
    view_.Pan(XAt(dragFrom_->x()) - XAt(at.x()), YAt(dragFrom_->y()) - YAt(at.y()));
    dragFrom_ = at;
    update();
  }
  emit PointerText(area_.contains(at) ? Readout(XAt(at.x())) : QString());
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  dragFrom_.reset();
  unsetCursor();
}

void PlotWidget::mouseDoubleClickEvent(QMouseEvent*) { ResetView(); }

void PlotWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Home) return QWidget::keyPressEvent(event);
  ResetView();
}

void PlotWidget::leaveEvent(QEvent*) { emit PointerText(QString()); }

void PlotWidget::ResetView() {
  view_.Reset();
  update();
}

}  // namespace vantorel::ui
