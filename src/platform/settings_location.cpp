#include "settings_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel::platform {

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = AsciiUpper(c);
  return upper;
}

std::string FolderOf(std::string_view path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string NameOf(std::string_view path) {
  std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string WithSlash(std::string_view folder) {
  std::string result(folder);
  if (result.empty() || result.back() != '/') result += '/';
  return result;
}

std::string FromEnvironment(const char* name) { return qgetenv(name).toStdString(); }

}  // namespace

std::string ProgramFileNameForRule(std::string_view executable_name) {
  const std::string name(executable_name);
  if (name.size() >= 4 && Upper(name.substr(name.size() - 4)) == ".EXE") return name;
  return name + ".exe";
}

std::string SettingsFileName(std::string_view program_file_name) {
  std::string upper = Upper(program_file_name);
  // Without "EXE" nothing of the name is kept: the cut then takes no characters at all.
  std::size_t exe = upper.find("EXE");
  upper.resize(exe == std::string::npos ? 0 : exe);
  return upper + "INI";
}

std::string SettingsFilePath(std::string_view executable_path, bool program_folder_private,
                             std::string_view config_folder) {
  std::string name = SettingsFileName(ProgramFileNameForRule(NameOf(executable_path)));
  std::string folder = program_folder_private ? FolderOf(executable_path)
                                               : WithSlash(config_folder);
  return folder + name;
}

std::string UserConfigFolder(std::string_view xdg_config_home, std::string_view home) {
  if (!xdg_config_home.empty() && xdg_config_home.front() == '/')
    return WithSlash(xdg_config_home) + "vantorel";
  return WithSlash(home) + ".config/vantorel";
}

bool IsPrivateFolder(const std::string& folder) {
  struct stat info {};
  if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  if (info.st_uid != geteuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) return false;
  return faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
}

std::string SettingsFilePathForThisProgram() {
  if (QCoreApplication::instance() == nullptr) return {};
  const QString program = QCoreApplication::applicationFilePath();
  if (program.isEmpty()) return {};
  const QString folder = QFileInfo(program).absolutePath();
  const bool own = IsPrivateFolder(QFile::encodeName(folder).toStdString());
  std::string home = FromEnvironment("HOME");
  if (home.empty()) home = QFile::encodeName(QDir::homePath()).toStdString();
  return SettingsFilePath(QFile::encodeName(program).toStdString(), own,
                          UserConfigFolder(FromEnvironment("XDG_CONFIG_HOME"), home));
}

}  // namespace vantorel::platform
