// Fuzzes the exact arithmetic with any text, x, separator and angle mode. The window
// runs it on every Compute, so it must end in bounded time and memory with a value or a
// failure's message: never an abort inside FLINT or Arb. A formula compiled once and
// calculated twice (the second time from its kept constant parts) must give the same.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/exact/exact_formula.h"
#include "fuzz_input.h"

namespace {

using vantorel::fuzz::FuzzInput;

// The texts of x worth trying; index 15 takes eight raw bytes instead.
constexpr const char* kValues[15] = {
    "15", "0", "1", "-1", "0.5", "90", "-3", "1E6", "1.7976931348623157E308",
    "4.9406564584124654E-324", "1E4000", "-1E-4000", "1E-4950", "64E4930", "2"};

std::string XText(FuzzInput& input, int index, char separator) {
  std::string text = kValues[index < 15 ? index : 1];
  if (index == 15) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", input.RawDouble(15.0));
    text = buffer;
  }
  for (char& c : text) {
    if (c == '.') c = separator;
  }
  return text;
}

struct Outcome {
  bool failed = false;
  vantorel::ExactResult result;
  std::string message;
  bool operator==(const Outcome& o) const {
    return failed == o.failed && message == o.message &&
           std::memcmp(&result.value, &o.result.value, sizeof(double)) == 0 &&
           result.shown == o.result.shown && result.certified == o.result.certified;
  }
};

Outcome Calculate(vantorel::ExactFormula& formula, const std::string& x) {
  Outcome outcome;
  try {
    outcome.result = formula.Calculate(x);
  } catch (const vantorel::UncertifiedFailure& e) {
    outcome.failed = true;
    outcome.result.certified = false;
    outcome.message = e.what();
  } catch (const vantorel::TMathExpr& e) {
    outcome.failed = true;
    outcome.message = e.what();
  }
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  std::uint8_t options = input.Options();
  char separator = vantorel::fuzz::SeparatorOf(options);
  vantorel::AngleMode mode = vantorel::fuzz::ModeOf(options);
  std::string x = XText(input, vantorel::fuzz::ValueIndexOf(options), separator);
  std::string_view text = input.Rest();

  vantorel::ExactFormula formula = [&] {
    try {
      return vantorel::ExactFormula::Compile(text, separator, mode);
    } catch (const vantorel::TMathExpr& e) {
      if (*e.what() == '\0') __builtin_trap();
      return vantorel::ExactFormula::Compile("0", '.', mode);
    }
  }();
  Outcome first = Calculate(formula, x);
  if (first.failed && first.message.empty()) __builtin_trap();
  if (!first.failed && !std::isfinite(first.result.value)) __builtin_trap();
  if (!(Calculate(formula, x) == first)) __builtin_trap();
  return 0;
}
