#pragma once
// One step of a compiled formula: a postfix program for a stack of long doubles.

#include <cstdint>

#include "engine/expression_engine.h"
#include "engine/function_id.h"

namespace vantorel {

enum class OpCode : std::uint8_t {
  Constant,  // push `value`
  X,         // push the value of x
  Negate,    // replace the top by its negative
  Call1,     // replace the top by `function` of it
  Call2,     // replace the two topmost by `function` of them, in their order
  CallX,     // push `function` of x
  // Replace the two topmost by their sum, difference, product or quotient.
  Add, Subtract, Multiply, Divide,
  // The same with `value` as the right operand instead of a second value on the stack.
  AddConstant, SubtractConstant, MultiplyConstant, DivideConstant,
  // The same with x as the right operand.
  AddX, SubtractX, MultiplyX, DivideX,
  // Push x plus, minus, times or divided by `value`.
  XAddConstant, XSubtractConstant, XMultiplyConstant, XDivideConstant,
  // Replace the top by `value` minus or divided by it.
  ConstantSubtract, ConstantDivide,
  // Replace the top by x minus or divided by it.
  XSubtract, XDivide,
  // Push `value` minus or divided by x.
  ConstantSubtractX, ConstantDivideX,
};

// The forms of the four operations (in their order) with a constant or x as the right
// operand, and with x as the left operand and a constant as the right one.
inline OpCode Shifted(OpCode op, OpCode first) {
  return static_cast<OpCode>(static_cast<int>(op) - static_cast<int>(OpCode::Add) +
                             static_cast<int>(first));
}
inline OpCode WithConstant(OpCode op) { return Shifted(op, OpCode::AddConstant); }
inline OpCode WithX(OpCode op) { return Shifted(op, OpCode::AddX); }
inline OpCode XWithConstant(OpCode op) { return Shifted(op, OpCode::XAddConstant); }

// A one-argument function of the catalogue, angles in a unit chosen with it. Its value
// may be an infinity or a NaN, which the caller turns into the failure (CheckedValue).
using Function1 = long double (*)(long double);

struct Instruction {
  long double value = 0;
  Function1 call = nullptr;  // for Call1 and CallX: the function to call
  OpCode op = OpCode::Constant;
  FunctionId function = FunctionId::Abs;
};

inline Instruction Step(OpCode op, FunctionId function = FunctionId::Abs, long double value = 0) {
  Instruction step;
  step.value = value;
  step.op = op;
  step.function = function;
  return step;
}

}  // namespace vantorel
