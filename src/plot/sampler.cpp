#include "plot/sampler.h"

#include <algorithm>
#include <limits>

#include "plot/cpu_clock.h"

namespace vantorel::plot {
namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

class Refiner {
 public:
  Refiner(const PlotFunction& f, const Refinement& r)
      : f_(f), r_(r), budget_(r.budget),
        // A little beyond the edges, so that a line that leaves the picture is drawn
        // to its border.
        low_(r.y.low - 4 * r.tolerance), high_(r.y.high + 4 * r.tolerance) {}

  std::vector<Sample> Run(const std::vector<Sample>& even) {
    if (even.empty()) return {};
    out_.push_back(even.front());
    for (std::size_t i = 1; i < even.size(); ++i) Interval(even[i - 1], even[i], 0);
    return std::move(out_);
  }

 private:
  // The halvings nest at most bendHalvings plus the halvings down to `finest` (bounded
  // by the 53 bits of a double), whatever the formula.
  void Interval(const Sample& a, const Sample& b, int depth);
  void Jump(const Sample& a, const Sample& m, const Sample& b, int depth);

  Sample At(double x) {
    // The clock is read now and then: it costs about as much as a short formula.
    if (--budget_ % 32 == 0 && ThreadSeconds() > r_.deadline) budget_ = 0;
    const std::optional<double> y = f_(x);
    return {x, y ? *y : kGap};
  }
  double Seen(double y) const { return std::clamp(y, low_, high_); }
  int Side(double y) const { return y < low_ ? -1 : (y > high_ ? 1 : 0); }
  void Gap(const Sample& a, const Sample& b) {
    out_.push_back({a.x + (b.x - a.x) / 2, kGap});
    out_.push_back(b);
  }
  // A chord drawn as it is; none where it is out of sight.
  void Straight(const Sample& a, const Sample& b) {
    if (Unseen(a, b)) return Gap(a, b);
    out_.push_back(b);
  }
  bool Unseen(const Sample& a, const Sample& b) const {
    return HasValue(a) && HasValue(b) && Side(a.y) != 0 && Side(a.y) == Side(b.y);
  }

  const PlotFunction& f_;
  const Refinement& r_;
  long budget_;
  double low_, high_;
  std::vector<Sample> out_;
};

// Appends the samples after `a` up to and with `b`.
void Refiner::Interval(const Sample& a, const Sample& b, int depth) {
  const bool va = HasValue(a), vb = HasValue(b);
  if (!va && !vb) return out_.push_back(b);
  if (Unseen(a, b)) return Gap(a, b);
  const double mid = a.x + (b.x - a.x) / 2;
  if (budget_ <= 0) {
    // No time left to look closer: a chord across half the picture may bridge a pole.
    if (va && vb && std::abs(Seen(b.y) - Seen(a.y)) > r_.y.Width() / 2) return Gap(a, b);
    return out_.push_back(b);
  }
  if (!(b.x - a.x > r_.finest) || mid <= a.x || mid >= b.x) {
    // As narrow as it matters: a change still in sight is a pole or a step.
    if (va && vb && std::abs(Seen(b.y) - Seen(a.y)) > r_.tolerance) return Gap(a, b);
    return out_.push_back(b);
  }
  const Sample m = At(mid);
  if (va != vb || !HasValue(m)) {  // an edge of the domain: find it
    Interval(a, m, depth + 1);
    Interval(m, b, depth + 1);
    return;
  }
  const double chord = (Seen(a.y) + Seen(b.y)) / 2;
  if (std::abs(Seen(m.y) - chord) <= r_.tolerance) {
    Straight(a, m);
    Straight(m, b);
  } else if (depth < r_.bendHalvings) {
    Interval(a, m, depth + 1);
    Interval(m, b, depth + 1);
  } else {
    Jump(a, m, b, depth);
  }
}

// Narrower than a pixel yet still bent: only a jump would show. It lies in the half
// that changes more in sight; the other half is drawn straight.
void Refiner::Jump(const Sample& a, const Sample& m, const Sample& b, int depth) {
  if (std::abs(Seen(m.y) - Seen(a.y)) >= std::abs(Seen(b.y) - Seen(m.y))) {
    Interval(a, m, depth + 1);
    Straight(m, b);
  } else {
    Straight(a, m);
    Interval(m, b, depth + 1);
  }
}

}  // namespace

std::vector<Sample> EvenSamples(const PlotFunction& f, Range x, int intervals) {
  intervals = std::max(intervals, 1);
  std::vector<Sample> samples;
  samples.reserve(std::size_t(intervals) + 1);
  for (int i = 0; i <= intervals; ++i) {
    const double at = i == intervals ? x.high : x.low + x.Width() * i / intervals;
    const std::optional<double> y = f(at);
    samples.push_back({at, y ? *y : kGap});
  }
  return samples;
}

std::vector<Sample> RefineCurve(const PlotFunction& f, const std::vector<Sample>& even,
                                const Refinement& r) {
  return Refiner(f, r).Run(even);
}

std::vector<std::vector<Sample>> Pieces(const std::vector<Sample>& curve) {
  std::vector<std::vector<Sample>> pieces;
  bool open = false;
  for (const Sample& s : curve) {
    if (!HasValue(s)) {
      open = false;
    } else {
      if (!open) pieces.emplace_back();
      pieces.back().push_back(s);
      open = true;
    }
  }
  return pieces;
}

}  // namespace vantorel::plot
