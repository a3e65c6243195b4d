#pragma once
// What a viewer needs of a compiled help file besides its pages, read from its system
// files: title, default topic, contents and index files (#SYSTEM), and the map from
// context numbers to topics (#IVB with #STRINGS). Texts are UTF-8, paths as stored.

#include <cstdint>
#include <map>
#include <string>

namespace vantorel::chm {

class Archive;

// A help file maps at most this many context numbers; further pairs are ignored.
inline constexpr std::size_t kMostContexts = 65536;

struct HelpData {
  std::string title;
  std::string defaultTopic;  // the stored path, or empty when the file names none or lacks it
  std::string contentsFile;
  std::string indexFile;
  std::map<std::uint32_t, std::string> topicsByContext;
};

HelpData ReadHelpData(const Archive& archive);

}  // namespace vantorel::chm
