// The program's own help file as the build made it: everything it points to is there.
#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

#include "chm_test_files.h"
#include "platform/chm_file.h"
#include "platform/chm_sitemap.h"

namespace vantorel::platform {
namespace {

class HelpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::BuiltHelpFile().isEmpty()) GTEST_SKIP() << "built without the help folder";
    file_ = ChmFile::Open(testing::BuiltHelpFile());
    ASSERT_TRUE(file_) << "cannot open " << testing::BuiltHelpFile().toStdString();
  }

  // `link` as written in the page `page`: "", or the stored path with its fragment.
  QString Target(const QString& page, const QString& link) const {
    const QUrl url = QUrl("chm:" + page).resolved(QUrl(link));
    const QString stored = file_->Resolve(url.path());
    return stored.isEmpty() ? QString() : stored + (url.hasFragment() ? "#" + url.fragment() : "");
  }

  // Whether `target` ("/html/page.htm#part") is stored and has the named anchor.
  bool Exists(const QString& target) const {
    const QString path = target.section('#', 0, 0);
    const QString fragment = target.section('#', 1);
    const std::optional<QString> text = file_->ReadText(path);
    if (!text) return false;
    return fragment.isEmpty() || text->contains("name=\"" + fragment + "\"");
  }

  QStringList Pages() const { return file_->Files().filter(QRegularExpression("\\.htm$")); }

  std::unique_ptr<ChmFile> file_;
};

TEST_F(HelpFileTest, OpensAtATitledDefaultTopic) {
  EXPECT_EQ(file_->Title(), "VantorelCalc Help");
  ASSERT_FALSE(file_->DefaultTopic().isEmpty());
  EXPECT_TRUE(file_->ReadText(file_->DefaultTopic())->contains("<title>Vantorel Calculator</title>"));
}

TEST_F(HelpFileTest, EveryContentsEntryLeadsToAStoredPage) {
  const QList<IndexRow> rows = FlattenIndex(ParseSitemap(*file_->ReadText(file_->ContentsFile())));
  EXPECT_GE(rows.size(), Pages().size()) << "every page has a place in the contents";
  for (const IndexRow& row : rows)
    EXPECT_TRUE(Exists(Target("/", row.local))) << row.keyword.toStdString() << " -> " << row.local.toStdString();
}

TEST_F(HelpFileTest, EveryIndexKeywordLeadsToAStoredPageAndAnchor) {
  const QList<IndexRow> rows = FlattenIndex(ParseSitemap(*file_->ReadText(file_->IndexFile())));
  EXPECT_GT(rows.size(), 200);
  for (const IndexRow& row : rows)
    EXPECT_TRUE(Exists(Target("/", row.local))) << row.keyword.toStdString() << " -> " << row.local.toStdString();
}

// The compiler is run without its link scan (which reports false errors), so a page that
// links to a missing page, anchor or image is caught here.
TEST_F(HelpFileTest, EveryLinkAndImageOfEveryPageIsStored) {
  static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
  int checked = 0;
  for (const QString& page : Pages()) {
    const QString text = *file_->ReadText(page);
    for (auto it = reference.globalMatch(text); it.hasNext();) {
      const QString link = it.next().captured(1);
      if (link.startsWith("http:") || link.startsWith("https:")) continue;
      const QString target = link.startsWith('#') ? page + link : Target(page, link);
      EXPECT_TRUE(!target.isEmpty() && Exists(target)) << page.toStdString() << " -> " << link.toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 300);
}

TEST_F(HelpFileTest, EveryPageIsWindows1252AndDecodesCleanly) {
  for (const QString& page : Pages()) {
    const QString text = *file_->ReadText(page);
    EXPECT_TRUE(text.contains("charset=windows-1252")) << page.toStdString();
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << page.toStdString();
  }
}

TEST_F(HelpFileTest, EveryContextNumberOfTheMapLeadsToAPageAndZeroToNone) {
  QFile header(testing::HelpSourceDir() + "/context.h");
  ASSERT_TRUE(header.open(QIODevice::ReadOnly));
  static const QRegularExpression define(QStringLiteral("#define\\s+(\\w+)\\s+(\\d+)"));
  int mapped = 0;
  for (auto it = define.globalMatch(QString::fromLatin1(header.readAll())); it.hasNext(); ++mapped) {
    const QRegularExpressionMatch m = it.next();
    const QString topic = file_->TopicForContext(m.captured(2).toUInt());
    EXPECT_TRUE(!topic.isEmpty() && Exists(topic)) << m.captured(1).toStdString();
  }
  EXPECT_GT(mapped, 10);
  EXPECT_EQ(file_->Contexts().size(), mapped);
  EXPECT_TRUE(file_->TopicForContext(0).isEmpty());
}

// Every name a formula can use has a keyword of its own in the index.
TEST_F(HelpFileTest, EveryFunctionAndConstantHasAnIndexKeyword) {
  const char* names[] = {
      // the 39 functions
      "Abs", "Square", "Sqrt", "Power", "Exp", "Ln", "LogBase10", "LogBase2", "LogBaseN", "Sin", "Cos", "Tan",
      "Cot", "Sec", "Csc", "ArcSin", "ArcCos", "ArcTan", "ArcCot", "ArcSec", "ArcCsc", "Coversine", "Exsecans",
      "Haversine", "Versine", "ArcTan2", "SinH", "CosH", "TanH", "CotH", "SecH", "CscH", "ArcSinH", "ArcCosH",
      "ArcTanH", "ArcCotH", "ArcSecH", "ArcCscH", "Pythag",
      // the 49 constants, LogE under both its names
      "Pi", "PiOn2", "PiOn3", "PiOn4", "Deg", "Bernstein", "Cbrt2", "Cbrt3", "Cbrt10", "Cbrt100", "CbrtPi",
      "Catalan", "Sqrt2", "Sqrt3", "Sqrt5", "Sqrt10", "SqrtPi", "Sqrt2Pi", "TwoPi", "ThreePi", "Ln2", "Ln10",
      "LnPi", "Log2", "Log3", "LogPi", "LogE", "LogNConst", "NConst", "hLn2Pi", "inv2Pi", "TwoToPower63",
      "GoldenMean", "EulerMascheroni", "Amu", "Avog", "Boltz", "ECharge", "EMass", "EVolt", "Farad", "Gas",
      "Neutron", "Planck", "Proton", "Light", "Gravity", "Pressure", "Stefan", "Bohr"};
  ASSERT_EQ(std::size(names), 39u + 50u);
  QStringList keywords;
  for (const IndexRow& row : FlattenIndex(ParseSitemap(*file_->ReadText(file_->IndexFile()))))
    keywords << row.keyword;
  for (const char* name : names) EXPECT_TRUE(keywords.contains(name)) << name;
}

}  // namespace
}  // namespace vantorel::platform
