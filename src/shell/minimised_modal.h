#pragma once
// A modal window that the user minimises would keep blocking every other window of the
// program from out of sight, so that the program looks locked. So the windows it blocks
// go to the task bar with it, and it comes back to the front as soon as the user turns to
// one of them again (restores or activates it) or a second start of the program arrives.

#include <QObject>

class QWidget;

namespace vantorel::shell {

class MinimisedModalReturn : public QObject {
 public:
  // Watches the whole application on behalf of `modal`, and lives as long as it.
  explicit MinimisedModalReturn(QWidget& modal);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Minimised() const;
  bool Blocks(const QObject* watched) const;
  void MinimiseBlocked();
  void BringBack();

  QWidget& modal_;
};

}  // namespace vantorel::shell
