#include "engine/exact/settle.h"

#include <algorithm>
#include <cmath>

#include "engine/messages.h"

namespace vantorel::exact {
namespace {

constexpr int kDigits = 15;

// |num| / den times 10^power, rounded down, with the remainder's side: whether it is
// at least half.
void Scaled(const fmpz_t num, const fmpz_t den, slong power, fmpz_t quotient, bool& halfUp) {
  fmpz_t n;
  fmpz_t d;
  fmpz_t r;
  fmpz_init(n);
  fmpz_init(d);
  fmpz_init(r);
  fmpz_abs(n, num);
  fmpz_set(d, den);
  fmpz_t ten;
  fmpz_init_set_ui(ten, 10);
  fmpz_pow_ui(ten, ten, static_cast<ulong>(power < 0 ? -power : power));
  if (power >= 0) {
    fmpz_mul(n, n, ten);
  } else {
    fmpz_mul(d, d, ten);
  }
  fmpz_fdiv_qr(quotient, r, n, d);
  fmpz_mul_2exp(r, r, 1);
  halfUp = fmpz_cmp(r, d) >= 0;
  fmpz_clear(ten);
  fmpz_clear(r);
  fmpz_clear(d);
  fmpz_clear(n);
}

// The dyadic number `x` as a rational.
void ToFraction(const arf_t x, fmpz_t num, fmpz_t den) {
  fmpz_t exponent;
  fmpz_init(exponent);
  arf_get_fmpz_2exp(num, exponent, x);
  fmpz_one(den);
  slong e = fmpz_get_si(exponent);
  if (e >= 0) {
    fmpz_mul_2exp(num, num, static_cast<ulong>(e));
  } else {
    fmpz_mul_2exp(den, den, static_cast<ulong>(-e));
  }
  fmpz_clear(exponent);
}

RoundedDigits DigitsOf(const arf_t x) {
  fmpz_t num;
  fmpz_t den;
  fmpz_init(num);
  fmpz_init(den);
  ToFraction(x, num, den);
  RoundedDigits digits = RoundTo15Digits(num, den);
  fmpz_clear(den);
  fmpz_clear(num);
  return digits;
}

// A rational correctly rounded to double: rounded toward zero at 128 bits, with a bit
// beyond those set when that was inexact, which keeps it off every halfway point.
double RationalToDouble(const fmpq* q) {
  arf_t x;
  arf_init(x);
  constexpr slong kBits = 128;
  if (arf_fmpz_div_fmpz(x, fmpq_numref(q), fmpq_denref(q), kBits, ARF_RND_DOWN)) {
    arf_t sticky;
    arf_init(sticky);
    arf_set_si_2exp_si(sticky, arf_sgn(x), arf_abs_bound_lt_2exp_si(x) - kBits - 8);
    arf_add(x, x, sticky, ARF_PREC_EXACT, ARF_RND_DOWN);
    arf_clear(sticky);
  }
  double value = arf_get_d(x, ARF_RND_NEAR);
  arf_clear(x);
  return value;
}

double Checked(double value) {
  if (std::isinf(value)) FailCalculation(ErrorCode::OutOfRange);
  return value == 0 ? 0.0 : value;
}

// Whether every point of [low, high] gives the same double (and the same digits).
bool SameRounding(const arf_t low, const arf_t high, bool wantDigits, ExactResult& result) {
  double lowValue = arf_get_d(low, ARF_RND_NEAR);
  if (lowValue != arf_get_d(high, ARF_RND_NEAR)) return false;
  result.value = lowValue;
  if (!wantDigits || lowValue == 0 || std::isinf(lowValue)) return true;
  result.shown = DigitsOf(low);
  return result.shown == DigitsOf(high);
}

// At the cap a ball that still does not decide gives its midpoint's rounding, which is
// then not certified. The bounds keep the midpoint's bits and more, but are rounded
// outward rather than exact: the ball 1 +- 2^-(2^40) that 1 + exp(-1E19) gives would
// need 2^40 bits, and a wider interval that decides decides the narrower one too.
bool SettleBall(const arb_struct* ball, Pass& pass, bool wantDigits, ExactResult& result) {
  arf_t low;
  arf_t high;
  arf_init(low);
  arf_init(high);
  const slong boundBits =
      std::max<slong>(2 * pass.Prec(), static_cast<slong>(arf_bits(arb_midref(ball)))) + 64;
  arb_get_lbound_arf(low, ball, boundBits);
  arb_get_ubound_arf(high, ball, boundBits);
  bool settled = SameRounding(low, high, wantDigits, result);
  if (!settled && pass.AtCap()) {
    // Taken on trust: also a midpoint beyond the range is no certain failure.
    pass.TakeAtCap();
    settled = SameRounding(arb_midref(ball), arb_midref(ball), wantDigits, result);
    result.certified = false;
  }
  arf_clear(high);
  arf_clear(low);
  if (settled) result.value = Checked(result.value);
  return settled;
}

}  // namespace

RoundedDigits RoundTo15Digits(const fmpz_t num, const fmpz_t den) {
  RoundedDigits digits;
  if (fmpz_is_zero(num)) return digits;
  digits.negative = fmpz_sgn(num) < 0;
  // 2^(bits - 1) <= |value| < 2^(bits + 1): the decimal exponent is near bits * log10(2).
  slong bits = static_cast<slong>(fmpz_bits(num)) - static_cast<slong>(fmpz_bits(den));
  slong exponent = static_cast<slong>(std::floor((bits - 1) * 0.30102999566398120));
  fmpz_t quotient;
  fmpz_t low;
  fmpz_t high;
  fmpz_init(quotient);
  fmpz_init(low);
  fmpz_init(high);
  fmpz_set_ui(low, 10);
  fmpz_pow_ui(low, low, kDigits - 1);    // 10^14
  fmpz_mul_ui(high, low, 10);            // 10^15
  bool halfUp = false;
  for (;;) {
    Scaled(num, den, kDigits - 1 - exponent, quotient, halfUp);
    if (fmpz_cmp(quotient, high) >= 0) {
      ++exponent;
    } else if (fmpz_cmp(quotient, low) < 0) {
      --exponent;
    } else {
      break;
    }
  }
  if (halfUp) fmpz_add_ui(quotient, quotient, 1);
  if (fmpz_equal(quotient, high)) {
    fmpz_set(quotient, low);
    ++exponent;
  }
  char* text = fmpz_get_str(nullptr, 10, quotient);
  digits.digits = text;
  flint_free(text);
  while (!digits.digits.empty() && digits.digits.back() == '0') digits.digits.pop_back();
  digits.exponent = static_cast<int>(exponent);
  fmpz_clear(high);
  fmpz_clear(low);
  fmpz_clear(quotient);
  return digits;
}

bool Settle(Real& value, Pass& pass, bool wantDigits, ExactResult& result) {
  result.shown = RoundedDigits{};
  result.certified = true;
  if (!value.IsRational()) return SettleBall(value.B(), pass, wantDigits, result);
  result.value = Checked(RationalToDouble(value.Q()));
  if (wantDigits && result.value != 0) {
    result.shown = RoundTo15Digits(fmpq_numref(value.Q()), fmpq_denref(value.Q()));
  }
  return true;
}

}  // namespace vantorel::exact
