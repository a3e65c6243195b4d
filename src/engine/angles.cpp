#include "engine/angles.h"

#include <cmath>

#include "engine/messages.h"

namespace vantorel {
namespace {

constexpr long double kHalfPi = 1.5707963267948966192313216916398L;

long double QuarterTurn(AngleMode mode) { return mode == AngleMode::Degrees ? 90 : 100; }

// An angle in degrees or grads as whole quarter turns (0 to 3) plus a rest of at most
// an eighth turn, so that the library sees only small arguments in radians.
struct Reduced {
  int quarters;
  long double rest;     // in radians
  bool eighth;          // the rest is exactly plus or minus an eighth turn
};

Reduced Reduce(long double angle, AngleMode mode) {
  long double quarter = QuarterTurn(mode);
  long double turn = std::fmod(angle, 4 * quarter);  // exact
  long double count = std::nearbyint(turn / quarter);
  long double rest = turn - count * quarter;         // exact: the two are close
  int quarters = (static_cast<int>(count) % 4 + 4) % 4;
  return {quarters, rest / quarter * kHalfPi, std::fabs(rest) == quarter / 2};
}

// The tangent of a reduced rest, exactly 1 at an eighth turn.
long double RestTangent(const Reduced& r) {
  return r.eighth ? std::copysign(1.0L, r.rest) : std::tan(r.rest);
}

SineCosine Rotate(const Reduced& r) {
  long double s = std::sin(r.rest);
  long double c = std::cos(r.rest);
  switch (r.quarters) {
    case 1: return {c, -s};
    case 2: return {-s, -c};
    case 3: return {-c, s};
    default: return {s, c};
  }
}

long double Reciprocal(long double value) {
  if (value == 0) FailCalculation(ErrorCode::DivisionByZero);
  return 1 / value;
}

}  // namespace

SineCosine SinCos(long double angle, AngleMode mode) {
  if (mode == AngleMode::Radians) return {std::sin(angle), std::cos(angle)};
  return Rotate(Reduce(angle, mode));
}

// An odd number of quarter turns swaps the tangent for minus the cotangent.
long double Tangent(long double angle, AngleMode mode) {
  if (mode == AngleMode::Radians) return std::tan(angle);
  Reduced r = Reduce(angle, mode);
  if (r.quarters % 2 == 0) return RestTangent(r);
  return -Reciprocal(RestTangent(r));
}

long double Cotangent(long double angle, AngleMode mode) {
  if (mode == AngleMode::Radians) return Reciprocal(std::tan(angle));
  Reduced r = Reduce(angle, mode);
  if (r.quarters % 2 == 1) return -RestTangent(r);
  return Reciprocal(RestTangent(r));
}

// Through the fraction of a quarter turn, so that the library's pi/2, pi/4 and pi
// become exactly 90, 45 and 180 (or 100, 50 and 200).
long double FromRadians(long double radians, AngleMode mode) {
  if (mode == AngleMode::Radians) return radians;
  return radians / kHalfPi * QuarterTurn(mode);
}

}  // namespace vantorel
