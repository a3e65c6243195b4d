#include "platform/chm_text.h"

#include "platform/ascii_text.h"

#include <array>
#include <charconv>

namespace vantorel::chm {
namespace {

// Windows-1252 bytes 0x80..0x9F; the five it leaves undefined keep their own value.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The longest entity read, "&#x10FFFF;" or "&nbsp;", with room to spare.
constexpr std::size_t kLongestEntity = 12;

std::uint32_t NamedEntity(std::string_view name) {
  if (name == "amp") return '&';
  if (name == "lt") return '<';
  if (name == "gt") return '>';
  if (name == "quot") return '"';
  if (name == "apos") return '\'';
  if (name == "nbsp") return 0xA0;
  return 0;
}

// "#233" or "#xE9"; 0 when it is no valid code point.
std::uint32_t NumericEntity(std::string_view name) {
  if (name.size() < 2 || name[0] != '#') return 0;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return value;
}

}  // namespace

void AppendUtf8(std::uint32_t c, std::string& out) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x80 && byte < 0xA0) AppendUtf8(kHighControls[byte - 0x80], out);
    else AppendUtf8(byte, out);
  }
  return out;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = platform::AsciiLower(ch);
  return out;
}

std::string DecodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    // Looked for only within an entity's length, so a text full of '&' stays linear.
    const std::size_t semicolon =
        text[at] == '&' ? text.substr(at, kLongestEntity + 1).find(';') : std::string_view::npos;
    if (semicolon != std::string_view::npos) {
      const std::size_t end = at + semicolon;
      const std::string_view name = text.substr(at + 1, end - at - 1);
      const std::uint32_t c = name.starts_with('#') ? NumericEntity(name) : NamedEntity(name);
      if (c != 0) {
        AppendUtf8(c, out);
        at = end + 1;
        continue;
      }
    }
    out += text[at++];
  }
  return out;
}

}  // namespace vantorel::chm
