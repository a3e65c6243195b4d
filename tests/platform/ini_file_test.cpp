#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "test_files.h"

namespace {

using vantorel::testing_files::ReadBytes;
using vantorel::testing_files::WriteBytes;

using vantorel::platform::FindIniValue;
using vantorel::platform::ReadIniValue;
using vantorel::platform::WithIniValue;
using vantorel::platform::WriteIniValue;

struct ReadCase {
  const char* what;
  std::string content;
  const char* section;
  const char* key;
  std::optional<std::string> value;
};

TEST(IniRead, FindsValuesTheWayTheSettingsFileAlwaysHas) {
  const ReadCase cases[] = {
      {"plain entry", "[Equations]\nStoredValue=1.5*x\n", "Equations", "StoredValue", "1.5*x"},
      {"names in any case", "[EQUATIONS]\nstoredvalue=a\n", "equations", "STOREDVALUE", "a"},
      {"blanks around key and value", "[S]\n \tk \t=  v w \t\n", "S", "k", "v w"},
      {"blanks inside the brackets", "  [ S ]  \nk=v\n", "S", "k", "v"},
      {"CR LF lines", "[S]\r\nk=v\r\n", "S", "k", "v"},
      {"CR-only lines", "[A]\rk=1\r[S]\rk=v\r", "S", "k", "v"},
      {"last line without an ending", "[S]\nk=v", "S", "k", "v"},
      {"semicolon and comma kept", "[S]\nk=sin(1,5;2)  ; note\n", "S", "k", "sin(1,5;2)  ; note"},
      {"only the first = splits", "[S]\nk=a=b\n", "S", "k", "a=b"},
      {"empty value is a value", "[S]\nk=\n", "S", "k", ""},
      {"first of two sections", "[S]\nk=1\n[S]\nk=2\n", "S", "k", "1"},
      {"first of two keys", "[S]\nk=1\nK=2\n", "S", "k", "1"},
      {"bytes above 127 kept", "[S]\nk=\xe4\xf6\n", "S", "k", "\xe4\xf6"},
      {"key before any section", "k=0\n[S]\nj=1\n", "S", "k", std::nullopt},
      {"key of another section", "[A]\nk=1\n[B]\nj=2\n", "B", "k", std::nullopt},
      {"missing section", "[A]\nk=1\n", "B", "k", std::nullopt},
      {"longer section name", "[Equations1]\nk=v\n", "Equations", "k", std::nullopt},
      {"commented-out entry", "[S]\n;k=x\n", "S", "k", std::nullopt},
      {"only A-Z fold", "[S]\n\xc4=1\n", "S", "\xe4", std::nullopt},
      {"empty file", "", "S", "k", std::nullopt},
  };
  for (const ReadCase& c : cases)
    EXPECT_EQ(FindIniValue(c.content, c.section, c.key), c.value) << c.what;
}

struct WriteCase {
  const char* what;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

TEST(IniWrite, ChangesOnlyTheEntrysLine) {
  const WriteCase cases[] = {
      {"new file", "", "S", "k", "v", "[S]\nk=v\n"},
      {"replace", "[S]\nk=old\nj=1\n", "S", "k", "new", "[S]\nk=new\nj=1\n"},
      {"replace, other case", "[s]\n K = old \n", "S", "k", "new", "[s]\nk=new\n"},
      {"replace the first only", "[S]\nk=1\nk=2\n", "S", "k", "3", "[S]\nk=3\nk=2\n"},
      {"append to its section", "[A]\na=1\n[B]\nb=2\n", "A", "c", "3",
       "[A]\na=1\nc=3\n[B]\nb=2\n"},
      {"append before blank lines", "[A]\na=1\n\n[B]\n", "A", "c", "3", "[A]\na=1\nc=3\n\n[B]\n"},
      {"append to a bare header", "[A]", "A", "a", "1", "[A]\na=1\n"},
      {"append section", "[A]\na=1\n", "B", "b", "2", "[A]\na=1\n[B]\nb=2\n"},
      {"append section, no final ending", "[A]\na=1", "B", "b", "2", "[A]\na=1\n[B]\nb=2\n"},
      {"append key, no final ending", "[A]\na=1", "A", "b", "2", "[A]\na=1\nb=2\n"},
      {"CR LF: append section", "[A]\r\na=1\r\n", "B", "b", "2", "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
      {"CR LF: replace", "; c\r\n[A]\r\na=1\r\n", "A", "a", "2", "; c\r\n[A]\r\na=2\r\n"},
      {"CR LF: append to section", "[A]\r\na=1\r\n[B]\r\n", "A", "c", "3",
       "[A]\r\na=1\r\nc=3\r\n[B]\r\n"},
      {"CR: replace", "[A]\ra=1\rb=2\r", "A", "a", "3", "[A]\ra=3\rb=2\r"},
      {"CR: append section", "[A]\ra=1\r", "B", "b", "2", "[A]\ra=1\r[B]\rb=2\r"},
      {"comments and odd lines kept", "; top\n[A]\n# hash\nodd line\na=1   ; x\n\n", "A", "a", "2",
       "; top\n[A]\n# hash\nodd line\na=2\n\n"},
      {"value with ; and ,", "", "S", "k", "logbaseN(6;2,77)", "[S]\nk=logbaseN(6;2,77)\n"},
      {"line breaks become blanks", "", "S", "k", "a\r\nb\nc", "[S]\nk=a  b c\n"},
  };
  for (const WriteCase& c : cases)
    EXPECT_EQ(WithIniValue(c.before, c.section, c.key, c.value), c.after) << c.what;
}

TEST(IniWrite, ProgramsTwoEntriesMakeFourLinesInOrder) {
  std::string file = WithIniValue("", "Equations", "StoredValue", "1.5*x");
  file = WithIniValue(file, "Equations1", "DecimalSeparator", ".");
  EXPECT_EQ(file, "[Equations]\nStoredValue=1.5*x\n[Equations1]\nDecimalSeparator=.\n");
}

class IniFileOnDisk : public testing::Test {
 protected:
  std::string PathOf(const QString& name) const {
    return QFile::encodeName(folder_.filePath(name)).toStdString();
  }
  QTemporaryDir folder_;
};

TEST_F(IniFileOnDisk, MissingFileGivesTheDefaultAndIsCreatedByWriting) {
  const std::string path = PathOf("CALC.INI");
  EXPECT_EQ(ReadIniValue(path, "S", "k", "fallback"), "fallback");
  ASSERT_TRUE(WriteIniValue(path, "S", "k", "v"));
  EXPECT_EQ(ReadBytes(path), "[S]\nk=v\n");
  EXPECT_EQ(ReadIniValue(path, "s", "K", "fallback"), "v");
}

TEST_F(IniFileOnDisk, KeepsEveryOtherByteOfACrLfFile) {
  const std::string path = PathOf("CALC.INI");
  ASSERT_TRUE(WriteBytes(
      path, "; written by hand\r\n[Equations]\r\nStoredValue = 1.5*x \r\n\r\n[Other]\r\nx=\xe9\r\n"));
  ASSERT_TRUE(WriteIniValue(path, "Equations", "StoredValue", "2*x"));
  ASSERT_TRUE(WriteIniValue(path, "Equations1", "DecimalSeparator", ","));
  EXPECT_EQ(ReadBytes(path),
            "; written by hand\r\n[Equations]\r\nStoredValue=2*x\r\n\r\n[Other]\r\nx=\xe9\r\n"
            "[Equations1]\r\nDecimalSeparator=,\r\n");
}

TEST_F(IniFileOnDisk, LongValueComesBackWhole) {
  const std::string path = PathOf("CALC.INI");
  std::string formula;
  while (formula.size() < 5000) formula += "sin(x)+1.5;";
  ASSERT_TRUE(WriteIniValue(path, "Equations", "StoredValue", formula));
  EXPECT_EQ(ReadIniValue(path, "Equations", "StoredValue", ""), formula);
}

TEST_F(IniFileOnDisk, WritingLeavesNoTemporaryFileAndKeepsPermissions) {
  const std::string path = PathOf("CALC.INI");
  ASSERT_TRUE(WriteBytes(path, "[S]\nk=1\n"));
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(WriteIniValue(path, "S", "k", "2"));
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"CALC.INI"});
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(IniFileOnDisk, UnwritablePlacesReportFailure) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.ini"));
  ASSERT_TRUE(WriteBytes(PathOf("plain"), "not a folder"));
  const std::string cases[] = {
      PathOf("missing/CALC.INI"),  // folder does not exist
      PathOf("plain/CALC.INI"),    // "folder" is a file
      PathOf("folder.ini"),        // the file is a folder
  };
  for (const std::string& path : cases) {
    EXPECT_FALSE(WriteIniValue(path, "S", "k", "v")) << path;
    EXPECT_EQ(ReadIniValue(path, "S", "k", "fallback"), "fallback") << path;
  }
  EXPECT_EQ(ReadBytes(PathOf("plain")), "not a folder");
}

// Permission bits do not stop root, so these two run only for other users.
TEST_F(IniFileOnDisk, ReadOnlyFolderReportsFailure) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string path = PathOf("CALC.INI");
  QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(WriteIniValue(path, "S", "k", "v"));
  QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

TEST_F(IniFileOnDisk, UnreadableFileIsNotOverwritten) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads unreadable files";
  const std::string path = PathOf("CALC.INI");
  ASSERT_TRUE(WriteBytes(path, "[S]\nkeep=me\n"));
  QFile::setPermissions(QString::fromStdString(path), QFileDevice::WriteOwner);
  EXPECT_FALSE(WriteIniValue(path, "S", "k", "v"));
  QFile::setPermissions(QString::fromStdString(path), QFileDevice::ReadOwner);
  EXPECT_EQ(ReadBytes(path), "[S]\nkeep=me\n");
}

// What another user, or a clumsy one, may have put where the settings file belongs. A
// plain user's link is followed; anything else is read as no file and never written
// through, and the start never blocks or reads without end.
class PlantedSettingsFile : public IniFileOnDisk {
 protected:
  void SetUp() override { ASSERT_TRUE(WriteBytes(victim_, "echo mine\n")); }
  const std::string path_ = PathOf("VANTOREL.INI");
  const std::string victim_ = PathOf("victim");
};

TEST_F(PlantedSettingsFile, FifoAndDeviceAreNeitherReadNorWritten) {
  ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
  EXPECT_EQ(ReadIniValue(path_, "S", "k", "default"), "default");  // does not wait
  EXPECT_FALSE(WriteIniValue(path_, "S", "k", "v"));
  ASSERT_EQ(unlink(path_.c_str()), 0);
  ASSERT_EQ(symlink("/dev/zero", path_.c_str()), 0);
  EXPECT_EQ(ReadIniValue(path_, "S", "k", "default"), "default");  // does not read forever
}

TEST_F(PlantedSettingsFile, OwnLinkIsFollowedAndItsTargetReplaced) {
  ASSERT_TRUE(WriteBytes(victim_, "[S]\nk=1\n"));
  ASSERT_EQ(symlink(victim_.c_str(), path_.c_str()), 0);
  EXPECT_EQ(ReadIniValue(path_, "S", "k", "default"), "1");
  ASSERT_TRUE(WriteIniValue(path_, "S", "k", "2"));
  EXPECT_EQ(ReadBytes(victim_), "[S]\nk=2\n");
  struct stat info {};
  ASSERT_EQ(lstat(path_.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
}

// A uid no account uses stands for the other user; only root can hand files to it.
constexpr uid_t kOtherUser = 4242;

TEST_F(PlantedSettingsFile, AnotherUsersLinkIsNotFollowed) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can make a link owned by another user";
  ASSERT_EQ(symlink(victim_.c_str(), path_.c_str()), 0);
  ASSERT_EQ(lchown(path_.c_str(), kOtherUser, kOtherUser), 0);
  EXPECT_EQ(ReadIniValue(path_, "S", "k", "default"), "default");
  EXPECT_FALSE(WriteIniValue(path_, "Equations", "StoredValue", "1;rm -rf ~"));
  EXPECT_EQ(ReadBytes(victim_), "echo mine\n");
}

TEST_F(PlantedSettingsFile, AHugeFileGivesItsEntriesAndIsLeftAlone) {
  const std::string head = "[Equations]\nStoredValue=2*x\n";
  ASSERT_TRUE(WriteBytes(path_, head));
  ASSERT_EQ(truncate(path_.c_str(), 64 << 20), 0);  // sparse: 64 MB of zero bytes
  EXPECT_EQ(ReadIniValue(path_, "Equations", "StoredValue", "default"), "2*x");
  const vantorel::platform::IniEntry entry{"Equations", "StoredValue", "3*x"};
  EXPECT_EQ(vantorel::platform::WriteIniValues(path_, {&entry, 1}),
            vantorel::platform::IniWrite::LeftAlone);
  struct stat info {};
  ASSERT_EQ(stat(path_.c_str(), &info), 0);
  EXPECT_EQ(info.st_size, 64 << 20);
  EXPECT_EQ(ReadBytes(path_).substr(0, head.size()), head);
}

// Root saving in a user's folder leaves the file the user's, with its mode.
TEST_F(IniFileOnDisk, AFileReplacedByRootKeepsItsOwnerAndMode) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can replace another user's file";
  const std::string path = PathOf("VANTOREL.INI");
  ASSERT_TRUE(WriteBytes(path, "[S]\nk=1\n"));
  ASSERT_EQ(chown(path.c_str(), kOtherUser, kOtherUser + 1), 0);
  ASSERT_EQ(chmod(path.c_str(), 0604), 0);
  ASSERT_TRUE(WriteIniValue(path, "S", "k", "2"));
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, kOtherUser);
  EXPECT_EQ(info.st_gid, kOtherUser + 1);
  EXPECT_EQ(info.st_mode & 07777, 0604u);
  EXPECT_EQ(ReadBytes(path), "[S]\nk=2\n");
}

}  // namespace
