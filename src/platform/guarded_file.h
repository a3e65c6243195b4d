#pragma once
// Reading and replacing a small text file that other people may have tampered with: a
// link is followed only when this user made it, only a regular file is read (a FIFO or a
// device never blocks or floods the program), at most a set number of bytes is read, and
// a replaced file keeps its owner and mode, as an editor that saves in place would.

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace vantorel::platform {

struct GuardedRead {
  enum class Status {
    Missing,   // nothing there: an empty file for all purposes
    Read,      // `bytes` is the whole file
    TooLarge,  // `bytes` is its first `limit` bytes; the file is not ours to rewrite
    Refused,   // a link of another user, not a regular file, or unreadable
  };
  Status status = Status::Missing;
  std::string bytes;
  std::string path;  // where the content lies: `path` or, through our own link, its target
  uid_t owner = 0;   // of a file that is there
  gid_t group = 0;
  mode_t mode = 0;
};

// Reads the file at `path` under the rules above.
GuardedRead ReadGuarded(const std::string& path, std::size_t limit);

// Puts `bytes` in place of the file that `old` read (or makes it when it was missing) in
// one step: a temporary file beside it is written, given the old owner and mode, flushed
// to disk and renamed over it. A file that root makes in another user's folder is given
// to that user. False, with the old file untouched, on any failure.
bool ReplaceGuarded(const GuardedRead& old, std::string_view bytes);

}  // namespace vantorel::platform
