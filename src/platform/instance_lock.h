#pragma once
// The single-instance lock: one lock file per user, locked (flock, exclusive) by the
// running copy for its whole run. The kernel drops the lock when the process ends in any
// way, so a crashed copy never blocks the next start. The file itself stays: removing it
// could let two copies lock two different files of the same name.

#include <string>

namespace vantorel::platform {

inline constexpr char kInstanceLockName[] = "Tesmo_Application_Mutex_Name";

class InstanceLock {
 public:
  enum class Result {
    Created,        // this copy holds the lock: it is the first
    AlreadyExists,  // another open lock file holds it (another living copy)
    Failed,         // the file could not be made or locked at all
  };

  // Tries once to take the lock at `path` and never waits. An empty path fails.
  explicit InstanceLock(const std::string& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  Result Outcome() const { return result_; }

  // Lets the lock go; later calls do nothing. The destructor does it too.
  void Close();

  // The user's lock file: UserRuntimeFolder()/Tesmo_Application_Mutex_Name, or empty.
  static std::string DefaultPath();

 private:
  int fd_ = -1;
  Result result_ = Result::Failed;
};

}  // namespace vantorel::platform
