#include "guarded_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel::platform {

namespace {

using Status = GuardedRead::Status;

// A link counts only when this user made it; then its target is the file. Another
// user's link could point anywhere (a shell start-up file, /dev/zero).
Status ResolveOwnLink(std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return errno == ENOENT ? Status::Missing : Status::Refused;
  if (!S_ISLNK(info.st_mode)) return Status::Read;
  if (info.st_uid != geteuid()) return Status::Refused;
  char target[PATH_MAX];
  if (realpath(path.c_str(), target) == nullptr) return Status::Refused;
  path = target;
  return Status::Read;
}

int OpenWithoutBlocking(const std::string& path) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer; O_NOFOLLOW: a link that
  // appeared since it was looked at is not followed.
  return open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

// At most `limit` + 1 bytes, so that a larger file is known to be larger.
bool ReadAtMost(int fd, std::size_t limit, std::string& bytes) {
  char chunk[65536];
  while (bytes.size() <= limit) {
    const ssize_t count = read(fd, chunk, std::min(sizeof chunk, limit + 1 - bytes.size()));
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) break;
    bytes.append(chunk, std::size_t(count));
  }
  return true;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = write(fd, bytes.data(), bytes.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    bytes.remove_prefix(std::size_t(count));
  }
  return true;
}

std::string TemporaryNameBeside(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return folder + "/." + name + ".XXXXXX";
}

// A new file that root makes in a user's folder is the user's.
void TakeOverOwnerOfFolder(int fd, const std::string& temporary) {
  struct stat folder {};
  const std::string name = temporary.substr(0, temporary.rfind('/'));
  if (geteuid() != 0 || stat(name.c_str(), &folder) != 0 || folder.st_uid == 0) return;
  [[maybe_unused]] const int ignored = fchown(fd, folder.st_uid, folder.st_gid);
}

// Root saving a user's file must leave it the user's; a plain user cannot give a file
// away and keeps its own.
void TakeOverOwnerAndMode(int fd, const GuardedRead& old, const std::string& temporary) {
  if (old.status != Status::Read) return TakeOverOwnerOfFolder(fd, temporary);
  if (old.owner != geteuid() || old.group != getegid()) {
    [[maybe_unused]] const int ignored = fchown(fd, old.owner, old.group);
  }
  fchmod(fd, old.mode & 07777);
}

}  // namespace

GuardedRead ReadGuarded(const std::string& path, std::size_t limit) {
  GuardedRead result;
  result.path = path;
  result.status = ResolveOwnLink(result.path);
  if (result.status != Status::Read) return result;
  const int fd = OpenWithoutBlocking(result.path);
  if (fd < 0) {
    result.status = errno == ENOENT ? Status::Missing : Status::Refused;
    return result;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !ReadAtMost(fd, limit, result.bytes)) {
    result.status = Status::Refused;
    result.bytes.clear();
  } else if (result.bytes.size() > limit) {
    result.status = Status::TooLarge;
    result.bytes.resize(limit);
  }
  result.owner = info.st_uid;
  result.group = info.st_gid;
  result.mode = info.st_mode;
  close(fd);
  return result;
}

bool ReplaceGuarded(const GuardedRead& old, std::string_view bytes) {
  if (old.status != Status::Read && old.status != Status::Missing) return false;
  std::string temporary = TemporaryNameBeside(old.path);
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = WriteAll(fd, bytes);
  if (written) TakeOverOwnerAndMode(fd, old, temporary);
  written = written && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (written && rename(temporary.c_str(), old.path.c_str()) == 0) return true;
  unlink(temporary.c_str());
  return false;
}

}  // namespace vantorel::platform
