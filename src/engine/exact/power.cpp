#include "engine/exact/power.h"

#include "engine/messages.h"

namespace vantorel::exact {
namespace {

// Beyond 2^16385 a value leaves the long double range; below 2^-(2^24) it is kept only
// as a bound, which no calculation needs in full.
constexpr slong kOverflowBits = 16385;
constexpr slong kTinyBits = slong{1} << 24;

// Whether the exponent is a whole number, written to `whole`. A ball is asked only for a
// negative base: one that holds a whole number leaves it undecided, and at the cap it
// is taken to be that number.
bool WholeExponent(Real& exponent, fmpz_t whole, bool negativeBase, Pass& pass) {
  if (exponent.IsRational() || !negativeBase) {
    if (!exponent.IsRational()) return false;
    if (!fmpz_is_one(fmpq_denref(exponent.Q()))) return false;
    fmpz_set(whole, fmpq_numref(exponent.Q()));
    return true;
  }
  arf_get_fmpz(whole, arb_midref(exponent.B()), ARF_RND_NEAR);
  if (!arb_contains_fmpz(exponent.B(), whole)) return false;
  // A whole number held exactly, as 5E4001 is once too long for a fraction: its parity
  // gives the sign.
  if (arb_is_exact(exponent.B())) return true;
  if (fmpz_bits(whole) > 62) {  // beyond Compare: undecided, or at the cap taken
    pass.TakeAtCap();
    return true;
  }
  pass.Compare(exponent, fmpz_get_si(whole));  // holds it: undecided, or at the cap taken
  return true;
}

// log2 of the result's magnitude at the pass's precision (a base as near 1 as
// Neutron-1 needs more than a rough one): whether it overflows (1), vanishes below every
// calculation's need (-1) or is to be worked out (0). A size too uncertain to tell is
// undecided: worked out, a huge whole exponent would cost a squaring per bit for nothing.
int Magnitude(Real& base, Real& exponent, Pass& pass) {
  const slong kRough = pass.Prec();
  arb_t size;
  arb_t e;
  arb_init(size);
  arb_init(e);
  if (base.IsRational()) {
    arb_set_fmpq(size, base.Q(), kRough);
  } else {
    arb_set_round(size, base.B(), kRough);
  }
  arb_abs(size, size);
  arb_log_base_ui(size, size, 2, kRough);
  if (exponent.IsRational()) {
    arb_set_fmpq(e, exponent.Q(), kRough);
  } else {
    arb_set_round(e, exponent.B(), kRough);
  }
  arb_mul(size, size, e, kRough);
  arb_t bound;
  arb_init(bound);
  arb_set_si(bound, kOverflowBits);
  int result = arb_gt(size, bound) ? 1 : 0;
  arb_set_si(bound, -kTinyBits);
  if (arb_lt(size, bound)) result = -1;
  bool uncertain = result == 0 && mag_cmp_2exp_si(arb_radref(size), 10) > 0;
  if (uncertain) {  // at the cap the midpoint tells
    result = arf_cmp_si(arb_midref(size), kOverflowBits) > 0    ? 1
             : arf_cmp_si(arb_midref(size), -kTinyBits) < 0 ? -1
                                                             : 0;
  }
  arb_clear(bound);
  arb_clear(e);
  arb_clear(size);
  if (uncertain) pass.TakeAtCap();
  return result;
}

void SetTiny(Real& value) {
  arb_zero(value.B());
  mag_set_ui_2exp_si(arb_radref(value.B()), 1, -kTinyBits);
  value.MarkBall();
}

void RationalPower(Real& base, const fmpz_t whole, Pass& pass) {
  slong bits = fmpz_bits(fmpq_numref(base.Q())) + fmpz_bits(fmpq_denref(base.Q()));
  if (fmpz_bits(whole) < 40 && fmpz_get_si(whole) * bits < kRationalBits &&
      -fmpz_get_si(whole) * bits < kRationalBits) {
    fmpq_pow_si(base.Q(), base.Q(), fmpz_get_si(whole));
    base.MarkRational(pass.Prec());
    return;
  }
  arb_struct* ball = base.Ball(pass.Prec());
  arb_pow_fmpz(ball, ball, whole, pass.Prec());
  base.MarkBall();
}

}  // namespace

void Power(Real& base, Real& exponent, Pass& pass) {
  int baseSign = pass.Sign(base);
  // Before `whole` is made: an undecided magnitude leaves by an exception.
  int magnitude = baseSign == 0 ? 0 : Magnitude(base, exponent, pass);
  fmpz_t whole;
  fmpz_init(whole);
  bool isWhole = WholeExponent(exponent, whole, baseSign < 0, pass);
  if (baseSign < 0 && !isWhole) {
    fmpz_clear(whole);
    FailCalculation(ErrorCode::NegativeBaseFractionalExponent);
  }
  if (baseSign == 0) {
    int exponentSign = isWhole ? fmpz_sgn(whole) : pass.Sign(exponent);
    fmpz_clear(whole);
    if (exponentSign < 0) FailCalculation(ErrorCode::DivisionByZero);
    base.SetSi(exponentSign == 0 ? 1 : 0);
    return;
  }
  if (magnitude > 0) {
    fmpz_clear(whole);
    FailCalculation(ErrorCode::OutOfRange);
  }
  if (magnitude < 0) {
    SetTiny(base);
  } else if (isWhole && base.IsRational()) {
    RationalPower(base, whole, pass);
  } else if (isWhole) {
    arb_pow_fmpz(base.B(), base.B(), whole, pass.Prec());
    base.MarkBall();
  } else {
    slong prec = pass.Prec();
    arb_struct* ball = base.Ball(prec);
    arb_pow(ball, ball, exponent.Ball(prec), prec);
    base.MarkBall();
  }
  fmpz_clear(whole);
}

}  // namespace vantorel::exact
