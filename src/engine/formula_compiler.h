#pragma once
// The compile phase: a formula's text into a postfix program.
//
// The grammar, from the lowest precedence to the highest:
//   formula  := sum [ comment ]
//   sum      := product { ( "+" | "-" ) product }
//   product  := quotient { "*" quotient }
//   quotient := operand { "/" operand }
//   operand  := [ "+" | "-" ] ( number | "x" | constant | function "(" sum { ";" sum } ")"
//                              | "(" sum ")" )
// Blanks may stand between any two tokens. At the top level the formula ends at the
// first character after a complete sum that is not an infix operator; the rest of the
// text is a comment. Inside parentheses no such end exists.
//
// The parser keeps its open groups and calls on explicit stacks rather than the call
// stack, so the depth of nesting costs memory, never stack, and time stays linear.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"
#include "engine/compiled_formula.h"
#include "engine/exact_program.h"
#include "engine/scanner.h"

namespace vantorel {

class FormulaCompiler {
 public:
  // Groups and calls may nest this deep; deeper ones are an error.
  static constexpr std::size_t kMaxNesting = 100000;

  FormulaCompiler(std::string_view text, char decimalSeparator, AngleMode mode);
  CompiledFormula Compile();
  // Also writes the formula, as read, to `program` (for the exact arithmetic); the
  // compiled form is the same with or without it.
  void RecordInto(ExactProgram* program) { record_ = program; }

 private:
  enum class Context { Top, Group, Call };
  enum class Next { Operand, Operator, End };

  struct Frame {
    Context context;
    bool negate;                  // a "-" stood before the group or the call
    std::size_t position;         // of the "(" or of the function's name
    const FunctionEntry* function;
    int arguments;                // complete arguments before the current one
    std::size_t operatorBase;     // pending operators below this belong to outer frames
  };
  struct PendingOperator {
    OpCode op;
    int precedence;
  };
  // What an operand's code is: one Constant step, one X step, or anything else.
  enum class Kind { Constant, X, Computed };
  struct Operand {
    std::size_t start;  // its first instruction
    Kind kind;
  };

  bool ReadOperand();
  void ReadNumber(bool negate);
  bool ReadName(bool negate);
  Next ReadAfterOperand();
  [[noreturn]] void FailOperandExpected() const;
  [[noreturn]] void FailCannotContinue(const Frame& frame) const;

  void OpenFrame(Context context, bool negate, std::size_t position,
                 const FunctionEntry* function);
  void CloseFrame();
  void PushOperator(OpCode op);
  void Reduce(int precedence);

  void EmitConstant(long double value);
  void EmitX();
  void Emit(const Instruction& step, int arity);
  bool Fold(const Instruction& step, std::size_t start);
  bool EmitFused(OpCode op, const Operand& left, const Operand& right);
  void FinishSquareRoot();

  Scanner scanner_;
  char separator_;
  AngleMode mode_;
  std::vector<Frame> frames_;
  std::vector<PendingOperator> operators_;
  std::vector<Operand> operands_;
  std::vector<Instruction> code_;
  std::size_t depth_ = 0;
  bool usesX_ = false;
  ExactProgram* record_ = nullptr;
};

}  // namespace vantorel
