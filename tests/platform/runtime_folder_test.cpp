#include "platform/runtime_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using vantorel::platform::ChooseRuntimeFolder;
using vantorel::platform::PrivateFolderUnder;
using vantorel::platform::UserRuntimeFolder;

class PrivateFolder : public testing::Test {
 protected:
  std::string Expected() const {
    return base_.path().toStdString() + "/vantorel-" + std::to_string(getuid());
  }
  static mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
  }
  QTemporaryDir base_;
};

TEST_F(PrivateFolder, IsMadeForThisUserOnly) {
  EXPECT_EQ(PrivateFolderUnder(base_.path().toStdString()), Expected());
  EXPECT_EQ(ModeOf(Expected()), 0700u);
  EXPECT_EQ(PrivateFolderUnder(base_.path().toStdString()), Expected());
}

TEST_F(PrivateFolder, AnOpenOneOfOursIsNarrowed) {
  ASSERT_EQ(mkdir(Expected().c_str(), 0755), 0);
  ASSERT_EQ(chmod(Expected().c_str(), 0755), 0);
  EXPECT_EQ(PrivateFolderUnder(base_.path().toStdString()), Expected());
  EXPECT_EQ(ModeOf(Expected()), 0700u);
}

TEST_F(PrivateFolder, ALinkOrAFileInItsPlaceIsRefused) {
  const std::string elsewhere = base_.path().toStdString() + "/elsewhere";
  ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
  ASSERT_EQ(symlink(elsewhere.c_str(), Expected().c_str()), 0);
  EXPECT_EQ(PrivateFolderUnder(base_.path().toStdString()), "");
  ASSERT_EQ(unlink(Expected().c_str()), 0);
  QFile file(QString::fromStdString(Expected()));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_EQ(PrivateFolderUnder(base_.path().toStdString()), "");
}

// Someone else's folder, file or link at the private place under /tmp, or a runtime
// folder that others may enter: the lock and the socket go to a place of this user's own.
TEST_F(PrivateFolder, WhatOthersMayReachOrMadeFirstIsPassedOver) {
  const std::string base = base_.path().toStdString();
  const std::string runtime = base + "/runtime";
  const std::string home = base + "/home";
  const std::string in_home = home + "/.cache/vantorel-host";
  ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
  ASSERT_EQ(mkdir(home.c_str(), 0700), 0);
  EXPECT_EQ(ChooseRuntimeFolder(runtime, base, home, "host"), runtime);
  ASSERT_EQ(chmod(runtime.c_str(), 0755), 0);
  EXPECT_EQ(ChooseRuntimeFolder(runtime, base, home, "host"), Expected());
  ASSERT_EQ(rmdir(Expected().c_str()), 0);
  ASSERT_EQ(symlink(runtime.c_str(), Expected().c_str()), 0);
  EXPECT_EQ(ChooseRuntimeFolder("", base, home, "host"), in_home);
  EXPECT_EQ(ModeOf(in_home), 0700u);
  if (geteuid() != 0) return;  // only root can act as another user
  ASSERT_EQ(unlink(Expected().c_str()), 0);
  ASSERT_EQ(mkdir(Expected().c_str(), 0700), 0);
  ASSERT_EQ(chown(Expected().c_str(), 4242, 4242), 0);
  EXPECT_EQ(ChooseRuntimeFolder("", base, home, "host"), in_home);
  ASSERT_EQ(chmod(runtime.c_str(), 0700), 0);
  ASSERT_EQ(chown(runtime.c_str(), 4242, 4242), 0);
  EXPECT_EQ(ChooseRuntimeFolder(runtime, base, home, "host"), in_home);
}

class RuntimeFolderEnvironment : public testing::Test {
 protected:
  void SetUp() override { saved_ = qgetenv("XDG_RUNTIME_DIR"); had_ = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"); }
  void TearDown() override {
    if (had_) qputenv("XDG_RUNTIME_DIR", saved_);
    else qunsetenv("XDG_RUNTIME_DIR");
  }
  QByteArray saved_;
  bool had_ = false;
};

TEST_F(RuntimeFolderEnvironment, XdgRuntimeDirWhenItIsAFolderElseTmp) {
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  EXPECT_EQ(UserRuntimeFolder(), runtime.path().toStdString());
  const std::string fallback = "/tmp/vantorel-" + std::to_string(getuid());
  qputenv("XDG_RUNTIME_DIR", (runtime.path() + "/missing").toUtf8());
  EXPECT_EQ(UserRuntimeFolder(), fallback);
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(UserRuntimeFolder(), fallback);
}

}  // namespace
