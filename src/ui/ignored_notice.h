#pragma once
// The status bar's notice of what a computed formula ignored after its end. It shows at
// once after the Compute, gives way to a control's hint while one shows, and comes back
// until the expression text changes.

#include <QString>
#include <cstddef>
#include <string_view>

namespace vantorel::ui {

class HintBar;

class IgnoredNotice {
 public:
  explicit IgnoredNotice(HintBar& statusBar);

  // After a Compute of `formula`, whose formula ends at `formulaEnd`: the notice, or
  // nothing where the tail is a comment in words.
  void Show(std::string_view formula, std::size_t formulaEnd);
  void Clear();
  QString Text() const;

 private:
  HintBar& statusBar_;
};

}  // namespace vantorel::ui
