// Fuzzes Evaluate with any text, x, separator and angle mode. Every call must give a
// finite double or a TMathExpr with a message; the cached and the freshly compiled form
// must agree to the bit.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "engine/compiled_formula.h"
#include "engine/expression_engine.h"
#include "fuzz_input.h"

namespace {

using vantorel::fuzz::FuzzInput;

// The values of x worth trying; index 15 takes eight raw bytes instead.
constexpr long double kValues[15] = {
    15.0L, 0.0L, 1.0L, -1.0L, 0.5L, 90.0L, -3.0L, 1e6L,
    1.7976931348623157e308L, 4.9406564584124654e-324L, 1e4000L, -1e-4000L,
    100.0L, 3.1415926535897932385L, 2.0L};

long double ValueOf(FuzzInput& input, int index) {
  if (index < 15) return kValues[index];
  return input.RawDouble(15.0);
}

struct Result {
  bool failed = false;
  double value = 0;
  std::string message;
};

template <typename Calculation>
Result Run(Calculation calculate) {
  Result result;
  try {
    result.value = calculate();
  } catch (const vantorel::TMathExpr& e) {
    result.failed = true;
    result.message = e.what();
  }
  return result;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  std::uint8_t options = input.Options();
  long double x = ValueOf(input, vantorel::fuzz::ValueIndexOf(options));
  char separator = vantorel::fuzz::SeparatorOf(options);
  vantorel::AngleMode mode = vantorel::fuzz::ModeOf(options);
  std::string_view text = input.Rest();

  // One engine for the whole run: its cache holds whatever the last input left there.
  static const vantorel::ExpressionEngine engine;
  Result cached = Run([&] { return engine.Evaluate(text, x, separator, mode); });
  Result fresh = Run([&] {
    return vantorel::CompiledFormula::Compile(text, separator, mode).Calculate(x);
  });

  if (cached.failed) {
    if (cached.message.empty()) __builtin_trap();
  } else if (!std::isfinite(cached.value)) {
    __builtin_trap();
  }
  if (cached.failed != fresh.failed || cached.message != fresh.message) __builtin_trap();
  if (!cached.failed && !SameBits(cached.value, fresh.value)) __builtin_trap();
  return 0;
}
