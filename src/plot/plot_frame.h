#pragma once
// Everything one picture of a plot shows, worked out for a plot area of a given size in
// pixels: the ranges, the sampled curve and the ticks.

#include <vector>

#include "plot/plot_function.h"
#include "plot/plot_view.h"
#include "plot/range.h"
#include "plot/sampler.h"

namespace vantorel::plot {

struct PlotFrame {
  Range x;
  Range y;
  std::vector<Sample> curve;
  std::vector<double> xTicks;
  std::vector<double> yTicks;
};

// The y range that shows the curve: the middle 90% of the values, widened to every value
// within one such width of it, so that the spikes next to a pole do not flatten the rest;
// a margin of 5% on each side. A constant gets ±1 (or ±0.1% of itself when larger); no
// value at all gets -1 to 1.
Range AutoYRange(const std::vector<Sample>& samples);

// The frame of `view` in a plot area of `width` × `height` pixels: y from the view when
// fixed, else from the curve; the curve sampled every 2 pixels (less often for a formula
// slow to calculate), then refined to half a pixel as long as time allows.
PlotFrame MakeFrame(const PlotFunction& f, const PlotView& view, int width, int height);

}  // namespace vantorel::plot
