#include "ui/image_list.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace vantorel::ui {
namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kBlue(30, 90, 200);

void Page(QPainter& p, int x, int y) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(x, y, 9, 12);
}

void Letter(QPainter& p, const QColor& disc, const QString& letter) {
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(1, 1, 14, 14);
  QFont font;
  font.setPixelSize(12);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, kImageSize, kImageSize), Qt::AlignCenter, letter);
}

void Arrow(QPainter& p, bool left) {
  p.setPen(QPen(kBlue, 2));
  QPainterPath path;
  path.moveTo(left ? 13 : 3, 12);
  path.cubicTo(left ? 13 : 3, 4, left ? 6 : 10, 4, left ? 3 : 13, 7);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.drawLine(left ? 3 : 13, 7, left ? 3 : 13, 3);
  p.drawLine(left ? 3 : 13, 7, left ? 7 : 9, 7);
}

void Printer(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(4, 1, 8, 6);     // paper going in
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(1, 6, 14, 6);    // body
  p.setBrush(kPaper);
  p.drawRect(4, 10, 8, 5);    // printed sheet
  p.setPen(QColor(0, 160, 0));
  p.drawPoint(13, 8);
}

void Exit(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(QColor(150, 100, 50));
  p.drawRect(2, 1, 8, 14);    // door
  p.setBrush(kInk);
  p.drawEllipse(7, 8, 1, 1);  // knob
  p.setPen(QPen(QColor(200, 30, 30), 2));
  p.drawLine(8, 8, 15, 8);
  p.drawLine(15, 8, 12, 5);
  p.drawLine(15, 8, 12, 11);
}

void Folder(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(QColor(230, 190, 80));
  p.drawRect(1, 4, 14, 10);
  p.drawRect(1, 2, 6, 2);
}

void Disk(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kBlue);
  p.drawRect(1, 1, 14, 14);
  p.setBrush(kPaper);
  p.drawRect(4, 1, 8, 5);
  p.drawRect(3, 9, 10, 6);
}

void Scissors(QPainter& p) {
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(4, 1, 11, 11);
  p.drawLine(12, 1, 5, 11);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(2, 10, 4, 4);
  p.drawEllipse(10, 10, 4, 4);
}

void Clipboard(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(QColor(190, 140, 80));
  p.drawRect(2, 2, 12, 13);
  p.setBrush(kPaper);
  p.drawRect(4, 4, 8, 9);
  p.setBrush(QColor(150, 150, 150));
  p.drawRect(6, 1, 4, 2);
}

void Magnifier(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(200, 230, 255));
  p.drawEllipse(2, 2, 8, 8);
  p.drawLine(9, 9, 14, 14);
}

void Calculator(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(2, 1, 11, 14);
  p.setBrush(QColor(180, 220, 180));
  p.drawRect(4, 3, 7, 3);
  p.setBrush(kPaper);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) p.drawRect(4 + col * 3, 8 + row * 2, 1, 1);
  }
}

void Symbol(QPainter& p, const QString& text) {
  QFont font;
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRect(0, 0, kImageSize, kImageSize), Qt::AlignCenter, text);
}

void Gear(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(8, 8);
    p.rotate(45.0 * i);
    p.drawLine(0, -7, 0, 7);
    p.restore();
  }
  p.setBrush(QColor(160, 160, 160));
  p.drawEllipse(4, 4, 8, 8);
}

void Draw(QPainter& p, int index) {
  using Picture = std::function<void(QPainter&)>;
  static const Picture kPictures[kImageCount] = {
      [](QPainter& q) { Page(q, 3, 2); },
      Folder,
      Disk,
      Scissors,
      [](QPainter& q) { Page(q, 1, 1); Page(q, 5, 3); },
      Clipboard,
      [](QPainter& q) { Letter(q, kBlue, QStringLiteral("?")); },
      Magnifier,
      [](QPainter& q) { Arrow(q, true); },
      [](QPainter& q) { Arrow(q, false); },
      Printer,
      Calculator,
      [](QPainter& q) { Symbol(q, QStringLiteral("\u00b1")); },
      [](QPainter& q) { Symbol(q, QStringLiteral("\u03a3")); },
      [](QPainter& q) { Symbol(q, QStringLiteral("\u03c0")); },
      [](QPainter& q) { Letter(q, QColor(0, 130, 90), QStringLiteral("i")); },
      Gear,
      Exit,
  };
  kPictures[index](p);
}

QPixmap Picture(int index) {
  QPixmap picture(kImageSize, kImageSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  Draw(painter, index);
  painter.end();
  return picture;
}

// An image that is drawn the first time it is shown, not when the window is made: the
// pictures and the bold face of their letters cost time at start, and the menu that shows
// them is opened later if at all. Once drawn it behaves as an icon made from the picture.
class DrawnImage : public QIconEngine {
 public:
  explicit DrawnImage(int index) : index_(index) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
             QIcon::State state) override {
    Drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Drawn().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Drawn().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Drawn().pixmap(size / scale, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(kImageSize, kImageSize)};
  }
  bool isNull() override { return false; }
  QIconEngine* clone() const override { return new DrawnImage(*this); }

 private:
  const QIcon& Drawn() {
    if (drawn_.isNull()) drawn_ = QIcon(Picture(index_));
    return drawn_;
  }

  int index_;
  QIcon drawn_;
};

}  // namespace

QList<QIcon> ImageList1() {
  QList<QIcon> images;
  for (int index = 0; index < kImageCount; ++index) images.append(QIcon(new DrawnImage(index)));
  return images;
}

}  // namespace vantorel::ui
