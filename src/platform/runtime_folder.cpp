#include "runtime_folder.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel::platform {

namespace {

bool IsClosedFolderOfThisUser(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == geteuid() && (info.st_mode & 0077) == 0;
}

// `folder` made with mode 0700 when missing, and used only as a real folder of ours.
std::string PrivateFolderAt(const std::string& folder) {
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  struct stat info {};
  // lstat: a link planted by someone else must not redirect us.
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
  if (info.st_uid != geteuid()) return {};
  if ((info.st_mode & 0077) != 0 && chmod(folder.c_str(), 0700) != 0) return {};
  return folder;
}

std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "host";
  return name;
}

}  // namespace

std::string PrivateFolderUnder(std::string_view base) {
  return PrivateFolderAt(std::string(base) + "/vantorel-" + std::to_string(geteuid()));
}

std::string ChooseRuntimeFolder(std::string_view xdg_runtime_dir, std::string_view tmp,
                                std::string_view home, std::string_view host) {
  const std::string runtime(xdg_runtime_dir);
  if (!runtime.empty() && runtime.front() == '/' && IsClosedFolderOfThisUser(runtime))
    return runtime;
  if (std::string folder = PrivateFolderUnder(tmp); !folder.empty()) return folder;
  if (home.empty() || home.front() != '/') return {};
  // A home shared between machines must not share the lock: the host names the folder.
  const std::string cache = std::string(home) + "/.cache";
  mkdir(cache.c_str(), 0700);
  return PrivateFolderAt(cache + "/vantorel-" + std::string(host));
}

std::string UserRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const char* home = std::getenv("HOME");
  return ChooseRuntimeFolder(runtime ? runtime : "", "/tmp", home ? home : "", HostName());
}

}  // namespace vantorel::platform
