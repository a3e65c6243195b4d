#include "platform/instance_lock.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

using vantorel::platform::InstanceLock;
using Result = InstanceLock::Result;

class InstanceLockTest : public testing::Test {
 protected:
  std::string LockPath() const { return folder_.filePath("Tesmo_Application_Mutex_Name").toStdString(); }

  // A helper process that takes the lock and keeps it until it is killed.
  void StartHolder(QProcess& holder, const std::string& path) {
    holder.start(VANTOREL_PLATFORM_TEST_HELPER, {"hold-lock", QString::fromStdString(path)});
    ASSERT_TRUE(holder.waitForStarted(10000));
    while (!holder.canReadLine()) ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readLine().trimmed(), "Created");
  }

  static void Kill(QProcess& holder) {
    ::kill(pid_t(holder.processId()), SIGKILL);
    ASSERT_TRUE(holder.waitForFinished(10000));
  }

  QTemporaryDir folder_;
};

TEST_F(InstanceLockTest, OnlyTheFirstHolderCreatesIt) {
  InstanceLock first(LockPath());
  EXPECT_EQ(first.Outcome(), Result::Created);
  InstanceLock second(LockPath());  // another open file in this same process
  EXPECT_EQ(second.Outcome(), Result::AlreadyExists);
  first.Close();
  first.Close();
  InstanceLock third(LockPath());
  EXPECT_EQ(third.Outcome(), Result::Created);
}

TEST_F(InstanceLockTest, EndingTheHolderFreesIt) {
  { InstanceLock first(LockPath()); }
  EXPECT_EQ(InstanceLock(LockPath()).Outcome(), Result::Created);
}

TEST_F(InstanceLockTest, PlacesWhereNoLockCanBeMadeFail) {
  const std::string cases[] = {
      "",
      folder_.filePath("missing/lock").toStdString(),
      folder_.path().toStdString(),  // a folder
  };
  for (const std::string& path : cases)
    EXPECT_EQ(InstanceLock(path).Outcome(), Result::Failed) << path;
}

TEST_F(InstanceLockTest, ACopyKilledOutrightLeavesTheLockFree) {
  QProcess holder;
  StartHolder(holder, LockPath());
  EXPECT_EQ(InstanceLock(LockPath()).Outcome(), Result::AlreadyExists);
  Kill(holder);
  EXPECT_EQ(InstanceLock(LockPath()).Outcome(), Result::Created);
}

TEST_F(InstanceLockTest, ProgramsStartedByTheHolderDoNotKeepIt) {
  InstanceLock lock(LockPath());
  ASSERT_EQ(lock.Outcome(), Result::Created);
  QProcess child;  // started while the lock is held; holds a lock of its own elsewhere
  StartHolder(child, folder_.filePath("other").toStdString());
  lock.Close();
  EXPECT_EQ(InstanceLock(LockPath()).Outcome(), Result::Created);
  Kill(child);
}

TEST_F(InstanceLockTest, OfCopiesStartedTogetherExactlyOneCreatesIt) {
  for (int round = 0; round < 5; ++round) {
    const std::string path = LockPath() + std::to_string(round);
    QProcess copies[3];
    for (QProcess& copy : copies)
      copy.start(VANTOREL_PLATFORM_TEST_HELPER, {"hold-lock", QString::fromStdString(path)});
    int created = 0;
    for (QProcess& copy : copies) {
      while (!copy.canReadLine()) ASSERT_TRUE(copy.waitForReadyRead(10000));
      created += copy.readLine().trimmed() == "Created";
    }
    EXPECT_EQ(created, 1) << "round " << round;
    for (QProcess& copy : copies) Kill(copy);
  }
}

TEST(InstanceLockPath, LiesInTheRuntimeFolder) {
  const std::string path = InstanceLock::DefaultPath();
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(path.ends_with("/Tesmo_Application_Mutex_Name"));
}

}  // namespace
