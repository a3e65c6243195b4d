#pragma once
// The contents (.hhc) and index (.hhk) files of a compiled help file: HTML "sitemaps",
// nested lists whose items each describe one entry with <param> elements. The Qt face
// of chm_sitemap_reader.h.

#include <QList>
#include <QString>

namespace vantorel::platform {

struct SitemapTarget {
  QString title;  // the topic's own name, where the entry gives one besides its own
  QString local;  // the topic's path inside the help file, maybe with a "#fragment"
};

struct SitemapEntry {
  QString name;
  QList<SitemapTarget> targets;
  QList<SitemapEntry> children;
};

QList<SitemapEntry> ParseSitemap(const QString& html);

// One row of the keyword index: a keyword (a sub-keyword reads "keyword, sub-keyword")
// and one of its topics.
struct IndexRow {
  QString keyword;
  QString title;
  QString local;
};

QList<IndexRow> FlattenIndex(const QList<SitemapEntry>& entries);

}  // namespace vantorel::platform
