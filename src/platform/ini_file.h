#pragma once
// Settings in the INI form, read and written the way the settings file has always been:
//   a line "[Name]" opens a section; a line "key=value" is an entry of the section above;
//   section and key names match without regard to letter case (A-Z only); a value read
//   loses its blanks (spaces, tabs) at both ends; the first matching section and key count.
// Text is bytes: nothing is converted, and a value is read whole, however long.
// Writing changes the one line of the entry (or adds one, or adds the section) and keeps
// every other byte of the file, including its comments and its line endings.

#include <optional>
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

// The value from the file at `path`, or `fallback` when the file cannot be read or the
// section or the key is missing.
std::string ReadIniValue(const std::string& path, std::string_view section,
                         std::string_view key, std::string_view fallback);

// Writes the entry into the file at `path`, creating the file when it is missing. The new
// content replaces the old at once (a temporary file in the same folder is renamed over
// it), so a crash never leaves half a file. False when the file could not be read or
// written; the file is then as it was.
bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace vantorel::platform
