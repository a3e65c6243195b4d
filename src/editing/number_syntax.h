#pragma once
// How numbers are read from and written to the X value editor, the result editor and
// the formula language.

#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// The value of `text` when it reads as a number with `decimalSeparator`: blanks (code 32
// only), an optional sign, a mantissa of digits with at most one separator (at least one
// character), an optional exponent ("E"/"e", optional sign, digits read while the
// exponent is below 500), blanks, then the end. Nothing when the text is no number or
// its value overflows long double.
std::optional<long double> ReadNumber(std::string_view text, char decimalSeparator);

// The result editor's text: rounded to 15 significant digits, then to `precision`
// (0 to 15) digits after the separator, ties away from zero; fixed notation when the
// rounded value is non-zero and below 1E15 in magnitude, else exponent notation.
std::string FormatResult(double value, int precision, char decimalSeparator);

// The shortest text in the formula language's number syntax that reads back to `value`.
std::string ShortestText(double value, char decimalSeparator);

}  // namespace vantorel
