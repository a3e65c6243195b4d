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
  if (!modal_.isVisible() || !(modal_.windowState() & Qt::WindowMinimized)) return false;
  if (turnedTo && !Blocks(watched)) return false;
  // The main window answers a second start by coming to the front itself: the modal
  // window follows it there once that is done, and the event goes on to it unchanged.
  QTimer::singleShot(0, &modal_, [this] { BringBack(); });
  return false;
}

// A visible window of the program, outside `modal_`, that its modality shuts off and
// that is not minimised itself.
bool MinimisedModalReturn::Blocks(const QObject* watched) const {
  if (!watched->isWidgetType()) return false;
  const auto* window = static_cast<const QWidget*>(watched);
  return window->isWindow() && window != &modal_ && !modal_.isAncestorOf(window) &&
         window->isVisible() && window->windowModality() == Qt::NonModal &&
         !(window->windowState() & Qt::WindowMinimized);
}

void MinimisedModalReturn::BringBack() {
  if (!(modal_.windowState() & Qt::WindowMinimized)) return;
  modal_.setWindowState(modal_.windowState() & ~Qt::WindowMinimized);
  modal_.show();
  modal_.raise();
  modal_.activateWindow();
}

}  // namespace vantorel::shell
