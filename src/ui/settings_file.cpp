#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/settings_location.h"

namespace vantorel::ui {

namespace {

std::unique_ptr<SettingsFile>& Installed() {
  static std::unique_ptr<SettingsFile> file;
  return file;
}

// The user's configuration folder may not exist yet when the file goes there. Folders
// that root makes in a user's home go to that user, who could not store otherwise.
void MakeFolderOf(const std::string& path) {
  QString existing = QFileInfo(QFile::decodeName(path.c_str())).absolutePath();
  QStringList made;
  for (; !QFileInfo::exists(existing) && !QDir(existing).isRoot();
       existing = QFileInfo(existing).absolutePath())
    made << existing;
  if (made.isEmpty() || !QDir().mkpath(made.front()) || geteuid() != 0) return;
  struct stat parent {};
  if (stat(QFile::encodeName(existing).constData(), &parent) != 0 || parent.st_uid == 0) return;
  for (const QString& folder : made)
    [[maybe_unused]] const int ignored =
        chown(QFile::encodeName(folder).constData(), parent.st_uid, parent.st_gid);
}

}  // namespace

SettingsWriteError::SettingsWriteError(const std::string& path)
    : std::runtime_error("Unable to write to " + path), path_(path) {}

std::string SettingsFile::Read(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  if (section.empty() || key.empty()) return std::string(fallback);
  return platform::ReadIniValue(path_, section, key, fallback);
}

void SettingsFile::Write(std::string_view section, std::string_view key,
                         std::string_view value) const {
  Write({SettingEntry{section, key, value}});
}

void SettingsFile::Write(std::initializer_list<SettingEntry> entries) const {
  std::vector<SettingEntry> written;
  for (const SettingEntry& entry : entries)
    if (!entry.section.empty() && !entry.key.empty() && !entry.value.empty())
      written.push_back(entry);
  if (written.empty()) return;
  MakeFolderOf(path_);
  if (platform::WriteIniValues(path_, written) == platform::IniWrite::Failed)
    throw SettingsWriteError(path_);
}

std::unique_ptr<SettingsFile> MakeSettingsFile() {
  std::string path = platform::SettingsFilePathForThisProgram();
  if (path.empty()) return nullptr;
  return std::make_unique<SettingsFile>(std::move(path));
}

void InstallSettingsFile(std::unique_ptr<SettingsFile> file) { Installed() = std::move(file); }

const SettingsFile* InstalledSettingsFile() { return Installed().get(); }

std::string ReadSetting(std::string_view section, std::string_view key,
                        std::string_view fallback) {
  const SettingsFile* file = InstalledSettingsFile();
  return file ? file->Read(section, key, fallback) : std::string(fallback);
}

void WriteSetting(std::string_view section, std::string_view key, std::string_view value) {
  if (const SettingsFile* file = InstalledSettingsFile()) file->Write(section, key, value);
}

void WriteSettings(std::initializer_list<SettingEntry> entries) {
  if (const SettingsFile* file = InstalledSettingsFile()) file->Write(entries);
}

}  // namespace vantorel::ui
