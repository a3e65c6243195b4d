#pragma once
// The message through which a second copy of the program tells the running one to come
// to the front. The running copy listens on a local socket in the user's runtime folder;
// each message that arrives becomes an event of the registered type, posted to the
// application object, where an application-wide event filter picks it up. Posting queues
// it, so the filter sees it in every event loop, modal dialogs' loops included.

#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <map>
#include <memory>
#include <string>
#include <string_view>

class QSocketNotifier;

namespace vantorel::platform {

inline constexpr char kAppMessageName[] = "Tesmo_Unique_App_Message_Name";

// The event type for a message name: registered at the first call, the same at every
// later call with that name in this process.
QEvent::Type RegisterAppMessage(std::string_view name);

// RegisterAppMessage(kAppMessageName).
QEvent::Type AppMessageId();

// UserRuntimeFolder()/Tesmo_Unique_App_Message_Name; when that is too long for a
// socket address, ShortSocketPath of the runtime folder in the private folder under /tmp.
// Empty when there is no place for it.
std::string AppMessageSocketPath();

// Whether `path` fits the address of a local socket (107 bytes).
bool FitsASocketAddress(const std::string& path);
// The socket for the runtime `folder` in `short_folder`, named after a hash of `folder`;
// empty when `short_folder` is empty or the path is still too long.
std::string ShortSocketPath(const std::string& folder, const std::string& short_folder);

// Listens for messages in the running copy. Only the holder of the instance lock may
// listen, so a socket file already at the path is a crashed copy's leftover. Written on
// the system's sockets rather than Qt's network module, which would load nine libraries
// (Kerberos, proxy discovery and more) at every start for one local socket.
class AppMessageListener : public QObject {
  Q_OBJECT

 public:
  explicit AppMessageListener(QObject* parent = nullptr);
  ~AppMessageListener() override;

  // Removes a leftover socket at `socket_path`, then listens there (only this user may
  // connect). False when it cannot listen.
  bool Listen(const std::string& socket_path);
  // Stops listening and removes the socket file.
  void Close();

 private:
  struct Connection;
  void AcceptConnections();
  void ReadMessages(int fd);
  void Drop(int fd);

  int server_ = -1;
  std::string path_;
  std::unique_ptr<QSocketNotifier> incoming_;
  std::map<int, std::unique_ptr<Connection>> connections_;
};

// Sends one message to the copy listening at `socket_path` and returns without waiting
// for an answer. Waits at most `timeout_ms` to connect and hand the bytes over; with no
// copy listening, nothing happens. True when the message was handed over.
bool PostAppMessage(const std::string& socket_path, int timeout_ms = 500);

}  // namespace vantorel::platform
