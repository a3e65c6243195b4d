#pragma once
// Every message the formula engine can give, and the errors that carry them.

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"

namespace vantorel {

enum class ErrorCode {
  // Reading the formula.
  EmptyFormula,
  OperandExpected,
  OperandExpectedAtEnd,
  DigitBeforeSeparator,
  UnknownName,
  OpenParenExpected,
  CloseParenExpected,
  SemicolonExpected,
  WrongArgumentCount,
  NestedTooDeep,
  NumberOutOfRange,
  BadDecimalSeparator,
  // Calculating it.
  DivisionByZero,
  SquareRootOfNegative,
  LogarithmOfZero,
  LogarithmOfNegative,
  NegativeBaseFractionalExponent,
  OutsideDomain,
  NoRealValue,
  OutOfRange,
};

inline constexpr std::size_t kErrorCodeCount = static_cast<std::size_t>(ErrorCode::OutOfRange) + 1;

// What a message may name besides its code; the unused fields stay empty.
struct ErrorDetail {
  std::size_t position = 0;    // 1-based character position in the formula
  std::string_view token;      // the text found there
  std::string_view function;   // a function's catalogue name
  int expected = 0;            // arguments the function takes
  int found = 0;               // arguments it was given
};

// The detail of most errors: where, and what stood there.
inline ErrorDetail At(std::size_t position, std::string_view token = {}) {
  ErrorDetail detail;
  detail.position = position;
  detail.token = token;
  return detail;
}

std::string MessageText(ErrorCode code, const ErrorDetail& detail);

// A failure to read the formula: where it happened and what stood there.
class CompileError : public TMathExpr {
 public:
  CompileError(ErrorCode code, const ErrorDetail& detail);
  ErrorCode code() const { return code_; }
  std::size_t position() const { return position_; }
  const std::string& token() const { return token_; }

 private:
  ErrorCode code_;
  std::size_t position_;
  std::string token_;
};

// A failure of the arithmetic: no real value, a division by zero, a value out of range.
class CalculationError : public TMathExpr {
 public:
  CalculationError(ErrorCode code, std::string_view function);
  ErrorCode code() const { return code_; }

 private:
  ErrorCode code_;
};

[[noreturn]] void FailCompile(ErrorCode code, const ErrorDetail& detail);
[[noreturn]] void FailCalculation(ErrorCode code, std::string_view function = {});

}  // namespace vantorel
