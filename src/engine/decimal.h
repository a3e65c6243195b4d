#pragma once
// Converting the digits of a number to the nearest long double.

#include <optional>
#include <string_view>

namespace vantorel {

// `digits` is a number as the formula language writes it: digits, optionally
// `decimalSeparator` and digits, optionally "E" or "e", a sign and digits. Gives the
// correctly rounded long double, whatever the program's locale; an underflow gives the
// subnormal or zero; nothing when the value overflows the long double range.
std::optional<long double> DecimalToLongDouble(std::string_view digits, char decimalSeparator);

}  // namespace vantorel
