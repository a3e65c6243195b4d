#include "engine/exact/functions.h"

#include "engine/catalogue.h"
#include "engine/exact/angles.h"
#include "engine/exact/power.h"
#include "engine/messages.h"

namespace vantorel::exact {
namespace {

using BallFunction = void (*)(arb_ptr, arb_srcptr, slong);

[[noreturn]] void OutsideDomain(FunctionId id) {
  FailCalculation(ErrorCode::OutsideDomain,
                  Catalogue::Instance().Functions()[static_cast<int>(id)].name);
}

// Whether the whole ball lies on the side of `bound` that `compare` (arb_gt, arb_lt) asks.
bool WhollyOnSide(const arb_struct* ball, slong bound,
                  int (*compare)(const arb_struct*, const arb_struct*)) {
  arb_t edge;
  arb_init(edge);
  arb_set_si(edge, bound);
  const bool onSide = compare(ball, edge);
  arb_clear(edge);
  return onSide;
}

bool IsAbove(const arb_struct* ball, slong bound) { return WhollyOnSide(ball, bound, arb_gt); }
bool IsBelow(const arb_struct* ball, slong bound) { return WhollyOnSide(ball, bound, arb_lt); }

void Apply(BallFunction f, Real& a, Pass& pass) {
  arb_struct* ball = a.Ball(pass.Prec());
  f(ball, ball, pass.Prec());
  a.MarkBall();
}

void OneMinus(Real& a, Pass& pass) {
  Negate(a);
  Real one;
  one.SetSi(1);
  Arithmetic(ExactOp::Add, a, one, pass);
}

void Reciprocal(Real& a, Pass& pass) {
  Real one;
  one.SetSi(1);
  Arithmetic(ExactOp::Divide, one, a, pass);
  a.Swap(one);
}

// 1 / a where a function of it follows whose value lies in range (ArcTan, ArcSinH):
// the reciprocal of a tiny a may lie beyond the long double range, so it is not checked.
// The caller has made sure that a is not zero.
void ReciprocalUnchecked(Real& a, Pass& pass) {
  if (a.IsRational()) {
    fmpq_inv(a.Q(), a.Q());
    a.MarkRational(pass.Prec());
    return;
  }
  arb_inv(a.B(), a.B(), pass.Prec());
  a.MarkBall();
}

// The square root of a rational square stays rational: Sqrt(2.25) is 1.5 exactly.
void SquareRoot(Real& a, Pass& pass) {
  if (pass.Sign(a) < 0) FailCalculation(ErrorCode::SquareRootOfNegative);
  if (a.IsRational() && fmpz_is_square(fmpq_numref(a.Q())) &&
      fmpz_is_square(fmpq_denref(a.Q()))) {
    fmpz_sqrt(fmpq_numref(a.Q()), fmpq_numref(a.Q()));
    fmpz_sqrt(fmpq_denref(a.Q()), fmpq_denref(a.Q()));
    return;
  }
  Apply(arb_sqrt, a, pass);
}

void CheckLogArgument(Real& a, Pass& pass) {
  int sign = pass.Sign(a);
  if (sign < 0) FailCalculation(ErrorCode::LogarithmOfNegative);
  if (sign == 0) FailCalculation(ErrorCode::LogarithmOfZero);
}

// The natural logarithm divided by that of `base` (0 for e).
void Logarithm(Real& a, ulong base, Pass& pass) {
  CheckLogArgument(a, pass);
  if (a.IsRational() && fmpq_is_one(a.Q())) {
    a.SetSi(0);
    return;
  }
  slong prec = pass.Prec();
  arb_struct* ball = a.Ball(prec);
  arb_log(ball, ball, prec);
  if (base != 0) {
    arb_t divisor;
    arb_init(divisor);
    arb_log_ui(divisor, base, prec);
    arb_div(ball, ball, divisor, prec);
    arb_clear(divisor);
  }
  a.MarkBall();
}

// LogBaseN(Base; x): the argument is checked first, then the base.
void LogBaseN(Real& base, Real& a, Pass& pass) {
  CheckLogArgument(a, pass);
  CheckLogArgument(base, pass);
  if (pass.Compare(base, 1) == 0) FailCalculation(ErrorCode::DivisionByZero);
  Logarithm(a, 0, pass);
  Logarithm(base, 0, pass);
  Arithmetic(ExactOp::Divide, a, base, pass);
  base.Swap(a);
}

void Exponential(Real& a, Pass& pass) {
  if (a.IsRational() && fmpq_is_zero(a.Q())) {
    a.SetSi(1);
    return;
  }
  // e^11357 is beyond the long double range; Arb would work it out all the same.
  constexpr slong kLargest = 11357;
  if (a.IsRational() ? fmpq_cmp_si(a.Q(), kLargest) > 0 : IsAbove(a.B(), kLargest)) {
    FailCalculation(ErrorCode::OutOfRange);
  }
  // Below e^-(2^40) only a bound is kept: Arb would need memory for the exponent's bits.
  // The whole ball must lie there, not only its midpoint: a wide ball may hold 0 too, as
  // Sqrt2*1E60-2/Sqrt2*1E60 does at the first precision.
  arb_struct* ball = a.Ball(pass.Prec());
  if (arf_sgn(arb_midref(ball)) < 0 &&
      arf_cmpabs_2exp_si(arb_midref(ball), 40) > 0) {
    if (!IsBelow(ball, -(slong{1} << 40))) pass.TakeAtCap();
    arb_zero(ball);
    mag_set_ui_2exp_si(arb_radref(ball), 1, -(slong{1} << 40));
    a.MarkBall();
    return;
  }
  Apply(arb_exp, a, pass);
}

// The square of `a` minus 1, or 1 minus it.
void SquareLessOne(Real& a, bool oneMinus, Pass& pass) {
  Real copy;
  copy.Set(a);
  Arithmetic(ExactOp::Multiply, a, copy, pass);
  Real one;
  one.SetSi(1);
  Arithmetic(ExactOp::Subtract, a, one, pass);
  if (oneMinus) Negate(a);
}

// Whether |a| is beyond 2^4000, where its square would leave the long double range.
bool IsHuge(Real& a) {
  constexpr slong kHugeBits = 4000;
  if (a.IsRational()) {
    return static_cast<slong>(fmpz_bits(fmpq_numref(a.Q()))) -
               static_cast<slong>(fmpz_bits(fmpq_denref(a.Q()))) > kHugeBits;
  }
  return arf_cmpabs_2exp_si(arb_midref(a.B()), kHugeBits) > 0;
}

// sqrt((x - 1)(x + 1)) for ArcSec and ArcCsc; for a huge x as sqrt(|x| - 1) times
// sqrt(|x| + 1), since the product itself would be out of range.
void RootOfSquareLessOne(FunctionId id, Real& a, Pass& pass) {
  if (!IsHuge(a)) {
    SquareLessOne(a, false, pass);
    if (pass.Sign(a) < 0) OutsideDomain(id);
    SquareRoot(a, pass);
    return;
  }
  if (pass.Sign(a) < 0) Negate(a);
  Real plus;
  plus.Set(a);
  Real one;
  one.SetSi(1);
  Arithmetic(ExactOp::Subtract, a, one, pass);
  one.SetSi(1);
  Arithmetic(ExactOp::Add, plus, one, pass);
  SquareRoot(a, pass);
  SquareRoot(plus, pass);
  Arithmetic(ExactOp::Multiply, a, plus, pass);
}

void Trigonometric(FunctionId id, Real& a, Pass& pass) {
  if (id == FunctionId::Tan || id == FunctionId::Cot) {
    Tangent(a, id == FunctionId::Cot, pass);
    return;
  }
  Real sine;
  Real cosine;
  SinCos(a, sine, cosine, pass);
  switch (id) {
    case FunctionId::Sin: a.Swap(sine); break;
    case FunctionId::Cos: a.Swap(cosine); break;
    case FunctionId::Sec: Reciprocal(cosine, pass); a.Swap(cosine); break;
    case FunctionId::Csc: Reciprocal(sine, pass); a.Swap(sine); break;
    case FunctionId::Coversine: OneMinus(sine, pass); a.Swap(sine); break;
    case FunctionId::Versine: OneMinus(cosine, pass); a.Swap(cosine); break;
    case FunctionId::Haversine: {
      OneMinus(cosine, pass);
      Real two;
      two.SetSi(2);
      Arithmetic(ExactOp::Divide, cosine, two, pass);
      a.Swap(cosine);
      break;
    }
    default: {  // Exsecans
      Reciprocal(cosine, pass);
      OneMinus(cosine, pass);
      Negate(cosine);
      a.Swap(cosine);
    }
  }
}

void ArcTangent(Real& a, Pass& pass) {
  if (!ExactInverse(2, a, pass)) {
    Apply(arb_atan, a, pass);
    ToAngleUnit(a, pass);
  }
}

void InverseTrig(FunctionId id, Real& a, Pass& pass) {
  switch (id) {
    case FunctionId::ArcSin:
    case FunctionId::ArcCos: {
      if (pass.CompareMagnitude(a, 1) > 0) OutsideDomain(id);
      int kind = id == FunctionId::ArcSin ? 0 : 1;
      if (ExactInverse(kind, a, pass)) return;
      Apply(kind == 0 ? arb_asin : arb_acos, a, pass);
      ToAngleUnit(a, pass);
      return;
    }
    case FunctionId::ArcTan: ArcTangent(a, pass); return;
    case FunctionId::ArcCot:
      if (pass.Sign(a) == 0) FailCalculation(ErrorCode::DivisionByZero);
      ReciprocalUnchecked(a, pass);
      ArcTangent(a, pass);
      return;
    default: break;
  }
  // ArcSec and ArcCsc: ArcTan of sqrt((x - 1)(x + 1)) or of its inverse.
  RootOfSquareLessOne(id, a, pass);
  if (id == FunctionId::ArcCsc) {
    if (pass.Sign(a) == 0) FailCalculation(ErrorCode::DivisionByZero);
    ReciprocalUnchecked(a, pass);
  }
  ArcTangent(a, pass);
}

// ArcTan2(y; x) with ArcTan2(0; 0) = 0 and no zero's sign turning a result into -pi.
void ArcTan2(Real& y, Real& x, Pass& pass) {
  bool yMayBeZero = y.IsRational() ? fmpq_is_zero(y.Q()) : arb_contains_zero(y.B());
  if (yMayBeZero && pass.Sign(x) <= 0 && pass.Sign(y) == 0) {
    bool negative = x.IsRational() ? fmpq_sgn(x.Q()) < 0 : arb_is_negative(x.B());
    HalfTurns(y, negative ? 1 : 0, 1, pass);
    return;
  }
  if (x.IsRational() && fmpq_is_zero(x.Q())) {
    HalfTurns(y, pass.Sign(y), 2, pass);
    return;
  }
  slong prec = pass.Prec();
  arb_struct* result = y.Ball(prec);
  arb_atan2(result, result, x.Ball(prec), prec);
  y.MarkBall();
  ToAngleUnit(y, pass);
}

// Whether every point of the ball lies beyond 2^`bits` in magnitude.
bool IsBeyond(const arb_struct* ball, slong bits) {
  arf_t bound;
  arf_init(bound);
  arb_get_abs_lbound_arf(bound, ball, 64);
  bool beyond = arf_cmpabs_2exp_si(bound, bits) > 0;
  arf_clear(bound);
  return beyond;
}

// Beyond 2^17 in magnitude of the argument e^-|x| is below 2^-140000: the hyperbolic
// functions are held as bounds rather than worked out (Arb would need memory for it).
constexpr slong kBelowHuge = -140000;

// The value of a hyperbolic function for |a| beyond 2^17: tanh and coth are
// within the bound of +-1, sech and csch within it of 0, sinh and cosh out of range.
bool HugeArgument(FunctionId id, Real& a, Pass& pass) {
  bool huge = a.IsRational() ? fmpz_cmpabs(fmpq_numref(a.Q()), fmpq_denref(a.Q())) > 0 &&
                                   arf_cmpabs_2exp_si(arb_midref(a.Ball(pass.Prec())), 17) > 0
                             : arf_cmpabs_2exp_si(arb_midref(a.B()), 17) > 0;
  if (!huge) return false;
  // The whole ball must be huge, not only its midpoint: a wide one may hold 1 too.
  if (!a.IsRational() && !IsBeyond(a.B(), 17)) pass.TakeAtCap();
  if (id == FunctionId::SinH || id == FunctionId::CosH) FailCalculation(ErrorCode::OutOfRange);
  int sign = pass.Sign(a);
  arb_struct* ball = a.B();
  if (id == FunctionId::TanH || id == FunctionId::CotH) {
    arb_set_si(ball, sign);
  } else {
    arb_zero(ball);
  }
  mag_set_ui_2exp_si(arb_radref(ball), 1, kBelowHuge);
  a.MarkBall();
  return true;
}

void Hyperbolic(FunctionId id, Real& a, Pass& pass) {
  if (id != FunctionId::CotH && id != FunctionId::CscH && HugeArgument(id, a, pass)) return;
  switch (id) {
    case FunctionId::SinH: Apply(arb_sinh, a, pass); return;
    case FunctionId::CosH: Apply(arb_cosh, a, pass); return;
    case FunctionId::TanH: Apply(arb_tanh, a, pass); return;
    case FunctionId::SecH: Apply(arb_sech, a, pass); return;
    case FunctionId::CotH:
    case FunctionId::CscH:
      if (pass.Sign(a) == 0) FailCalculation(ErrorCode::DivisionByZero);
      if (HugeArgument(id, a, pass)) return;
      Apply(id == FunctionId::CotH ? arb_coth : arb_csch, a, pass);
      return;
    default: break;
  }
}

// ArcTanH(s) with s = sqrt((1 - x)(1 + x)) is ln((1 + s) / |x|), worked out as
// ln(1 + s) - ln(|x|): for a tiny x, s lies too close to 1 for ArcTanH at any precision.
void ArcSecH(Real& a, Pass& pass) {
  Real root;
  root.Set(a);
  SquareLessOne(root, true, pass);
  SquareRoot(root, pass);
  Real one;
  one.SetSi(1);
  Arithmetic(ExactOp::Add, root, one, pass);
  Logarithm(root, 0, pass);
  if (pass.Sign(a) < 0) Negate(a);
  Logarithm(a, 0, pass);
  Arithmetic(ExactOp::Subtract, root, a, pass);
  a.Swap(root);
}

void InverseHyperbolic(FunctionId id, Real& a, Pass& pass) {
  switch (id) {
    case FunctionId::ArcSinH: Apply(arb_asinh, a, pass); return;
    case FunctionId::ArcCosH: {  // acosh(abs(x)) with the sign of x
      if (pass.CompareMagnitude(a, 1) < 0) OutsideDomain(id);
      bool negative = pass.Sign(a) < 0;
      if (negative) Negate(a);
      Apply(arb_acosh, a, pass);
      if (negative) Negate(a);
      return;
    }
    case FunctionId::ArcTanH: {
      int c = pass.CompareMagnitude(a, 1);
      if (c > 0) OutsideDomain(id);
      if (c == 0) FailCalculation(ErrorCode::DivisionByZero);
      Apply(arb_atanh, a, pass);
      return;
    }
    case FunctionId::ArcCotH: {
      if (pass.Sign(a) == 0) FailCalculation(ErrorCode::DivisionByZero);
      int c = pass.CompareMagnitude(a, 1);
      if (c == 0) FailCalculation(ErrorCode::DivisionByZero);
      if (c < 0) OutsideDomain(id);
      Reciprocal(a, pass);
      Apply(arb_atanh, a, pass);
      return;
    }
    case FunctionId::ArcSecH:
      if (pass.CompareMagnitude(a, 1) > 0) OutsideDomain(id);
      if (pass.Sign(a) == 0) FailCalculation(ErrorCode::DivisionByZero);
      ArcSecH(a, pass);
      return;
    default:  // ArcCscH
      if (pass.Sign(a) == 0) FailCalculation(ErrorCode::DivisionByZero);
      if (pass.Sign(a) < 0) OutsideDomain(id);
      ReciprocalUnchecked(a, pass);
      Apply(arb_asinh, a, pass);
  }
}

void Pythag(Real& a, Real& b, Pass& pass) {
  if (a.IsRational() && b.IsRational()) {
    Real copy;
    copy.Set(a);
    Arithmetic(ExactOp::Multiply, a, copy, pass);
    copy.Set(b);
    Arithmetic(ExactOp::Multiply, copy, b, pass);
    Arithmetic(ExactOp::Add, a, copy, pass);
    SquareRoot(a, pass);
    return;
  }
  slong prec = pass.Prec();
  arb_struct* result = a.Ball(prec);
  arb_hypot(result, result, b.Ball(prec), prec);
  a.MarkBall();
}

}  // namespace

void CallFunction(FunctionId id, Real& a, Real& b, Pass& pass) {
  switch (id) {
    case FunctionId::Abs:
      if (a.IsRational()) {
        fmpq_abs(a.Q(), a.Q());
      } else {
        arb_abs(a.B(), a.B());
      }
      break;
    case FunctionId::Square: {
      Real copy;
      copy.Set(a);
      Arithmetic(ExactOp::Multiply, a, copy, pass);
      break;
    }
    case FunctionId::Sqrt: SquareRoot(a, pass); break;
    case FunctionId::Power: Power(a, b, pass); break;
    case FunctionId::Exp: Exponential(a, pass); break;
    case FunctionId::Ln: Logarithm(a, 0, pass); break;
    case FunctionId::LogBase10: Logarithm(a, 10, pass); break;
    case FunctionId::LogBase2: Logarithm(a, 2, pass); break;
    case FunctionId::LogBaseN: LogBaseN(a, b, pass); break;
    case FunctionId::ArcSin:
    case FunctionId::ArcCos:
    case FunctionId::ArcTan:
    case FunctionId::ArcCot:
    case FunctionId::ArcSec:
    case FunctionId::ArcCsc: InverseTrig(id, a, pass); break;
    case FunctionId::ArcTan2: ArcTan2(a, b, pass); break;
    case FunctionId::Pythag: Pythag(a, b, pass); break;
    default:
      if (id <= FunctionId::Versine) {
        Trigonometric(id, a, pass);
      } else if (id <= FunctionId::CscH) {
        Hyperbolic(id, a, pass);
      } else {
        InverseHyperbolic(id, a, pass);
      }
  }
  pass.CheckRange(a);
}

}  // namespace vantorel::exact
