#include "engine/messages.h"

#include <array>
#include <utility>

namespace vantorel {
namespace {

// Placeholders: {pos} position, {token} text found, {char} the character found, quoted
// or by its code, {fn} function name, {expected} and {found} argument counts, {limit}
// the expected count as a plain number.
constexpr std::array<std::pair<ErrorCode, std::string_view>, kErrorCodeCount> kMessages{{
    {ErrorCode::EmptyFormula, "The formula is empty"},
    {ErrorCode::OperandExpected, "Number, name or '(' expected at position {pos}, not {char}"},
    {ErrorCode::OperandExpectedAtEnd, "Number, name or '(' expected at position {pos}, the end of the formula"},
    {ErrorCode::DigitBeforeSeparator, "Digit expected before '{token}' at position {pos}"},
    {ErrorCode::UnknownName, "Unknown name '{token}' at position {pos}"},
    {ErrorCode::OpenParenExpected, "'(' expected after function '{fn}' at position {pos}"},
    {ErrorCode::CloseParenExpected, "')' expected at position {pos}"},
    {ErrorCode::SemicolonExpected, "';' expected at position {pos}"},
    {ErrorCode::WrongArgumentCount, "Function '{fn}' takes {expected}, not {found} (position {pos})"},
    {ErrorCode::NestedTooDeep, "More than {limit} nested parentheses at position {pos}"},
    {ErrorCode::NumberOutOfRange, "Number '{token}' out of range at position {pos}"},
    {ErrorCode::BadDecimalSeparator, "The decimal separator must be '.' or ','"},
    {ErrorCode::DivisionByZero, "Division by zero"},
    {ErrorCode::SquareRootOfNegative, "Square root of a negative number"},
    {ErrorCode::LogarithmOfZero, "Logarithm of zero"},
    {ErrorCode::LogarithmOfNegative, "Logarithm of a negative number"},
    {ErrorCode::NegativeBaseFractionalExponent,
     "Power of a negative number with an exponent that is not a whole number"},
    {ErrorCode::OutsideDomain, "Argument outside the domain of '{fn}'"},
    {ErrorCode::NoRealValue, "No real value"},
    {ErrorCode::OutOfRange, "Result out of range"},
}};

// The table is in the order of the codes and has a message for each.
constexpr bool InCodeOrder() {
  for (std::size_t i = 0; i < kMessages.size(); ++i) {
    if (static_cast<std::size_t>(kMessages[i].first) != i) return false;
  }
  return true;
}
static_assert(InCodeOrder());

// Long tokens (a formula may be a megabyte of letters) are cut in messages.
constexpr std::size_t kTokenShown = 40;

std::string_view Pattern(ErrorCode code) { return kMessages[static_cast<std::size_t>(code)].second; }

// A character as the user can read it: quoted when it can be shown (also a letter
// written with several bytes), otherwise by its code.
std::string Character(std::string_view token) {
  auto first = static_cast<unsigned char>(token.empty() ? 0 : token[0]);
  bool visible = token.size() > 1 || (first >= 32 && first < 127);
  if (visible) return "'" + std::string(token) + "'";
  return "the character with code " + std::to_string(first);
}

std::string Shown(std::string_view token) {
  if (token.size() <= kTokenShown) return std::string(token);
  return std::string(token.substr(0, kTokenShown)) + "...";
}

std::string Arguments(int count) {
  return std::to_string(count) + (count == 1 ? " argument" : " arguments");
}

std::string Field(std::string_view name, const ErrorDetail& detail) {
  if (name == "pos") return std::to_string(detail.position);
  if (name == "token") return Shown(detail.token);
  if (name == "char") return Character(detail.token);
  if (name == "fn") return std::string(detail.function);
  if (name == "expected") return Arguments(detail.expected);
  if (name == "found") return std::to_string(detail.found);
  if (name == "limit") return std::to_string(detail.expected);
  return {};
}

ErrorDetail Naming(std::string_view function) {
  ErrorDetail detail;
  detail.function = function;
  return detail;
}

}  // namespace

std::string MessageText(ErrorCode code, const ErrorDetail& detail) {
  std::string_view pattern = Pattern(code);
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    std::size_t close = pattern[i] == '{' ? pattern.find('}', i) : std::string_view::npos;
    if (close == std::string_view::npos) {
      text += pattern[i];
      continue;
    }
    text += Field(pattern.substr(i + 1, close - i - 1), detail);
    i = close;
  }
  return text;
}

CompileError::CompileError(ErrorCode code, const ErrorDetail& detail)
    : TMathExpr(MessageText(code, detail)),
      code_(code),
      position_(detail.position),
      token_(detail.token) {}

CalculationError::CalculationError(ErrorCode code, std::string_view function)
    : TMathExpr(MessageText(code, Naming(function))), code_(code) {}

void FailCompile(ErrorCode code, const ErrorDetail& detail) { throw CompileError(code, detail); }

void FailCalculation(ErrorCode code, std::string_view function) {
  throw CalculationError(code, function);
}

}  // namespace vantorel
