#include "platform/app_message.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <functional>

namespace {

using namespace vantorel::platform;

// An application-wide filter like the main window's: it counts the messages that reach
// the application object and can act on each.
class MessageCounter : public QObject {
 public:
  MessageCounter() { qApp->installEventFilter(this); }
  ~MessageCounter() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() != AppMessageId()) return false;
    if (receiver == qApp) ++count;
    if (on_message) on_message();
    return true;
  }
  int count = 0;
  std::function<void()> on_message;
};

bool WaitFor(const std::function<bool()>& done) {
  QDeadlineTimer deadline(5000);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

class AppMessageTest : public testing::Test {
 protected:
  std::string SocketPath() const { return folder_.filePath(kAppMessageName).toStdString(); }
  void Listen() { ASSERT_TRUE(listener_.Listen(SocketPath())); }

  QTemporaryDir folder_;
  AppMessageListener listener_;
  MessageCounter counter_;
};

TEST(AppMessageId, IsTheSameForTheSameNameThroughoutTheProcess) {
  const QEvent::Type id = AppMessageId();
  EXPECT_GE(id, QEvent::User);
  EXPECT_EQ(AppMessageId(), id);
  EXPECT_EQ(RegisterAppMessage("Tesmo_Unique_App_Message_Name"), id);
  EXPECT_NE(RegisterAppMessage("another name"), id);
  EXPECT_EQ(RegisterAppMessage("another name"), RegisterAppMessage("another name"));
}

TEST_F(AppMessageTest, ArrivesAsAQueuedEventOfTheApplication) {
  Listen();
  ASSERT_TRUE(PostAppMessage(SocketPath()));
  EXPECT_EQ(counter_.count, 0);  // nothing is handled inside the sender's call
  EXPECT_TRUE(WaitFor([&] { return counter_.count == 1; }));
  ASSERT_TRUE(PostAppMessage(SocketPath()));
  EXPECT_TRUE(WaitFor([&] { return counter_.count == 2; }));
}

TEST_F(AppMessageTest, OnlyTheUserMayConnect) {
  Listen();
  struct stat status {};
  ASSERT_EQ(stat(SocketPath().c_str(), &status), 0);
  EXPECT_TRUE(S_ISSOCK(status.st_mode));
  EXPECT_EQ(status.st_mode & 0077, 0u);
}

TEST_F(AppMessageTest, ReachesTheFilterWhileAModalDialogRuns) {
  Listen();
  QDialog dialog;
  counter_.on_message = [&] { dialog.accept(); };
  QTimer::singleShot(0, [&] { PostAppMessage(SocketPath()); });
  QTimer::singleShot(5000, &dialog, &QDialog::reject);  // never hang
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(counter_.count, 1);
}

TEST_F(AppMessageTest, ComesFromAnotherProcess) {
  Listen();
  QProcess second;
  second.start(VANTOREL_PLATFORM_TEST_HELPER, {"post", QString::fromStdString(SocketPath())});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.readAllStandardOutput(), "sent\n");
  EXPECT_TRUE(WaitFor([&] { return counter_.count == 1; }));
}

TEST_F(AppMessageTest, OtherBytesOnTheSocketAreNoMessage) {
  Listen();
  QLocalSocket stranger;
  stranger.connectToServer(QString::fromStdString(SocketPath()));
  ASSERT_TRUE(stranger.waitForConnected(1000));
  stranger.write("hello\nTesmo_Unique_App_Message_Name \n");
  stranger.write(QByteArray(1000, 'x'));
  stranger.flush();
  ASSERT_TRUE(PostAppMessage(SocketPath()));
  EXPECT_TRUE(WaitFor([&] { return counter_.count == 1; }));
  QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
  EXPECT_EQ(counter_.count, 1);
}

TEST_F(AppMessageTest, WithNobodyListeningNothingHappensAndNothingWaits) {
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(PostAppMessage(SocketPath()));  // no socket file
  EXPECT_FALSE(PostAppMessage(""));
  Listen();
  listener_.Close();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(SocketPath())));
  EXPECT_FALSE(PostAppMessage(SocketPath()));
  EXPECT_LT(clock.elapsed(), 1000);
  QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(counter_.count, 0);
}

// A socket file left behind by a crashed copy: bound, then never listened on again.
void LeaveStaleSocket(const std::string& path) {
  int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  close(fd);
}

TEST_F(AppMessageTest, AStaleSocketIsRemovedBeforeListening) {
  LeaveStaleSocket(SocketPath());
  ASSERT_TRUE(QFile::exists(QString::fromStdString(SocketPath())));
  EXPECT_FALSE(PostAppMessage(SocketPath()));
  Listen();
  ASSERT_TRUE(PostAppMessage(SocketPath()));
  EXPECT_TRUE(WaitFor([&] { return counter_.count == 1; }));
}

// A runtime folder whose path leaves no room in a socket address: the socket goes to the
// short private folder, under a name of its own for each runtime folder, and still works.
TEST_F(AppMessageTest, ARuntimeFolderTooLongForASocketGetsAShortPlace) {
  const std::string runtime = "/run/user/1000/" + std::string(100, 'r');
  const std::string other = "/run/user/1000/" + std::string(100, 'o');
  const std::string short_folder = folder_.path().toStdString();
  const std::string path = ShortSocketPath(runtime, short_folder);
  ASSERT_TRUE(FitsASocketAddress(path)) << path;
  EXPECT_TRUE(path.starts_with(short_folder + "/Tesmo_Unique_App_Message_Name-"));
  EXPECT_EQ(ShortSocketPath(runtime, short_folder), path);
  EXPECT_NE(ShortSocketPath(other, short_folder), path);
  EXPECT_EQ(ShortSocketPath(runtime, ""), "");
  EXPECT_EQ(ShortSocketPath(runtime, runtime), "");
  ASSERT_TRUE(listener_.Listen(path));
  ASSERT_TRUE(PostAppMessage(path));
  EXPECT_TRUE(WaitFor([&] { return counter_.count == 1; }));
}

TEST(AppMessageSocketPath, LiesInTheRuntimeFolder) {
  const std::string path = AppMessageSocketPath();
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(path.ends_with("/Tesmo_Unique_App_Message_Name"));
}

}  // namespace
