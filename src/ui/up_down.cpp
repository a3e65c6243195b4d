#include "ui/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace vantorel::ui {
namespace {

QToolButton* MakeArrow(Qt::ArrowType type, QWidget* parent) {
  auto* arrow = new QToolButton(parent);
  arrow->setArrowType(type);
  arrow->setFocusPolicy(Qt::NoFocus);
  arrow->setAutoRepeat(true);
  return arrow;
}

}  // namespace

UpDown::UpDown(QLineEdit& buddy, int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent),
      buddy_(buddy),
      up_(MakeArrow(Qt::UpArrow, this)),
      down_(MakeArrow(Qt::DownArrow, this)),
      minimum_(minimum),
      maximum_(maximum),
      position_(std::clamp(position, minimum, maximum)) {
  setFocusPolicy(Qt::NoFocus);
  buddy_.setReadOnly(true);
  buddy_.setText(QString::number(position_));
  buddy_.installEventFilter(this);
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetPosition(int position) {
  position = std::clamp(position, minimum_, maximum_);
  if (position == position_) return;
  position_ = position;
  buddy_.setText(QString::number(position_));
  emit PositionChanged(position_);
}

void UpDown::Step(int delta) { SetPosition(position_ + delta); }

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &buddy_ || event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Up) {
    Step(1);
    return true;
  }
  if (key == Qt::Key_Down) {
    Step(-1);
    return true;
  }
  return false;
}

void UpDown::resizeEvent(QResizeEvent*) {
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace vantorel::ui
