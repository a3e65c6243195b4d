#pragma once
// The part of the plane a plot shows, as the user moves it: x from the X value - 10 to
// the X value + 10 at first; y following the curve unless fixed.

#include <optional>

#include "plot/range.h"

namespace vantorel::plot {

class PlotView {
 public:
  // Where the view starts for an X value: ±10 around it, wider where 20 would be too
  // narrow for the doubles there; -10 to 10 without a finite X value.
  static Range InitialX(std::optional<double> xValue);

  explicit PlotView(std::optional<double> xValue = {});

  Range X() const { return x_; }
  std::optional<double> XValue() const { return xValue_; }
  // Back to the start for the X value; a fixed y range is fixed again at the next frame.
  void Reset();
  void Reset(std::optional<double> xValue);

  // Shrinks the view by `factor` (below 1 zooms in) about the point (`x`, `y`); y only
  // while it is fixed. A step that would leave the ranges a double can draw is ignored.
  void Zoom(double x, double y, double factor);
  // Moves the view by (`dx`, `dy`); y only while it is fixed.
  void Pan(double dx, double dy);

  // While y is fixed, it keeps the range it had when fixed.
  bool YFixed() const { return yFixed_; }
  void SetYFixed(bool fixed);
  std::optional<Range> FixedY() const { return fixedY_; }
  // The range y is fixed at; only while fixed.
  void FixY(Range y);

 private:
  std::optional<double> xValue_;
  Range x_;
  bool yFixed_ = false;
  std::optional<Range> fixedY_;
};

// Whether a range is wide enough for distinct doubles across a picture and narrow
// enough to compute with.
bool Drawable(Range r);

}  // namespace vantorel::plot
