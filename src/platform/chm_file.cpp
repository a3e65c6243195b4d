#include "platform/chm_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <chm_lib.h>

namespace vantorel::platform {
namespace {

// A stored file larger than this is taken for a damaged directory entry, not read.
constexpr LONGUINT64 kLargestFile = 64 * 1024 * 1024;

// #SYSTEM record codes.
constexpr quint16 kContentsFileRecord = 0;
constexpr quint16 kIndexFileRecord = 1;
constexpr quint16 kDefaultTopicRecord = 2;
constexpr quint16 kTitleRecord = 3;

quint32 LittleEndian(const QByteArray& bytes, qsizetype at, int width) {
  quint32 value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | quint8(bytes[at + i]);
  return value;
}

QString FromWindows1252(const QByteArray& bytes) {
  QStringDecoder decoder("windows-1252");
  if (!decoder.isValid()) return QString::fromLatin1(bytes);
  return decoder(bytes);
}

// The text of a record: up to its first NUL.
QString RecordText(const QByteArray& data) {
  const qsizetype end = data.indexOf('\0');
  return FromWindows1252(end < 0 ? data : data.left(end));
}

QString Rooted(QString path) {
  path.replace('\\', '/');
  return path.startsWith('/') ? path : '/' + path;
}

struct Directory {
  QHash<QString, QString> filesByLowerPath;
  quint64 storedEnd = 0;  // where the last uncompressed object ends, from the data's start
};

int CollectFile(chmFile*, chmUnitInfo* unit, void* context) {
  auto* directory = static_cast<Directory*>(context);
  if ((unit->flags & CHM_ENUMERATE_NORMAL) && (unit->flags & CHM_ENUMERATE_FILES)) {
    const QString path = QString::fromUtf8(unit->path);
    directory->filesByLowerPath.insert(path.toLower(), path);
  }
  if (unit->space == CHM_UNCOMPRESSED)
    directory->storedEnd = qMax<quint64>(directory->storedEnd, unit->start + unit->length);
  return CHM_ENUMERATOR_CONTINUE;
}

// Where the stored data begins, from the file header: "ITSF", version (u32 at 4), the
// directory's offset and length (u64 at 0x48 and 0x50), and from version 3 on the data's
// offset (u64 at 0x58); before that the data follows the directory.
std::optional<quint64> DataOffset(QFile& file) {
  const QByteArray header = file.read(0x60);
  if (header.size() < 0x58 || !header.startsWith("ITSF")) return std::nullopt;
  const auto u64 = [&header](int at) {
    return quint64(LittleEndian(header, at, 4)) | (quint64(LittleEndian(header, at + 4, 4)) << 32);
  };
  if (LittleEndian(header, 4, 4) >= 3 && header.size() >= 0x60) return u64(0x58);
  return u64(0x48) + u64(0x50);
}

std::optional<QByteArray> ReadObject(chmFile* handle, const QString& storedPath) {
  chmUnitInfo unit;
  if (chm_resolve_object(handle, storedPath.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS)
    return std::nullopt;
  if (unit.length > kLargestFile) return std::nullopt;
  QByteArray data(qsizetype(unit.length), '\0');
  if (unit.length == 0) return data;
  const LONGINT64 got = chm_retrieve_object(
      handle, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, LONGINT64(unit.length));
  if (got != LONGINT64(unit.length)) return std::nullopt;
  return data;
}

}  // namespace

std::unique_ptr<ChmFile> ChmFile::Open(const QString& path) {
  if (path.isEmpty()) return nullptr;
  chmFile* handle = chm_open(QFile::encodeName(path).constData());
  if (!handle) return nullptr;
  std::unique_ptr<ChmFile> file(new ChmFile(handle));
  if (!file->ListFiles(path)) return nullptr;
  file->ReadSystem();
  file->ReadContextMap();
  return file;
}

ChmFile::ChmFile(chmFile* handle) : handle_(handle) {}

ChmFile::~ChmFile() { chm_close(handle_); }

// A file cut short still opens, and its missing data would read as zeros: so the file
// must be long enough for everything its directory says it stores.
bool ChmFile::ListFiles(const QString& path) {
  Directory directory;
  chm_enumerate(handle_, CHM_ENUMERATE_ALL, CollectFile, &directory);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const std::optional<quint64> dataOffset = DataOffset(file);
  if (!dataOffset || quint64(file.size()) < *dataOffset + directory.storedEnd) return false;
  filesByLowerPath_ = std::move(directory.filesByLowerPath);
  return true;
}

// #SYSTEM: a 4-byte version, then records of (code: u16, length: u16, data: length bytes).
void ChmFile::ReadSystem() {
  const QByteArray system = ReadObject(handle_, "/#SYSTEM").value_or(QByteArray());
  for (qsizetype at = 4; at + 4 <= system.size();) {
    const quint16 code = quint16(LittleEndian(system, at, 2));
    const qsizetype length = LittleEndian(system, at + 2, 2);
    const QString text = RecordText(system.mid(at + 4, length));
    if (code == kContentsFileRecord) contentsFile_ = Resolve(text);
    if (code == kIndexFileRecord) indexFile_ = Resolve(text);
    if (code == kDefaultTopicRecord) defaultTopic_ = Resolve(text);
    if (code == kTitleRecord) title_ = text;
    at += 4 + length;
  }
}

// #IVB: a u32 byte count, then pairs of (context number: u32, offset into #STRINGS: u32);
// #STRINGS holds NUL-terminated topic paths.
void ChmFile::ReadContextMap() {
  const QByteArray pairs = ReadObject(handle_, "/#IVB").value_or(QByteArray());
  const QByteArray strings = ReadObject(handle_, "/#STRINGS").value_or(QByteArray());
  if (pairs.size() < 4) return;
  const qsizetype end = qMin<qsizetype>(pairs.size(), 4 + qsizetype(LittleEndian(pairs, 0, 4)));
  for (qsizetype at = 4; at + 8 <= end; at += 8) {
    const quint32 context = LittleEndian(pairs, at, 4);
    const qsizetype offset = LittleEndian(pairs, at + 4, 4);
    if (offset >= strings.size()) continue;
    const qsizetype stop = strings.indexOf('\0', offset);
    const QString topic = StoredPathEndingIn(strings.mid(offset, stop < 0 ? -1 : stop - offset));
    if (!topic.isEmpty()) contextMap_.insert(context, topic);
  }
}

// Some compilers record a topic by the absolute path it had when the file was built, so
// the topic is the stored file whose path that one ends in (the longest such, if several).
QString ChmFile::StoredPathEndingIn(const QByteArray& path) const {
  const QString wanted = Rooted(FromWindows1252(path)).toLower();
  QString best;
  for (auto it = filesByLowerPath_.cbegin(); it != filesByLowerPath_.cend(); ++it) {
    if (wanted.endsWith(it.key()) && it.key().size() > best.size()) best = it.key();
  }
  return best.isEmpty() ? QString() : filesByLowerPath_.value(best);
}

QString ChmFile::Resolve(const QString& path) const {
  if (path.isEmpty()) return {};
  return filesByLowerPath_.value(Rooted(path).toLower());
}

std::optional<QByteArray> ChmFile::Read(const QString& path) const {
  const QString stored = Resolve(path);
  if (stored.isEmpty()) return std::nullopt;
  return ReadObject(handle_, stored);
}

std::optional<QString> ChmFile::ReadText(const QString& path) const {
  const std::optional<QByteArray> bytes = Read(path);
  if (!bytes) return std::nullopt;
  return DecodeHelpText(*bytes);
}

QStringList ChmFile::Files() const {
  QStringList files;
  for (const QString& path : filesByLowerPath_) {
    if (!path.startsWith("/#") && !path.startsWith("/$") && !path.startsWith("::"))
      files << path;
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
