#pragma once
// How a fuzzer's bytes become the inputs of one call: the first byte chooses the
// options, an optional raw value follows, the rest is the text.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "engine/expression_engine.h"

namespace vantorel::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : data_(reinterpret_cast<const char*>(data)), size_(size) {}

  // The option byte, 0 when there is none.
  std::uint8_t Options() {
    if (size_ == 0) return 0;
    --size_;
    return static_cast<std::uint8_t>(*data_++);
  }

  // A raw double from the next eight bytes, or `fallback` when fewer remain.
  double RawDouble(double fallback) {
    if (size_ < sizeof(double)) return fallback;
    double value;
    std::memcpy(&value, data_, sizeof value);
    data_ += sizeof value;
    size_ -= sizeof value;
    return value;
  }

  std::string_view Rest() const { return {data_, size_}; }

 private:
  const char* data_;
  std::size_t size_;
};

// Option byte: mode = b % 3, separator = ',' when (b / 3) is odd, value = (b / 6) % 16.
inline AngleMode ModeOf(std::uint8_t options) { return static_cast<AngleMode>(options % 3); }
inline char SeparatorOf(std::uint8_t options) { return (options / 3) % 2 ? ',' : '.'; }
inline int ValueIndexOf(std::uint8_t options) { return (options / 6) % 16; }

}  // namespace vantorel::fuzz
