#include "platform/chm_sitemap.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <optional>

namespace vantorel::platform {
namespace {

// Lists nested deeper than this are read as if flat, so no file can exhaust the stack.
constexpr int kDeepestList = 64;

struct Token {
  enum Kind { OpenList, CloseList, Entry } kind;
  SitemapEntry entry;
};

QString AttributeValue(const QString& attributes, const QString& wanted) {
  // attribute := name [ "=" ( '"' text '"' | "'" text "'" | bare ) ]
  static const QRegularExpression attribute(
      QStringLiteral(R"re(([A-Za-z_:-]+)\s*(?:=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))?)re"));
  for (auto it = attribute.globalMatch(attributes); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(1).compare(wanted, Qt::CaseInsensitive) != 0) continue;
    const QString value = m.captured(2) + m.captured(3) + m.captured(4);
    return value.contains('&') ? QTextDocumentFragment::fromHtml(value).toPlainText() : value;
  }
  return {};
}

// One <param name=... value=...> of an open entry: the first "Name" names the entry, a
// later "Name" titles the "Local" that follows it.
void AddParam(SitemapEntry& entry, QString& pendingTitle, const QString& attributes) {
  const QString key = AttributeValue(attributes, "name").toLower();
  const QString value = AttributeValue(attributes, "value");
  if (key == "name" && entry.name.isEmpty() && entry.targets.isEmpty()) {
    entry.name = value;
  } else if (key == "name") {
    pendingTitle = value;
  } else if (key == "local") {
    entry.targets.append({pendingTitle, value});
    pendingTitle.clear();
  }
}

// sitemap := { "<ul>" | "</ul>" | "<object type=text/sitemap>" { "<param>" } "</object>"
//              | any other tag, comment or text, which is skipped }
QList<Token> Tokenise(const QString& html) {
  static const QRegularExpression tag(
      QStringLiteral(R"(<!--.*?-->|<\s*(/?)\s*([A-Za-z]+)([^>]*)>)"),
      QRegularExpression::DotMatchesEverythingOption);
  QList<Token> tokens;
  std::optional<SitemapEntry> open;
  QString pendingTitle;
  for (auto it = tag.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const bool closing = !m.captured(1).isEmpty();
    const QString name = m.captured(2).toLower();
    const QString attributes = m.captured(3);
    if (name == "ul") {
      tokens.append(Token{closing ? Token::CloseList : Token::OpenList, {}});
    } else if (name == "object" && !closing) {
      const bool sitemap = AttributeValue(attributes, "type").compare(
                               "text/sitemap", Qt::CaseInsensitive) == 0;
      open = sitemap ? std::optional<SitemapEntry>(SitemapEntry{}) : std::nullopt;
      pendingTitle.clear();
    } else if (name == "param" && open) {
      AddParam(*open, pendingTitle, attributes);
    } else if (name == "object" && open) {
      if (!open->name.isEmpty() || !open->targets.isEmpty()) tokens.append(Token{Token::Entry, *open});
      open.reset();
    }
  }
  return tokens;
}

// list := { entry | "<ul>" list "</ul>" }, where a nested list belongs to the entry before
// it (a list that opens before any entry, as the outermost one does, joins this one).
QList<SitemapEntry> BuildList(const QList<Token>& tokens, qsizetype& at, int depth) {
  QList<SitemapEntry> list;
  int flattened = 0;  // lists opened here beyond the deepest level, not yet closed
  while (at < tokens.size()) {
    const Token& token = tokens[at++];
    if (token.kind == Token::Entry) list.append(token.entry);
    if (token.kind == Token::CloseList && flattened > 0) --flattened;
    else if (token.kind == Token::CloseList && depth > 0) return list;
    if (token.kind != Token::OpenList) continue;
    if (depth >= kDeepestList) {
      ++flattened;
      continue;
    }
    QList<SitemapEntry> nested = BuildList(tokens, at, depth + 1);
    (list.isEmpty() ? list : list.last().children).append(std::move(nested));
  }
  return list;
}

void Flatten(const QList<SitemapEntry>& entries, const QString& prefix, QList<IndexRow>& rows) {
  for (const SitemapEntry& entry : entries) {
    const QString keyword = prefix.isEmpty() ? entry.name : prefix + ", " + entry.name;
    for (const SitemapTarget& target : entry.targets) {
      rows.append({keyword, target.title.isEmpty() ? entry.name : target.title, target.local});
    }
    Flatten(entry.children, keyword, rows);
  }
}

}  // namespace

QList<SitemapEntry> ParseSitemap(const QString& html) {
  const QList<Token> tokens = Tokenise(html);
  qsizetype at = 0;
  return BuildList(tokens, at, 0);
}

QList<IndexRow> FlattenIndex(const QList<SitemapEntry>& entries) {
  QList<IndexRow> rows;
  Flatten(entries, QString(), rows);
  return rows;
}

}  // namespace vantorel::platform
