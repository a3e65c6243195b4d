// Fuzzes the exact arithmetic with any text, x, separator and angle mode. The window
// runs it on every Compute, so it must end in bounded time and memory with a value or a
// failure's message: never an abort inside FLINT or Arb. A formula compiled once and
// calculated twice (the second time from its kept constant parts) must give the same.
// With x written as x plus an exact zero whose first balls are wide, a result certified
// both ways must be the same: no step may decide from a ball's midpoint alone.

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

bool IsNamePart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '_';
}

// The text with each x, standing alone, as x plus a zero that is 0 +- 2^72 at 128 bits.
std::string WithWideZero(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool alone = (text[i] == 'x' || text[i] == 'X') && (i == 0 || !IsNamePart(text[i - 1])) &&
                 (i + 1 == text.size() || !IsNamePart(text[i + 1]));
    out += alone ? std::string("(x+(Sqrt2*1E60-2/Sqrt2*1E60))") : std::string(1, text[i]);
  }
  return out;
}

bool Disagree(const Outcome& a, const Outcome& b) {
  bool certified = a.result.certified && b.result.certified;
  return certified && !(a == b);
}

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
  if (!formula.UsesX()) return 0;
  try {
    vantorel::ExactFormula wide =
        vantorel::ExactFormula::Compile(WithWideZero(text), separator, mode);
    if (Disagree(first, Calculate(wide, x))) __builtin_trap();
  } catch (const vantorel::TMathExpr&) {  // the longer text may not compile
  }
  return 0;
}
