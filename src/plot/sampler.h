#pragma once
// Sampling a curve for drawing: an even pass, then more points where the curve bends,
// where its domain ends and where it jumps, so that straight lines between the points
// look like the curve, and no line joins two sides of a pole.

#include <cmath>
#include <vector>

#include "plot/plot_function.h"
#include "plot/range.h"

namespace vantorel::plot {

// A point of the curve; y is NaN where the curve has a gap: the formula fails there, or
// the curve jumps or is out of sight between its neighbours.
struct Sample {
  double x = 0;
  double y = 0;
};
inline bool HasValue(const Sample& s) { return !std::isnan(s.y); }

// `intervals` + 1 samples from x.low to x.high, evenly spaced.
std::vector<Sample> EvenSamples(const PlotFunction& f, Range x, int intervals);

struct Refinement {
  Range y;            // what is in sight: the curve is followed only there
  double tolerance;   // how far (in y) the middle of a drawn chord may be from the curve
  int bendHalvings = 6;  // of an even interval where the curve still bends
  double finest = 0;  // the narrowest interval worth halving, for edges and jumps
  long budget = 0;    // evaluations in all, so that no formula makes drawing slow
  double deadline = HUGE_VAL;  // ThreadSeconds() by which to stop: for slow formulas
};

// The even samples with the points `r` asks for added between them, in increasing x.
// Between two neighbours with values the curve may be drawn as a straight line; a
// sample without a value stands wherever it may not.
std::vector<Sample> RefineCurve(const PlotFunction& f, const std::vector<Sample>& even,
                                const Refinement& r);

// The runs of samples with values, each drawn as one line.
std::vector<std::vector<Sample>> Pieces(const std::vector<Sample>& curve);

}  // namespace vantorel::plot
