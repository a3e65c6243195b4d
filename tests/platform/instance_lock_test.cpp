#include "platform/instance_lock.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A refused holder keeps the lock alive too, until it closes: a start in the meantime is
// refused as well, even once the first holder has gone.
TEST_F(InstanceLockTest, OnlyTheFirstHolderCreatesItAndRefusedOnesKeepItAlive) {
  InstanceLock first(LockPath());
  EXPECT_EQ(first.Outcome(), Result::Created);
  InstanceLock second(LockPath());  // another open file in this same process
  EXPECT_EQ(second.Outcome(), Result::AlreadyExists);
  first.Close();
  first.Close();
  InstanceLock third(LockPath());
  EXPECT_EQ(third.Outcome(), Result::AlreadyExists);
  second.Close();
  third.Close();
  InstanceLock fourth(LockPath());
  EXPECT_EQ(fourth.Outcome(), Result::Created);
}

TEST_F(InstanceLockTest, EndingTheHolderFreesIt) {
  { InstanceLock first(LockPath()); }
  EXPECT_EQ(InstanceLock(LockPath()).Outcome(), Result::Created);
}

TEST_F(InstanceLockTest, PlacesWhereNoLockCanBeMadeFail) {
  const std::string cases[] = {
      "",
      folder_.filePath("missing/lock").toStdString(),
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

// What root, another user or the user left at the lock's place is passed over, the same
// way by every copy, so that exactly one copy of this user still runs.
TEST_F(InstanceLockTest, WhatLiesAtTheLocksPlaceIsPassedOver) {
  const std::string path = LockPath();
  const std::string own_file = folder_.filePath("own").toStdString();
  ASSERT_TRUE(QFile(QString::fromStdString(own_file)).open(QIODevice::WriteOnly));
  const struct {
    const char* what;
    std::function<bool()> plant;
    bool needs_root;
  } cases[] = {
      {"folder", [&] { return mkdir(path.c_str(), 0700) == 0; }, false},
      {"FIFO", [&] { return mkfifo(path.c_str(), 0600) == 0; }, false},
      {"link", [&] { return symlink(own_file.c_str(), path.c_str()) == 0; }, false},
      {"another user's file",
       [&] {
         return close(creat(path.c_str(), 0666)) == 0 && chown(path.c_str(), 4242, 4242) == 0;
       },
       true},
  };
  for (const auto& c : cases) {
    if (c.needs_root && geteuid() != 0) continue;  // only root can give a file away
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(c.plant());
    // Whatever holds the planted thing does not count.
    const int other = open(path.c_str(), O_RDWR | O_NONBLOCK);
    struct flock held {};
    held.l_type = F_WRLCK;
    if (other >= 0) fcntl(other, F_OFD_SETLK, &held);
    InstanceLock first(path);
    EXPECT_EQ(first.Outcome(), Result::Created);
    EXPECT_EQ(InstanceLock(path).Outcome(), Result::AlreadyExists);
    if (other >= 0) close(other);
    first.Close();
    ASSERT_EQ(remove(path.c_str()), 0);
  }
}

// A lock file root left in a user's own runtime folder, which that user cannot open, as
// the user meets it: the user's copies still start, exactly one of them first.
TEST_F(InstanceLockTest, AFileRootLeftDoesNotKeepTheUserOut) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to act as root and as another user";
  ASSERT_EQ(chmod(folder_.path().toLocal8Bit().constData(), 0700), 0);
  ASSERT_EQ(chown(folder_.path().toLocal8Bit().constData(), 4242, 4242), 0);
  { InstanceLock root_copy(LockPath()); }  // leaves a root-owned file of mode 0600
  const QStringList user = {"--reuid=4242", "--regid=4242", "--clear-groups",
                            VANTOREL_PLATFORM_TEST_HELPER, "hold-lock",
                            QString::fromStdString(LockPath())};
  QProcess first, second;
  for (QProcess* copy : {&first, &second}) {
    copy->start("setpriv", user);
    while (!copy->canReadLine()) ASSERT_TRUE(copy->waitForReadyRead(10000));
  }
  EXPECT_EQ(first.readLine().trimmed(), "Created");
  EXPECT_EQ(second.readLine().trimmed(), "AlreadyExists");
  Kill(first);
  Kill(second);
}

TEST(InstanceLockPath, LiesInTheRuntimeFolder) {
  const std::string path = InstanceLock::DefaultPath();
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(path.ends_with("/Tesmo_Application_Mutex_Name"));
}

}  // namespace
