#include "ui/plot/plot_painter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "plot/ticks.h"

namespace vantorel::ui {
namespace {

const QColor kGrid(228, 228, 228);
const QColor kAxis(96, 96, 96);
const QColor kBorder(160, 160, 160);
const QColor kCurve(31, 95, 191);
const QColor kMark(200, 30, 30);

// Plane to pixels. Values far out of sight map far out of the area, never to infinity.
struct Mapping {
  QRectF area;
  plot::Range x, y;
  double X(double v) const { return area.left() + (v - x.low) / x.Width() * area.width(); }
  double Y(double v) const {
    const double t = (v - y.low) / y.Width();
    return area.bottom() - std::clamp(t, -1e6, 1e6) * area.height();
  }
};

QString Label(double value, char separator) {
  return QString::fromStdString(plot::TickLabel(value, separator));
}

void PaintGridAndAxes(QPainter& p, const Mapping& m, const plot::PlotFrame& frame) {
  p.setPen(QPen(kGrid, 1));
  for (double t : frame.xTicks) p.drawLine(QPointF(m.X(t), m.area.top()), QPointF(m.X(t), m.area.bottom()));
  for (double t : frame.yTicks) p.drawLine(QPointF(m.area.left(), m.Y(t)), QPointF(m.area.right(), m.Y(t)));
  p.setPen(QPen(kAxis, 1));
  if (frame.x.low <= 0 && 0 <= frame.x.high)
    p.drawLine(QPointF(m.X(0), m.area.top()), QPointF(m.X(0), m.area.bottom()));
  if (frame.y.low <= 0 && 0 <= frame.y.high)
    p.drawLine(QPointF(m.area.left(), m.Y(0)), QPointF(m.area.right(), m.Y(0)));
  p.setPen(QPen(kBorder, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(m.area);
}

void PaintNumbers(QPainter& p, const Mapping& m, const plot::PlotFrame& frame, char separator) {
  p.setPen(Qt::black);
  const QFontMetricsF metrics(p.font());
  for (double t : frame.xTicks) {
    const QString text = Label(t, separator);
    const double w = metrics.horizontalAdvance(text);
    p.drawText(QPointF(m.X(t) - w / 2, m.area.bottom() + 4 + metrics.ascent()), text);
  }
  for (double t : frame.yTicks) {
    const QString text = Label(t, separator);
    const double w = metrics.horizontalAdvance(text);
    p.drawText(QPointF(m.area.left() - 6 - w, m.Y(t) + metrics.ascent() / 2 - 1), text);
  }
}

// A chord cut to the band of `band` pixels above and below the area, so that a value far
// out of sight still gives a line of the right direction; false when none of it is in it.
bool Clip(QPointF& a, QPointF& b, double top, double bottom) {
  if ((a.y() < top && b.y() < top) || (a.y() > bottom && b.y() > bottom)) return false;
  auto cut = [&](QPointF& p, const QPointF& q) {
    const double edge = p.y() < top ? top : (p.y() > bottom ? bottom : p.y());
    if (edge == p.y()) return;
    p = QPointF(p.x() + (q.x() - p.x()) * (edge - p.y()) / (q.y() - p.y()), edge);
  };
  const QPointF a0 = a;
  cut(a, b);
  cut(b, a0);
  return true;
}

void PaintCurve(QPainter& p, const Mapping& m, const plot::PlotFrame& frame) {
  const double top = m.area.top() - m.area.height(), bottom = m.area.bottom() + m.area.height();
  std::vector<QPolygonF> lines;
  for (const auto& piece : plot::Pieces(frame.curve)) {
    for (std::size_t i = 1; i < piece.size(); ++i) {
      QPointF a(m.X(piece[i - 1].x), m.Y(piece[i - 1].y)), b(m.X(piece[i].x), m.Y(piece[i].y));
      if (!Clip(a, b, top, bottom)) continue;
      if (lines.empty() || lines.back().isEmpty() || lines.back().back() != a) lines.push_back({a});
      lines.back().push_back(b);
    }
  }
  p.save();
  p.setClipRect(m.area);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kCurve, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (const QPolygonF& line : lines) p.drawPolyline(line);
  p.restore();
}

void PaintMark(QPainter& p, const Mapping& m, const PlotMark& mark) {
  const double x = m.X(mark.x);
  if (x < m.area.left() || x > m.area.right()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kMark, 1, Qt::DashLine));
  p.drawLine(QPointF(x, m.area.top()), QPointF(x, m.area.bottom()));
  double y = m.area.top() + 4;
  if (mark.y && m.Y(*mark.y) >= m.area.top() && m.Y(*mark.y) <= m.area.bottom()) {
    y = m.Y(*mark.y);
    p.setPen(Qt::NoPen);
    p.setBrush(kMark);
    p.drawEllipse(QPointF(x, y), 3.5, 3.5);
  }
  const QFontMetricsF metrics(p.font());
  const double w = metrics.horizontalAdvance(mark.label);
  // Beside the point, on the side with room.
  const double left = x + 6 + w <= m.area.right() ? x + 6 : x - 6 - w;
  const double base = std::clamp(y - 6, m.area.top() + metrics.ascent(), m.area.bottom() - 2);
  p.setPen(kMark);
  p.drawText(QPointF(left, base), mark.label);
  p.restore();
}

}  // namespace

QRectF PlotArea(const QRectF& bounds) { return bounds.adjusted(70, 10, -14, -24); }

void PaintPlot(QPainter& painter, const QRectF& bounds, const plot::PlotFrame& frame,
               const std::optional<PlotMark>& mark, char decimalSeparator) {
  const Mapping m{PlotArea(bounds), frame.x, frame.y};
  painter.fillRect(bounds, Qt::white);
  PaintGridAndAxes(painter, m, frame);
  PaintNumbers(painter, m, frame, decimalSeparator);
  PaintCurve(painter, m, frame);
  if (mark) PaintMark(painter, m, *mark);
}

}  // namespace vantorel::ui
