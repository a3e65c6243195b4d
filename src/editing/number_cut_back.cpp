#include "editing/number_cut_back.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <tuple>

#include "editing/number_syntax.h"

namespace vantorel::editing {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal digits of the smallest value the number reader takes for an overflow:
// halfway between the largest long double and the next power of two, which rounds up.
std::string DigitsOf(long double integer) {
  char buffer[6000];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, integer,
                                 std::chars_format::fixed, 0).ptr;
  return std::string(buffer, end);
}

std::string Sum(const std::string& a, const std::string& b) {
  std::string out(std::max(a.size(), b.size()) + 1, '0');
  int carry = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int da = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
    const int db = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    const int d = da + db + carry;
    out[out.size() - 1 - i] = static_cast<char>('0' + d % 10);
    carry = d / 10;
  }
  return out.front() == '0' ? out.substr(1) : out;
}

const std::string& OverflowDigits() {
  using Limits = std::numeric_limits<long double>;
  static const std::string digits =
      Sum(DigitsOf(Limits::max()),
          DigitsOf(std::ldexp(1.0L, Limits::max_exponent - Limits::digits - 1)));
  return digits;
}

enum class Phase : unsigned char {
  Lead, Sign, Integer, Fraction, E, ExponentSign, Exponent, Trail, Dead
};

// A left-to-right reading of the number syntax, with what decides whether the value
// overflows: how many significant digits, how many behind the separator, the exponent,
// and the first significant digits as far as they are compared with the limit.
struct Reading {
  Phase phase = Phase::Lead;
  bool negativeExponent = false;
  int exponent = 0;  // below 5000: digits are read while it is below 500
  std::int64_t significant = 0;
  std::int64_t fraction = 0;
  std::string leading;    // at most as many digits as the limit has
  std::size_t matched = 0;  // how many of them equal the limit's

  void Feed(char c, char separator);
  bool Complete() const {
    return phase != Phase::Lead && phase != Phase::Sign && phase != Phase::Dead;
  }

 private:
  void Digit(char c);
  void AfterMantissa(char c);
};

void Reading::Digit(char c) {
  if (phase == Phase::Fraction) ++fraction;
  if (c == '0' && significant == 0) return;
  ++significant;
  const std::string& limit = OverflowDigits();
  if (leading.size() >= limit.size()) return;
  if (matched == leading.size() && c == limit[matched]) ++matched;
  leading.push_back(c);
}

// Behind the mantissa: the exponent letter or the trailing blanks.
void Reading::AfterMantissa(char c) {
  if (c == 'E' || c == 'e') {
    phase = Phase::E;
  } else {
    phase = c == ' ' ? Phase::Trail : Phase::Dead;
  }
}

void Reading::Feed(char c, char separator) {
  const bool digit = IsDigit(c);
  switch (phase) {
    case Phase::Lead:
      if (c == ' ') return;
      if (c == '+' || c == '-') {
        phase = Phase::Sign;
        return;
      }
      [[fallthrough]];
    case Phase::Sign:
      if (digit) phase = Phase::Integer;
      else phase = c == separator ? Phase::Fraction : Phase::Dead;
      if (digit) Digit(c);
      return;
    case Phase::Integer:
      if (digit) Digit(c);
      else if (c == separator) phase = Phase::Fraction;
      else AfterMantissa(c);
      return;
    case Phase::Fraction:
      if (digit) Digit(c);
      else AfterMantissa(c);
      return;
    case Phase::E:
      if (c == '+' || c == '-') {
        phase = Phase::ExponentSign;
        negativeExponent = c == '-';
        return;
      }
      [[fallthrough]];
    case Phase::ExponentSign:
    case Phase::Exponent:
      if (digit && exponent < 500) {
        phase = Phase::Exponent;
        exponent = exponent * 10 + (c - '0');
      } else {
        phase = c == ' ' ? Phase::Trail : Phase::Dead;
      }
      return;
    case Phase::Trail:
      if (c != ' ') phase = Phase::Dead;
      return;
    case Phase::Dead:
      return;
  }
}

// What the rest of the text behind the cut does, read on from a reading's state. It
// depends only on the phase, the exponent read so far and whether significant digits
// came before, so a few readings of the rest serve every cut.
struct Rest {
  Reading reading;  // counts, exponent and leading digits of the rest alone
  std::int64_t significant = 0;
};

using RestKey = std::tuple<Phase, int, bool, bool>;

RestKey KeyOf(const Reading& before) {
  return {before.phase, before.exponent, before.negativeExponent, before.significant > 0};
}

Rest ReadRest(const Reading& before, std::string_view rest, char separator) {
  Reading r;
  r.phase = before.phase;
  r.exponent = before.exponent;
  r.negativeExponent = before.negativeExponent;
  r.significant = before.significant > 0 ? 1 : 0;  // zeros of the rest then count
  r.matched = OverflowDigits().size();  // the rest is compared on its own, below
  for (char c : rest) {
    if (r.phase == Phase::Dead) break;
    r.Feed(c, separator);
  }
  return {r, r.significant - (before.significant > 0 ? 1 : 0)};
}

// Whether the first significant digits of the whole text, those of `before` followed by
// those of `rest`, reach the limit's. Only asked when the magnitudes are equal.
bool ReachesLimit(const Reading& before, const std::string& rest) {
  const std::string& limit = OverflowDigits();
  const std::string& head = before.leading;
  if (before.matched < head.size()) return head[before.matched] > limit[before.matched];
  std::size_t i = head.size();
  for (char c : rest) {
    if (i == limit.size()) return true;
    if (c != limit[i]) return c > limit[i];
    ++i;
  }
  // Zeros follow: equal only if the limit has none but zeros left.
  return limit.find_first_not_of('0', i) == std::string::npos;
}

class CutBackSearch {
 public:
  CutBackSearch(std::string_view rest, char separator) : rest_(rest), separator_(separator) {}

  // Whether the text read so far, followed by the rest, reads as a number.
  bool IsNumber(const Reading& before) {
    const auto [entry, added] = rests_.try_emplace(KeyOf(before));
    if (added) entry->second = ReadRest(before, rest_, separator_);
    const Rest& rest = entry->second;
    if (!rest.reading.Complete()) return false;
    const std::int64_t significant = before.significant + rest.significant;
    if (significant == 0) return true;
    const std::int64_t exponent =
        rest.reading.negativeExponent ? -rest.reading.exponent : rest.reading.exponent;
    // The value lies in [10^(magnitude - 1), 10^magnitude).
    const std::int64_t magnitude =
        significant - before.fraction - rest.reading.fraction + exponent;
    const auto limitMagnitude = static_cast<std::int64_t>(OverflowDigits().size());
    if (magnitude != limitMagnitude) return magnitude < limitMagnitude;
    const auto [known, fresh] =
        reaches_.try_emplace({KeyOf(before), before.significant}, false);
    if (fresh) known->second = ReachesLimit(before, rest.reading.leading);
    return !known->second;
  }

 private:
  std::string_view rest_;
  char separator_;
  std::map<RestKey, Rest> rests_;
  std::map<std::pair<RestKey, std::int64_t>, bool> reaches_;
};

bool IsTypedThrough(std::string_view text) {
  return text.empty() || text == "+" || text == "-";
}

}  // namespace

int CutBackStart(std::string_view text, int selStart, int selLength, char decimalSeparator) {
  const int end = selStart + selLength;
  const int last = selLength > 0 ? selStart : selStart - 1;  // the most the chain keeps
  if (last <= 0) return 0;
  const std::string_view rest = text.substr(end);
  CutBackSearch search(rest, decimalSeparator);
  Reading reading;
  int kept = 0;
  for (int k = 0; k <= last; ++k) {
    // At most one character, either kept or of the rest: "", "+" and "-" stay too.
    const bool tiny = k + rest.size() <= 1;
    const std::string_view whole = k > 0 ? text.substr(0, k) : rest;
    if (tiny ? ReadsAsNumberOrIsTypedThrough(whole, decimalSeparator)
             : search.IsNumber(reading)) {
      kept = k;
    }
    if (k == last) break;
    reading.Feed(text[k], decimalSeparator);
    if (reading.phase == Phase::Dead) break;
  }
  return kept;
}

bool ReadsAsNumberOrIsTypedThrough(std::string_view text, char decimalSeparator) {
  return IsTypedThrough(text) || ReadNumber(text, decimalSeparator).has_value();
}

}  // namespace vantorel::editing
