#pragma once
// The files stored in a compiled HTML help file (.chm), read from its bytes in memory
// through libmspack. A damaged file is refused or yields nothing, and no stored file,
// whatever its directory claims, makes the reader take more than the limits below.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel::chm {

// A help file, a stored file, and the decompressed data before a stored file's end,
// beyond these sizes, are taken for damage and not read.
inline constexpr std::size_t kLargestHelpFile = std::size_t(64) << 20;
inline constexpr std::size_t kLargestStoredFile = std::size_t(8) << 20;
inline constexpr std::uint64_t kLargestContent = std::uint64_t(32) << 20;

class Archive {
 public:
  // Nothing when the bytes are no compiled help file, or one cut short.
  static std::unique_ptr<Archive> Open(std::string bytes);
  ~Archive();
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  // Every stored path as stored, "/html/Page.htm" or "::DataSpace/...", in the order of
  // the stored data (the cheapest order to read them in).
  const std::vector<std::string>& Paths() const;
  // The stored spelling of `path` ("html/page.htm" finds "/html/Page.htm"); ASCII letters
  // match without regard to case, and a backslash as "/". Empty when no such file is stored.
  std::string Resolve(std::string_view path) const;
  // The content of the file stored under exactly `storedPath`; nothing when it is not
  // stored, is too large, or cannot be decompressed.
  std::optional<std::string> Read(std::string_view storedPath) const;

 private:
  struct Impl;
  explicit Archive(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace vantorel::chm
