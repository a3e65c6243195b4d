#include "ui/error_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QStringDecoder>
#include <exception>

namespace vantorel::ui {
namespace {

const char kDefaultTitle[] = "VantorelCalc (Korvanti)";

void ShowMessageBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
  // A message may quote the user's formula; "<b>" in it must not turn into markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

// Messages may quote the user's single-byte text or carry a UTF-8 file path: UTF-8 when
// the bytes are valid UTF-8, else Latin-1, so no byte is ever lost.
QString MessageText(const char* bytes) {
  const QByteArray raw(bytes);
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(raw);
  return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

ErrorBoxPresenter& Presenter() {
  static ErrorBoxPresenter presenter;
  return presenter;
}

}  // namespace

static QString& GivenTitle() {
  static QString title;
  return title;
}

QString ApplicationTitle() {
  return ApplicationTitleGiven() ? GivenTitle() : QString::fromLatin1(kDefaultTitle);
}

void SetApplicationTitle(const QString& title) { GivenTitle() = title; }

bool ApplicationTitleGiven() { return !GivenTitle().isEmpty(); }

QString WithFinalPeriod(QString message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') message += u'.';
  return message;
}

void ShowErrorBox(QWidget* parent, const QString& message) {
  const QString text = WithFinalPeriod(message);
  if (Presenter()) {
    Presenter()(parent, ApplicationTitle(), text);
  } else {
    ShowMessageBox(parent, ApplicationTitle(), text);
  }
}

void RunGuarded(QWidget* parent, const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& error) {
    ShowErrorBox(parent, MessageText(error.what()));
  } catch (...) {
    ShowErrorBox(parent, QStringLiteral("Unexpected error"));
  }
}

ErrorBoxPresenter SetErrorBoxPresenter(ErrorBoxPresenter presenter) {
  ErrorBoxPresenter previous = std::move(Presenter());
  Presenter() = std::move(presenter);
  return previous;
}

}  // namespace vantorel::ui
