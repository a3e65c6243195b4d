#include "platform/settings_location.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace vantorel::platform;

TEST(SettingsFileName, UpperCasesAndCutsBeforeTheFirstExe) {
  const struct {
    const char* program;
    const char* ini;
  } cases[] = {
      {"calc.exe", "CALC.INI"},
      {"myexec.exe", "MYINI"},          // the first "EXE" is inside the name
      {"calc", "INI"},                  // no "EXE": nothing of the name is kept
      {"Vantorel.EXE", "VANTOREL.INI"},
      {"a.exe.exe", "A.INI"},
      {"stra\xc3\x9f" "e.exe", "STRA\xc3\x9f" "E.INI"},  // only a-z change
      {"", "INI"},
  };
  for (const auto& c : cases) EXPECT_EQ(SettingsFileName(c.program), c.ini) << c.program;
}

TEST(SettingsFileName, ExeIsAddedToANameWithoutIt) {
  const struct {
    const char* executable;
    const char* program;
  } cases[] = {
      {"vantorel", "vantorel.exe"},
      {"calc.exe", "calc.exe"},
      {"CALC.EXE", "CALC.EXE"},
      {"vantorel.sh", "vantorel.sh.exe"},
      {"exe", "exe.exe"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgramFileNameForRule(c.executable), c.program);
}

TEST(SettingsFilePath, BesideTheProgramOrInTheConfigurationFolder) {
  const struct {
    const char* executable;
    bool writable;
    const char* config;
    const char* path;
  } cases[] = {
      {"/opt/v/vantorel", true, "/home/u/.config/vantorel", "/opt/v/VANTOREL.INI"},
      {"/opt/v/vantorel", false, "/home/u/.config/vantorel", "/home/u/.config/vantorel/VANTOREL.INI"},
      {"/usr/bin/vantorel", false, "/cfg/vantorel/", "/cfg/vantorel/VANTOREL.INI"},
      {"/tools/calc.exe", true, "/cfg", "/tools/CALC.INI"},
      {"/usr/bin/texedit", true, "/cfg", "/usr/bin/TINI"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SettingsFilePath(c.executable, c.writable, c.config), c.path) << c.executable;
}

TEST(UserConfigFolder, FollowsXdgConfigHomeWhenItIsAbsolute) {
  EXPECT_EQ(UserConfigFolder("/x/cfg", "/home/u"), "/x/cfg/vantorel");
  EXPECT_EQ(UserConfigFolder("/x/cfg/", "/home/u"), "/x/cfg/vantorel");
  EXPECT_EQ(UserConfigFolder("", "/home/u"), "/home/u/.config/vantorel");
  EXPECT_EQ(UserConfigFolder("relative", "/home/u"), "/home/u/.config/vantorel");
}

TEST(SettingsFilePathForThisProgram, BesideThisProgramWhenItsFolderIsPrivate) {
  // Built tests lie in a folder of their builder; another user runs them from a folder
  // it does not own, and then the file goes to that user's configuration folder.
  const QString folder = QCoreApplication::applicationDirPath();
  const std::string expected =
      IsPrivateFolder(QFile::encodeName(folder).toStdString())
          ? QFile::encodeName(folder).toStdString() + "/VANTOREL_PLATFORM_TESTS.INI"
          : UserConfigFolder(qgetenv("XDG_CONFIG_HOME").toStdString(),
                             qgetenv("HOME").toStdString()) + "/VANTOREL_PLATFORM_TESTS.INI";
  EXPECT_EQ(SettingsFilePathForThisProgram(), expected);
}

// A folder where anyone else may create files (a copy run from /tmp or a shared folder)
// must not hold the settings file: a planted link or file there would be used.
TEST(IsPrivateFolder, OnlyAFolderOfThisUserThatNoOneElseMayWrite) {
  QTemporaryDir base;
  const struct {
    const char* name;
    mode_t mode;
    uid_t owner;  // 0: this user
    bool is_private;
  } cases[] = {
      {"own", 0700, 0, true},           {"readable by all", 0755, 0, true},
      {"group may write", 0770, 0, false}, {"all may write", 0777, 0, false},
      {"shared like tmp", 01777, 0, false}, {"another user's", 0755, 4242, false},
  };
  for (const auto& c : cases) {
    const std::string folder = QFile::encodeName(base.filePath(c.name)).toStdString();
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(chmod(folder.c_str(), c.mode), 0);
    if (c.owner != 0) {
      if (geteuid() != 0) continue;  // only root can give a folder away
      ASSERT_EQ(chown(folder.c_str(), c.owner, c.owner), 0);
    }
    EXPECT_EQ(IsPrivateFolder(folder), c.is_private) << c.name;
  }
  EXPECT_FALSE(IsPrivateFolder(QFile::encodeName(base.filePath("missing")).toStdString()));
}

}  // namespace
