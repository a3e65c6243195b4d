#pragma once
// One pass of an exact calculation at one precision, and the questions it asks of its
// values: sign, comparison with a domain's edge, range.

#include "engine/exact/real.h"
#include "engine/expression_engine.h"

namespace vantorel::exact {

// The precision of the pass cannot decide a comparison; a higher one may.
struct Undecided {};

class Pass {
 public:
  Pass(slong prec, bool atCap, AngleMode mode) : prec_(prec), atCap_(atCap), mode_(mode) {}

  slong Prec() const { return prec_; }
  AngleMode Mode() const { return mode_; }
  bool AtCap() const { return atCap_; }
  // False once a comparison at the cap was taken on trust.
  bool Certified() const { return certified_; }

  // -1, 0 or +1 as `value` is below, exactly at or above `edge`. A ball that holds the
  // edge throws Undecided; at the cap it counts as the edge itself: `value` becomes the
  // edge exactly and the pass is no longer certified.
  int Compare(Real& value, slong edge);
  int Sign(Real& value) { return Compare(value, 0); }
  // The same for the magnitude of `value` against `edge` (above 0); snapping keeps the
  // value's sign.
  int CompareMagnitude(Real& value, slong edge);

  // A question the ball cannot answer: throws Undecided; at the cap the caller takes the
  // likeliest answer and the pass is no longer certified.
  void TakeAtCap();

  // Fails with "out of range" where `value` lies beyond the long double range, as the
  // 80-bit arithmetic would for any value of the calculation.
  void CheckRange(Real& value);

 private:
  int Undecidable(Real& value, slong edge);

  slong prec_;
  bool atCap_;
  AngleMode mode_;
  bool certified_ = true;
};

}  // namespace vantorel::exact
