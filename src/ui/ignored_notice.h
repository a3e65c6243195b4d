#pragma once
// The status bar's notice of what a computed formula ignored after its end. It shows at
// once after the Compute, gives way to a control's hint while the pointer rests on one,
// and comes back until the expression text changes.

#include <QString>
#include <cstddef>
#include <string_view>

class QLabel;
class QStatusBar;

namespace vantorel::ui {

class IgnoredNotice {
 public:
  explicit IgnoredNotice(QStatusBar& statusBar);

  // After a Compute of `formula`, whose formula ends at `formulaEnd`: the notice, or
  // nothing where the tail is a comment in words.
  void Show(std::string_view formula, std::size_t formulaEnd);
  void Clear();
  QString Text() const;

 private:
  QStatusBar& statusBar_;
  QLabel* label_;  // the status bar's normal widget, hidden while a hint shows
};

}  // namespace vantorel::ui
