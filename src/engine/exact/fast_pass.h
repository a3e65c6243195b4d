#pragma once
// A long double pass with a running bound on its error, which decides most values of a
// table before any ball is needed.
//
// Each value is v with a bound e on |exact - v|. The four operations add the bound of
// their operands' errors and half a long double ulp for their own rounding (IEEE
// round-to-nearest). Sqrt is correctly rounded; sinl, cosl, expl and logl are taken to be
// within kLibraryUlps long double ulps of the exact function: glibc publishes measured
// maxima of 1 to 3 ulps for them on x86-64, not proofs, so the pass rests on glibc's
// measurements (with a margin). Where the interval [v - e, v + e] holds no halfway point
// between two doubles, the correctly rounded double is decided. Any step near a domain
// edge, a pole or the range's ends gives up, and the balls decide.

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/exact/real.h"
#include "engine/exact_program.h"
#include "engine/expression_engine.h"

namespace vantorel::exact {

struct Bounded {
  long double v = 0;
  long double e = 0;  // |exact - v| <= e
};

// The value of a ball or rational as a bounded long double; nothing outside the range.
std::optional<Bounded> ToBounded(Real& value);

class FastPass {
 public:
  static constexpr long double kLibraryUlps = 8;

  // Gives up at once (Available() false) for a formula whose parts with x use anything
  // but the four operations, Abs, Square, Sqrt, Exp, Ln, and Sin and Cos in Radians.
  FastPass(const ExactProgram& program, AngleMode mode, const std::vector<std::uint32_t>& partEnd);

  bool Available() const { return available_; }
  // The correctly rounded double for x in [x.v - x.e, x.v + x.e], the constant parts
  // given by `constants` (by the step that begins them); nothing when undecided.
  std::optional<double> Decide(const Bounded& x, const std::vector<Bounded>& constants) const;

 private:
  const ExactProgram& program_;
  const std::vector<std::uint32_t>& partEnd_;
  bool available_ = true;
};

}  // namespace vantorel::exact
