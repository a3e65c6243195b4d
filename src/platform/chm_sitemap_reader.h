#pragma once
// The contents (.hhc) and index (.hhk) files of a compiled help file, read without any
// toolkit: HTML "sitemaps", nested lists whose items each describe one entry with
// <param> elements. Input and output are UTF-8; any bytes are accepted.

#include <string>
#include <string_view>
#include <vector>

namespace vantorel::chm {

struct SitemapTarget {
  std::string title;  // the topic's own name, where the entry gives one besides its own
  std::string local;  // the topic's path inside the help file, maybe with a "#fragment"
};

struct SitemapEntry {
  std::string name;
  std::vector<SitemapTarget> targets;
  std::vector<SitemapEntry> children;
};

// Lists nested deeper than this are read as if flat, so no file can exhaust the stack.
inline constexpr int kDeepestSitemapList = 64;

std::vector<SitemapEntry> ReadSitemap(std::string_view html);

}  // namespace vantorel::chm
