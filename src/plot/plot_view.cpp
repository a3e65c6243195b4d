#include "plot/plot_view.h"

#include <algorithm>
#include <cmath>

namespace vantorel::plot {
namespace {

constexpr double kLargest = 1e300;          // no end of a view beyond this
constexpr double kFinestShare = 0x1p-40;    // the narrowest view, relative to its place
constexpr double kNarrowest = 1e-280;

Range Scaled(Range r, double about, double factor) {
  return {about + (r.low - about) * factor, about + (r.high - about) * factor};
}

}  // namespace

bool Drawable(Range r) {
  const double magnitude = std::max(std::fabs(r.low), std::fabs(r.high));
  const double width = r.Width();
  return magnitude <= kLargest && width >= std::max(magnitude * kFinestShare, kNarrowest);
}

Range PlotView::InitialX(std::optional<double> xValue) {
  if (!xValue || !std::isfinite(*xValue) || std::fabs(*xValue) > kLargest / 2) return {-10, 10};
  const double half = std::max(10.0, std::fabs(*xValue) * kFinestShare);
  return {*xValue - half, *xValue + half};
}

PlotView::PlotView(std::optional<double> xValue) : xValue_(xValue), x_(InitialX(xValue)) {}

void PlotView::Reset() {
  x_ = InitialX(xValue_);
  fixedY_.reset();
}

void PlotView::Reset(std::optional<double> xValue) {
  xValue_ = xValue;
  Reset();
}

void PlotView::Zoom(double x, double y, double factor) {
  const Range nx = Scaled(x_, x, factor);
  if (!Drawable(nx)) return;
  if (yFixed_ && fixedY_) {
    const Range ny = Scaled(*fixedY_, y, factor);
    if (!Drawable(ny)) return;
    fixedY_ = ny;
  }
  x_ = nx;
}

void PlotView::Pan(double dx, double dy) {
  const Range nx{x_.low + dx, x_.high + dx};
  if (!Drawable(nx)) return;
  if (yFixed_ && fixedY_) {
    const Range ny{fixedY_->low + dy, fixedY_->high + dy};
    if (!Drawable(ny)) return;
    fixedY_ = ny;
  }
  x_ = nx;
}

void PlotView::SetYFixed(bool fixed) {
  yFixed_ = fixed;
  if (!fixed) fixedY_.reset();
}

void PlotView::FixY(Range y) {
  if (yFixed_) fixedY_ = y;
}

}  // namespace vantorel::plot
