#include "ui/hint_bar.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace vantorel::ui {
namespace {

// Narrower than half its width a face is no longer read with ease.
constexpr int kNarrowestStretch = 50;

// The bar's face, narrowed where `text` would not fit into `room` pixels. The first guess
// is proportional; the width does not shrink exactly in proportion, so it is checked.
QFont Narrowed(QFont face, const QString& text, int room) {
  const int wide = QFontMetrics(face).horizontalAdvance(text);
  if (wide <= room || room <= 0) return face;
  int stretch = std::max(kNarrowestStretch, 100 * room / wide);
  face.setStretch(stretch);
  while (stretch > kNarrowestStretch && QFontMetrics(face).horizontalAdvance(text) > room) {
    face.setStretch(--stretch);
  }
  return face;
}

}  // namespace

HintBar::HintBar(QWidget* parent) : QStatusBar(parent), text_(new QLabel(this)) {
  setSizeGripEnabled(false);
  text_->setObjectName(QStringLiteral("StatusText"));
  text_->setTextFormat(Qt::PlainText);
  addWidget(text_, 1);
}

void HintBar::ShowHint(const QString& hint) {
  text_->setText(hint);
  Fit();
}

QString HintBar::Hint() const { return text_->text(); }

// The bar lays out its text area before this runs: the area's width is final here.
void HintBar::resizeEvent(QResizeEvent* event) {
  QStatusBar::resizeEvent(event);
  Fit();
}

void HintBar::Fit() {
  text_->setFont(Narrowed(font(), text_->text(), text_->contentsRect().width()));
}

}  // namespace vantorel::ui
