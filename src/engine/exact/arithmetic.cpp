#include "engine/exact/functions.h"
#include "engine/messages.h"

namespace vantorel::exact {

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
    slong prec = pass.Prec();
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
