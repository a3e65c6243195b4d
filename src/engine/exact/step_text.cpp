#include <string>

#include "engine/exact/constants.h"
#include "engine/exact/exact_formula.h"

namespace vantorel {
namespace {

// The exact decimal digits of a rational whose denominator divides a power of ten, and
// the power of ten they are multiplied by.
std::string DecimalDigits(const fmpq* q, long& scale) {
  fmpz_t n;
  fmpz_t ten;
  fmpz_init_set(n, fmpq_numref(q));
  fmpz_init_set_ui(ten, 10);
  fmpz_abs(n, n);
  scale = 0;
  fmpz_t rest;
  fmpz_init(rest);
  while (!fmpz_is_one(fmpq_denref(q)) && !fmpz_divisible(n, fmpq_denref(q))) {
    fmpz_mul(n, n, ten);
    --scale;
  }
  fmpz_divexact(n, n, fmpq_denref(q));
  while (!fmpz_is_zero(n) && fmpz_divisible(n, ten)) {
    fmpz_divexact(n, n, ten);
    ++scale;
  }
  char* text = fmpz_get_str(nullptr, 10, n);
  std::string digits = text;
  flint_free(text);
  fmpz_clear(rest);
  fmpz_clear(ten);
  fmpz_clear(n);
  return digits;
}

}  // namespace

std::string ExactStepText(std::string_view from, std::string_view step, std::int64_t index,
                          char decimalSeparator) {
  exact::Real a;
  exact::Real s;
  if (!exact::ReadDecimal(from, decimalSeparator, a, 64) ||
      !exact::ReadDecimal(step, decimalSeparator, s, 64) || !a.IsRational() ||
      !s.IsRational()) {
    return {};
  }
  fmpq_mul_si(s.Q(), s.Q(), index);
  fmpq_add(a.Q(), a.Q(), s.Q());
  long scale = 0;
  std::string digits = DecimalDigits(a.Q(), scale);
  std::string text = fmpq_sgn(a.Q()) < 0 ? "-" : "";
  long size = static_cast<long>(digits.size());
  constexpr long kPlainDigits = 21;  // longer plain texts are written with an exponent
  if (digits == "0") return "0";
  if (scale >= 0 && size + scale <= kPlainDigits) {
    return text + digits + std::string(static_cast<std::size_t>(scale), '0');
  }
  if (scale < 0 && -scale < size) {
    digits.insert(digits.end() + scale, decimalSeparator);
    return text + digits;
  }
  if (scale < 0 && -scale - size < 6) {
    return text + "0" + decimalSeparator + std::string(static_cast<std::size_t>(-scale - size), '0') + digits;
  }
  text += digits.substr(0, 1);
  if (size > 1) text += decimalSeparator + digits.substr(1);
  long exponent = scale + size - 1;
  return text + (exponent < 0 ? "E-" : "E+") + std::to_string(exponent < 0 ? -exponent : exponent);
}

}  // namespace vantorel
