#include "runtime_folder.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel::platform {

namespace {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string PrivateFolderUnder(std::string_view base) {
  const std::string folder = std::string(base) + "/vantorel-" + std::to_string(getuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  struct stat info {};
  // lstat: a link planted by someone else must not redirect us.
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
  if (info.st_uid != getuid()) return {};
  if ((info.st_mode & 0077) != 0 && chmod(folder.c_str(), 0700) != 0) return {};
  return folder;
}

std::string UserRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/' && IsFolder(runtime)) return runtime;
  return PrivateFolderUnder("/tmp");
}

}  // namespace vantorel::platform
