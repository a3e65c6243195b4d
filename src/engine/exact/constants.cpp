#include "engine/exact/constants.h"

#include <string>

#include "engine/catalogue.h"

namespace vantorel::exact {
namespace {

void Pi(arb_t out, slong prec) { arb_const_pi(out, prec); }

// Pi times `numerator` over `denominator`.
void PiTimes(arb_t out, slong numerator, ulong denominator, slong prec) {
  arb_const_pi(out, prec);
  arb_mul_si(out, out, numerator, prec);
  arb_div_ui(out, out, denominator, prec);
}

void LogBase10(arb_t out, ulong value, slong prec) {
  arb_t ln10;
  arb_init(ln10);
  arb_const_log10(ln10, prec);
  if (value == 0) {  // of Pi
    arb_const_pi(out, prec);
    arb_log(out, out, prec);
  } else if (value == 1) {  // of e: 1 / ln 10
    arb_one(out);
  } else {
    arb_log_ui(out, value, prec);
  }
  arb_div(out, out, ln10, prec);
  arb_clear(ln10);
}

// The constants with a mathematical definition, by catalogue name.
bool Mathematical(std::string_view name, arb_t out, slong prec) {
  arb_t t;
  arb_init(t);
  bool found = true;
  if (name == "Pi") Pi(out, prec);
  else if (name == "PiOn2") PiTimes(out, 1, 2, prec);
  else if (name == "PiOn3") PiTimes(out, 1, 3, prec);
  else if (name == "PiOn4") PiTimes(out, 1, 4, prec);
  else if (name == "TwoPi") PiTimes(out, 2, 1, prec);
  else if (name == "ThreePi") PiTimes(out, 3, 1, prec);
  else if (name == "Deg") { Pi(t, prec); arb_set_ui(out, 180); arb_div(out, out, t, prec); }
  else if (name == "Cbrt2") { arb_set_ui(t, 2); arb_root_ui(out, t, 3, prec); }
  else if (name == "Cbrt3") { arb_set_ui(t, 3); arb_root_ui(out, t, 3, prec); }
  else if (name == "Cbrt10") { arb_set_ui(t, 10); arb_root_ui(out, t, 3, prec); }
  else if (name == "Cbrt100") { arb_set_ui(t, 100); arb_root_ui(out, t, 3, prec); }
  else if (name == "CbrtPi") { Pi(t, prec); arb_root_ui(out, t, 3, prec); }
  else if (name == "Catalan") arb_const_catalan(out, prec);
  else if (name == "Sqrt2") arb_sqrt_ui(out, 2, prec);
  else if (name == "Sqrt3") arb_sqrt_ui(out, 3, prec);
  else if (name == "Sqrt5") arb_sqrt_ui(out, 5, prec);
  else if (name == "Sqrt10") arb_sqrt_ui(out, 10, prec);
  else if (name == "SqrtPi") arb_const_sqrt_pi(out, prec);
  else if (name == "Sqrt2Pi") { PiTimes(t, 2, 1, prec); arb_sqrt(out, t, prec); }
  else if (name == "Ln2") arb_const_log2(out, prec);
  else if (name == "Ln10") arb_const_log10(out, prec);
  else if (name == "LnPi") { Pi(t, prec); arb_log(out, t, prec); }
  else if (name == "Log2") LogBase10(out, 2, prec);
  else if (name == "Log3") LogBase10(out, 3, prec);
  else if (name == "LogPi") LogBase10(out, 0, prec);
  else if (name == "LogE") LogBase10(out, 1, prec);
  else if (name == "NConst") arb_const_e(out, prec);
  else if (name == "hLn2Pi") { PiTimes(t, 2, 1, prec); arb_log(out, t, prec); arb_mul_2exp_si(out, out, -1); }
  else if (name == "GoldenMean") { arb_sqrt_ui(out, 5, prec); arb_add_ui(out, out, 1, prec); arb_mul_2exp_si(out, out, -1); }
  else if (name == "EulerMascheroni") arb_const_euler(out, prec);
  else found = false;
  arb_clear(t);
  return found;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsExactConstant(std::size_t index) {
  arb_t probe;
  arb_init(probe);
  bool exact = Mathematical(Catalogue::Instance().Constants()[index].name, probe, 16);
  arb_clear(probe);
  return exact;
}

void ConstantValue(std::size_t index, Real& out, slong prec) {
  const ConstantEntry& entry = Catalogue::Instance().Constants()[index];
  if (Mathematical(entry.name, out.B(), prec)) {
    out.MarkBall();
  } else {
    ReadDecimal(entry.valueText, '.', out, prec);
  }
}

// decimal := blanks [sign] digits [separator digits] [("E"|"e") [sign] digits] blanks
bool ReadDecimal(std::string_view text, char separator, Real& out, slong prec) {
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  };
  skipBlanks();
  bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::string digits;
  long scale = 0;  // power of ten the digits are multiplied by
  bool any = false;
  for (bool fraction = false; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      digits.push_back(text[i]);
      scale -= fraction;
      any = true;
    } else if (text[i] == separator && !fraction) {
      fraction = true;
    } else {
      break;
    }
  }
  if (!any) return false;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool down = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    long exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - '0');
    }
    scale += down ? -exponent : exponent;
  }
  skipBlanks();
  if (i != text.size()) return false;
  fmpz_t mantissa;
  fmpz_init(mantissa);
  fmpz_set_str(mantissa, digits.c_str(), 10);
  constexpr long kLargestScale = 100000;
  bool ok = true;
  long size = static_cast<long>(digits.size());
  // Zero is zero whatever its exponent: 0E999999999 must not work out 10^999999999.
  if (fmpz_is_zero(mantissa)) scale = 0;
  if (scale >= -kLargestScale - size && scale <= kLargestScale) {
    fmpz_t power;
    fmpz_init(power);
    fmpz_set_ui(power, 10);
    fmpz_pow_ui(power, power, static_cast<ulong>(scale < 0 ? -scale : scale));
    if (scale >= 0) {
      fmpz_mul(fmpq_numref(out.Q()), mantissa, power);
      fmpz_one(fmpq_denref(out.Q()));
    } else {
      fmpz_set(fmpq_numref(out.Q()), mantissa);
      fmpz_set(fmpq_denref(out.Q()), power);
      fmpq_canonicalise(out.Q());
    }
    if (negative) fmpq_neg(out.Q(), out.Q());
    out.MarkRational(prec);
    fmpz_clear(power);
  } else if (scale < 0) {  // far below any range: held as a bound
    arb_zero(out.B());
    mag_set_ui_2exp_si(arb_radref(out.B()), 1, 3 * (scale + size));  // 10^n <= 2^3n
    out.MarkBall();
  } else {
    ok = false;
  }
  fmpz_clear(mantissa);
  return ok;
}

}  // namespace vantorel::exact
