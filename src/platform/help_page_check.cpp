#include "platform/help_page_check.h"
#include "platform/ascii_text.h"

#include <algorithm>
#include <array>

namespace vantorel::platform {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameChar(char c) { return IsLetter(c) || (c >= '0' && c <= '9'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Elements without content, or whose end tag may be left out: they add no depth.
bool AddsNoDepth(std::string_view name) {
  static constexpr std::array<std::string_view, 26> kNames = {
      "area", "base", "br", "col", "hr", "img", "input", "link", "meta", "param", "wbr", "p", "li",
      "dt", "dd", "td", "th", "tr", "thead", "tbody", "tfoot", "colgroup", "option", "html", "head", "body"};
  return std::any_of(kNames.begin(), kNames.end(), [name](std::string_view n) { return SameAsciiLetters(name, n); });
}

struct Shape {
  std::size_t tags = 0;
  std::size_t word = 0;
  int depth = 0;
  int tables = 0;

  bool Fits() const {
    return tags <= kMostTags && word <= kLongestWord && depth <= kDeepestNesting && tables <= kDeepestTables;
  }

  // tag := "<" "/"? name ... ">", given without its brackets.
  void AddTag(std::string_view tag) {
    const bool closing = tag.starts_with('/');
    std::string_view name = tag.substr(closing ? 1 : 0);
    name = name.substr(0, std::size_t(std::find_if_not(name.begin(), name.end(), IsNameChar) - name.begin()));
    ++tags;
    if (SameAsciiLetters(name, "table")) tables = closing ? std::max(0, tables - 1) : tables + 1;
    if (AddsNoDepth(name) || tag.ends_with('/')) return;
    depth = closing ? std::max(0, depth - 1) : depth + 1;
  }
};

}  // namespace

// Tags do not end a word, as they do not in the laid-out text.
bool FitsThePageView(std::string_view html) {
  if (html.size() > kLargestPage) return false;
  Shape shape;
  std::size_t nextClose = 0;  // the first '>' at or after the last search's start
  for (std::size_t at = 0; at < html.size() && shape.Fits(); ++at) {
    const bool tagStart = html[at] == '<' && at + 1 < html.size() &&
                          (IsLetter(html[at + 1]) || html[at + 1] == '/');
    if (tagStart && nextClose != std::string_view::npos && nextClose <= at) nextClose = html.find('>', at);
    if (tagStart && nextClose != std::string_view::npos) {
      shape.AddTag(html.substr(at + 1, nextClose - at - 1));
      at = nextClose;
    } else {
      shape.word = IsBlank(html[at]) ? 0 : shape.word + 1;
    }
  }
  return shape.Fits();
}

}  // namespace vantorel::platform
