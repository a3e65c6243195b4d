#include "shell/end_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace vantorel::shell {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The writing end for the handler; one EndSignals lives at a time.
volatile sig_atomic_t writeEnd = -1;

void Handler(int) {
  const int saved = errno;
  const char byte = 1;
  // A full socket already holds a request; nothing more is needed.
  [[maybe_unused]] const ssize_t ignored = write(writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

EndSignals::EndSignals(std::function<void()> on_signal, QObject* parent)
    : QObject(parent), on_signal_(std::move(on_signal)) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds_) != 0) return;
  writeEnd = fds_[0];
  notifier_ = new QSocketNotifier(fds_[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::Heard);
  struct sigaction action {};
  action.sa_handler = Handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &previous_[i]);
}

EndSignals::~EndSignals() {
  if (fds_[0] < 0) return;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &previous_[i], nullptr);
  writeEnd = -1;
  delete notifier_;
  close(fds_[0]);
  close(fds_[1]);
}

void EndSignals::Heard() {
  char bytes[64];
  while (read(fds_[1], bytes, sizeof bytes) > 0) {
  }
  on_signal_();
}

}  // namespace vantorel::shell
