#include "ini_file.h"

#include "platform/ascii_text.h"

#include <algorithm>
#include <vector>

#include "guarded_file.h"

namespace vantorel::platform {

namespace {

struct Line {
  std::size_t begin;       // offset of the line in the content
  std::string_view body;   // the line without its ending
  std::string_view ending; // "\r\n", "\n", "\r", or nothing at the end of the content
};

enum class LineKind { Section, Entry, Other };

struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;  // section name or key
  std::string_view value;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}


// line ending = "\r\n" | "\n" | "\r": files written with any of the three read alike
std::vector<Line> SplitLines(std::string_view content) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < content.size()) {
    const std::size_t body_end = std::min(content.find_first_of("\r\n", begin), content.size());
    std::size_t end = body_end;
    if (end < content.size()) end += content.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    lines.push_back({begin, content.substr(begin, body_end - begin),
                     content.substr(body_end, end - body_end)});
    begin = end;
  }
  return lines;
}

// section line = blanks "[" name ( "]" anything | end of line ), name trimmed of blanks
// entry line   = key "=" value, key and value trimmed of blanks; the first "=" splits
// any other line (blank, comment, text) is kept and means nothing
ParsedLine ParseLine(std::string_view body) {
  std::string_view text = Trimmed(body);
  if (!text.empty() && text.front() == '[') {
    std::string_view inner = text.substr(1);
    return {LineKind::Section, Trimmed(inner.substr(0, inner.find(']'))), {}};
  }
  std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return {};
  return {LineKind::Entry, Trimmed(text.substr(0, equals)), Trimmed(text.substr(equals + 1))};
}

struct Place {
  std::optional<std::size_t> entry;          // the line of the key
  std::optional<std::size_t> section_end;    // the section's last non-blank line
};

Place Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Place place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ParsedLine line = ParseLine(lines[i].body);
    if (line.kind == LineKind::Section) {
      if (place.section_end) break;  // only the first matching section counts
      if (SameAsciiLetters(line.name, section)) place.section_end = i;
      continue;
    }
    if (!place.section_end) continue;
    if (line.kind == LineKind::Entry && SameAsciiLetters(line.name, key)) {
      place.entry = i;
      break;
    }
    if (!Trimmed(lines[i].body).empty()) place.section_end = i;
  }
  return place;
}

std::string NewlineOf(const std::vector<Line>& lines) {
  for (const Line& line : lines)
    if (!line.ending.empty()) return std::string(line.ending);
  return "\n";
}

std::string EntryLine(std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

}  // namespace

std::optional<std::string> FindIniValue(std::string_view content, std::string_view section,
                                        std::string_view key) {
  std::vector<Line> lines = SplitLines(content);
  Place place = Locate(lines, section, key);
  if (!place.entry) return std::nullopt;
  return std::string(ParseLine(lines[*place.entry].body).value);
}

std::string WithIniValue(std::string_view content, std::string_view section,
                         std::string_view key, std::string_view value) {
  std::vector<Line> lines = SplitLines(content);
  const std::string newline = NewlineOf(lines);
  const std::string entry = EntryLine(key, value);
  Place place = Locate(lines, section, key);
  std::string result(content);
  if (place.entry) {
    const Line& line = lines[*place.entry];
    return result.replace(line.begin, line.body.size(), entry);
  }
  if (place.section_end) {
    const Line& line = lines[*place.section_end];
    std::size_t after = line.begin + line.body.size() + line.ending.size();
    std::string added = (line.ending.empty() ? newline : "") + entry + newline;
    return result.insert(after, added);
  }
  if (!lines.empty() && lines.back().ending.empty()) result += newline;
  return result + "[" + std::string(section) + "]" + newline + entry + newline;
}

std::string ReadIniValue(const std::string& path, std::string_view section,
                         std::string_view key, std::string_view fallback) {
  const GuardedRead file = ReadGuarded(path, kLargestIniFile);
  if (file.status != GuardedRead::Status::Read && file.status != GuardedRead::Status::TooLarge)
    return std::string(fallback);
  std::optional<std::string> value = FindIniValue(file.bytes, section, key);
  return value ? *value : std::string(fallback);
}

IniWrite WriteIniValues(const std::string& path, std::span<const IniEntry> entries) {
  const GuardedRead file = ReadGuarded(path, kLargestIniFile);
  // Not one of ours: rewriting it could only cut it short.
  if (file.status == GuardedRead::Status::TooLarge) return IniWrite::LeftAlone;
  // An unreadable file must not be replaced by one that holds only these entries.
  if (file.status == GuardedRead::Status::Refused) return IniWrite::Failed;
  std::string updated = file.bytes;
  for (const IniEntry& entry : entries)
    updated = WithIniValue(updated, entry.section, entry.key, entry.value);
  return ReplaceGuarded(file, updated) ? IniWrite::Written : IniWrite::Failed;
}

bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value) {
  const IniEntry entry{section, key, value};
  return WriteIniValues(path, {&entry, 1}) == IniWrite::Written;
}

}  // namespace vantorel::platform
