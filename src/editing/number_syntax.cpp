#include "editing/number_syntax.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace vantorel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a text from left to right.
class TextCursor {
 public:
  explicit TextCursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  bool PeekDigit() const { return !AtEnd() && IsDigit(text_[pos_]); }
  char Next() { return text_[pos_++]; }
  bool Take(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// blanks := ' '*   (a tab is no blank)
void SkipBlanks(TextCursor& in) {
  while (in.Take(' ')) {
  }
}

// sign := [ '+' | '-' ]; true for '-'.
bool ReadSign(TextCursor& in) {
  if (in.Take('-')) return true;
  in.Take('+');
  return false;
}

// The mantissa's digits as one integer, without its leading zeros, and how many of them
// stood behind the separator.
struct Mantissa {
  std::string digits;
  std::int64_t fractionDigits = 0;
};

void AppendDigit(Mantissa& m, char digit) {
  if (!m.digits.empty() || digit != '0') m.digits.push_back(digit);
}

// mantissa := digit* [ separator digit* ], at least one character
std::optional<Mantissa> ReadMantissa(TextCursor& in, char separator) {
  Mantissa m;
  bool any = false;
  while (in.PeekDigit()) {
    AppendDigit(m, in.Next());
    any = true;
  }
  if (in.Take(separator)) {
    any = true;
    while (in.PeekDigit()) {
      AppendDigit(m, in.Next());
      ++m.fractionDigits;
    }
  }
  if (!any) return std::nullopt;
  return m;
}

// exponent := [ ('E' | 'e') [sign] digit* ]; digits are read while the exponent read so
// far is below 500, so it stays below 5000 and a longer run leaves a digit over. No
// digit at all means 0.
int ReadExponent(TextCursor& in) {
  if (!in.Take('E') && !in.Take('e')) return 0;
  const bool negative = ReadSign(in);
  int exponent = 0;
  while (exponent < 500 && in.PeekDigit()) exponent = exponent * 10 + (in.Next() - '0');
  return negative ? -exponent : exponent;
}

// digits * 10^scale, correctly rounded to long double. The text handed to the C library
// has no decimal point, so its locale (the window sets the user's) cannot change the
// reading; the library reads any number of digits in about linear time.
long double ScaledValue(bool negative, const Mantissa& m, std::int64_t scale) {
  if (m.digits.empty()) return negative ? -0.0L : 0.0L;
  std::string text;
  text.reserve(m.digits.size() + 24);
  if (negative) text.push_back('-');
  text += m.digits;
  text.push_back('e');
  text += std::to_string(scale);
  return std::strtold(text.c_str(), nullptr);
}

// A finite double's exact decimal value: d1.d2d3... * 10^exponent, or no digits for zero.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading or trailing zeros
  int exponent = 0;

  bool IsZero() const { return digits.empty(); }
  // The digit that stands for 10^power.
  char DigitOf(int power) const {
    const long index = static_cast<long>(exponent) - power;
    return index >= 0 && index < static_cast<long>(digits.size()) ? digits[index] : '0';
  }
};

// The exponent of the C library's "e+05" or "e-7" that starts at `e`.
int ExponentAfter(std::string_view text, std::size_t e) {
  int exponent = 0;
  const std::size_t digits = e + (text[e + 1] == '+' ? 2 : 1);
  std::from_chars(text.data() + digits, text.data() + text.size(), exponent);
  return exponent;
}

// "E", the exponent's sign, its digits without leading zeros.
void AppendExponent(std::string& out, int exponent) {
  out += exponent < 0 ? "E-" : "E+";
  out += std::to_string(std::abs(exponent));
}

void StripTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

// 767 significant digits hold every double's decimal expansion exactly.
Decimal ExactDecimal(double value) {
  char buffer[800];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::scientific, 766).ptr;
  const std::string_view text(buffer, end - buffer);  // "d.ddd...e+xx"
  const std::size_t e = text.find('e');
  Decimal d;
  d.negative = std::signbit(value);
  d.digits.push_back(text[0]);
  d.digits.append(text.substr(2, e - 2));
  d.exponent = ExponentAfter(text, e);
  StripTrailingZeros(d.digits);  // zero keeps no digit at all
  return d;
}

enum class Rounding { Nearest, TowardZero };

// Keeps the first `keep` significant digits (none or fewer when `keep` is 0 or less),
// rounding ties away from zero or cutting off; a carry may add a power of ten.
Decimal RoundDigits(Decimal d, long keep, Rounding rounding = Rounding::Nearest) {
  if (keep >= static_cast<long>(d.digits.size())) return d;
  const bool up = rounding == Rounding::Nearest && keep >= 0 && d.digits[keep] >= '5';
  d.digits.resize(std::max(keep, 0L));
  if (up) {
    long i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    } else {
      ++d.digits[i];
    }
  }
  StripTrailingZeros(d.digits);
  return d;
}

void AppendFraction(std::string& out, const Decimal& d, int firstPower, int precision,
                    char separator) {
  if (precision == 0) return;
  out.push_back(separator);
  for (int power = firstPower; power > firstPower - precision; --power) {
    out.push_back(d.DigitOf(power));
  }
}

// [-] integer digits [separator, `precision` digits]
std::string FixedText(const Decimal& d, int precision, char separator) {
  std::string out = d.negative ? "-" : "";
  for (int power = std::max(d.exponent, 0); power >= 0; --power) {
    out.push_back(d.DigitOf(power));
  }
  AppendFraction(out, d, -1, precision, separator);
  return out;
}

// [-] digit [separator, `precision` digits] E sign exponent
std::string ExponentText(const Decimal& d, int precision, char separator) {
  std::string out = d.negative ? "-" : "";
  out.push_back(d.DigitOf(d.exponent));
  AppendFraction(out, d, d.exponent - 1, precision, separator);
  AppendExponent(out, d.exponent);
  return out;
}

// Whether the decimal, read as the formula and the X value read numbers, stays within
// the double range.
bool WithinDoubleRange(const Decimal& d) {
  if (d.IsZero() || d.exponent < 308) return true;
  const long scale = d.exponent + 1L - static_cast<long>(d.digits.size());
  const std::string text = d.digits + "e" + std::to_string(scale);
  return std::isfinite(static_cast<double>(std::strtold(text.c_str(), nullptr)));
}

// Rounded to nearest, unless that leaves the double range: near the largest double the
// shown text is cut off instead, so that it can be read back and computed with.
Decimal RoundWithinRange(const Decimal& d, long keep) {
  Decimal rounded = RoundDigits(d, keep);
  if (WithinDoubleRange(rounded)) return rounded;
  return RoundDigits(d, keep, Rounding::TowardZero);
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

// A finite, non-zero magnitude as significant digits d1 d2 ... dn (no leading or
// trailing zeros) times 10 to the power of `exponent` for d1: d1.d2...dn E exponent.
// The C library's shortest text has at most 24 characters.
struct Digits {
  char digits[kShortestTextSize];
  int count = 0;
  int exponent = 0;
};

// The C library's "123.45", "1.5e+20" or "1e-07" (no sign) as Digits.
Digits ParseChars(std::string_view text) {
  Digits d;
  int pointAt = -1;  // digits before the point, counted with leading zeros
  int seen = 0;
  int leadingZeros = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] == '.') {
      pointAt = seen;
      continue;
    }
    ++seen;
    if (d.count == 0 && text[i] == '0') {
      ++leadingZeros;
    } else if (d.count < static_cast<int>(sizeof d.digits)) {
      d.digits[d.count++] = text[i];
    }
  }
  if (pointAt < 0) pointAt = seen;
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
  d.exponent = pointAt - leadingZeros - 1 + (i < text.size() ? ExponentAfter(text, i) : 0);
  return d;
}

constexpr int kExactPowers = 28;  // 10^27 = 2^27 * 5^27 and 5^27 < 2^64: exact in long double

constexpr std::array<long double, kExactPowers> ExactPowersOfTen() {
  std::array<long double, kExactPowers> powers{};
  long double power = 1;
  for (long double& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}

// Whether the digits, read as ReadNumber reads them (correctly rounded to long double),
// narrow to `magnitude`. Up to 19 digits are an exact long double and so are the powers
// of ten up to 10^27; one multiplication or division of the two is then correctly
// rounded, which is exactly the C library's reading (Clinger's fast path). Other
// magnitudes take the general reader.
bool ReadsBack(const Digits& d, double magnitude) {
  static constexpr std::array<long double, kExactPowers> kPowers = ExactPowersOfTen();
  const int scale = d.exponent - d.count + 1;  // of the last digit
  if (d.count <= 19 && scale > -kExactPowers && scale < kExactPowers) {
    std::uint64_t integer = 0;
    for (int i = 0; i < d.count; ++i) integer = integer * 10 + (d.digits[i] - '0');
    const long double whole = static_cast<long double>(integer);
    const long double back = scale >= 0 ? whole * kPowers[scale] : whole / kPowers[-scale];
    return static_cast<double>(back) == magnitude;
  }
  std::string text(d.digits, d.count);
  text += 'E';
  text += std::to_string(scale);
  const std::optional<long double> back = ReadNumber(text, '.');
  return back && static_cast<double>(*back) == magnitude;
}

// "E", the exponent's sign, its digits without leading zeros.
char* WriteExponent(char* out, int exponent) {
  *out++ = 'E';
  *out++ = exponent < 0 ? '-' : '+';
  return std::to_chars(out, out + 4, std::abs(exponent)).ptr;
}

// "123.45", "1.5e+20" or "1e-07" as the formula language writes them: "123.45",
// "1.5E+20", "1E-7".
char* WriteFormulaSyntax(char* out, std::string_view text, char separator) {
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e)) *out++ = c == '.' ? separator : c;
  if (e == std::string_view::npos) return out;
  return WriteExponent(out, ExponentAfter(text, e));
}

// Fixed notation is chosen where it is no longer than exponent notation with at least
// two exponent digits, as the C++ library chooses for its shortest text.
bool FixedIsShorter(const Digits& d) {
  const int fixed = d.exponent >= d.count - 1 ? d.exponent + 1
                    : d.exponent >= 0         ? d.count + 1
                                              : d.count + 1 - d.exponent;
  const int exponentDigits = std::abs(d.exponent) >= 100 ? 3 : 2;
  const int scientific = d.count + (d.count > 1 ? 1 : 0) + 2 + exponentDigits;
  return fixed <= scientific;
}

char* WriteFixed(char* out, const Digits& d, char separator) {
  if (d.exponent < 0) {
    *out++ = '0';
    *out++ = separator;
    out = std::fill_n(out, -d.exponent - 1, '0');
    return std::copy_n(d.digits, d.count, out);
  }
  for (int i = 0; i <= std::max(d.exponent, d.count - 1); ++i) {
    if (i == d.exponent + 1) *out++ = separator;
    *out++ = i < d.count ? d.digits[i] : '0';
  }
  return out;
}

char* WriteScientific(char* out, const Digits& d, char separator) {
  *out++ = d.digits[0];
  if (d.count > 1) {
    *out++ = separator;
    out = std::copy_n(d.digits + 1, d.count - 1, out);
  }
  return WriteExponent(out, d.exponent);
}

char* WriteDigits(char* out, const Digits& d, char separator) {
  return FixedIsShorter(d) ? WriteFixed(out, d, separator) : WriteScientific(out, d, separator);
}

// 17 significant digits, which read back through long double to every double.
Digits SeventeenDigits(double magnitude) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                 std::chars_format::scientific, 16).ptr;
  return ParseChars(std::string_view(buffer, end - buffer));
}

}  // namespace

// number := blanks [sign] mantissa [exponent] blanks end
std::optional<long double> ReadNumber(std::string_view text, char decimalSeparator) {
  TextCursor in(text);
  SkipBlanks(in);
  const bool negative = ReadSign(in);
  const std::optional<Mantissa> mantissa = ReadMantissa(in, decimalSeparator);
  if (!mantissa) return std::nullopt;
  const int exponent = ReadExponent(in);
  SkipBlanks(in);
  if (!in.AtEnd()) return std::nullopt;
  const long double value = ScaledValue(negative, *mantissa, exponent - mantissa->fractionDigits);
  if (std::isinf(value)) return std::nullopt;
  return value;
}

std::string FormatResult(double value, int precision, char decimalSeparator) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const Decimal rounded = RoundWithinRange(ExactDecimal(value), 15);
  return FormatRoundedResult(rounded.negative, rounded.digits, rounded.exponent, precision,
                             decimalSeparator);
}

std::string FormatRoundedResult(bool negative, std::string digits, int exponent, int precision,
                                char decimalSeparator) {
  precision = std::clamp(precision, 0, 15);
  const Decimal rounded{negative, std::move(digits), exponent};
  if (rounded.IsZero()) return FixedText(Decimal{}, precision, decimalSeparator);
  const Decimal fixed = RoundDigits(rounded, rounded.exponent + 1L + precision);
  if (!fixed.IsZero() && fixed.exponent < 15) return FixedText(fixed, precision, decimalSeparator);
  return ExponentText(RoundWithinRange(rounded, precision + 1L), precision, decimalSeparator);
}

char* WriteShortestText(char* out, double value, char decimalSeparator) {
  if (!std::isfinite(value)) {
    const std::string text = NonFiniteText(value);
    return std::copy(text.begin(), text.end(), out);
  }
  if (value == 0) {
    *out++ = '0';
    return out;
  }
  if (value < 0) *out++ = '-';
  const double magnitude = std::fabs(value);
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
  const std::string_view text(buffer, end - buffer);
  // Reading goes through long double, and about one double in ten thousand has
  // shortest digits that round twice to its neighbour; 17 digits never do.
  if (ReadsBack(ParseChars(text), magnitude)) return WriteFormulaSyntax(out, text, decimalSeparator);
  return WriteDigits(out, SeventeenDigits(magnitude), decimalSeparator);
}

std::string ShortestText(double value, char decimalSeparator) {
  char buffer[kShortestTextSize];
  return std::string(buffer, WriteShortestText(buffer, value, decimalSeparator));
}

}  // namespace vantorel
