#include "engine/ignored_text.h"

#include "engine/catalogue.h"
#include "engine/scanner.h"

namespace vantorel {
namespace {

// The leading word of `tail`, read as the formula language reads a name.
std::string_view LeadingWord(std::string_view tail) {
  if (tail.empty() || !IsLetter(tail[0])) return {};
  std::size_t end = 1;
  while (end < tail.size() && (IsLetter(tail[end]) || IsDigit(tail[end]))) ++end;
  return tail.substr(0, end);
}

bool IsWordComment(std::string_view text, std::size_t formulaEnd, std::string_view tail) {
  if (formulaEnd == 0 || !IsBlank(text[formulaEnd - 1])) return false;
  if (tail[0] == '#') return true;  // the mark the help suggests for a comment
  const std::string_view word = LeadingWord(tail);
  return !word.empty() && word != "x" && word != "X" && !LookupName(word);
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::optional<IgnoredTail> NoticeableTail(std::string_view text, std::size_t formulaEnd) {
  if (formulaEnd >= text.size()) return std::nullopt;
  std::string_view tail = text.substr(formulaEnd);
  tail = tail.substr(0, tail.find_last_not_of(" \t") + 1);
  if (tail.empty() || IsWordComment(text, formulaEnd, tail)) return std::nullopt;
  if (tail.size() <= kIgnoredExcerptBytes) return IgnoredTail{tail, false};
  std::size_t cut = kIgnoredExcerptBytes;
  while (cut > 0 && IsContinuationByte(tail[cut])) --cut;
  return IgnoredTail{tail.substr(0, cut), true};
}

std::string IgnoredTextNotice(std::string_view text, std::size_t formulaEnd) {
  const std::optional<IgnoredTail> tail = NoticeableTail(text, formulaEnd);
  if (!tail) return {};
  std::string notice(kIgnoredNoticeLead);
  notice += '"';
  notice += tail->excerpt;
  if (tail->shortened) notice += "\xE2\x80\xA6";  // …
  notice += '"';
  return notice;
}

}  // namespace vantorel
