#include "app_message.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <map>
#include <mutex>
#include <sys/un.h>

#include "runtime_folder.h"

namespace vantorel::platform {

namespace {

// On the wire a message is its name and a line feed.
QByteArray WireMessage() { return QByteArray(kAppMessageName) + '\n'; }

// Anything longer without a line feed is not ours.
constexpr qsizetype kLongestLine = 256;

QString SocketName(const std::string& path) { return QFile::decodeName(path.c_str()); }

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

AppMessageListener::AppMessageListener(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &AppMessageListener::AcceptConnections);
}

AppMessageListener::~AppMessageListener() { Close(); }

bool AppMessageListener::Listen(const std::string& socket_path) {
  if (socket_path.empty()) return false;
  Close();
  QLocalServer::removeServer(SocketName(socket_path));
  return server_->listen(SocketName(socket_path));
}

void AppMessageListener::Close() { server_->close(); }

void AppMessageListener::AcceptConnections() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadMessages(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    ReadMessages(socket);  // bytes may have come with the connection
  }
}

void AppMessageListener::ReadMessages(QLocalSocket* socket) {
  const QByteArray expected = WireMessage();
  while (socket->canReadLine()) {
    if (socket->readLine(kLongestLine + 1) == expected && QCoreApplication::instance())
      QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(AppMessageId()));
  }
  if (socket->bytesAvailable() > kLongestLine) socket->abort();
}

bool PostAppMessage(const std::string& socket_path, int timeout_ms) {
  if (socket_path.empty()) return false;
  QLocalSocket socket;
  socket.connectToServer(SocketName(socket_path), QIODevice::WriteOnly);
  if (!socket.waitForConnected(timeout_ms)) return false;
  socket.write(WireMessage());
  socket.flush();
  const bool sent = socket.bytesToWrite() == 0 || socket.waitForBytesWritten(timeout_ms);
  socket.disconnectFromServer();
  return sent;
}

}  // namespace vantorel::platform
