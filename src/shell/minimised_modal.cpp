#include "shell/minimised_modal.h"

#include "platform/app_message.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace vantorel::shell {

MinimisedModalReturn::MinimisedModalReturn(QWidget& modal) : QObject(&modal), modal_(modal) {
  qApp->installEventFilter(this);
}

bool MinimisedModalReturn::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool turnedTo = type == QEvent::WindowActivate || type == QEvent::WindowStateChange;
  if (!turnedTo && type != platform::AppMessageId()) return false;
  if (!modal_.isVisible() || !Minimised()) return false;
  // The desktop may hand the focus to a blocked window the moment the modal one goes:
  // hiding those too, at once, leaves nothing on screen that looks alive but is not.
  if (watched == &modal_ && type == QEvent::WindowStateChange) {
    MinimiseBlocked();
  } else if (!turnedTo || Blocks(watched)) {
    // A second start brings the main window to the front: the modal window follows it
    // there once that is done, and the event goes on to it unchanged.
    QTimer::singleShot(0, &modal_, [this] { BringBack(); });
  }
  return false;
}

bool MinimisedModalReturn::Minimised() const {
  return modal_.windowState() & Qt::WindowMinimized;
}

// A window of the program on screen, outside `modal_`, that its modality shuts off.
bool MinimisedModalReturn::Blocks(const QObject* watched) const {
  if (!watched->isWidgetType()) return false;
  const auto* window = static_cast<const QWidget*>(watched);
  return window->isWindow() && window != &modal_ && !modal_.isAncestorOf(window) &&
         window->isVisible() && window->windowModality() == Qt::NonModal &&
         !(window->windowState() & Qt::WindowMinimized);
}

void MinimisedModalReturn::MinimiseBlocked() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (Blocks(window)) window->showMinimized();
  }
}

void MinimisedModalReturn::BringBack() {
  if (!modal_.isVisible() || !Minimised()) return;
  modal_.setWindowState(modal_.windowState() & ~Qt::WindowMinimized);
  modal_.raise();
  modal_.activateWindow();
}

}  // namespace vantorel::shell
