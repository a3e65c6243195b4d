#pragma once
// The single-instance lock, one lock file per user. Every copy that opens it keeps a
// shared lock on it for its whole run, the running one and the refused ones alike; a
// copy is the first when it can take the exclusive lock, that is when no other copy
// holds the file at all. So a start while a refused copy still shows its box is refused
// too, even once the first copy has ended. The locks are open file description locks:
// the kernel drops them when the process ends in any way, so a crashed copy never blocks
// the next start, and turning the exclusive lock into a shared one is one atomic step,
// so two copies started together never both run. The file itself stays: removing it
// could let two copies lock two different files of the same name.
//
// Only a regular file of this user counts. Anything else found at the lock's place (a
// file left by root or another user that this user cannot open or must not trust, a
// link, a folder, a FIFO) is passed over for the next name, "<path>-2" and so on, the same
// for every copy, since nothing is ever removed.

#include <string>

namespace vantorel::platform {

inline constexpr char kInstanceLockName[] = "Tesmo_Application_Mutex_Name";

class InstanceLock {
 public:
  enum class Result {
    Created,        // this copy holds the lock: it is the first
    AlreadyExists,  // another living copy of this user holds the lock file
    Failed,         // no lock file could be made or locked at all
  };

  // Tries once to take the lock at `path` and never waits for another copy. An empty
  // path fails.
  explicit InstanceLock(const std::string& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  Result Outcome() const { return result_; }

  // Lets the lock go, whatever the outcome; later calls do nothing. The destructor does
  // it too.
  void Close();

  // The user's lock file: UserRuntimeFolder()/Tesmo_Application_Mutex_Name, or empty.
  static std::string DefaultPath();

 private:
  int fd_ = -1;
  Result result_ = Result::Failed;
};

}  // namespace vantorel::platform
