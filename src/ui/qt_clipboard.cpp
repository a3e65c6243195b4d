#include "ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/key_chars.h"

namespace vantorel::ui {

std::string QtClipboard::Text() const {
  const QString text = QGuiApplication::clipboard()->text();
  if (FirstBeyondSingleByte(text) >= 0) return {};
  return text.toLatin1().toStdString();
}

void QtClipboard::SetText(std::string_view text) {
  QGuiApplication::clipboard()->setText(
      QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace vantorel::ui
