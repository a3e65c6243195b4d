#include "ui/ignored_notice.h"

#include <optional>

#include "engine/ignored_text.h"
#include "ui/hint_bar.h"

namespace vantorel::ui {

IgnoredNotice::IgnoredNotice(HintBar& statusBar) : statusBar_(statusBar) {}

void IgnoredNotice::Show(std::string_view formula, std::size_t formulaEnd) {
  const std::optional<IgnoredTail> tail = NoticeableTail(formula, formulaEnd);
  if (!tail) {
    Clear();
    return;
  }
  // The editor's text is single-byte, as the result lists show it.
  const QString excerpt = QString::fromLatin1(tail->excerpt.data(),
                                              static_cast<qsizetype>(tail->excerpt.size()));
  const QString notice = QString::fromLatin1(kIgnoredNoticeLead.data(),
                                             static_cast<qsizetype>(kIgnoredNoticeLead.size())) +
                         u'"' + excerpt + (tail->shortened ? QStringLiteral("\u2026") : QString()) +
                         u'"';
  statusBar_.ShowNotice(notice);
}

void IgnoredNotice::Clear() { statusBar_.ShowNotice(QString()); }

QString IgnoredNotice::Text() const { return statusBar_.Notice(); }

}  // namespace vantorel::ui
