#pragma once
// Read access to a compiled HTML help file (.chm) for the help window: its stored files,
// found without regard to case, and what a viewer needs besides the pages: title, default
// topic, contents and index file names, and the map from context numbers to topics.
// A Qt face on the toolkit-free reader (chm_archive.h, chm_system.h).

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace vantorel::chm {
class Archive;
}

namespace vantorel::platform {

class ChmFile {
 public:
  // Nothing when the file is missing, is no compiled help file, is damaged beyond reading
  // or is larger than any help file (chm::kLargestHelpFile).
  static std::unique_ptr<ChmFile> Open(const QString& path);
  static std::unique_ptr<ChmFile> FromBytes(QByteArray bytes);
  ~ChmFile();
  ChmFile(const ChmFile&) = delete;
  ChmFile& operator=(const ChmFile&) = delete;

  QString Title() const { return title_; }
  // Stored paths, "/html/welcome.htm"; empty when the file names none or lacks it.
  QString DefaultTopic() const { return defaultTopic_; }
  QString ContentsFile() const { return contentsFile_; }
  QString IndexFile() const { return indexFile_; }
  // The topic mapped to a context number, or empty when the file maps none to it.
  QString TopicForContext(quint32 context) const { return contextMap_.value(context); }
  QList<quint32> Contexts() const { return contextMap_.keys(); }

  // The stored spelling of `path` ("/HTML/Welcome.HTM", with or without the leading "/"),
  // or empty when no such file is stored.
  QString Resolve(const QString& path) const;
  // Nothing also for a file too large to be part of a help file (chm::kLargestStoredFile).
  std::optional<QByteArray> Read(const QString& path) const;
  // A stored text page decoded by its declared character set, windows-1252 by default.
  std::optional<QString> ReadText(const QString& path) const;
  // Every stored file's path, system files ("/#SYSTEM", "/$...", "::...") left out.
  QStringList Files() const;

 private:
  explicit ChmFile(std::unique_ptr<chm::Archive> archive);

  std::unique_ptr<chm::Archive> archive_;
  QString title_;
  QString defaultTopic_;
  QString contentsFile_;
  QString indexFile_;
  QHash<quint32, QString> contextMap_;
};

// Decodes an HTML or sitemap text by the charset its head declares (windows-1252 when
// it declares none or one this system cannot decode).
QString DecodeHelpText(const QByteArray& bytes);

}  // namespace vantorel::platform
