#pragma once
// Where the settings file lies. Its name comes from the program file's name: upper-cased
// (only a-z change), cut just before its first "EXE", then "INI" ("calc.exe" gives
// "CALC.INI"). The rule was made for names ending in ".exe", so such an ending is added
// here to a name without one: the program "vantorel" uses "VANTOREL.INI".
// The file lies beside the program only when the program's folder belongs to the user
// and no one else may write to it. Otherwise (an installed copy, a copy run from a shared
// folder such as /tmp, where another user could plant a file or a link of that name) it
// lies in the user's configuration folder, for reading and writing alike.

#include <string>
#include <string_view>

namespace vantorel::platform {

// The program file's name as the rule expects it: ".exe" (any case) kept, else added.
std::string ProgramFileNameForRule(std::string_view executable_name);

// The settings file's name for a program file's name (without its folder). A name
// without "EXE" keeps nothing before "INI".
std::string SettingsFileName(std::string_view program_file_name);

// The full path for the program at `executable_path`: in the program's folder when
// `program_folder_private`, else in `config_folder`.
std::string SettingsFilePath(std::string_view executable_path, bool program_folder_private,
                             std::string_view config_folder);

// True for a real folder of this user that this user may write and no one else may
// (neither its group nor others have write permission).
bool IsPrivateFolder(const std::string& folder);

// `xdg_config_home`/vantorel when that is an absolute path, else `home`/.config/vantorel.
std::string UserConfigFolder(std::string_view xdg_config_home, std::string_view home);

// The above for this running program, from its own path and the environment. Empty when
// the program's path is unknown (no application object).
std::string SettingsFilePathForThisProgram();

}  // namespace vantorel::platform
