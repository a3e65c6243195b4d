#pragma once
// The user's private folder for the single-instance lock and the message socket.

#include <string>
#include <string_view>

namespace vantorel::platform {

// $XDG_RUNTIME_DIR when it names a folder, else the private folder under /tmp (see
// PrivateFolderUnder). Empty when neither can be had.
std::string UserRuntimeFolder();

// `base`/vantorel-<uid>: made with mode 0700 when missing. An existing one is used only
// when it is a real folder (no link) owned by this user; its mode is narrowed to 0700,
// since another user must never reach the lock or the socket. Empty otherwise.
std::string PrivateFolderUnder(std::string_view base);

}  // namespace vantorel::platform
