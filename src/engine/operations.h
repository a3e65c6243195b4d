#pragma once
// The four operations of arithmetic as a compiled formula applies them.

#include <cmath>

#include "engine/instruction.h"
#include "engine/messages.h"

namespace vantorel {

// A value beyond the long double range is a failure; no infinity goes further.
// (value - value is 0 for every finite value; the test needs no 80-bit constant from
// memory, which the x87 unit loads slowly.)
inline long double InRange(long double value) {
  if (!(value - value == 0)) [[unlikely]] FailCalculation(ErrorCode::OutOfRange);
  return value;
}

inline long double Quotient(long double a, long double b) {
  if (b == 0) [[unlikely]] FailCalculation(ErrorCode::DivisionByZero);
  return InRange(a / b);
}

// `op` is one of Add, Subtract, Multiply and Divide.
inline long double ApplyOperator(OpCode op, long double a, long double b) {
  switch (op) {
    case OpCode::Add: return InRange(a + b);
    case OpCode::Subtract: return InRange(a - b);
    case OpCode::Multiply: return InRange(a * b);
    default: return Quotient(a, b);
  }
}

}  // namespace vantorel
