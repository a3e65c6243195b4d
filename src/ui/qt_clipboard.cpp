#include "ui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vantorel::ui {

std::string QtClipboard::Text() const {
  return QGuiApplication::clipboard()->text().toLatin1().toStdString();
}

void QtClipboard::SetText(std::string_view text) {
  QGuiApplication::clipboard()->setText(
      QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace vantorel::ui
