#pragma once
// The exact arithmetic: a formula of the same language, compiled by the same compile
// phase, calculated with exact rationals and balls (Arb) whose precision rises until
// they decide the correctly rounded double and its 15 significant digits.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/expression_engine.h"
#include "engine/exact_result.h"

namespace vantorel {

class ExactFormula {
 public:
  // The precision starts here and doubles up to the cap; at the cap an undecided
  // comparison is taken as equality and the midpoint gives the result, not certified.
  static constexpr long kStartBits = 128;
  static constexpr long kCapBits = 4096;

  // Throws TMathExpr with the compile phase's own messages.
  static ExactFormula Compile(std::string_view text, char decimalSeparator, AngleMode mode);
  ExactFormula(ExactFormula&&) noexcept;
  ExactFormula& operator=(ExactFormula&&) noexcept;
  ~ExactFormula();

  // The value for x read exactly from `xText` (the X value editor's syntax with the
  // formula's separator; blanks, sign, exponent). `wantDigits` false skips the 15-digit
  // rounding. Throws TMathExpr for a calculation's failure, and for an `xText` that is no
  // number. Not for concurrent use: the formula keeps its constant parts once worked out.
  ExactResult Calculate(std::string_view xText, bool wantDigits = true);
  // The value for x = `from` + `index` * `step`, all three exact.
  ExactResult CalculateStep(std::string_view from, std::string_view step, std::int64_t index,
                            bool wantDigits = true);

  // How many values of tables the long double pass tried and decided, in all.
  struct TablePassRecord {
    long tried = 0;
    long decided = 0;
  };
  TablePassRecord TablePass() const;

  bool UsesX() const;
  AngleMode Mode() const;

  struct Impl;

 private:
  explicit ExactFormula(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// The value of `text` in exact arithmetic for x given as decimal text.
ExactResult EvaluateExact(std::string_view text, std::string_view xText, char decimalSeparator,
                          AngleMode mode);

// x = `from` + `index` * `step` exactly, as a number in the formula language ("0.3",
// "1.5E+20"); empty when `from` or `step` is no number.
std::string ExactStepText(std::string_view from, std::string_view step, std::int64_t index,
                          char decimalSeparator);

}  // namespace vantorel
