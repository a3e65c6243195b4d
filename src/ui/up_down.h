#pragma once
// Up-down arrows bound to a read-only edit that shows their position: the arrows, and
// the Up and Down keys in the edit, step it by one between a lower and an upper limit,
// without wrapping round.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vantorel::ui {

class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(QLineEdit& buddy, int minimum, int maximum, int position, QWidget* parent);

  int Position() const { return position_; }
  void SetPosition(int position);  // kept within the limits
  void Step(int delta);
  QToolButton& UpArrow() const { return *up_; }
  QToolButton& DownArrow() const { return *down_; }

 signals:
  void PositionChanged(int position);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLineEdit& buddy_;
  QToolButton* up_;
  QToolButton* down_;
  int minimum_;
  int maximum_;
  int position_;
};

}  // namespace vantorel::ui
