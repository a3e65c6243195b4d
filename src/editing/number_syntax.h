#pragma once
// How numbers are read from and written to the X value editor, the result editor and
// the formula language.

#include <cstddef>
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
// rounded value is non-zero and below 1E15 in magnitude, else exponent notation
// ("4.0E-2", "1.5E+20"). Where rounding to nearest would leave the double range, the
// digits are cut off instead ("1.7E+308", not "1.8E+308"), so that every text shown reads
// back as a value in range. Zero is "0" and `precision` zeros, never "-0". NaN and the
// infinities, which no calculation returns, give "NaN", "Infinity" and "-Infinity".
std::string FormatResult(double value, int precision, char decimalSeparator);

// The same text for a value already rounded to 15 significant digits: `digits` d1 d2 ...
// (none for zero) stand for d1.d2... times 10^`exponent`. The exact arithmetic gives
// its results so, rounded from the exact value rather than from a double.
std::string FormatRoundedResult(bool negative, std::string digits, int exponent, int precision,
                                char decimalSeparator);

// The shortest text in the formula language's number syntax that ReadNumber reads back
// to `value` ("0.1", "-2.5", "1E+20", "1E-7"); zero is "0". Where the shortest digits
// would not read back through long double, 17 digits stand in their place, in the same
// notation rule: fixed unless exponent notation is shorter.
std::string ShortestText(double value, char decimalSeparator);

// The same text written to `out`, which has room for kShortestTextSize characters;
// returns the end of what was written.
inline constexpr std::size_t kShortestTextSize = 32;
char* WriteShortestText(char* out, double value, char decimalSeparator);

}  // namespace vantorel
