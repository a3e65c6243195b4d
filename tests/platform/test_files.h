#pragma once
// Whole files as bytes, for tests that look at what was written.

#include <QFile>
#include <string>

namespace vantorel::testing_files {

// The file's bytes, or "<missing>" when it cannot be opened.
inline std::string ReadBytes(const std::string& path) {
  QFile file(QFile::decodeName(path.c_str()));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

inline bool WriteBytes(const std::string& path, const std::string& bytes) {
  QFile file(QFile::decodeName(path.c_str()));
  return file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

}  // namespace vantorel::testing_files
