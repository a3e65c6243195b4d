#include "platform/chm_system.h"

#include <algorithm>
#include <functional>
#include <vector>
#include <unordered_map>

#include "platform/chm_archive.h"
#include "platform/chm_text.h"

namespace vantorel::chm {
namespace {

// #SYSTEM record codes.
constexpr std::uint16_t kContentsFileRecord = 0;
constexpr std::uint16_t kIndexFileRecord = 1;
constexpr std::uint16_t kDefaultTopicRecord = 2;
constexpr std::uint16_t kTitleRecord = 3;

// A topic path of #STRINGS is matched by at most its last this many bytes, and from at
// most this many of its folder levels: so no crafted path makes matching slow.
constexpr std::size_t kLongestTopicPath = 1024;
constexpr int kDeepestTopic = 8;

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// The text of a record: up to its first NUL.
std::string RecordText(std::string_view data) {
  return Windows1252ToUtf8(data.substr(0, data.find('\0')));
}

// #SYSTEM: a 4-byte version, then records of (code: u16, length: u16, data: length bytes).
void ReadSystem(const Archive& archive, HelpData& data) {
  const std::string system = archive.Read("/#SYSTEM").value_or(std::string());
  for (std::size_t at = 4; at + 4 <= system.size();) {
    const std::uint16_t code = std::uint16_t(LittleEndian(system, at, 2));
    const std::size_t length = LittleEndian(system, at + 2, 2);
    const std::string text = RecordText(std::string_view(system).substr(at + 4, length));
    if (code == kContentsFileRecord) data.contentsFile = archive.Resolve(text);
    if (code == kIndexFileRecord) data.indexFile = archive.Resolve(text);
    if (code == kDefaultTopicRecord) data.defaultTopic = archive.Resolve(text);
    if (code == kTitleRecord) data.title = text;
    at += 4 + length;
  }
}

// Some compilers record a topic by the absolute path it had when the file was built, so
// the topic is the stored file whose path that one ends in (the longest such, if several).
class TopicFinder {
 public:
  explicit TopicFinder(const Archive& archive) {
    for (const std::string& path : archive.Paths()) {
      if (path.starts_with('/')) byLower_.emplace(AsciiLower(path), path);
    }
  }

  std::string Find(std::string_view recorded) const {
    std::string wanted = AsciiLower(Windows1252ToUtf8(recorded));
    std::replace(wanted.begin(), wanted.end(), '\\', '/');
    if (!wanted.starts_with('/')) wanted.insert(0, 1, '/');
    std::size_t from = wanted.size();
    std::size_t longest = std::string::npos;
    for (int level = 0; level < kDeepestTopic; ++level) {
      const std::size_t slash = from == 0 ? std::string::npos : wanted.rfind('/', from - 1);
      if (slash == std::string::npos) break;
      if (byLower_.count(wanted.substr(slash))) longest = slash;
      from = slash;
    }
    return longest == std::string::npos ? std::string() : byLower_.at(wanted.substr(longest));
  }

 private:
  std::unordered_map<std::string, std::string> byLower_;
};

// Where the NUL-terminated string at each offset ends, for offsets sorted from the last:
// each stretch of #STRINGS is searched once, however many offsets point into it.
std::unordered_map<std::uint32_t, std::size_t> StringEnds(const std::string& strings,
                                                          std::vector<std::uint32_t> offsets) {
  std::sort(offsets.begin(), offsets.end(), std::greater<>());
  std::unordered_map<std::uint32_t, std::size_t> ends;
  std::size_t searchedFrom = strings.size();
  std::size_t nextEnd = strings.size();
  for (const std::uint32_t offset : offsets) {
    if (ends.count(offset)) continue;
    const std::size_t nul = std::string_view(strings).substr(0, searchedFrom).find('\0', offset);
    if (nul != std::string_view::npos) nextEnd = nul;
    searchedFrom = offset;
    ends.emplace(offset, nextEnd);
  }
  return ends;
}

// #IVB: a u32 byte count, then pairs of (context number: u32, offset into #STRINGS: u32);
// #STRINGS holds NUL-terminated topic paths.
void ReadContextMap(const Archive& archive, HelpData& data) {
  const std::string pairs = archive.Read("/#IVB").value_or(std::string());
  const std::string strings = archive.Read("/#STRINGS").value_or(std::string());
  if (pairs.size() < 4) return;
  const std::size_t end = std::min<std::size_t>(
      {pairs.size(), 4 + std::size_t(LittleEndian(pairs, 0, 4)), 4 + 8 * kMostContexts});
  std::vector<std::pair<std::uint32_t, std::uint32_t>> contextOffsets;
  std::vector<std::uint32_t> offsets;
  for (std::size_t at = 4; at + 8 <= end; at += 8) {
    const std::uint32_t offset = LittleEndian(pairs, at + 4, 4);
    if (offset >= strings.size()) continue;
    contextOffsets.emplace_back(LittleEndian(pairs, at, 4), offset);
    offsets.push_back(offset);
  }
  const std::unordered_map<std::uint32_t, std::size_t> ends = StringEnds(strings, offsets);
  const TopicFinder finder(archive);
  std::unordered_map<std::uint32_t, std::string> topicsByOffset;
  for (const auto& [context, offset] : contextOffsets) {
    auto found = topicsByOffset.find(offset);
    if (found == topicsByOffset.end()) {
      const std::size_t stop = ends.at(offset);
      const std::size_t start = std::max<std::size_t>(offset, stop > kLongestTopicPath ? stop - kLongestTopicPath : 0);
      found = topicsByOffset.emplace(offset, finder.Find(std::string_view(strings).substr(start, stop - start))).first;
    }
    if (!found->second.empty()) data.topicsByContext[context] = found->second;
  }
}

}  // namespace

HelpData ReadHelpData(const Archive& archive) {
  HelpData data;
  ReadSystem(archive, data);
  ReadContextMap(archive, data);
  return data;
}

}  // namespace vantorel::chm
