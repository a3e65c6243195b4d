#include "engine/exact/angles.h"

#include <algorithm>

#include "engine/exact/functions.h"
#include "engine/messages.h"

namespace vantorel::exact {
namespace {

// Half turns in the unit of `mode`: 180 degrees, 200 grads.
slong HalfTurn(AngleMode mode) { return mode == AngleMode::Degrees ? 180 : 200; }

// The angle `a` as a part of a half turn, reduced to [0, 2) when it is rational. A ball
// is divided with as many more bits as its integer part has, so that the reduction
// loses none of the pass's precision.
void InHalfTurns(Real& a, Real& s, Pass& pass) {
  slong half = HalfTurn(pass.Mode());
  if (a.IsRational()) {
    fmpq_set_si(s.Q(), half, 1);
    fmpq_div(s.Q(), a.Q(), s.Q());
    fmpz_t turns;
    fmpz_init(turns);
    fmpz_mul_2exp(turns, fmpq_denref(s.Q()), 1);
    fmpz_fdiv_q(turns, fmpq_numref(s.Q()), turns);     // whole turns
    fmpz_mul_2exp(turns, turns, 1);
    fmpz_submul(fmpq_numref(s.Q()), turns, fmpq_denref(s.Q()));
    fmpz_clear(turns);
    s.MarkRational(pass.Prec());
    return;
  }
  slong extra = std::max<slong>(0, arf_abs_bound_lt_2exp_si(arb_midref(a.B())));
  arb_div_si(s.B(), a.B(), half, pass.Prec() + std::min<slong>(extra, 1 << 20));
  s.MarkBall();
}

// Sines of the multiples of 30 degrees as numerator and denominator; 0 for an
// irrational one.
struct Fraction {
  slong numerator;
  slong denominator;
};
constexpr Fraction kSines[12] = {{0, 1}, {1, 2}, {0, 0}, {1, 1},  {0, 0},  {1, 2},
                                 {0, 1}, {-1, 2}, {0, 0}, {-1, 1}, {0, 0}, {-1, 2}};

// How many times 1/`parts` goes into the rational `s` when that is a small whole number,
// else kNotWhole.
constexpr slong kNotWhole = -1000;
slong WholeParts(const Real& s, slong parts) {
  if (!s.IsRational()) return kNotWhole;
  fmpz_t scaled;
  fmpz_init(scaled);
  fmpz_mul_si(scaled, fmpq_numref(s.Q()), parts);
  slong count = kNotWhole;
  if (fmpz_divisible(scaled, fmpq_denref(s.Q()))) {
    fmpz_divexact(scaled, scaled, fmpq_denref(s.Q()));
    if (fmpz_bits(scaled) < 16) {
      count = fmpz_get_si(scaled);
    }
  }
  fmpz_clear(scaled);
  return count;
}

// Tangents and cotangents of the multiples of 45 degrees.
constexpr slong kPole = 2;  // no value: a pole
constexpr slong kTangents[4] = {0, 1, kPole, -1};
constexpr slong kCotangents[4] = {kPole, 1, 0, -1};

bool TableSine(const Fraction& f, Real& out) {
  if (f.denominator == 0) return false;
  fmpq_set_si(out.Q(), f.numerator, static_cast<ulong>(f.denominator));
  out.MarkRational(0);
  return true;
}

}  // namespace

void SinCos(Real& a, Real& sine, Real& cosine, Pass& pass) {
  slong prec = pass.Prec();
  if (pass.Mode() == AngleMode::Radians) {
    if (a.IsRational() && fmpq_is_zero(a.Q())) {
      sine.SetSi(0);
      cosine.SetSi(1);
      return;
    }
    // Reduced with as many more bits as the angle's integer part has.
    slong whole = arf_abs_bound_lt_2exp_si(arb_midref(a.Ball(prec)));
    slong wide = prec + std::clamp<slong>(whole, 0, kLargestExponent);
    arb_sin_cos(sine.B(), cosine.B(), a.Ball(wide), wide);
    sine.MarkBall();
    cosine.MarkBall();
    return;
  }
  Real s;
  InHalfTurns(a, s, pass);
  slong k = WholeParts(s, 6);  // multiples of 30 degrees
  bool exactSine = k >= 0 && TableSine(kSines[k], sine);
  bool exactCosine = k >= 0 && TableSine(kSines[(k + 3) % 12], cosine);
  if (exactSine && exactCosine) return;
  Real sb;
  Real cb;
  arb_sin_cos_pi(sb.B(), cb.B(), s.Ball(prec), prec);
  if (!exactSine) {
    sine.Swap(sb);
    sine.MarkBall();
  }
  if (!exactCosine) {
    cosine.Swap(cb);
    cosine.MarkBall();
  }
}

void Tangent(Real& a, bool cotangent, Pass& pass) {
  if (pass.Mode() != AngleMode::Radians) {
    Real s;
    InHalfTurns(a, s, pass);
    slong k = WholeParts(s, 4);  // multiples of 45 degrees: 0, 1, a pole or -1
    if (k >= 0) {
      // Tables at namespace scope: GCC 12 with -fsanitize=undefined reads a local
      // constexpr array chosen by ?: as zeros.
      const slong* table = cotangent ? kCotangents : kTangents;
      slong value = table[k % 4];
      if (value == kPole) FailCalculation(ErrorCode::DivisionByZero);
      a.SetSi(value);
      return;
    }
  }
  Real sine;
  Real cosine;
  SinCos(a, sine, cosine, pass);
  if (cotangent) {
    Arithmetic(ExactOp::Divide, cosine, sine, pass);
    a.Swap(cosine);
  } else {
    Arithmetic(ExactOp::Divide, sine, cosine, pass);
    a.Swap(sine);
  }
}

void ToAngleUnit(Real& radians, Pass& pass) {
  if (pass.Mode() == AngleMode::Radians) return;
  if (radians.IsRational() && fmpq_is_zero(radians.Q())) return;
  slong prec = pass.Prec();
  arb_t pi;
  arb_init(pi);
  arb_const_pi(pi, prec);
  arb_struct* value = radians.Ball(prec);
  arb_div(value, value, pi, prec);
  arb_mul_si(value, value, HalfTurn(pass.Mode()), prec);
  arb_clear(pi);
  radians.MarkBall();
}

void HalfTurns(Real& out, slong numerator, ulong denominator, Pass& pass) {
  if (pass.Mode() == AngleMode::Radians && numerator != 0) {
    slong prec = pass.Prec();
    arb_const_pi(out.B(), prec);
    arb_mul_si(out.B(), out.B(), numerator, prec);
    arb_div_ui(out.B(), out.B(), denominator, prec);
    out.MarkBall();
    return;
  }
  slong unit = pass.Mode() == AngleMode::Radians ? 0 : HalfTurn(pass.Mode());
  fmpq_set_si(out.Q(), numerator * unit, denominator);
  out.MarkRational(pass.Prec());
}

bool ExactInverse(int kind, Real& a, Pass& pass) {
  if (!a.IsRational()) return false;
  // ArcSin of 0, 1/2 and 1 as parts of a half turn; ArcTan of 0 and 1.
  slong twice = WholeParts(a, 2);  // 2a when it is whole
  if (twice < -2 || twice > 2) return false;
  slong sign = twice < 0 ? -1 : 1;
  slong magnitude = twice * sign;
  if (kind == 2) {  // ArcTan
    if (magnitude == 1) return false;
    HalfTurns(a, sign * magnitude / 2, 4, pass);
    return true;
  }
  // ArcSin(1/2) = 1/6, ArcSin(1) = 1/2 of a half turn, in sixths.
  slong sixths = sign * (magnitude == 0 ? 0 : magnitude == 1 ? 1 : 3);
  if (kind == 1) sixths = 3 - sixths;  // ArcCos = a quarter turn - ArcSin
  HalfTurns(a, sixths, 6, pass);
  return true;
}

}  // namespace vantorel::exact
