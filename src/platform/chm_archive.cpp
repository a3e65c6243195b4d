#include "platform/chm_archive.h"

#include <mspack.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "platform/chm_text.h"

namespace vantorel::chm {
namespace {

// libmspack's own buffers (directory chunks, the decompression window) stay far below this.
constexpr std::size_t kLargestAllocation = std::size_t(16) << 20;
constexpr const char* kInputName = "help file";

// libmspack reads and writes through these callbacks: the help file comes from memory
// and each extracted file goes to a string of known size, never to the disk.
struct MemoryFile {
  mspack_file base;  // first, so libmspack's pointer is this object's address
  const std::string* input = nullptr;
  std::string* output = nullptr;
  std::size_t outputLimit = 0;
  std::size_t position = 0;
};

struct MemorySystem {
  mspack_system base;  // first, as above
  const std::string* input = nullptr;
  std::string* output = nullptr;
  std::size_t outputLimit = 0;
};

MemoryFile* AsFile(mspack_file* file) { return reinterpret_cast<MemoryFile*>(file); }

mspack_file* OpenFile(mspack_system* self, const char* name, int mode) {
  auto* system = reinterpret_cast<MemorySystem*>(self);
  auto* file = new MemoryFile;
  if (mode == MSPACK_SYS_OPEN_READ && std::strcmp(name, kInputName) == 0) {
    file->input = system->input;
  } else if (mode == MSPACK_SYS_OPEN_WRITE && system->output) {
    file->output = system->output;
    file->outputLimit = system->outputLimit;
  } else {
    delete file;
    return nullptr;
  }
  return &file->base;
}

void CloseFile(mspack_file* file) { delete AsFile(file); }

int ReadFile(mspack_file* handle, void* buffer, int bytes) {
  MemoryFile* file = AsFile(handle);
  if (!file->input || bytes < 0) return -1;
  const std::size_t count = std::min(std::size_t(bytes), file->input->size() - file->position);
  std::memcpy(buffer, file->input->data() + file->position, count);
  file->position += count;
  return int(count);
}

int WriteFile(mspack_file* handle, void* buffer, int bytes) {
  MemoryFile* file = AsFile(handle);
  if (!file->output || bytes < 0 || file->output->size() + std::size_t(bytes) > file->outputLimit)
    return -1;
  file->output->append(static_cast<const char*>(buffer), std::size_t(bytes));
  return bytes;
}

int SeekFile(mspack_file* handle, off_t offset, int mode) {
  MemoryFile* file = AsFile(handle);
  if (!file->input) return -1;
  const auto size = off_t(file->input->size());
  off_t base = 0;
  if (mode == MSPACK_SYS_SEEK_CUR) base = off_t(file->position);
  else if (mode == MSPACK_SYS_SEEK_END) base = size;
  else if (mode != MSPACK_SYS_SEEK_START) return -1;
  if (offset < -base || offset > size - base) return -1;
  file->position = std::size_t(base + offset);
  return 0;
}

off_t TellFile(mspack_file* handle) { return off_t(AsFile(handle)->position); }

// libmspack's warnings about a damaged file: the file is refused or yields nothing anyway.
void IgnoreMessage(mspack_file*, const char*, ...) {}

void* Allocate(mspack_system*, std::size_t bytes) {
  return bytes <= kLargestAllocation ? std::malloc(bytes) : nullptr;
}

void Free(void* pointer) { std::free(pointer); }

void Copy(void* from, void* to, std::size_t bytes) { std::memcpy(to, from, bytes); }

// One free help compiler writes the header's first GUID where the second belongs; the
// file is otherwise the common format, so it is read as if the second were there.
void MendSecondGuid(std::string& bytes) {
  constexpr std::size_t kFirst = 0x18, kSecond = 0x28, kGuidSize = 16;
  if (bytes.size() < kSecond + kGuidSize || bytes.compare(0, 4, "ITSF") != 0) return;
  if (bytes.compare(kSecond, kGuidSize, bytes, kFirst, kGuidSize) != 0) return;
  if (static_cast<unsigned char>(bytes[kFirst]) == 0x10) bytes[kSecond] = char(0x11);
}

bool IsCompressed(const mschmd_file& file) { return file.section && file.section->id == 1; }

// The form both stored paths and asked-for paths are looked up by: rooted, with '/' for
// '\\' and ASCII letters in lower case, so that every stored path can be found.
std::string LookupKey(std::string_view path) {
  std::string key = AsciiLower(path);
  std::replace(key.begin(), key.end(), '\\', '/');
  if (!key.starts_with('/') && !key.starts_with("::")) key.insert(0, 1, '/');
  return key;
}

}  // namespace

struct Archive::Impl {
  std::string bytes;
  MemorySystem system{};
  mschm_decompressor* decompressor = nullptr;
  mschmd_header* header = nullptr;
  std::vector<std::string> paths;
  std::vector<mschmd_file*> files;                       // in the order of `paths`
  std::unordered_map<std::string, std::size_t> byPath;   // stored path -> index
  std::unordered_map<std::string, std::size_t> byKey;    // LookupKey(path) -> index

  ~Impl() {
    if (header) decompressor->close(decompressor, header);
    if (decompressor) mspack_destroy_chm_decompressor(decompressor);
  }

  bool Start() {
    system.base = {OpenFile, CloseFile, ReadFile, WriteFile, SeekFile, TellFile,
                   IgnoreMessage, Allocate, Free, Copy, nullptr};
    system.input = &bytes;
    int selfTest = 0;
    MSPACK_SYS_SELFTEST(selfTest);
    if (selfTest != MSPACK_ERR_OK) return false;
    decompressor = mspack_create_chm_decompressor(&system.base);
    if (!decompressor) return false;
    header = decompressor->open(decompressor, kInputName);
    return header != nullptr;
  }

  // A file cut short still has its directory, and libmspack would read its lost data
  // as missing only when asked for it: so the file must be long enough for every file
  // its directory places in the uncompressed section.
  bool Add(mschmd_file* file) {
    if (!file->filename || !file->section || file->offset < 0 || file->length < 0) return true;
    if (!IsCompressed(*file)) {
      const std::uint64_t end = std::uint64_t(header->sec0.offset) + std::uint64_t(file->offset) +
                                std::uint64_t(file->length);
      if (header->sec0.offset < 0 || end > bytes.size()) return false;
    }
    byPath.emplace(file->filename, paths.size());
    byKey.emplace(LookupKey(file->filename), paths.size());
    paths.emplace_back(file->filename);
    files.push_back(file);
    return true;
  }

  // In the order of their data, so that reading them in turn never makes the
  // decompressor start over.
  bool List() {
    std::vector<mschmd_file*> all;
    for (mschmd_file* file = header->sysfiles; file; file = file->next) all.push_back(file);
    for (mschmd_file* file = header->files; file; file = file->next) all.push_back(file);
    std::stable_sort(all.begin(), all.end(), [](const mschmd_file* a, const mschmd_file* b) {
      const auto key = [](const mschmd_file* f) { return std::pair(f->section ? f->section->id : 0u, f->offset); };
      return key(a) < key(b);
    });
    return std::all_of(all.begin(), all.end(), [this](mschmd_file* file) { return Add(file); });
  }
};

Archive::Archive(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Archive::~Archive() = default;

std::unique_ptr<Archive> Archive::Open(std::string bytes) {
  if (bytes.size() > kLargestHelpFile) return nullptr;
  auto impl = std::make_unique<Impl>();
  impl->bytes = std::move(bytes);
  MendSecondGuid(impl->bytes);
  if (!impl->Start() || !impl->List()) return nullptr;
  return std::unique_ptr<Archive>(new Archive(std::move(impl)));
}

const std::vector<std::string>& Archive::Paths() const { return impl_->paths; }

std::string Archive::Resolve(std::string_view path) const {
  if (path.empty()) return {};
  const auto found = impl_->byKey.find(LookupKey(path));
  return found == impl_->byKey.end() ? std::string() : impl_->paths[found->second];
}

std::optional<std::string> Archive::Read(std::string_view storedPath) const {
  const auto found = impl_->byPath.find(std::string(storedPath));
  if (found == impl_->byPath.end()) return std::nullopt;
  mschmd_file* file = impl_->files[found->second];
  const auto length = std::uint64_t(file->length);
  if (length > kLargestStoredFile) return std::nullopt;
  if (IsCompressed(*file) && std::uint64_t(file->offset) + length > kLargestContent) return std::nullopt;
  std::string content;
  content.reserve(std::size_t(length));
  impl_->system.output = &content;
  impl_->system.outputLimit = std::size_t(length);
  const int error = impl_->decompressor->extract(impl_->decompressor, file, "extracted file");
  impl_->system.output = nullptr;
  if (error != MSPACK_ERR_OK || content.size() != length) return std::nullopt;
  return content;
}

}  // namespace vantorel::chm
