// Reading a compiled help file: its directory, system data, context map and pages.
#include "platform/chm_file.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "chm_test_files.h"

namespace vantorel::platform {
namespace {

using testing::SampleHelpFile;
using testing::WriteFile;

class ChmFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::HelpSourceDir().isEmpty()) GTEST_SKIP() << "built without the help folder";
    ASSERT_FALSE(SampleHelpFile().isEmpty()) << "the sample help file could not be built";
    file_ = ChmFile::Open(SampleHelpFile());
    ASSERT_TRUE(file_);
  }
  std::unique_ptr<ChmFile> file_;
};

TEST_F(ChmFileTest, ReadsTitleDefaultTopicAndTheNamesOfContentsAndIndex) {
  EXPECT_EQ(file_->Title(), "Sample Title");
  EXPECT_EQ(file_->DefaultTopic(), "/Pages/Start.htm");
  EXPECT_EQ(file_->ContentsFile(), "/Toc.hhc");
  EXPECT_EQ(file_->IndexFile(), "/Keys.hhk");
}

TEST_F(ChmFileTest, MapsContextNumbersToTheirTopicsAndNothingElse) {
  const struct {
    quint32 context;
    const char* topic;
  } cases[] = {
      {10, "/Pages/Start.htm"}, {20, "/Pages/Second.htm"}, {0, ""}, {11, ""}, {0xFFFFFFFF, ""}};
  for (const auto& c : cases) EXPECT_EQ(file_->TopicForContext(c.context), c.topic) << c.context;
}

TEST_F(ChmFileTest, FindsStoredFilesWithoutRegardToCase) {
  const struct {
    const char* asked;
    const char* stored;
  } cases[] = {
      {"/Pages/Start.htm", "/Pages/Start.htm"},
      {"/pages/start.htm", "/Pages/Start.htm"},
      {"PAGES/START.HTM", "/Pages/Start.htm"},
      {"/pages/pictures/DOT.PNG", "/Pages/Pictures/Dot.png"},
      {"/Pages/Missing.htm", ""},
      {"/Pages", ""},
      {"/Pages/", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(file_->Resolve(c.asked), c.stored) << c.asked;
}

TEST_F(ChmFileTest, DecodesPagesByTheCharsetTheyDeclare) {
  EXPECT_TRUE(file_->ReadText("/Pages/Start.htm")->contains(QString::fromUtf8("Café costs 5 €.")));
  EXPECT_TRUE(file_->ReadText("/Pages/Utf8.htm")->contains(QString::fromUtf8("Grüße")));
  EXPECT_FALSE(file_->ReadText("/Pages/Nothing.htm"));
}

TEST_F(ChmFileTest, ReadsImagesByteForByte) {
  const std::optional<QByteArray> image = file_->Read("/Pages/Pictures/Dot.png");
  ASSERT_TRUE(image);
  EXPECT_EQ(*image, testing::TinyPng());
  EXPECT_EQ(QImage::fromData(*image).size(), QSize(3, 2));
}

TEST_F(ChmFileTest, ListsTheContentFilesButNotTheSystemFiles) {
  const QStringList files = file_->Files();
  for (const char* expected : {"/Pages/Start.htm", "/Pages/Pictures/Dot.png", "/Toc.hhc", "/Keys.hhk"})
    EXPECT_TRUE(files.contains(expected)) << expected;
  for (const QString& file : files) EXPECT_FALSE(file.startsWith("/#") || file.startsWith("::")) << file.toStdString();
}

TEST(ChmFileOpen, RefusesWhatIsNoCompiledHelpFile) {
  QTemporaryDir dir;
  const QString cases[] = {
      QString(),
      dir.filePath("absent.chm"),
      dir.path(),
      WriteFile(dir, "empty.chm", QByteArray()),
      WriteFile(dir, "text.chm", "This is a plain text file, not a compiled help file.\n"),
      WriteFile(dir, "zeros.chm", QByteArray(4096, '\0')),
  };
  for (const QString& path : cases) EXPECT_FALSE(ChmFile::Open(path)) << path.toStdString();
}

// A file cut short keeps its header and directory but loses data, which the library
// would read as zeros: such a file is refused like any broken one.
TEST(ChmFileOpen, RefusesAFileCutShort) {
  if (SampleHelpFile().isEmpty()) GTEST_SKIP() << "no sample help file";
  QFile whole(SampleHelpFile());
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  QTemporaryDir dir;
  EXPECT_TRUE(ChmFile::Open(WriteFile(dir, "whole.chm", bytes)));
  for (const qsizetype length : {qsizetype(100), qsizetype(1024), bytes.size() / 2, bytes.size() - 1}) {
    EXPECT_FALSE(ChmFile::Open(WriteFile(dir, QString("cut%1.chm").arg(length), bytes.left(length))))
        << length << " of " << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace vantorel::platform
