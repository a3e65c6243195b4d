#include "engine/compiled_formula.h"

#include <cmath>

#include "engine/formula_compiler.h"
#include "engine/functions.h"
#include "engine/operations.h"

namespace vantorel {

CompiledFormula::CompiledFormula(std::vector<Instruction> code, std::size_t depth, bool usesX,
                                 AngleMode mode, std::size_t formulaEnd)
    : code_(std::move(code)), depth_(depth), usesX_(usesX), mode_(mode),
      formulaEnd_(formulaEnd) {}

CompiledFormula CompiledFormula::Compile(std::string_view text, char decimalSeparator,
                                         AngleMode mode) {
  return FormulaCompiler(text, decimalSeparator, mode).Compile();
}

double CompiledFormula::Calculate(long double x) const {
  return NarrowResult(CalculateExtended(x));
}

// The cheapest functions are worked out here, where a calculation spares the call.
inline long double CompiledFormula::Call(const Instruction& step, long double a) const {
  if (step.call) return CheckedValue(step.call(a));
  switch (step.function) {
    case FunctionId::Abs: return std::fabs(a);
    case FunctionId::Square: return InRange(a * a);
    default: return SquareRoot(a);
  }
}

long double CompiledFormula::CalculateExtended(long double x) const {
  if (usesX_ && !(x - x == 0)) {  // an infinity or a NaN
    FailCalculation(std::isnan(x) ? ErrorCode::NoRealValue : ErrorCode::OutOfRange);
  }
  // The top of the stack stays in a register: x87 values stored to memory and read back
  // at once stall the processor. Below it, most formulas fit the small stack.
  constexpr std::size_t kSmallStack = 64;
  long double small[kSmallStack];
  std::vector<long double> large;
  long double* below = small;
  if (depth_ > kSmallStack) {
    large.resize(depth_);
    below = large.data();
  }
  long double top = 0;
  std::size_t n = 0;  // values below the top
  for (const Instruction& step : code_) {
    switch (step.op) {
      case OpCode::Constant:
        below[n++] = top;
        top = step.value;
        break;
      case OpCode::X:
        below[n++] = top;
        top = x;
        break;
      case OpCode::Negate: top = -top; break;
      case OpCode::Call1: top = Call(step, top); break;
      case OpCode::Call2: top = CalculateFunction(step.function, below[--n], top, mode_); break;
      case OpCode::CallX:
        below[n++] = top;
        top = Call(step, x);
        break;
      case OpCode::Add: top = InRange(below[--n] + top); break;
      case OpCode::Subtract: top = InRange(below[--n] - top); break;
      case OpCode::Multiply: top = InRange(below[--n] * top); break;
      case OpCode::Divide: top = Quotient(below[--n], top); break;
      case OpCode::AddConstant: top = InRange(top + step.value); break;
      case OpCode::SubtractConstant: top = InRange(top - step.value); break;
      case OpCode::MultiplyConstant: top = InRange(top * step.value); break;
      case OpCode::DivideConstant: top = Quotient(top, step.value); break;
      case OpCode::AddX: top = InRange(top + x); break;
      case OpCode::SubtractX: top = InRange(top - x); break;
      case OpCode::MultiplyX: top = InRange(top * x); break;
      case OpCode::DivideX: top = Quotient(top, x); break;
      case OpCode::XAddConstant:
        below[n++] = top;
        top = InRange(x + step.value);
        break;
      case OpCode::XSubtractConstant:
        below[n++] = top;
        top = InRange(x - step.value);
        break;
      case OpCode::XMultiplyConstant:
        below[n++] = top;
        top = InRange(x * step.value);
        break;
      case OpCode::XDivideConstant:
        below[n++] = top;
        top = Quotient(x, step.value);
        break;
      case OpCode::ConstantSubtract: top = InRange(step.value - top); break;
      case OpCode::ConstantDivide: top = Quotient(step.value, top); break;
      case OpCode::XSubtract: top = InRange(x - top); break;
      case OpCode::XDivide: top = Quotient(x, top); break;
      case OpCode::ConstantSubtractX:
        below[n++] = top;
        top = InRange(step.value - x);
        break;
      case OpCode::ConstantDivideX:
        below[n++] = top;
        top = Quotient(step.value, x);
        break;
    }
  }
  return top;
}

double NarrowResult(long double value) {
  double narrowed = static_cast<double>(value);
  if (std::isinf(narrowed)) FailCalculation(ErrorCode::OutOfRange);
  return narrowed == 0 ? 0.0 : narrowed;
}

}  // namespace vantorel
