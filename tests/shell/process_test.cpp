// The program as real processes: one running copy at a time, and a second start brings
// the running one forward.
#include "program_copy.h"

#include <gtest/gtest.h>

#include <QFile>
#include <memory>

namespace vantorel::shell {
namespace {

using testing::ProgramFolder;
using testing::RunningCopy;

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }

  std::unique_ptr<RunningCopy> StartRunning() {
    std::unique_ptr<RunningCopy> copy = folder_.Start();
    EXPECT_TRUE(copy->WaitForLine("running")) << copy->Output().toStdString();
    return copy;
  }

  // A second start: refused, it tells why and ends with 0.
  void ExpectRefused() {
    std::unique_ptr<RunningCopy> second = folder_.Start();
    EXPECT_TRUE(second->WaitForLine("refused")) << second->Output().toStdString();
    EXPECT_EQ(second->WaitForExit(), 0);
  }

  // Closes a running copy as a person would; it ends with 0.
  static void CloseNormally(RunningCopy& copy) {
    copy.Send("close");
    EXPECT_EQ(copy.WaitForExit(), 0) << copy.Output().toStdString();
  }

  ProgramFolder folder_;
};

TEST_F(ProcessTest, FirstCopyRunsWithItsTitleAndListens) {
  std::unique_ptr<RunningCopy> first = StartRunning();
  EXPECT_EQ(first->Said("title"), "VantorelCalc (Korvanti)");
  EXPECT_EQ(first->Said("listening"), "yes");
  CloseNormally(*first);
}

TEST_F(ProcessTest, SecondCopyShowsTheRefusalAndMakesNoWindow) {
  std::unique_ptr<RunningCopy> first = StartRunning();
  std::unique_ptr<RunningCopy> second = folder_.Start();
  ASSERT_TRUE(second->WaitForLine("refused")) << second->Output().toStdString();
  struct Row {
    const char* key;
    const char* value;
  };
  for (const Row& row : {Row{"box-title", "Vantorel"},
                         Row{"box-text", "The application runs already. Duplication is not allowed."},
                         Row{"box-buttons", "1"}, Row{"box-ok", "yes"}, Row{"box-icon", "no"},
                         Row{"box-centred", "yes"}, Row{"other-windows", "0"},
                         Row{"app-title-given", "no"}}) {
    EXPECT_EQ(second->Said(row.key), row.value) << row.key;
  }
  EXPECT_EQ(second->WaitForExit(), 0);
  EXPECT_FALSE(second->HasSaid("running"));
  CloseNormally(*first);
}

TEST_F(ProcessTest, SecondStartRestoresTheMinimisedFirstCopy) {
  std::unique_ptr<RunningCopy> first = StartRunning();
  first->Send("minimise");
  ASSERT_TRUE(first->WaitForLine("minimised")) << first->Output().toStdString();
  ExpectRefused();
  EXPECT_TRUE(first->WaitForLine("restored")) << first->Output().toStdString();
  CloseNormally(*first);
}

// The running copy hears a second start while one of its own modal windows is open.
TEST_F(ProcessTest, SecondStartReachesTheFirstCopyInsideItsModalWindows) {
  std::unique_ptr<RunningCopy> first = StartRunning();
  for (const char* modal : {"report", "about"}) {
    first->Send(modal);
    ASSERT_TRUE(first->WaitForLine(QString(modal) + "-shown")) << modal;
    first->Send("minimise");
    ASSERT_TRUE(first->WaitForLine("minimised")) << modal;
    ExpectRefused();
    EXPECT_TRUE(first->WaitForLine("restored")) << modal << "\n" << first->Output().toStdString();
    first->Send("close-modal");
    EXPECT_TRUE(first->WaitForLine(QString(modal) + "-closed")) << modal;
    first->Send("minimise");  // the next round must see a fresh restore
    ASSERT_TRUE(first->WaitForOneOf({"minimised"}).size());
  }
  CloseNormally(*first);
}

TEST_F(ProcessTest, ClosingTheMainWindowEndsTheProgramWhileHelpShows) {
  std::unique_ptr<RunningCopy> first = StartRunning();
  first->Send("help");
  ASSERT_EQ(first->WaitForOneOf({"help-shown: yes", "help-shown: no"}), "help-shown: yes");
  CloseNormally(*first);
}

TEST_F(ProcessTest, AfterANormalEndTheNextStartRuns) {
  std::unique_ptr<RunningCopy> first = StartRunning();
  CloseNormally(*first);
  std::unique_ptr<RunningCopy> next = StartRunning();
  CloseNormally(*next);
}

TEST_F(ProcessTest, AfterTheFirstCopyIsKilledTheNextStartRunsNormally) {
  std::unique_ptr<RunningCopy> first = StartRunning();
  first->Kill();
  std::unique_ptr<RunningCopy> next = StartRunning();
  // The killed copy's socket was left behind; the new copy listens in its place.
  EXPECT_EQ(next->Said("listening"), "yes");
  next->Send("minimise");
  ASSERT_TRUE(next->WaitForLine("minimised"));
  ExpectRefused();
  EXPECT_TRUE(next->WaitForLine("restored")) << next->Output().toStdString();
  CloseNormally(*next);
}

// A refused copy still showing its box keeps the lock alive: a start meanwhile is
// refused as well, even once the first copy has ended.
TEST_F(ProcessTest, AStartWhileARefusedCopyShowsItsBoxIsRefused) {
  std::unique_ptr<RunningCopy> first = StartRunning();
  std::unique_ptr<RunningCopy> refused = folder_.Start({"VANTOREL_PROBE_HOLD_BOX=1"});
  ASSERT_TRUE(refused->WaitForLine("refused")) << refused->Output().toStdString();
  CloseNormally(*first);
  ExpectRefused();
  refused->Send("ok");
  EXPECT_EQ(refused->WaitForExit(), 0);
  std::unique_ptr<RunningCopy> next = StartRunning();
  CloseNormally(*next);
}

// A runtime folder too deep for a socket address: a second start still reaches the copy.
TEST_F(ProcessTest, ALongRuntimeFolderStillCarriesTheMessage) {
  ASSERT_TRUE(folder_.LengthenRuntimeFolder());
  std::unique_ptr<RunningCopy> first = StartRunning();
  EXPECT_EQ(first->Said("listening"), "yes");
  first->Send("minimise");
  ASSERT_TRUE(first->WaitForLine("minimised"));
  ExpectRefused();
  EXPECT_TRUE(first->WaitForLine("restored")) << first->Output().toStdString();
  CloseNormally(*first);
}

TEST_F(ProcessTest, TwoCopiesStartedTogetherLeaveExactlyOneRunning) {
  for (int round = 1; round <= 20; ++round) {
    std::unique_ptr<RunningCopy> copies[] = {folder_.Start(), folder_.Start()};
    int running = 0;
    RunningCopy* survivor = nullptr;
    for (auto& copy : copies) {
      const QString outcome = copy->WaitForOneOf({"running", "refused"});
      ASSERT_FALSE(outcome.isEmpty()) << "round " << round << "\n" << copy->Output().toStdString();
      if (outcome == "running") {
        ++running;
        survivor = copy.get();
      } else {
        EXPECT_EQ(copy->WaitForExit(), 0) << "round " << round;
      }
    }
    ASSERT_EQ(running, 1) << "round " << round;
    CloseNormally(*survivor);
  }
}

// Damaged help files beside the program (cut short, bytes flipped in its directory, a
// directory entry claiming a huge file): Help shows what it can or nothing, and the
// program lives on.
TEST_F(ProcessTest, ADamagedHelpFileNeverTakesTheProgramDown) {
  QFile helpFile(folder_.Folder() + "/VANTOREL.chm");
  ASSERT_TRUE(helpFile.open(QIODevice::ReadOnly));
  const QByteArray bytes = helpFile.readAll();
  helpFile.close();
  QByteArray flipped = bytes;
  for (qsizetype at = 0x60; at < qMin(flipped.size(), qsizetype(0x1400)); at += 89) flipped[at] = char(~flipped[at]);
  QByteArray huge = bytes;
  const qsizetype entry = huge.indexOf("/html/welcome.htm");
  ASSERT_GT(entry, 0);
  huge.replace(entry + qsizetype(sizeof "/html/welcome.htm"), 4, "\xff\xff\xff\x7f");
  for (const QByteArray& damaged : {bytes.left(bytes.size() / 2), flipped, huge}) {
    ASSERT_TRUE(helpFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    helpFile.write(damaged);
    helpFile.close();
    std::unique_ptr<RunningCopy> copy = StartRunning();
    copy->Send("help");
    EXPECT_FALSE(copy->WaitForOneOf({"help-shown: yes", "help-shown: no"}).isEmpty()) << copy->Output().toStdString();
    CloseNormally(*copy);
  }
}

}  // namespace
}  // namespace vantorel::shell
