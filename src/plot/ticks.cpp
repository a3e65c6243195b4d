#include "plot/ticks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "editing/number_syntax.h"

namespace vantorel::plot {
namespace {

// The double nearest to `digits` × 10^`exponent`, read from its decimal text so that
// 3 × 10^-1 is the double of "0.3", not 3 × 0.1.
double Decimal(long long digits, int exponent) {
  char text[48];
  const int n = std::snprintf(text, sizeof text, "%llde%d", digits, exponent);
  double value = 0;
  std::from_chars(text, text + n, value);
  return value;
}

}  // namespace

std::vector<double> TickValues(Range r, int count) {
  count = std::max(count, 2);
  const double raw = r.Width() / count;
  if (!(raw > 0) || !std::isfinite(raw)) return {};
  int exponent = int(std::floor(std::log10(raw)));
  long long step = 1;  // the step is step × 10^exponent
  for (long long m : {1, 2, 5, 10}) {
    step = m;
    if (m * std::pow(10.0L, exponent) >= raw) break;
  }
  if (step == 10) {
    step = 1;
    ++exponent;
  }
  const long double unit = std::pow(10.0L, exponent) * step;
  const long double first = std::ceil(r.low / unit);
  const long double last = std::floor(r.high / unit);
  if (!(std::fabs(first) < 1e18L && std::fabs(last) < 1e18L)) return {};
  std::vector<double> ticks;
  for (long double k = first; k <= last && ticks.size() <= std::size_t(4 * count); ++k) {
    ticks.push_back(Decimal((long long)k * step, exponent));
  }
  return ticks;
}

std::string TickLabel(double value, char decimalSeparator) {
  return ShortestText(value, decimalSeparator);
}

std::string RoundedText(double value, int digits, char decimalSeparator) {
  char text[40];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                 std::clamp(digits, 1, 17) - 1);
  double rounded = value;
  std::from_chars(text, end.ptr, rounded);
  return ShortestText(rounded, decimalSeparator);
}

}  // namespace vantorel::plot
