#pragma once
// The settings file: the INI file that carries the last formula and its decimal separator
// from one run to the next (section "Equations", key "StoredValue"; section "Equations1",
// key "DecimalSeparator").
//
// Use:
//   at start, before the single-instance check:
//       InstallSettingsFile(MakeSettingsFile());
//   FormCreate:  ReadSetting("Equations", "StoredValue", current_text) ...
//   FormClose:   WriteSettings({...}) inside try; catch SettingsWriteError → error box with
//                e.what() ("Unable to write to /full/path"), and the window stays open;
//   at the end:  InstallSettingsFile(nullptr);
// Every read and write goes to the file on disk at once; nothing is kept in memory.

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace vantorel::ui {

// Section, key and value of one entry.
using SettingEntry = platform::IniEntry;

// A settings entry could not be written; what() is "Unable to write to <full path>".
class SettingsWriteError : public std::runtime_error {
 public:
  explicit SettingsWriteError(const std::string& path);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Holds the settings file's full path and nothing else; making it opens nothing.
class SettingsFile {
 public:
  explicit SettingsFile(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // The entry's value, or `fallback` when the section name or the key is empty or when
  // the file or the entry is missing or cannot be read.
  std::string Read(std::string_view section, std::string_view key,
                   std::string_view fallback) const;
  // Writes the entry at once, making the settings folder when it is missing. Does nothing
  // when the section name, the key or the value is empty. Throws SettingsWriteError.
  void Write(std::string_view section, std::string_view key, std::string_view value) const;
  // Writes all entries in one replacement of the file, so that they are never stored
  // apart; entries with an empty section name, key or value are left out. A file too
  // large to be a settings file is left alone. Throws SettingsWriteError.
  void Write(std::initializer_list<SettingEntry> entries) const;

 private:
  std::string path_;
};

// The settings file of this program (beside it, or in the user's configuration folder
// when the program's folder cannot be written); nothing when the program's path is
// unknown, and the program then goes on without one.
std::unique_ptr<SettingsFile> MakeSettingsFile();

// The program's settings file: replaces (or, with nullptr, releases) the one in use.
void InstallSettingsFile(std::unique_ptr<SettingsFile> file);
const SettingsFile* InstalledSettingsFile();

// Through the installed settings file; without one, ReadSetting gives `fallback` and
// WriteSetting does nothing.
std::string ReadSetting(std::string_view section, std::string_view key,
                        std::string_view fallback);
void WriteSetting(std::string_view section, std::string_view key, std::string_view value);
void WriteSettings(std::initializer_list<SettingEntry> entries);

}  // namespace vantorel::ui
