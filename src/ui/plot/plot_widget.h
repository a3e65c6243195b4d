#pragma once
// The plot itself: draws the curve of a formula and lets the user move over it. The
// wheel zooms about the pointer, dragging pans, a double click or Home goes back to the
// start; the pointer's x and the formula's value there are offered as a status text.

#include <QImage>
#include <QWidget>
#include <optional>

#include "plot/plot_function.h"
#include "plot/plot_view.h"

namespace vantorel::ui {

class PlotWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PlotWidget(QWidget* parent = nullptr);

  // What to draw: `f` with the point of `xValue` marked, every number written with
  // `decimalSeparator`. The view starts again when the X value is another.
  void SetCurve(plot::PlotFunction f, std::optional<double> xValue, char decimalSeparator);
  plot::PlotView& View() { return view_; }

  // The picture as shown, into any paint device (an image, an SVG file).
  void Render(QPainter& painter, const QRectF& bounds);
  QImage Picture();

  // "x = ...; value = ..." for the pointer at `x`.
  QString Readout(double x) const;

 signals:
  void PointerText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // The plane's coordinates of a pixel, by the last picture drawn.
  double XAt(double px) const;
  double YAt(double py) const;
  void ResetView();

  plot::PlotFunction f_;
  char separator_ = '.';
  plot::PlotView view_;
  QRectF area_{0, 0, 1, 1};
  plot::Range shownX_{-10, 10};
  plot::Range shownY_{-1, 1};
  std::optional<QPointF> dragFrom_;
};

}  // namespace vantorel::ui
