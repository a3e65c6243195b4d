#pragma once
// Whether a help page lies within what the page view lays out quickly and safely. Qt's
// rich text takes time that grows much faster than the page with elements nested deep,
// tables nested in tables (16 deep take seconds, 32 overflow the stack) and long words
// without a break (64 K letters take seconds); the program's own pages stay far inside.

#include <cstddef>
#include <string_view>

namespace vantorel::platform {

inline constexpr std::size_t kLargestPage = std::size_t(256) << 10;
inline constexpr std::size_t kMostTags = 4096;
inline constexpr int kDeepestNesting = 64;
inline constexpr int kDeepestTables = 4;
inline constexpr std::size_t kLongestWord = 2000;

// Looks at the page's bytes once: its size, its tags, how deep elements that need an end
// tag and tables nest, and its longest run of text without a blank.
bool FitsThePageView(std::string_view html);

}  // namespace vantorel::platform
