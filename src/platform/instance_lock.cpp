#include "instance_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "runtime_folder.h"

namespace vantorel::platform {

namespace {

// Names tried in turn when something not ours lies at the lock's place.
constexpr int kLockNames = 8;

// A regular file of this user at `path`, opened (made when missing); -1 otherwise.
int OpenOwnLockFile(const std::string& path) {
  // Close-on-exec: a program started from here must not inherit, and so keep, the lock.
  // No link is followed; O_NONBLOCK keeps a FIFO from blocking the open.
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (fd < 0) return -1;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid()) return fd;
  close(fd);
  errno = EACCES;
  return -1;
}

// The first usable lock file among `path`, `path`-2, ...; -1 when there is none, or when
// its folder is missing.
int OpenFirstOwnLockFile(const std::string& path) {
  for (int n = 1; n <= kLockNames; ++n) {
    const int fd = OpenOwnLockFile(n == 1 ? path : path + "-" + std::to_string(n));
    if (fd >= 0 || errno == ENOENT || errno == ENOTDIR) return fd;
  }
  return -1;
}

bool SetLock(int fd, short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;  // the whole file
  int rc;
  do {
    rc = fcntl(fd, F_OFD_SETLK, &lock);
  } while (rc != 0 && errno == EINTR);
  return rc == 0;
}

bool HeldByAnother() { return errno == EAGAIN || errno == EACCES; }

// The exclusive lock is held only for the instant a first copy needs to turn it into a
// shared one; a few tries spread over about a second are more than enough.
void JoinTheHolders(int fd) {
  const timespec pause{0, 1000000};
  for (int attempt = 0; attempt < 1000 && !SetLock(fd, F_RDLCK) && HeldByAnother(); ++attempt)
    nanosleep(&pause, nullptr);
}

}  // namespace

InstanceLock::InstanceLock(const std::string& path) {
  if (path.empty()) return;
  fd_ = OpenFirstOwnLockFile(path);
  if (fd_ < 0) return;
  if (SetLock(fd_, F_WRLCK)) {
    // No other copy holds the file: this is the first. Keep only a shared hold, so that
    // refused copies can hold it too.
    SetLock(fd_, F_RDLCK);
    result_ = Result::Created;
  } else if (HeldByAnother()) {
    JoinTheHolders(fd_);
    result_ = Result::AlreadyExists;
  } else {
    Close();
  }
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
