#include "ui/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/settings_location.h"
#include "ui/default_formula.h"

#include "../platform/test_files.h"

namespace {

using vantorel::testing_files::ReadBytes;
using vantorel::testing_files::WriteBytes;

using namespace vantorel::ui;

constexpr char kPointFormula[] =
    "5.44E-4 * (x - 187) + (2 * x) + square(x) + sin(x/deg) + logbaseN(6;2.77) + "
    "sin(tan(cos(43.243)/ln(9.765))/(tan(34.3)*logbaseN(2;3)))*(x - 1.87E-3) + "
    "sqrt(square(3)+square(4*x))";

TEST(DefaultFormula, CarriesTheSeparatorInItsSixDecimalPoints) {
  EXPECT_EQ(DefaultFormula('.'), kPointFormula);
  EXPECT_EQ(DefaultFormula('.').size(), 177u);
  const std::string comma = DefaultFormula(',');
  EXPECT_TRUE(comma.starts_with("5,44E-4 * (x - 187)"));
  EXPECT_EQ(comma.size(), 177u);
  int changed = 0;
  for (std::size_t i = 0; i < comma.size(); ++i) changed += comma[i] != kPointFormula[i];
  EXPECT_EQ(changed, 6);
  EXPECT_EQ(ReplaceSeparator(comma, ",", "."), kPointFormula);
}

TEST(ReplaceSeparator, ExactLeftToRightWithoutRescanning) {
  const struct {
    const char* text;
    const char* stored;
    const char* current;
    const char* result;
  } cases[] = {
      {"1.5*x", ".", ",", "1,5*x"},
      {"1,5*x+logbaseN(2;0,5)", ",", ".", "1.5*x+logbaseN(2;0.5)"},
      {"1.5*x", "", ",", "1.5*x"},      // an empty stored separator changes nothing
      {"1.5*x", ",", ".", "1.5*x"},     // nothing to replace
      {"a..b", ".", "..", "a....b"},    // replaced text is not looked at again
      {"aaa", "aa", "b", "ba"},         // left to right
      {"1.5", ".", "", "15"},
      {"", ".", ",", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceSeparator(c.text, c.stored, c.current), c.result) << c.text;
}

class SettingsFileTest : public testing::Test {
 protected:
  void TearDown() override { InstallSettingsFile(nullptr); }
  std::string PathOf(const QString& name) const { return folder_.filePath(name).toStdString(); }
  void Install(const std::string& path) { InstallSettingsFile(std::make_unique<SettingsFile>(path)); }
  QTemporaryDir folder_;
};

TEST_F(SettingsFileTest, WithoutAFileReadsGiveDefaultsAndTheFirstCloseMakesIt) {
  const std::string path = PathOf("VANTOREL.INI");
  Install(path);
  EXPECT_EQ(ReadSetting("Equations", "StoredValue", "default"), "default");
  EXPECT_EQ(ReadBytes(path), "<missing>");  // reading creates nothing
  WriteSetting("Equations", "StoredValue", "1,5*x");
  WriteSetting("Equations1", "DecimalSeparator", ",");
  EXPECT_EQ(ReadBytes(path), "[Equations]\nStoredValue=1,5*x\n[Equations1]\nDecimalSeparator=,\n");
  EXPECT_EQ(ReadSetting("Equations", "StoredValue", "default"), "1,5*x");
}

TEST_F(SettingsFileTest, EmptyNamesAndValuesDoNothing) {
  const std::string path = PathOf("VANTOREL.INI");
  ASSERT_TRUE(WriteBytes(path, "[Equations]\nStoredValue=old\n=x\n"));
  Install(path);
  EXPECT_EQ(ReadSetting("", "StoredValue", "d"), "d");
  EXPECT_EQ(ReadSetting("Equations", "", "d"), "d");
  WriteSetting("Equations", "StoredValue", "");  // an empty formula keeps the stored one
  WriteSetting("", "StoredValue", "new");
  WriteSetting("Equations", "", "new");
  EXPECT_EQ(ReadBytes(path), "[Equations]\nStoredValue=old\n=x\n");
}

TEST_F(SettingsFileTest, StoredValuesComeBackAsTheFileHoldsThem) {
  std::string long_formula;
  while (long_formula.size() < 5000) long_formula += "sqrt(square(3)+square(4*x))+";
  const struct {
    const char* what;
    std::string file;
    std::string value;
  } cases[] = {
      {"empty value is no default", "[Equations]\nStoredValue=\n", ""},
      {"blank at the end dropped", "[Equations]\nStoredValue= 1.5*x \n", "1.5*x"},
      {"bar kept for the window", "[Equations]\nStoredValue=1|2\n", "1|2"},
      {"longer than 2047 kept whole", "[Equations]\nStoredValue=" + long_formula + "\n", long_formula},
      {"missing entry", "[Equations1]\nDecimalSeparator=.\n", "default"},
  };
  const std::string path = PathOf("VANTOREL.INI");
  Install(path);
  for (const auto& c : cases) {
    ASSERT_TRUE(WriteBytes(path, c.file));
    EXPECT_EQ(ReadSetting("Equations", "StoredValue", "default"), c.value) << c.what;
  }
}

TEST_F(SettingsFileTest, WithoutASettingsFileNothingIsReadOrWritten) {
  InstallSettingsFile(nullptr);
  EXPECT_EQ(InstalledSettingsFile(), nullptr);
  EXPECT_EQ(ReadSetting("Equations", "StoredValue", "default"), "default");
  EXPECT_NO_THROW(WriteSetting("Equations", "StoredValue", "x"));
}

TEST_F(SettingsFileTest, AFailedWriteNamesTheFullPath) {
  ASSERT_TRUE(WriteBytes(PathOf("plain"), "a file, not a folder"));
  const std::string path = PathOf("plain/VANTOREL.INI");
  Install(path);
  try {
    WriteSetting("Equations", "StoredValue", "x");
    FAIL() << "no error";
  } catch (const SettingsWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    EXPECT_EQ(error.Path(), path);
  }
}

TEST_F(SettingsFileTest, AnUnwritableProgramFolderSendsTheFileToTheConfigurationFolder) {
  const std::string program = PathOf("bin/vantorel");
  const std::string config = PathOf("config/vantorel");
  const std::string path = vantorel::platform::SettingsFilePath(program, false, config);
  EXPECT_EQ(path, config + "/VANTOREL.INI");
  Install(path);
  WriteSetting("Equations", "StoredValue", "2*x");  // makes the configuration folder
  EXPECT_EQ(ReadSetting("Equations", "StoredValue", "default"), "2*x");
  EXPECT_FALSE(QDir(folder_.filePath("bin")).exists());
}

// Root storing into a user's home (a copy started with su) leaves what it makes there to
// the user, who could otherwise never store again.
TEST_F(SettingsFileTest, WhatRootMakesInAUsersHomeIsTheUsers) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can store into another user's home";
  const std::string home = PathOf("home");
  ASSERT_EQ(mkdir(home.c_str(), 0755), 0);
  ASSERT_EQ(chown(home.c_str(), 4242, 4243), 0);
  const std::string path = home + "/.config/vantorel/VANTOREL.INI";
  Install(path);
  WriteSettings({{"Equations", "StoredValue", "2*x"}, {"Equations1", "DecimalSeparator", "."}});
  EXPECT_EQ(ReadBytes(path), "[Equations]\nStoredValue=2*x\n[Equations1]\nDecimalSeparator=.\n");
  for (const std::string& made : {home + "/.config", home + "/.config/vantorel", path}) {
    struct stat info {};
    ASSERT_EQ(stat(made.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4242u) << made;
    EXPECT_EQ(info.st_gid, 4243u) << made;
  }
}

TEST_F(SettingsFileTest, MadeForThisProgramBesideIt) {
  std::unique_ptr<SettingsFile> file = MakeSettingsFile();
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->Path().ends_with("/VANTOREL_UI_TESTS.INI"));
}

}  // namespace
