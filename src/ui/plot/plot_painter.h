#pragma once
// Drawing one frame of a plot with QPainter, the same on screen, into an image and into
// SVG: a grid at the ticks, the axes, the numbers, the curve and the X value's point.

#include <QRectF>
#include <QString>
#include <optional>

#include "plot/plot_frame.h"

class QPainter;

namespace vantorel::ui {

// The X value's point and the text written beside it; without y the formula fails there.
struct PlotMark {
  double x = 0;
  std::optional<double> y;
  QString label;
};

// Where the curve goes inside `bounds`, leaving room for the numbers at the left and
// bottom.
QRectF PlotArea(const QRectF& bounds);

void PaintPlot(QPainter& painter, const QRectF& bounds, const plot::PlotFrame& frame,
               const std::optional<PlotMark>& mark, char decimalSeparator);

}  // namespace vantorel::ui
