#include "plot/plot_frame.h"

#include <algorithm>
#include <cmath>

#include "plot/cpu_clock.h"
#include "plot/ticks.h"

namespace vantorel::plot {
namespace {

// Values beyond this are drawn at the border, and keep every width finite.
constexpr double kLargest = 1e300;

// Processor time for the even pass and for the refinement, so that a formula slow to
// calculate (a long text) keeps the picture answering; a usual one needs far less.
constexpr double kEvenPassSeconds = 0.05;
constexpr double kRefineSeconds = 0.05;

// Every 2 pixels, or fewer points (at least 16) when one calculation is slow.
int EvenIntervals(const PlotFunction& f, Range x, int width) {
  const double start = ThreadSeconds();
  f(x.low);
  const double cost = ThreadSeconds() - start;
  const int wanted = width / 2;
  if (!(cost * wanted > kEvenPassSeconds)) return wanted;
  return std::max(std::min(16, wanted), int(kEvenPassSeconds / cost));  // below `wanted`
}

}  // namespace

Range AutoYRange(const std::vector<Sample>& samples) {
  std::vector<double> values;
  for (const Sample& s : samples)
    if (HasValue(s)) values.push_back(std::clamp(s.y, -kLargest, kLargest));
  if (values.empty()) return {-1, 1};
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double q05 = values[n * 5 / 100], q95 = values[(n - 1) - n * 5 / 100];
  const double core = q95 - q05;
  Range r{q05, q95};
  for (double v : values)
    if (v >= q05 - core && v <= q95 + core) r = {std::min(r.low, v), std::max(r.high, v)};
  const double half = r.Width() / 2, mid = r.low + half;
  if (!(half > std::fabs(mid) * 1e-12)) {
    const double pad = std::max(1.0, std::fabs(mid) * 1e-3);
    return {mid - pad, mid + pad};
  }
  return {r.low - r.Width() / 20, r.high + r.Width() / 20};
}

PlotFrame MakeFrame(const PlotFunction& f, const PlotView& view, int width, int height) {
  width = std::max(width, 16);
  height = std::max(height, 16);
  PlotFrame frame;
  frame.x = view.X();
  const int intervals = EvenIntervals(f, frame.x, width);
  const std::vector<Sample> even = EvenSamples(f, frame.x, intervals);
  frame.y = view.FixedY() ? *view.FixedY() : AutoYRange(even);
  Refinement r;
  r.y = frame.y;
  r.tolerance = frame.y.Width() / height / 2;
  r.finest = frame.x.Width() * 0x1p-40;
  r.budget = 40L * intervals;
  r.deadline = ThreadSeconds() + kRefineSeconds;
  frame.curve = RefineCurve(f, even, r);
  frame.xTicks = TickValues(frame.x, width / 100);
  frame.yTicks = TickValues(frame.y, height / 50);
  return frame;
}

}  // namespace vantorel::plot
