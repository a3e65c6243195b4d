#pragma once
// A modal window that the user minimises keeps blocking every other window of the
// program while it is out of sight, so the program looks locked. This brings it back to
// the front as soon as the user turns to a window it blocks (activates it or restores it
// from the task bar) or a second start of the program arrives.

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
  bool Blocks(const QObject* watched) const;
  void BringBack();

  QWidget& modal_;
};

}  // namespace vantorel::shell
