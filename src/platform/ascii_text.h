#pragma once
// Names in help files and settings files are compared without regard to the case of
// their ASCII letters, whatever the user's locale.

#include <cstddef>
#include <string_view>

namespace vantorel::platform {

inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Compared in place: it runs for every attribute of every tag of a help page.
inline bool SameAsciiLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

}  // namespace vantorel::platform
