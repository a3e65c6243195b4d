#pragma once
// Settings in the INI form, read and written the way the settings file has always been:
//   a line "[Name]" opens a section; a line "key=value" is an entry of the section above;
//   section and key names match without regard to letter case (A-Z only); a value read
//   loses its blanks (spaces, tabs) at both ends; the first matching section and key count.
// Text is bytes: nothing is converted, and a value is read whole, however long.
// Writing changes the one line of the entry (or adds one, or adds the section) and keeps
// every other byte of the file, including its comments and its line endings.
// Lines may end in CR LF, LF or a lone CR.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantorel::platform {

// The value of the entry in `content`, or nothing when the section or the key is missing.
std::optional<std::string> FindIniValue(std::string_view content, std::string_view section,
                                        std::string_view key);

// `content` with the entry set: the entry's line is replaced; a new entry goes after the
// last non-blank line of its section; a new section goes at the end of the file. New
// lines end the way the file's first line ends ("\n" for a file without one). A line
// break inside `value` would split the entry, so it is written as a blank.
std::string WithIniValue(std::string_view content, std::string_view section,
                         std::string_view key, std::string_view value);

// A settings file holds a formula and a separator; one of several megabytes is not one
// of ours. Only its first bytes up to this size are read, and it is never rewritten.
inline constexpr std::size_t kLargestIniFile = std::size_t(4) << 20;

// The value from the file at `path`, or `fallback` when the file cannot be read or the
// section or the key is missing. A link is followed only when this user made it; only a
// regular file is read, at most kLargestIniFile bytes of it.
std::string ReadIniValue(const std::string& path, std::string_view section,
                         std::string_view key, std::string_view fallback);

struct IniEntry {
  std::string_view section;
  std::string_view key;
  std::string_view value;
};

enum class IniWrite { Written, LeftAlone, Failed };

// Writes all `entries` into the file at `path` in one replacement (a temporary file
// beside it, with its owner and mode, is renamed over it), so that a crash leaves either
// the old file or the new one, never half of it and never some entries without the
// others. A missing file is made. LeftAlone for a file larger than kLargestIniFile;
// Failed, with the file as it was, when it could not be read or replaced.
IniWrite WriteIniValues(const std::string& path, std::span<const IniEntry> entries);

// WriteIniValues for one entry; true when it was written.
bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace vantorel::platform
