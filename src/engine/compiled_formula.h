#pragma once
// A formula compiled once and calculated for any number of values of x.

#include <cstddef>
#include <string_view>
#include <vector>

#include "engine/expression_engine.h"
#include "engine/instruction.h"

namespace vantorel {

class CompiledFormula {
 public:
  // Reads `text` with `decimalSeparator` ('.' or ','), resolves every name and works
  // out every part that does not depend on x, angles in `mode`. Throws TMathExpr when
  // the text is no formula.
  static CompiledFormula Compile(std::string_view text, char decimalSeparator, AngleMode mode);

  // The formula's value for `x`, narrowed to double as Evaluate gives it: never an
  // infinity, a NaN or -0. Throws TMathExpr for every failure of the arithmetic.
  double Calculate(long double x) const;
  // The same at working precision, before the final value is narrowed and checked.
  long double CalculateExtended(long double x) const;

  AngleMode Mode() const { return mode_; }
  bool UsesX() const { return usesX_; }
  // How many steps the compiled form has; 1 for a formula that is a constant.
  std::size_t Size() const { return code_.size(); }
  // Where the comment begins: the first character after the complete formula, or the
  // text's length when nothing follows it. Blanks before a comment belong to neither.
  std::size_t FormulaEnd() const { return formulaEnd_; }

 private:
  friend class FormulaCompiler;
  CompiledFormula(std::vector<Instruction> code, std::size_t depth, bool usesX, AngleMode mode,
                  std::size_t formulaEnd);
  long double Call(const Instruction& step, long double a) const;

  std::vector<Instruction> code_;
  std::size_t depth_;  // the most values the program keeps on its stack at once
  bool usesX_;
  AngleMode mode_;
  std::size_t formulaEnd_;
};

// The final value narrowed to double: out of range beyond the double range, zero below
// its smallest subnormal, never -0.
double NarrowResult(long double value);

}  // namespace vantorel
