#include "engine/exact/fast_pass.h"

#include <cmath>

namespace vantorel::exact {
namespace {

constexpr long double kHalfUlp = 0x1p-64L;    // rounding to nearest, relative
constexpr long double kLibrary = FastPass::kLibraryUlps * 0x1p-63L;
constexpr long double kFloor = 0x1p-16300L;  // covers rounding in the subnormal range

bool Supported(FunctionId f, AngleMode mode) {
  switch (f) {
    case FunctionId::Abs:
    case FunctionId::Square:
    case FunctionId::Sqrt:
    case FunctionId::Exp:
    case FunctionId::Ln: return true;
    case FunctionId::Sin:
    case FunctionId::Cos: return mode == AngleMode::Radians;
    default: return false;
  }
}

bool Finite(const Bounded& b) { return std::isfinite(b.v) && std::isfinite(b.e); }

// The bound of a rounded result: the operands' propagated error, then its own rounding.
Bounded Rounded(long double v, long double propagated) {
  return {v, propagated + std::fabs(v) * kHalfUlp + kFloor};
}

std::optional<Bounded> Divide(const Bounded& a, const Bounded& b) {
  long double m = std::fabs(b.v);
  if (!(m > 2 * b.e)) return std::nullopt;
  long double v = a.v / b.v;
  return Rounded(v, (std::fabs(a.v) * b.e + m * a.e) / (m * (m - b.e)));
}

std::optional<Bounded> Function(FunctionId f, const Bounded& a) {
  switch (f) {
    case FunctionId::Abs: return Bounded{std::fabs(a.v), a.e};
    case FunctionId::Square: {
      long double v = a.v * a.v;
      return Rounded(v, 2 * std::fabs(a.v) * a.e + a.e * a.e);
    }
    case FunctionId::Sqrt: {
      if (!(a.v - a.e > 0)) return std::nullopt;
      long double v = std::sqrt(a.v);
      return Rounded(v, a.e / std::sqrt(a.v - a.e));
    }
    case FunctionId::Exp: {
      if (!(a.e < 0x1p-10L) || !(std::fabs(a.v) < 11000)) return std::nullopt;
      long double v = std::exp(a.v);
      return Bounded{v, v * (a.e * 1.01L + kLibrary) + kFloor};
    }
    case FunctionId::Ln: {
      if (!(a.v - a.e > 0)) return std::nullopt;
      long double v = std::log(a.v);
      return Bounded{v, a.e / (a.v - a.e) + std::fabs(v) * kLibrary + kFloor};
    }
    default: {  // Sin, Cos: derivatives within 1
      if (!(std::fabs(a.v) < 0x1p30L)) return std::nullopt;
      long double v = f == FunctionId::Sin ? std::sin(a.v) : std::cos(a.v);
      return Bounded{v, a.e + std::fabs(v) * kLibrary + kFloor};
    }
  }
}

std::optional<Bounded> Operation(ExactOp op, const Bounded& a, const Bounded& b) {
  switch (op) {
    case ExactOp::Add: return Rounded(a.v + b.v, a.e + b.e);
    case ExactOp::Subtract: return Rounded(a.v - b.v, a.e + b.e);
    case ExactOp::Multiply:
      return Rounded(a.v * b.v, std::fabs(a.v) * b.e + std::fabs(b.v) * a.e + a.e * b.e);
    default: return Divide(a, b);
  }
}

// The double nearest to every point of [v - e, v + e], if one is.
std::optional<double> Nearest(const Bounded& r) {
  double d = static_cast<double>(r.v);
  double m = std::fabs(d);
  if (!(m >= 0x1p-1000) || !(m < 0x1p1020)) return std::nullopt;
  int exponent = 0;
  std::frexp(m, &exponent);                                // m in [2^(exponent-1), 2^exponent)
  long double half = std::ldexp(1.0L, exponent - 54);      // half a double ulp above m
  long double below = m == std::ldexp(1.0, exponent - 1) ? half / 2 : half;
  long double v = std::fabs(r.v);
  long double e = r.e * (1 + 0x1p-40L);  // the bound's own roundings
  if ((v - (m - below)) > e && ((m + half) - v) > e) return d;
  return std::nullopt;
}

}  // namespace

std::optional<Bounded> ToBounded(Real& value) {
  constexpr slong kBits = 128;
  const arb_struct* ball = value.Ball(kBits);
  const arf_struct* mid = arb_midref(ball);
  if (!arb_is_finite(ball)) return std::nullopt;
  if (arf_is_zero(mid)) {
    if (!mag_is_zero(arb_radref(ball))) return std::nullopt;
    return Bounded{0, 0};
  }
  if (arf_cmpabs_2exp_si(mid, 16000) > 0 || arf_cmpabs_2exp_si(mid, -16000) < 0) {
    return std::nullopt;
  }
  arf_t rounded;
  arf_init(rounded);
  arf_set_round(rounded, mid, 64, ARF_RND_NEAR);
  fmpz_t mantissa;
  fmpz_t exponent;
  fmpz_init(mantissa);
  fmpz_init(exponent);
  arf_get_fmpz_2exp(mantissa, exponent, rounded);
  bool negative = fmpz_sgn(mantissa) < 0;
  fmpz_abs(mantissa, mantissa);
  long double v = std::ldexp(static_cast<long double>(fmpz_get_ui(mantissa)),
                             static_cast<int>(fmpz_get_si(exponent)));
  if (negative) v = -v;
  fmpz_clear(exponent);
  fmpz_clear(mantissa);
  arf_clear(rounded);
  long double radius = static_cast<long double>(mag_get_d(arb_radref(ball)));
  return Bounded{v, radius * (1 + 0x1p-50L) + std::fabs(v) * kHalfUlp + kFloor};
}

FastPass::FastPass(const ExactProgram& program, AngleMode mode,
                   const std::vector<std::uint32_t>& partEnd)
    : program_(program), partEnd_(partEnd) {
  constexpr std::size_t kLongest = 1000;  // the bound's own roundings stay negligible
  if (program.steps.size() > kLongest) available_ = false;
  for (std::size_t i = 0; i < program.steps.size() && available_; ++i) {
    if (partEnd[i] != static_cast<std::uint32_t>(-1)) {
      i = partEnd[i];
      continue;
    }
    const ExactStep& s = program.steps[i];
    if (s.op == ExactOp::Call && !Supported(s.function, mode)) available_ = false;
  }
}

std::optional<double> FastPass::Decide(const Bounded& x,
                                       const std::vector<Bounded>& constants) const {
  Bounded stack[64];
  std::size_t n = 0;
  for (std::size_t i = 0; i < program_.steps.size(); ++i) {
    if (n >= 63) return std::nullopt;
    if (partEnd_[i] != static_cast<std::uint32_t>(-1)) {
      stack[n++] = constants[i];
      i = partEnd_[i];
      continue;
    }
    const ExactStep& s = program_.steps[i];
    std::optional<Bounded> r;
    switch (s.op) {
      case ExactOp::X: stack[n++] = x; continue;
      case ExactOp::Negate: stack[n - 1].v = -stack[n - 1].v; continue;
      case ExactOp::Call: r = Function(s.function, stack[n - 1]); break;
      case ExactOp::Add:
      case ExactOp::Subtract:
      case ExactOp::Multiply:
      case ExactOp::Divide:
        --n;
        r = Operation(s.op, stack[n - 1], stack[n]);
        break;
      default: return std::nullopt;  // a number or constant outside the constant parts
    }
    if (!r || !Finite(*r)) return std::nullopt;
    stack[n - 1] = *r;
  }
  if (n != 1) return std::nullopt;
  return Nearest(stack[0]);
}

}  // namespace vantorel::exact
