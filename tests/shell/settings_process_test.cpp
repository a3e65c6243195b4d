// The settings file as a running program meets it: a polite request to end stores the
// formula, and whatever lies where the file belongs never blocks, floods or redirects it.
#include "program_copy.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstring>
#include <functional>
#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ini_file.h"

namespace vantorel::shell {
namespace {

using platform::ReadIniValue;
using testing::ProgramFolder;
using testing::RunningCopy;

std::string Stored(const std::string& path) {
  return ReadIniValue(path, "Equations", "StoredValue", "<none>");
}

std::string Bytes(const std::string& path) {
  QFile file(QFile::decodeName(path.c_str()));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

bool Plant(const std::string& path, const std::string& bytes) {
  QFile file(QFile::decodeName(path.c_str()));
  return file.open(QIODevice::WriteOnly) && file.write(bytes.c_str()) == qint64(bytes.size());
}

class SettingsProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }

  std::unique_ptr<RunningCopy> StartWithFormula(const QString& formula) {
    std::unique_ptr<RunningCopy> copy = folder_.Start();
    EXPECT_TRUE(copy->WaitForLine("running")) << copy->Output().toStdString();
    copy->Send("formula " + formula);
    EXPECT_TRUE(copy->WaitForLine("formula-set"));
    return copy;
  }

  ProgramFolder folder_;
};

TEST_F(SettingsProcessTest, EachRequestToEndStoresTheFormulaFirst) {
  const struct {
    int signal;
    const char* modal;  // a window open at that moment, or nothing
  } cases[] = {{SIGTERM, nullptr}, {SIGHUP, nullptr}, {SIGINT, nullptr}, {SIGTERM, "about"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(strsignal(c.signal) + std::string(c.modal ? " with " : "") + (c.modal ?: ""));
    const QString formula = QString("%1*x+2").arg(c.signal);
    std::unique_ptr<RunningCopy> copy = StartWithFormula(formula);
    if (c.modal) {
      copy->Send(c.modal);
      ASSERT_TRUE(copy->WaitForLine(QString(c.modal) + "-shown"));
    }
    copy->Signal(c.signal);
    EXPECT_EQ(copy->WaitForExit(), 0) << copy->Output().toStdString();
    // Both entries, written together.
    EXPECT_EQ(Stored(folder_.SettingsPath()), formula.toStdString());
    EXPECT_NE(ReadIniValue(folder_.SettingsPath(), "Equations1", "DecimalSeparator", ""), "");
  }
}

// A copy run from a folder others may write keeps its settings in the user's own
// configuration folder: what another user planted beside it is never written through.
TEST_F(SettingsProcessTest, AProgramInASharedFolderStoresInTheConfigurationFolder) {
  const std::string victim = QFile::encodeName(folder_.Folder()).toStdString() + "/victim";
  ASSERT_TRUE(Plant(victim, "echo mine\n"));
  ASSERT_EQ(symlink(victim.c_str(), folder_.SettingsPath().c_str()), 0);
  // Only root can make the link another user's; the shared folder alone must suffice.
  if (geteuid() == 0) {
    ASSERT_EQ(lchown(folder_.SettingsPath().c_str(), 4242, 4242), 0);
  }
  ASSERT_EQ(chmod(folder_.Folder().toLocal8Bit().constData(), 01777), 0);
  std::unique_ptr<RunningCopy> copy = StartWithFormula("3*x");
  copy->Send("close");
  EXPECT_EQ(copy->WaitForExit(), 0) << copy->Output().toStdString();
  EXPECT_EQ(Bytes(victim), "echo mine\n");
  EXPECT_EQ(Stored(folder_.ConfigSettingsPath()), "3*x");
}

// Odd things where the settings file belongs: the program starts at once with what it
// can read, and leaves alone what is not a settings file of its own.
TEST_F(SettingsProcessTest, StartsPastAFifoADeviceOrAHugeFile) {
  const std::string path = folder_.SettingsPath();
  const std::string huge_head = "[Equations]\nStoredValue=4*x\n";
  const struct {
    const char* what;
    std::function<bool()> plant;
    const char* formula;  // shown at start; empty: the default formula
  } cases[] = {
      {"FIFO", [&] { return mkfifo(path.c_str(), 0600) == 0; }, ""},
      {"link to /dev/zero", [&] { return symlink("/dev/zero", path.c_str()) == 0; }, ""},
      {"64 MB file",
       [&] { return Plant(path, huge_head) && truncate(path.c_str(), 64 << 20) == 0; }, "4*x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    unlink(path.c_str());
    ASSERT_TRUE(c.plant());
    std::unique_ptr<RunningCopy> copy = folder_.Start();
    ASSERT_TRUE(copy->WaitForLine("running")) << copy->Output().toStdString();
    const QString shown = copy->Said("formula");
    EXPECT_TRUE(*c.formula ? shown == c.formula : shown.startsWith("5")) << shown.toStdString();
    copy->Kill();
  }
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  std::unique_ptr<RunningCopy> copy = StartWithFormula("5*x");
  copy->Send("close");  // the huge file is not rewritten, and the window closes
  EXPECT_EQ(copy->WaitForExit(), 0);
  struct stat after {};
  ASSERT_EQ(stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, info.st_ino);
  EXPECT_EQ(after.st_size, 64 << 20);
  EXPECT_EQ(Bytes(path).substr(0, huge_head.size()), huge_head);
}

}  // namespace
}  // namespace vantorel::shell
