// Fuzzes the number reader with any text and separator; it must give a finite value or
// nothing. The same input's bytes, read as a double, must come back unchanged through
// the shortest text, and every result text must read as a number.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "editing/number_syntax.h"
#include "fuzz_input.h"

namespace {

void CheckReader(std::string_view text, char separator) {
  std::optional<long double> value = vantorel::ReadNumber(text, separator);
  if (value && !std::isfinite(*value)) __builtin_trap();
}

// ShortestText reads back to the same double; FormatResult reads back as a number.
void CheckWriter(double value, int precision, char separator) {
  if (!std::isfinite(value)) return;
  std::optional<long double> back =
      vantorel::ReadNumber(vantorel::ShortestText(value, separator), separator);
  if (!back || static_cast<double>(*back) != value) __builtin_trap();
  if (!vantorel::ReadNumber(vantorel::FormatResult(value, precision, separator), separator)) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vantorel::fuzz::FuzzInput input(data, size);
  std::uint8_t options = input.Options();
  char separator = vantorel::fuzz::SeparatorOf(options);
  CheckReader(input.Rest(), separator);
  double value = input.RawDouble(std::nan(""));
  CheckWriter(value, vantorel::fuzz::ValueIndexOf(options), separator);
  return 0;
}
