#include "shell/about_logo.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace vantorel::shell {
namespace {

const QColor kTeal(0, 110, 120);
const QColor kAmber(240, 170, 40);

// A tile with a curve through a marked point: a formula evaluated at x.
void DrawTile(QPainter& painter) {
  const QRectF tile(1, 1, 43, 43);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kTeal);
  painter.drawRoundedRect(tile, 8, 8);

  painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
  painter.drawLine(QPointF(6, 22.5), QPointF(39, 22.5));
  painter.drawLine(QPointF(12, 6), QPointF(12, 39));

  QPainterPath curve;
  for (int step = 0; step <= 32; ++step) {
    const double x = 6 + step;
    const double y = 22.5 - 11 * std::sin((step / 32.0) * 2 * std::numbers::pi);
    step == 0 ? curve.moveTo(x, y) : curve.lineTo(x, y);
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(curve);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kAmber);
  painter.drawEllipse(QPointF(14, 11.9), 3.2, 3.2);
}

void DrawWordmark(QPainter& painter) {
  QFont font("Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(22);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(kTeal);
  painter.drawText(QRectF(52, 2, 118, 30), Qt::AlignLeft | Qt::AlignVCenter, "vantorel");
  painter.setPen(QPen(kAmber, 2));
  painter.drawLine(QPointF(53, 36), QPointF(166, 36));
}

}  // namespace

QPixmap DrawAboutLogo() {
  QPixmap logo(170, 45);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  DrawTile(painter);
  DrawWordmark(painter);
  return logo;
}

}  // namespace vantorel::shell
