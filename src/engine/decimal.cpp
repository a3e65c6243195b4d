#include "engine/decimal.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace vantorel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// 10^0 .. 10^27: every power of ten that a 64-bit significand holds exactly.
constexpr int kExactPowers = 28;

constexpr std::array<long double, kExactPowers> MakePowers() {
  std::array<long double, kExactPowers> powers{};
  long double p = 1;
  for (long double& entry : powers) {
    entry = p;
    p *= 10;
  }
  return powers;
}

constexpr std::array<long double, kExactPowers> kPowersOfTen = MakePowers();

// Numbers of at most 19 significant digits with a small exponent are one exact integer
// times or divided by one exact power of ten: a single, correctly rounded operation.
std::optional<long double> FastPath(std::string_view digits, char separator) {
  std::uint64_t mantissa = 0;
  int significant = 0;
  int scale = 0;  // power of ten the mantissa is to be multiplied by
  bool fraction = false;
  std::size_t i = 0;
  for (; i < digits.size() && (IsDigit(digits[i]) || digits[i] == separator); ++i) {
    if (digits[i] == separator) {
      fraction = true;
      continue;
    }
    if (mantissa == 0 && digits[i] == '0') {
      scale -= fraction;
      continue;
    }
    if (++significant > 19) return std::nullopt;
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    scale -= fraction;
  }
  if (i < digits.size()) {  // the exponent
    std::string_view exponent = digits.substr(i + 1);
    bool negative = exponent.front() == '-';
    if (exponent.front() == '-' || exponent.front() == '+') exponent.remove_prefix(1);
    if (exponent.size() > 4) return std::nullopt;
    int value = 0;
    for (char c : exponent) value = value * 10 + (c - '0');
    scale += negative ? -value : value;
  }
  if (mantissa == 0) return 0.0L;
  if (scale >= kExactPowers || scale <= -kExactPowers) return std::nullopt;
  long double m = static_cast<long double>(mantissa);
  return scale >= 0 ? m * kPowersOfTen[scale] : m / kPowersOfTen[-scale];
}

// strtold reads the decimal point of the current C locale, which a window toolkit may
// have set from the environment; this one is always ".".
locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return classic;
}

}  // namespace

std::optional<long double> DecimalToLongDouble(std::string_view digits, char decimalSeparator) {
  if (auto fast = FastPath(digits, decimalSeparator)) return fast;
  std::string text(digits);
  for (char& c : text) {
    if (c == decimalSeparator) c = '.';
  }
  long double value = strtold_l(text.c_str(), nullptr, ClassicLocale());
  if (std::isinf(value)) return std::nullopt;
  return value;
}

}  // namespace vantorel
