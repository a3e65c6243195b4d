#pragma once
// One step of a compiled formula: a postfix program for a stack of long doubles.

#include <cstdint>

#include "engine/function_id.h"

namespace vantorel {

enum class OpCode : std::uint8_t {
  Constant,  // push `value`
  X,         // push the value of x
  Negate,    // replace the top by its negative
  Call1,     // replace the top by `function` of it
  Call2,     // replace the two topmost by `function` of them, in their order
  // Replace the two topmost by their sum, difference, product or quotient.
  Add, Subtract, Multiply, Divide,
  // The same with `value` as the right operand instead of a second value on the stack.
  AddConstant, SubtractConstant, MultiplyConstant, DivideConstant,
  // The same with x as the right operand.
  AddX, SubtractX, MultiplyX, DivideX,
};

// The forms with a constant or x as the right operand, in the order of the four
// operations.
inline OpCode WithConstant(OpCode op) {
  return static_cast<OpCode>(static_cast<int>(op) - static_cast<int>(OpCode::Add) +
                             static_cast<int>(OpCode::AddConstant));
}
inline OpCode WithX(OpCode op) {
  return static_cast<OpCode>(static_cast<int>(op) - static_cast<int>(OpCode::Add) +
                             static_cast<int>(OpCode::AddX));
}

struct Instruction {
  long double value = 0;
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
