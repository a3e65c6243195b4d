#include "platform/chm_sitemap.h"

#include "platform/chm_sitemap_reader.h"

namespace vantorel::platform {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The reader nests lists no deeper than chm::kDeepestSitemapList, which bounds the recursion.
QList<SitemapEntry> Converted(const std::vector<chm::SitemapEntry>& entries) {
  QList<SitemapEntry> list;
  list.reserve(qsizetype(entries.size()));
  for (const chm::SitemapEntry& entry : entries) {
    SitemapEntry converted{FromUtf8(entry.name), {}, Converted(entry.children)};
    for (const chm::SitemapTarget& target : entry.targets)
      converted.targets.append({FromUtf8(target.title), FromUtf8(target.local)});
    list.append(std::move(converted));
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
  const QByteArray utf8 = html.toUtf8();
  return Converted(chm::ReadSitemap(std::string_view(utf8.constData(), std::size_t(utf8.size()))));
}

QList<IndexRow> FlattenIndex(const QList<SitemapEntry>& entries) {
  QList<IndexRow> rows;
  Flatten(entries, QString(), rows);
  return rows;
}

}  // namespace vantorel::platform
