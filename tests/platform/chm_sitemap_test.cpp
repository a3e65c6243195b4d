// Reading the contents and index files of a compiled help file.
#include "platform/chm_sitemap.h"

#include <gtest/gtest.h>

namespace vantorel::platform {
namespace {

QString Entry(const char* name, const char* local = nullptr) {
  QString text = QString("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%1\">").arg(name);
  if (local) text += QString("<param name=\"Local\" value=\"%1\">").arg(local);
  return text + "</OBJECT>";
}

// "Name[local]" for each entry, its children in parentheses, entries apart by a blank.
QString Outline(const QList<SitemapEntry>& entries) {
  QStringList parts;
  for (const SitemapEntry& entry : entries) {
    QString part = entry.name;
    for (const SitemapTarget& target : entry.targets)
      part += "[" + (target.title.isEmpty() ? "" : target.title + ":") + target.local + "]";
    if (!entry.children.isEmpty()) part += "(" + Outline(entry.children) + ")";
    parts << part;
  }
  return parts.join(' ');
}

struct SitemapCase {
  const char* what;
  QString text;
  const char* outline;
};

void PrintTo(const SitemapCase& c, std::ostream* out) { *out << c.what; }

class ReadsSitemaps : public ::testing::TestWithParam<SitemapCase> {};

TEST_P(ReadsSitemaps, AsATreeOfEntries) {
  EXPECT_EQ(Outline(ParseSitemap(GetParam().text)), GetParam().outline) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    ChmSitemap, ReadsSitemaps,
    ::testing::Values(
        SitemapCase{"a flat list", "<UL>" + Entry("A", "a.htm") + Entry("B", "b.htm") + "</UL>",
                    "A[a.htm] B[b.htm]"},
        SitemapCase{"a nested list belongs to the entry before it",
                    "<UL>" + Entry("A", "a.htm") + "<UL>" + Entry("A1", "a1.htm") + "<UL>" +
                        Entry("A11", "a11.htm") + "</UL></UL>" + Entry("B", "b.htm") + "</UL>",
                    "A[a.htm](A1[a1.htm](A11[a11.htm])) B[b.htm]"},
        SitemapCase{"a book without a page of its own",
                    "<UL>" + Entry("Book") + "<UL>" + Entry("Page", "p.htm") + "</UL></UL>",
                    "Book(Page[p.htm])"},
        SitemapCase{"small letters, single quotes and bare values",
                    "<ul><li><object type=text/sitemap><param name='Name' value='A b'>"
                    "<param name=local value=a.htm></object></ul>",
                    "A b[a.htm]"},
        SitemapCase{"entities in values", "<UL>" + Entry("Q &amp; A &lt;1&gt;", "q.htm") + "</UL>",
                    "Q & A <1>[q.htm]"},
        SitemapCase{"a keyword with two topics",
                    "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"k\">"
                    "<param name=\"Name\" value=\"T1\"><param name=\"Local\" value=\"1.htm\">"
                    "<param name=\"Name\" value=\"T2\"><param name=\"Local\" value=\"2.htm#x\">"
                    "</OBJECT></UL>",
                    "k[T1:1.htm][T2:2.htm#x]"},
        SitemapCase{"objects of other kinds and comments are skipped",
                    "<!-- " + Entry("Hidden", "h.htm") + " --><OBJECT type=\"text/site properties\">"
                        "<param name=\"Name\" value=\"Props\"></OBJECT><UL>" + Entry("A", "a.htm") + "</UL>",
                    "A[a.htm]"},
        SitemapCase{"a stray closing tag and an unclosed list",
                    "</UL>" + Entry("A", "a.htm") + "<UL>" + Entry("A1", "a1.htm"), "A[a.htm](A1[a1.htm])"},
        SitemapCase{"an object without any parameter", "<UL><LI><OBJECT type=\"text/sitemap\"></OBJECT></UL>", ""},
        SitemapCase{"no sitemap at all", "just text, <b>no lists</b>", ""}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(ChmSitemap, ListsNestedBeyondAnyReasonableDepthDoNotExhaustTheStack) {
  const int depth = 100000;
  const QString text = QString("<UL>").repeated(depth) + Entry("Deep", "d.htm") + QString("</UL>").repeated(depth) +
                       Entry("After", "a.htm");
  const QList<IndexRow> rows = FlattenIndex(ParseSitemap(text));
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].local, "d.htm");
  EXPECT_EQ(rows[1].keyword, "After");
}

TEST(ChmSitemap, FlattensTheIndexIntoOneRowPerKeywordAndTopic) {
  const QString text = "<UL>" + Entry("Angles", "angles.htm") + "<UL>" + Entry("degrees", "deg.htm") + "</UL>" +
                       "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"both\">"
                       "<param name=\"Name\" value=\"First\"><param name=\"Local\" value=\"1.htm\">"
                       "<param name=\"Local\" value=\"2.htm\"></OBJECT></UL>";
  const QList<IndexRow> rows = FlattenIndex(ParseSitemap(text));
  ASSERT_EQ(rows.size(), 4);
  const struct {
    const char* keyword;
    const char* title;
    const char* local;
  } expected[] = {{"Angles", "Angles", "angles.htm"},
                  {"Angles, degrees", "degrees", "deg.htm"},
                  {"both", "First", "1.htm"},
                  {"both", "both", "2.htm"}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(rows[i].keyword, expected[i].keyword) << i;
    EXPECT_EQ(rows[i].title, expected[i].title) << i;
    EXPECT_EQ(rows[i].local, expected[i].local) << i;
  }
}

}  // namespace
}  // namespace vantorel::platform
