#include "app_message.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <cerrno>
#include <map>
#include <mutex>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "runtime_folder.h"

namespace vantorel::platform {

namespace {

// On the wire a message is its name and a line feed.
QByteArray WireMessage() { return QByteArray(kAppMessageName) + '\n'; }

// Anything longer without a line feed is not ours.
constexpr qsizetype kLongestLine = 256;

// The caller has checked that `path` fits.
sockaddr_un Address(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  return address;
}

bool WaitUntilWritable(int fd, const QDeadlineTimer& deadline) {
  pollfd watch{fd, POLLOUT, 0};
  int ready;
  do {
    ready = ::poll(&watch, 1, static_cast<int>(deadline.remainingTime()));
  } while (ready < 0 && errno == EINTR);
  return ready == 1 && (watch.revents & POLLOUT);
}

}  // namespace

QEvent::Type RegisterAppMessage(std::string_view name) {
  static std::mutex guard;
  static std::map<std::string, QEvent::Type, std::less<>> registered;
  std::lock_guard lock(guard);
  auto found = registered.find(name);
  if (found != registered.end()) return found->second;
  auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  registered.emplace(std::string(name), type);
  return type;
}

QEvent::Type AppMessageId() { return RegisterAppMessage(kAppMessageName); }

bool FitsASocketAddress(const std::string& path) {
  return path.size() < sizeof(sockaddr_un{}.sun_path);
}

std::string ShortSocketPath(const std::string& folder, const std::string& short_folder) {
  if (short_folder.empty()) return {};
  // Each runtime folder has its own socket there, so that sessions never meet.
  const QByteArray hash =
      QCryptographicHash::hash(QByteArray::fromStdString(folder), QCryptographicHash::Sha256);
  const std::string path = short_folder + "/" + kAppMessageName + "-" +
                           hash.toHex().left(16).toStdString();
  return FitsASocketAddress(path) ? path : std::string();
}

std::string AppMessageSocketPath() {
  const std::string folder = UserRuntimeFolder();
  if (folder.empty()) return {};
  const std::string path = folder + "/" + kAppMessageName;
  if (FitsASocketAddress(path)) return path;
  return ShortSocketPath(folder, PrivateFolderUnder("/tmp"));
}

struct AppMessageListener::Connection {
  std::unique_ptr<QSocketNotifier> readable;
  QByteArray pending;
};

AppMessageListener::AppMessageListener(QObject* parent) : QObject(parent) {}

AppMessageListener::~AppMessageListener() { Close(); }

bool AppMessageListener::Listen(const std::string& socket_path) {
  if (socket_path.empty() || !FitsASocketAddress(socket_path)) return false;
  Close();
  ::unlink(socket_path.c_str());
  const sockaddr_un address = Address(socket_path);
  server_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (server_ < 0) return false;
  // Only this user may connect; the folder is private as well.
  if (::bind(server_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::chmod(socket_path.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(server_, SOMAXCONN) != 0) {
    ::close(server_);
    server_ = -1;
    return false;
  }
  path_ = socket_path;
  incoming_ = std::make_unique<QSocketNotifier>(server_, QSocketNotifier::Read);
  connect(incoming_.get(), &QSocketNotifier::activated, this,
          &AppMessageListener::AcceptConnections);
  return true;
}

void AppMessageListener::Close() {
  while (!connections_.empty()) Drop(connections_.begin()->first);
  if (server_ < 0) return;
  incoming_.reset();
  ::close(server_);
  server_ = -1;
  ::unlink(path_.c_str());
}

void AppMessageListener::AcceptConnections() {
  int fd;
  while ((fd = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
    auto connection = std::make_unique<Connection>();
    connection->readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(connection->readable.get(), &QSocketNotifier::activated, this,
            [this, fd] { ReadMessages(fd); });
    connections_[fd] = std::move(connection);
    ReadMessages(fd);  // bytes may have come with the connection
  }
}

// Reads what has arrived; the connection ends at its end, at an error and at a line
// too long to be ours.
void AppMessageListener::ReadMessages(int fd) {
  Connection& connection = *connections_.at(fd);
  char buffer[512];
  ssize_t got;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0) connection.pending.append(buffer, got);
  const bool ended = got == 0 || (errno != EAGAIN && errno != EINTR);
  const QByteArray expected = WireMessage();
  qsizetype end;
  while ((end = connection.pending.indexOf('\n')) >= 0 && end < kLongestLine + 1) {
    if (connection.pending.left(end + 1) == expected && QCoreApplication::instance())
      QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(AppMessageId()));
    connection.pending.remove(0, end + 1);
  }
  if (ended || connection.pending.size() > kLongestLine) Drop(fd);
}

void AppMessageListener::Drop(int fd) {
  connections_.erase(fd);  // its notifier goes first
  ::close(fd);
}

bool PostAppMessage(const std::string& socket_path, int timeout_ms) {
  if (socket_path.empty() || !FitsASocketAddress(socket_path)) return false;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  const sockaddr_un address = Address(socket_path);
  QDeadlineTimer deadline(timeout_ms);
  bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  // A full backlog: the listener may still take it within the time allowed.
  if (!connected && errno == EAGAIN) connected = WaitUntilWritable(fd, deadline);
  const QByteArray message = WireMessage();
  qsizetype sent = 0;
  while (connected && sent < message.size()) {
    const ssize_t wrote = ::send(fd, message.constData() + sent, message.size() - sent,
                                 MSG_NOSIGNAL);
    if (wrote > 0) {
      sent += wrote;
    } else if (wrote < 0 && errno != EAGAIN && errno != EINTR) {
      break;
    } else if (!WaitUntilWritable(fd, deadline)) {
      break;
    }
  }
  ::close(fd);
  return sent == message.size();
}

}  // namespace vantorel::platform
