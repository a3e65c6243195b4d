#pragma once
// Text helpers of the help file reader, free of any toolkit: the stored texts of a
// compiled help file are windows-1252, the reader hands out UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace vantorel::chm {

std::string Windows1252ToUtf8(std::string_view text);
void AppendUtf8(std::uint32_t codePoint, std::string& out);
// Only ASCII letters change: stored paths are matched the way the help compiler does.
std::string AsciiLower(std::string_view text);
// Replaces &amp; &lt; &gt; &quot; &apos; &nbsp; and numeric references; others stay.
std::string DecodeEntities(std::string_view text);

}  // namespace vantorel::chm
