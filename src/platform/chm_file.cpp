#include "platform/chm_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include "platform/chm_archive.h"
#include "platform/chm_system.h"

namespace vantorel::platform {
namespace {

QString FromWindows1252(const QByteArray& bytes) {
  QStringDecoder decoder("windows-1252");
  if (!decoder.isValid()) return QString::fromLatin1(bytes);
  return decoder(bytes);
}

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

// Only a regular file is read, and no more of it than a help file can hold.
std::unique_ptr<ChmFile> ChmFile::Open(const QString& path) {
  if (path.isEmpty() || !QFileInfo(path).isFile()) return nullptr;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > qint64(chm::kLargestHelpFile)) return nullptr;
  return FromBytes(file.read(qint64(chm::kLargestHelpFile) + 1));
}

std::unique_ptr<ChmFile> ChmFile::FromBytes(QByteArray bytes) {
  std::unique_ptr<chm::Archive> archive = chm::Archive::Open(bytes.toStdString());
  if (!archive) return nullptr;
  std::unique_ptr<ChmFile> file(new ChmFile(std::move(archive)));
  const chm::HelpData help = chm::ReadHelpData(*file->archive_);
  file->title_ = FromUtf8(help.title);
  file->defaultTopic_ = FromUtf8(help.defaultTopic);
  file->contentsFile_ = FromUtf8(help.contentsFile);
  file->indexFile_ = FromUtf8(help.indexFile);
  for (const auto& [context, topic] : help.topicsByContext) file->contextMap_.insert(context, FromUtf8(topic));
  return file;
}

ChmFile::ChmFile(std::unique_ptr<chm::Archive> archive) : archive_(std::move(archive)) {}

ChmFile::~ChmFile() = default;

// The system files ("/#SYSTEM", "/$...", "::...") are no part of the help's content.
QString ChmFile::Resolve(const QString& path) const {
  if (path.isEmpty() || path.startsWith("::")) return {};
  const QString stored = FromUtf8(archive_->Resolve(path.toStdString()));
  return stored.startsWith("/#") || stored.startsWith("/$") ? QString() : stored;
}

std::optional<QByteArray> ChmFile::Read(const QString& path) const {
  const QString stored = Resolve(path);
  if (stored.isEmpty()) return std::nullopt;
  const std::optional<std::string> bytes = archive_->Read(stored.toStdString());
  if (!bytes) return std::nullopt;
  return QByteArray(bytes->data(), qsizetype(bytes->size()));
}

std::optional<QString> ChmFile::ReadText(const QString& path) const {
  const std::optional<QByteArray> bytes = Read(path);
  if (!bytes) return std::nullopt;
  return DecodeHelpText(*bytes);
}

QStringList ChmFile::Files() const {
  QStringList files;
  for (const std::string& path : archive_->Paths()) {
    const QString stored = FromUtf8(path);
    if (stored.startsWith('/') && !Resolve(stored).isEmpty()) files << stored;
  }
  files.sort(Qt::CaseInsensitive);
  return files;
}

QString DecodeHelpText(const QByteArray& bytes) {
  static const QRegularExpression declared(
      QStringLiteral(R"(charset\s*=\s*["']?([A-Za-z0-9_.:-]+))"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = declared.match(QString::fromLatin1(bytes.left(2048)));
  if (match.hasMatch()) {
    QStringDecoder decoder(match.captured(1).toLatin1().constData());
    if (decoder.isValid()) return decoder(bytes);
  }
  return FromWindows1252(bytes);
}

}  // namespace vantorel::platform
