#pragma once
// The polite requests to end, SIGTERM (kill, a desktop ending the session), SIGHUP (the
// terminal went away) and SIGINT (Ctrl+C), taken like a close of the main window, so that
// the formula is stored first. A signal handler may do almost nothing, so it only writes
// a byte into a socket pair; the event loop hears it and runs the close.

#include <QObject>
#include <functional>
#include <signal.h>

class QSocketNotifier;

namespace vantorel::shell {

class EndSignals : public QObject {
 public:
  // From now until it is destroyed, each of the three signals runs `on_signal` in the
  // event loop. Before it exists, and after, they end the program as they always do.
  explicit EndSignals(std::function<void()> on_signal, QObject* parent = nullptr);
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  void Heard();

  std::function<void()> on_signal_;
  int fds_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  struct sigaction previous_[3] = {};
};

}  // namespace vantorel::shell
