#include "platform/chm_sitemap_reader.h"
#include "platform/ascii_text.h"

#include <optional>

#include "platform/chm_text.h"

namespace vantorel::chm {
namespace {

struct Token {
  enum Kind { OpenList, CloseList, Entry } kind;
  SitemapEntry entry;
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameChar(char c) { return IsLetter(c) || c == '_' || c == ':' || c == '-'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }


// attribute := name [ "=" ( '"' text '"' | "'" text "'" | bare ) ]; the value of the
// first attribute called `wanted`, or empty.
std::string AttributeValue(std::string_view attributes, std::string_view wanted) {
  std::size_t at = 0;
  while (at < attributes.size()) {
    if (!IsNameChar(attributes[at])) {
      ++at;
      continue;
    }
    const std::size_t nameStart = at;
    while (at < attributes.size() && IsNameChar(attributes[at])) ++at;
    const std::string_view name = attributes.substr(nameStart, at - nameStart);
    std::size_t next = at;
    while (next < attributes.size() && IsSpace(attributes[next])) ++next;
    std::string_view value;
    if (next < attributes.size() && attributes[next] == '=') {
      std::size_t start = next + 1;
      while (start < attributes.size() && IsSpace(attributes[start])) ++start;
      const char quote = start < attributes.size() ? attributes[start] : '\0';
      if (quote == '"' || quote == '\'') {
        const std::size_t close = attributes.find(quote, start + 1);
        if (close != std::string_view::npos) {
          value = attributes.substr(start + 1, close - start - 1);
          at = close + 1;
        }
      } else {
        std::size_t stop = start;
        while (stop < attributes.size() && !IsSpace(attributes[stop]) && attributes[stop] != '"' &&
               attributes[stop] != '\'')
          ++stop;
        if (stop > start) {
          value = attributes.substr(start, stop - start);
          at = stop;
        }
      }
    }
    if (platform::SameAsciiLetters(name, wanted)) return DecodeEntities(value);
  }
  return {};
}

// One <param name=... value=...> of an open entry: the first "Name" names the entry, a
// later "Name" titles the "Local" that follows it.
void AddParam(SitemapEntry& entry, std::string& pendingTitle, std::string_view attributes) {
  const std::string key = AsciiLower(AttributeValue(attributes, "name"));
  std::string value = AttributeValue(attributes, "value");
  if (key == "name" && entry.name.empty() && entry.targets.empty()) {
    entry.name = std::move(value);
  } else if (key == "name") {
    pendingTitle = std::move(value);
  } else if (key == "local") {
    entry.targets.push_back({std::move(pendingTitle), std::move(value)});
    pendingTitle.clear();
  }
}

// Finds the tags of a text in one pass: every search starts where the last one of its
// kind ended, so a text of many '<' and no '>' stays linear.
class TagScanner {
 public:
  explicit TagScanner(std::string_view html) : html_(html) {}

  // The next tag's closing flag, lower-case name and attribute text; false at the end.
  bool Next(bool& closing, std::string& name, std::string_view& attributes) {
    while ((at_ = html_.find('<', at_)) != std::string_view::npos) {
      if (html_.substr(at_, 4) == "<!--") {
        const std::size_t end = After(commentEnd_, "-->", at_ + 4);
        if (end != std::string_view::npos) {
          at_ = end + 3;
          continue;
        }
      }
      const std::size_t end = After(tagEnd_, ">", at_ + 1);
      if (end == std::string_view::npos) return false;
      if (ReadTag(html_.substr(at_ + 1, end - at_ - 1), closing, name, attributes)) {
        at_ = end + 1;
        return true;
      }
      ++at_;
    }
    return false;
  }

 private:
  // The first `what` at or after `from`. Searches start ever later, so one that found
  // nothing settles every later one, and one that found a place answers until it is passed.
  std::size_t After(std::size_t& cached, std::string_view what, std::size_t from) const {
    if (cached == std::string_view::npos) return cached;
    if (cached == kNotSearched || cached < from) cached = html_.find(what, from);
    return cached;
  }

  // tag := spaces? "/"? spaces? letters attributes
  static bool ReadTag(std::string_view tag, bool& closing, std::string& name,
                      std::string_view& attributes) {
    std::size_t at = 0;
    while (at < tag.size() && IsSpace(tag[at])) ++at;
    closing = at < tag.size() && tag[at] == '/';
    if (closing) ++at;
    while (at < tag.size() && IsSpace(tag[at])) ++at;
    const std::size_t start = at;
    while (at < tag.size() && IsLetter(tag[at])) ++at;
    if (at == start) return false;
    name = AsciiLower(tag.substr(start, at - start));
    attributes = tag.substr(at);
    return true;
  }

  static constexpr std::size_t kNotSearched = std::string_view::npos - 1;
  std::string_view html_;
  std::size_t at_ = 0;
  std::size_t commentEnd_ = kNotSearched;
  std::size_t tagEnd_ = kNotSearched;
};

// sitemap := { "<ul>" | "</ul>" | "<object type=text/sitemap>" { "<param>" } "</object>"
//              | any other tag, comment or text, which is skipped }
std::vector<Token> Tokenise(std::string_view html) {
  std::vector<Token> tokens;
  std::optional<SitemapEntry> open;
  std::string pendingTitle;
  TagScanner scanner(html);
  bool closing = false;
  std::string name;
  std::string_view attributes;
  while (scanner.Next(closing, name, attributes)) {
    if (name == "ul") {
      tokens.push_back(Token{closing ? Token::CloseList : Token::OpenList, {}});
    } else if (name == "object" && !closing) {
      const bool sitemap = platform::SameAsciiLetters(AttributeValue(attributes, "type"), "text/sitemap");
      open = sitemap ? std::optional<SitemapEntry>(SitemapEntry{}) : std::nullopt;
      pendingTitle.clear();
    } else if (name == "param" && open) {
      AddParam(*open, pendingTitle, attributes);
    } else if (name == "object" && open) {
      if (!open->name.empty() || !open->targets.empty())
        tokens.push_back(Token{Token::Entry, std::move(*open)});
      open.reset();
    }
  }
  return tokens;
}

// list := { entry | "<ul>" list "</ul>" }, where a nested list belongs to the entry before
// it (a list that opens before any entry, as the outermost one does, joins this one).
std::vector<SitemapEntry> BuildList(std::vector<Token>& tokens, std::size_t& at, int depth) {
  std::vector<SitemapEntry> list;
  int flattened = 0;  // lists opened here beyond the deepest level, not yet closed
  while (at < tokens.size()) {
    Token& token = tokens[at++];
    if (token.kind == Token::Entry) list.push_back(std::move(token.entry));
    if (token.kind == Token::CloseList && flattened > 0) --flattened;
    else if (token.kind == Token::CloseList && depth > 0) return list;
    if (token.kind != Token::OpenList) continue;
    if (depth >= kDeepestSitemapList) {
      ++flattened;
      continue;
    }
    std::vector<SitemapEntry> nested = BuildList(tokens, at, depth + 1);
    std::vector<SitemapEntry>& owner = list.empty() ? list : list.back().children;
    for (SitemapEntry& entry : nested) owner.push_back(std::move(entry));
  }
  return list;
}

}  // namespace

std::vector<SitemapEntry> ReadSitemap(std::string_view html) {
  std::vector<Token> tokens = Tokenise(html);
  std::size_t at = 0;
  return BuildList(tokens, at, 0);
}

}  // namespace vantorel::chm
