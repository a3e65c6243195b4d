// Fuzzes the help file reader with any bytes: opening, the title, default topic and
// context map, every stored file (up to a number) and the contents and index sitemaps
// must neither crash nor hang. Bytes that are no help file are read as a sitemap.

#include <cstdint>
#include <string>

#include "platform/chm_archive.h"
#include "platform/chm_sitemap_reader.h"
#include "platform/chm_system.h"

namespace {

// Enough to reach every file of a small help file, few enough to keep each run short.
constexpr std::size_t kMostFilesRead = 64;

void ReadEverything(const vantorel::chm::Archive& archive) {
  const vantorel::chm::HelpData help = vantorel::chm::ReadHelpData(archive);
  for (const std::string& sitemap : {help.contentsFile, help.indexFile}) {
    if (!sitemap.empty()) vantorel::chm::ReadSitemap(archive.Read(sitemap).value_or(std::string()));
  }
  std::size_t read = 0;
  for (const std::string& path : archive.Paths()) {
    if (path.starts_with('/') && archive.Resolve(path).empty()) __builtin_trap();
    if (read++ < kMostFilesRead) archive.Read(path);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (auto archive = vantorel::chm::Archive::Open(bytes)) ReadEverything(*archive);
  else vantorel::chm::ReadSitemap(bytes);
  return 0;
}
