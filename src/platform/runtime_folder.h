#pragma once
// The user's private folder for the single-instance lock and the message socket. It must
// be a real folder of this user that no one else may enter: another user who could make
// or reach it could keep the program from starting or take its messages.

#include <string>
#include <string_view>

namespace vantorel::platform {

// ChooseRuntimeFolder for this process: $XDG_RUNTIME_DIR, /tmp, $HOME and the host name.
std::string UserRuntimeFolder();

// The first of these that serves, or empty when none does:
//   `xdg_runtime_dir` when it names a folder of this user with no access for others;
//   PrivateFolderUnder(`tmp`);
//   `home`/.cache/vantorel-`host` (made when missing), a place no other user can make
//   first, for when someone else has taken the one under `tmp`.
std::string ChooseRuntimeFolder(std::string_view xdg_runtime_dir, std::string_view tmp,
                                std::string_view home, std::string_view host);

// `base`/vantorel-<uid>: made with mode 0700 when missing. An existing one is used only
// when it is a real folder (no link) owned by this user; its mode is narrowed to 0700,
// since another user must never reach the lock or the socket. Empty otherwise.
std::string PrivateFolderUnder(std::string_view base);

}  // namespace vantorel::platform
