#include "ui/ignored_notice.h"

#include <QLabel>
#include <QStatusBar>
#include <optional>

#include "engine/ignored_text.h"

namespace vantorel::ui {

IgnoredNotice::IgnoredNotice(QStatusBar& statusBar)
    : statusBar_(statusBar), label_(new QLabel(&statusBar)) {
  label_->setObjectName(QStringLiteral("IgnoredNotice"));
  statusBar_.addWidget(label_, 1);
}

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
  label_->setText(notice);
  // The pointer may rest on a key whose hint holds the bar: the notice takes its place
  // until the pointer moves on, and then stays underneath.
  statusBar_.showMessage(notice);
}

void IgnoredNotice::Clear() {
  if (label_->text().isEmpty()) return;
  if (statusBar_.currentMessage() == label_->text()) statusBar_.clearMessage();
  label_->clear();
}

QString IgnoredNotice::Text() const { return label_->text(); }

}  // namespace vantorel::ui
