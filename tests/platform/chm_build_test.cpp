// The wrapper that compiles a help project: it must fail loudly where the compiler
// fails quietly, and never leave a broken file in place of a good one.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "chm_test_files.h"
#include "platform/chm_file.h"

namespace vantorel::platform {
namespace {

using testing::BuildProject;
using testing::SampleProject;

struct BrokenProjectCase {
  const char* what;
  QString file;
  QByteArray content;  // replaces the file; empty removes it
};

void PrintTo(const BrokenProjectCase& c, std::ostream* out) { *out << c.what; }

class BuildChmFails : public ::testing::TestWithParam<BrokenProjectCase> {};

TEST_P(BuildChmFails, AndKeepsTheFileBuiltBefore) {
  if (testing::HelpSourceDir().isEmpty()) GTEST_SKIP() << "built without the help folder";
  QTemporaryDir dir;
  const QString output = dir.filePath("out/SAMPLE.chm");
  ASSERT_EQ(BuildProject(dir, SampleProject(), "Sample.hhp", output).exitCode, 0);
  QFile built(output);
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  const QByteArray good = built.readAll();
  built.close();

  QTemporaryDir brokenDir;
  QMap<QString, QByteArray> files = SampleProject();
  if (GetParam().content.isEmpty()) files.remove(GetParam().file);
  else files[GetParam().file] = GetParam().content;
  const testing::BuildOutcome outcome = BuildProject(brokenDir, files, "Sample.hhp", output);

  EXPECT_NE(outcome.exitCode, 0) << GetParam().what << "\n" << outcome.log.toStdString();
  ASSERT_TRUE(built.open(QIODevice::ReadOnly));
  EXPECT_EQ(built.readAll(), good) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    ChmBuild, BuildChmFails,
    ::testing::Values(
        BrokenProjectCase{"a page listed in [FILES] is missing", "Pages/Second.htm", {}},
        BrokenProjectCase{"an alias names a context the map lacks", "map.h", "#define IDH_START 10\n"},
        BrokenProjectCase{"the map file is missing", "map.h", {}},
        BrokenProjectCase{"a context is number 0", "map.h", "#define IDH_START 0\n#define IDH_SECOND 20\n"},
        BrokenProjectCase{"the project names no compiled file", "Sample.hhp",
                          "[OPTIONS]\nDefault topic=Pages/Start.htm\n\n[FILES]\nPages/Start.htm\n"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(ChmBuild, AGoodProjectGivesAFileThatOpens) {
  if (testing::HelpSourceDir().isEmpty()) GTEST_SKIP() << "built without the help folder";
  QTemporaryDir dir;
  const QString output = dir.filePath("deeper/folder/SAMPLE.chm");
  const testing::BuildOutcome outcome = BuildProject(dir, SampleProject(), "Sample.hhp", output);
  ASSERT_EQ(outcome.exitCode, 0) << outcome.log.toStdString();
  const auto file = ChmFile::Open(output);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->TopicForContext(20), "/Pages/Second.htm");
  EXPECT_FALSE(QFile::exists(dir.filePath("project/SAMPLE.chm"))) << "the project folder stays clean";
}

}  // namespace
}  // namespace vantorel::platform
