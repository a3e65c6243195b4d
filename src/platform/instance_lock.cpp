#include "instance_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "runtime_folder.h"

namespace vantorel::platform {

namespace {

int LockWithoutWaiting(int fd) {
  int rc;
  do {
    rc = flock(fd, LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc;
}

}  // namespace

InstanceLock::InstanceLock(const std::string& path) {
  if (path.empty()) return;
  // Close-on-exec: a program started from here must not inherit, and so keep, the lock.
  fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd_ < 0) return;
  if (LockWithoutWaiting(fd_) == 0) {
    result_ = Result::Created;
    return;
  }
  result_ = errno == EWOULDBLOCK ? Result::AlreadyExists : Result::Failed;
  Close();
}

InstanceLock::~InstanceLock() { Close(); }

void InstanceLock::Close() {
  if (fd_ < 0) return;
  close(fd_);
  fd_ = -1;
}

std::string InstanceLock::DefaultPath() {
  const std::string folder = UserRuntimeFolder();
  return folder.empty() ? std::string() : folder + "/" + kInstanceLockName;
}

}  // namespace vantorel::platform
