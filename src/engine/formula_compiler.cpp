#include "engine/formula_compiler.h"

#include <algorithm>

#include "engine/decimal.h"
#include "engine/functions.h"
#include "engine/messages.h"
#include "engine/operations.h"

namespace vantorel {
namespace {

std::optional<OpCode> InfixOperator(char c) {
  switch (c) {
    case '+': return OpCode::Add;
    case '-': return OpCode::Subtract;
    case '*': return OpCode::Multiply;
    case '/': return OpCode::Divide;
    default: return std::nullopt;
  }
}

// Division binds tighter than multiplication, multiplication tighter than addition and
// subtraction.
int Precedence(OpCode op) {
  return op == OpCode::Divide ? 3 : op == OpCode::Multiply ? 2 : 1;
}

}  // namespace

FormulaCompiler::FormulaCompiler(std::string_view text, char decimalSeparator, AngleMode mode)
    : scanner_(text, decimalSeparator), separator_(decimalSeparator), mode_(mode) {
  // Room for an ordinary formula from the start: growing step by step costs more than
  // the rest of its compilation. Each block stays within the sizes the allocator keeps
  // ready in per-thread lists (about 1 KB); larger ones take its slower path.
  constexpr std::size_t kUsualSteps = 32;
  constexpr std::size_t kUsualNesting = 16;
  frames_.reserve(kUsualNesting);
  operators_.reserve(kUsualSteps);
  operands_.reserve(kUsualSteps);
  code_.reserve(kUsualSteps);
}

// formula := sum [ comment ]
CompiledFormula FormulaCompiler::Compile() {
  if (separator_ != '.' && separator_ != ',') FailCompile(ErrorCode::BadDecimalSeparator, {});
  scanner_.SkipBlanks();
  if (scanner_.AtEnd()) FailCompile(ErrorCode::EmptyFormula, {});
  frames_.push_back({Context::Top, false, 0, nullptr, 0, 0});
  Next next = Next::Operand;
  while (next != Next::End) {
    if (next == Next::Operand) {
      next = ReadOperand() ? Next::Operator : Next::Operand;
    } else {
      next = ReadAfterOperand();
    }
  }
  Reduce(0);
  FinishSquareRoot();
  return CompiledFormula(std::move(code_), depth_, usesX_, mode_, scanner_.Position() - 1);
}

// operand := [ "+" | "-" ] ( number | name | "(" sum ")" )
// Gives true when the operand is complete, false when it opened a group or a call whose
// first argument comes next.
bool FormulaCompiler::ReadOperand() {
  scanner_.SkipBlanks();
  bool negate = false;
  if (scanner_.Peek() == '+' || scanner_.Peek() == '-') {
    negate = scanner_.Peek() == '-';
    scanner_.Advance();
    scanner_.SkipBlanks();
  }
  char c = scanner_.Peek();
  if (IsDigit(c)) {
    ReadNumber(negate);
    return true;
  }
  if (IsLetter(c)) return ReadName(negate);
  if (c != '(') FailOperandExpected();
  OpenFrame(Context::Group, negate, scanner_.Position(), nullptr);
  scanner_.Advance();
  return false;
}

// operand := [ "+" | "-" ] number
void FormulaCompiler::ReadNumber(bool negate) {
  std::size_t position = scanner_.Position();
  std::string_view digits = scanner_.ReadNumber();
  std::optional<long double> value = DecimalToLongDouble(digits, separator_);
  if (!value) FailCompile(ErrorCode::NumberOutOfRange, At(position, digits));
  if (record_) {
    record_->PushNumber(digits);
    if (negate) record_->Push(ExactOp::Negate);
  }
  EmitConstant(negate ? -*value : *value);
}

// operand := [ "+" | "-" ] ( "x" | constant | function "(" )
// Gives true for a complete operand, false for a call whose arguments come next.
bool FormulaCompiler::ReadName(bool negate) {
  std::size_t position = scanner_.Position();
  std::string_view name = scanner_.ReadName();
  if (name == "x" || name == "X") {
    if (record_) record_->Push(ExactOp::X);
    if (record_ && negate) record_->Push(ExactOp::Negate);
    EmitX();
    if (negate) Emit(Step(OpCode::Negate), 1);
    return true;
  }
  NameLookup found = LookupName(name);
  if (found.constant) {
    if (record_) {
      auto index = found.constant - Catalogue::Instance().Constants().data();
      record_->Push(ExactOp::Constant, FunctionId::Abs, static_cast<std::uint32_t>(index));
      if (negate) record_->Push(ExactOp::Negate);
    }
    EmitConstant(negate ? -found.constant->value : found.constant->value);
    return true;
  }
  if (!found.function) FailCompile(ErrorCode::UnknownName, At(position, name));
  scanner_.SkipBlanks();
  if (scanner_.Peek() != '(') {
    ErrorDetail detail = At(scanner_.Position());
    detail.function = found.function->name;
    FailCompile(ErrorCode::OpenParenExpected, detail);
  }
  OpenFrame(Context::Call, negate, position, found.function);
  scanner_.Advance();
  return false;
}

// What may follow a complete operand:
//   ( "+" | "-" | "*" | "/" ) operand   everywhere, the sum goes on
//   ")"                                 in a group or a call, which it closes
//   ";" sum                             in a call, its next argument
//   comment                             at the top level, anything else ends the formula
FormulaCompiler::Next FormulaCompiler::ReadAfterOperand() {
  scanner_.SkipBlanks();
  char c = scanner_.Peek();
  if (auto op = InfixOperator(c)) {
    scanner_.Advance();
    PushOperator(*op);
    return Next::Operand;
  }
  Frame& frame = frames_.back();
  if (frame.context == Context::Top) return Next::End;
  if (c == ')') {
    scanner_.Advance();
    CloseFrame();
    return Next::Operator;
  }
  if (c == ';' && frame.context == Context::Call) {
    scanner_.Advance();
    Reduce(0);
    ++frame.arguments;
    return Next::Operand;
  }
  FailCannotContinue(frame);
}

void FormulaCompiler::FailOperandExpected() const {
  std::size_t position = scanner_.Position();
  if (scanner_.AtEnd()) FailCompile(ErrorCode::OperandExpectedAtEnd, At(position));
  std::string_view token = scanner_.PeekCharacter();
  if (scanner_.Peek() == separator_ && IsDigit(scanner_.PeekAfter())) {
    FailCompile(ErrorCode::DigitBeforeSeparator, At(position, token));
  }
  FailCompile(ErrorCode::OperandExpected, At(position, token));
}

void FormulaCompiler::FailCannotContinue(const Frame& frame) const {
  bool moreArguments =
      frame.context == Context::Call && frame.arguments + 1 < frame.function->arity;
  FailCompile(moreArguments ? ErrorCode::SemicolonExpected : ErrorCode::CloseParenExpected,
              At(scanner_.Position()));
}

void FormulaCompiler::OpenFrame(Context context, bool negate, std::size_t position,
                                const FunctionEntry* function) {
  if (frames_.size() > kMaxNesting) {
    ErrorDetail detail = At(scanner_.Position());
    detail.expected = static_cast<int>(kMaxNesting);
    FailCompile(ErrorCode::NestedTooDeep, detail);
  }
  frames_.push_back({context, negate, position, function, 0, operators_.size()});
}

// "(" sum ")" and function "(" sum { ";" sum } ")": the group's value, or the call of
// the function on its arguments, becomes one operand.
void FormulaCompiler::CloseFrame() {
  Reduce(0);
  Frame frame = frames_.back();
  frames_.pop_back();
  if (frame.context == Context::Call) {
    const FunctionEntry& function = *frame.function;
    int count = frame.arguments + 1;
    if (count != function.arity) {
      ErrorDetail detail = At(frame.position);
      detail.function = function.name;
      detail.expected = function.arity;
      detail.found = count;
      FailCompile(ErrorCode::WrongArgumentCount, detail);
    }
    auto id = static_cast<FunctionId>(&function - Catalogue::Instance().Functions().data());
    if (record_) record_->Push(ExactOp::Call, id);
    Emit(Step(function.arity == 1 ? OpCode::Call1 : OpCode::Call2, id), function.arity);
  }
  if (record_ && frame.negate) record_->Push(ExactOp::Negate);
  if (frame.negate) Emit(Step(OpCode::Negate), 1);
}

// sum := product { ( "+" | "-" ) product }, product := quotient { "*" quotient },
// quotient := operand { "/" operand }: operators of the current frame that bind at
// least as tightly as the new one are applied first, which groups each level to the
// left.
void FormulaCompiler::PushOperator(OpCode op) {
  int precedence = Precedence(op);
  Reduce(precedence);
  operators_.push_back({op, precedence});
}

void FormulaCompiler::Reduce(int precedence) {
  std::size_t base = frames_.back().operatorBase;
  while (operators_.size() > base && operators_.back().precedence >= precedence) {
    OpCode op = operators_.back().op;
    operators_.pop_back();
    if (record_) record_->Push(static_cast<ExactOp>(static_cast<int>(ExactOp::Add) +
                                                    static_cast<int>(op) -
                                                    static_cast<int>(OpCode::Add)));
    Emit(Step(op), 2);
  }
}

// A square root that gives the formula's value is rounded with care for its narrowing to
// double; anywhere else the cheaper root is as good.
void FormulaCompiler::FinishSquareRoot() {
  Instruction& last = code_.back();
  bool call = last.op == OpCode::Call1 || last.op == OpCode::CallX;
  if (call && last.function == FunctionId::Sqrt) {
    last.call = FunctionOf1(FunctionId::Sqrt, mode_);
  }
}

void FormulaCompiler::EmitConstant(long double value) {
  code_.push_back(Step(OpCode::Constant, FunctionId::Abs, value));
  operands_.push_back({code_.size() - 1, Kind::Constant});
  depth_ = std::max(depth_, operands_.size());
}

void FormulaCompiler::EmitX() {
  code_.push_back(Step(OpCode::X));
  operands_.push_back({code_.size() - 1, Kind::X});
  depth_ = std::max(depth_, operands_.size());
  usesX_ = true;
}

// Appends `step`, which takes the `arity` topmost operands. When they are all constants
// the step's value replaces them, unless calculating it fails: then the failure comes
// in its turn when the formula is calculated, as it would without this shortcut.
void FormulaCompiler::Emit(const Instruction& step, int arity) {
  std::size_t first = operands_.size() - static_cast<std::size_t>(arity);
  Operand left = operands_[first];
  Operand right = operands_.back();
  operands_.resize(first);
  if (left.kind == Kind::Constant && right.kind == Kind::Constant && Fold(step, left.start)) {
    code_.resize(left.start + 1);
    operands_.push_back(left);
    return;
  }
  bool arithmetic = step.op >= OpCode::Add && step.op <= OpCode::Divide;
  if (arithmetic && EmitFused(step.op, left, right)) return;
  Instruction emitted = step;
  if (step.op == OpCode::Call1) {
    emitted.call = CalculatedInline(step.function) ? nullptr : FunctionOf1(step.function, mode_);
    if (right.kind == Kind::X) {  // a function of x: one step instead of two
      emitted.op = OpCode::CallX;
      code_.pop_back();
    }
  }
  code_.push_back(emitted);
  operands_.push_back({left.start, Kind::Computed});
}

// An operation on a constant or x takes it from the step itself, which spares a step and
// the stack: x with a constant in one step, either of them as the right operand, or as
// the left operand before a short computed right one (a sum or product swaps its
// operands, exactly commutative; a difference or quotient has a reversed form). Only
// short right operands are moved, so compiling stays linear.
bool FormulaCompiler::EmitFused(OpCode op, const Operand& left, const Operand& right) {
  constexpr std::size_t kLongestMoved = 8;
  bool commutative = op == OpCode::Add || op == OpCode::Multiply;
  // The form with the operands in the other order: the same operation for a sum or a
  // product, else the reversed difference or quotient.
  auto reversed = [&](OpCode same, OpCode subtract, OpCode divide) {
    return commutative ? same : op == OpCode::Subtract ? subtract : divide;
  };
  long double leftValue = code_[left.start].value;
  long double rightValue = code_.back().value;
  Instruction fused;
  if (left.kind == Kind::X && right.kind == Kind::Constant) {
    fused = Step(XWithConstant(op), FunctionId::Abs, rightValue);
    code_.resize(left.start);
  } else if (left.kind == Kind::Constant && right.kind == Kind::X) {
    fused = Step(reversed(XWithConstant(op), OpCode::ConstantSubtractX, OpCode::ConstantDivideX),
                 FunctionId::Abs, leftValue);
    code_.resize(left.start);
  } else if (right.kind != Kind::Computed) {
    fused = right.kind == Kind::Constant ? Step(WithConstant(op), FunctionId::Abs, rightValue)
                                         : Step(WithX(op));
    code_.pop_back();
  } else if (left.kind != Kind::Computed && code_.size() - right.start <= kLongestMoved) {
    fused = left.kind == Kind::Constant
                ? Step(reversed(WithConstant(op), OpCode::ConstantSubtract, OpCode::ConstantDivide),
                       FunctionId::Abs, leftValue)
                : Step(reversed(WithX(op), OpCode::XSubtract, OpCode::XDivide));
    code_.erase(code_.begin() + static_cast<std::ptrdiff_t>(left.start));
  } else {
    return false;
  }
  code_.push_back(fused);
  operands_.push_back({left.start, Kind::Computed});
  return true;
}

// The value of `step` on the constants from `start` on, written over the first of them.
bool FormulaCompiler::Fold(const Instruction& step, std::size_t start) {
  long double a = code_[start].value;
  long double b = start + 1 < code_.size() ? code_[start + 1].value : 0;
  try {
    switch (step.op) {
      case OpCode::Negate: code_[start].value = -a; break;
      case OpCode::Call1:
        code_[start].value = CheckedValue(FunctionOf1(step.function, mode_)(a));
        break;
      case OpCode::Call2: code_[start].value = CalculateFunction(step.function, a, b, mode_); break;
      default: code_[start].value = ApplyOperator(step.op, a, b);
    }
  } catch (const CalculationError&) {
    return false;
  }
  return true;
}

}  // namespace vantorel
