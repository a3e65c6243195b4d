#include "engine/exact/functions.h"
#include "engine/messages.h"

namespace vantorel::exact {
namespace {

// Bits above the binary point of the value's magnitude; 0 for values below 1.
slong IntegerBits(Real& value, slong prec) {
  const arb_struct* ball = value.Ball(prec);
  if (!arf_is_finite(arb_midref(ball)) || arf_is_zero(arb_midref(ball))) return 0;
  return std::clamp<slong>(arf_abs_bound_lt_2exp_si(arb_midref(ball)), 0, kLargestExponent);
}

}  // namespace

void Negate(Real& a) {
  if (a.IsRational()) {
    fmpq_neg(a.Q(), a.Q());
  } else {
    arb_neg(a.B(), a.B());
  }
}

void Arithmetic(ExactOp op, Real& a, Real& b, Pass& pass) {
  if (op == ExactOp::Divide && pass.Sign(b) == 0) FailCalculation(ErrorCode::DivisionByZero);
  if (a.IsRational() && b.IsRational()) {
    switch (op) {
      case ExactOp::Add: fmpq_add(a.Q(), a.Q(), b.Q()); break;
      case ExactOp::Subtract: fmpq_sub(a.Q(), a.Q(), b.Q()); break;
      case ExactOp::Multiply: fmpq_mul(a.Q(), a.Q(), b.Q()); break;
      default: fmpq_div(a.Q(), a.Q(), b.Q()); break;
    }
    a.MarkRational(pass.Prec());
  } else {
    // Large operands keep the pass's precision below their binary point too, so that
    // 1E4000+0.5 still holds its half when an angle is reduced from it.
    slong prec = pass.Prec() + IntegerBits(a, pass.Prec()) + IntegerBits(b, pass.Prec());
    const arb_struct* right = b.Ball(prec);
    arb_struct* left = a.Ball(prec);
    switch (op) {
      case ExactOp::Add: arb_add(left, left, right, prec); break;
      case ExactOp::Subtract: arb_sub(left, left, right, prec); break;
      case ExactOp::Multiply: arb_mul(left, left, right, prec); break;
      default: arb_div(left, left, right, prec); break;
    }
    a.MarkBall();
  }
  pass.CheckRange(a);
}

}  // namespace vantorel::exact
