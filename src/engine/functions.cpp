#include "engine/functions.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "engine/angles.h"
#include "engine/catalogue.h"
#include "engine/messages.h"

namespace vantorel {
namespace {

constexpr long double kLn2 = 0.69314718055994530941723212145818L;

[[noreturn]] void OutsideDomain(FunctionId id) {
  FailCalculation(ErrorCode::OutsideDomain,
                  Catalogue::Instance().Functions()[static_cast<int>(id)].name);
}

long double Divide(long double numerator, long double denominator) {
  if (denominator == 0) FailCalculation(ErrorCode::DivisionByZero);
  return numerator / denominator;
}

long double CheckedLogArgument(long double a) {
  if (a < 0) FailCalculation(ErrorCode::LogarithmOfNegative);
  if (a == 0) FailCalculation(ErrorCode::LogarithmOfZero);
  return a;
}

// A negative base has a real power only for a whole exponent.
long double Power(long double base, long double exponent) {
  if (base < 0 && exponent != std::trunc(exponent)) {
    FailCalculation(ErrorCode::NegativeBaseFractionalExponent);
  }
  if (base == 0 && exponent < 0) FailCalculation(ErrorCode::DivisionByZero);
  return std::pow(base, exponent);
}

long double LogBaseN(long double base, long double a) {
  long double numerator = std::log2(CheckedLogArgument(a));
  return Divide(numerator, std::log2(CheckedLogArgument(base)));
}

// Near the zeros of 1 - sin and 1 - cos the differences are rewritten as
// cos^2 / (1 + sin) and sin^2 / (1 + cos), which lose no digits.
long double OneMinus(long double value, long double other) {
  return value > 0 ? other * other / (1 + value) : 1 - value;
}

long double Exsecans(long double angle, AngleMode mode) {
  SineCosine sc = SinCos(angle, mode);
  if (sc.cosine == 0) FailCalculation(ErrorCode::DivisionByZero);
  if (sc.cosine < 0) return 1 / sc.cosine - 1;
  return OneMinus(sc.cosine, sc.sine) / sc.cosine;
}

// ArcTan(sqrt((x - 1)(x + 1))), defined for abs(x) of at least 1.
long double ArcSec(long double a) {
  long double product = (a - 1) * (a + 1);
  if (product < 0) OutsideDomain(FunctionId::ArcSec);
  return std::atan(std::sqrt(product));
}

// ArcTan(1 / sqrt((x - 1)(x + 1))), defined for abs(x) above 1. Beyond 2^32 the root
// is abs(x) to working precision, and beyond 2^8192 the product would overflow and
// give 0 instead of 1 / abs(x).
long double ArcCsc(long double a) {
  if (std::fabs(a) > 0x1p32L) return std::atan(1 / std::fabs(a));
  long double product = (a - 1) * (a + 1);
  if (product < 0) OutsideDomain(FunctionId::ArcCsc);
  return std::atan(Divide(1, std::sqrt(product)));
}

// ArcTanH(sqrt((x - 1)(x + 1)) / x) is acosh(abs(x)) with the sign of x; acosh keeps
// the digits the quotient loses as it nears 1.
long double ArcCosH(long double a) {
  if (std::fabs(a) < 1) OutsideDomain(FunctionId::ArcCosH);
  return std::copysign(std::acosh(std::fabs(a)), a);
}

long double ArcTanH(long double a) {
  if (std::fabs(a) > 1) OutsideDomain(FunctionId::ArcTanH);
  if (std::fabs(a) == 1) FailCalculation(ErrorCode::DivisionByZero);
  return std::atanh(a);
}

// ArcTanH(1 / x) as ln((x + 1) / (x - 1)) / 2, exact near abs(x) = 1 where 1 / x is not.
long double ArcCotH(long double a) {
  long double magnitude = std::fabs(a);
  if (a == 0 || magnitude == 1) FailCalculation(ErrorCode::DivisionByZero);
  if (magnitude < 1) OutsideDomain(FunctionId::ArcCotH);
  return std::copysign(std::log1p(2 / (magnitude - 1)) / 2, a);
}

// ArcTanH(sqrt((1 - x)(1 + x))); for small x the tangent form loses its digits, so
// there it is the equal ln(1 + sqrt(...)) - ln(abs(x)).
long double ArcSecH(long double a) {
  long double magnitude = std::fabs(a);
  if (magnitude > 1) OutsideDomain(FunctionId::ArcSecH);
  if (a == 0) FailCalculation(ErrorCode::DivisionByZero);
  long double root = std::sqrt((1 - a) * (1 + a));
  if (magnitude >= 0.5L) return std::atanh(root);
  return std::log1p(root) - std::log(magnitude);
}

// Ln((1 + sqrt(1 + x^2)) / x) equals asinh(1 / x) for x above 0, and ln(2 / x) to
// working precision for tiny x, where 1 / x would overflow.
long double ArcCscH(long double a) {
  if (a == 0) FailCalculation(ErrorCode::DivisionByZero);
  if (a < 0) OutsideDomain(FunctionId::ArcCscH);
  if (a < 1e-10L) return kLn2 - std::log(a);
  return std::asinh(1 / a);
}

long double Inverse(FunctionId id, long double a) {
  if (std::fabs(a) > 1) OutsideDomain(id);
  return id == FunctionId::ArcSin ? std::asin(a) : std::acos(a);
}

// ArcTan2(0;0) is 0 and the sign of a zero never turns it into pi.
long double ArcTan2(long double y, long double x) { return std::atan2(y + 0.0L, x + 0.0L); }

long double Algebraic(FunctionId id, long double a, long double b) {
  switch (id) {
    case FunctionId::Power: return Power(a, b);
    default: return CalculateFunction1(id, a, AngleMode::Radians);
  }
}

long double Transcendental(FunctionId id, long double a, long double b) {
  switch (id) {
    case FunctionId::Exp: return std::exp(a);
    case FunctionId::Ln: return std::log(CheckedLogArgument(a));
    case FunctionId::LogBase10: return std::log10(CheckedLogArgument(a));
    case FunctionId::LogBase2: return std::log2(CheckedLogArgument(a));
    default: return LogBaseN(a, b);
  }
}

long double Trigonometric(FunctionId id, long double a, AngleMode mode) {
  switch (id) {
    case FunctionId::Sin: return Sine(a, mode);
    case FunctionId::Cos: return Cosine(a, mode);
    case FunctionId::Tan: return Tangent(a, mode);
    case FunctionId::Cot: return Cotangent(a, mode);
    case FunctionId::Sec: return Divide(1, Cosine(a, mode));
    default: return Divide(1, Sine(a, mode));
  }
}

long double OtherTrig(FunctionId id, long double a, long double b, AngleMode mode) {
  switch (id) {
    case FunctionId::ArcSin:
    case FunctionId::ArcCos: return FromRadians(Inverse(id, a), mode);
    case FunctionId::ArcTan: return FromRadians(std::atan(a), mode);
    case FunctionId::ArcCot: return FromRadians(std::atan(Divide(1, a)), mode);
    case FunctionId::ArcSec: return FromRadians(ArcSec(a), mode);
    case FunctionId::ArcCsc: return FromRadians(ArcCsc(a), mode);
    case FunctionId::ArcTan2: return FromRadians(ArcTan2(a, b), mode);
    case FunctionId::Exsecans: return Exsecans(a, mode);
    default: break;
  }
  SineCosine sc = SinCos(a, mode);
  switch (id) {
    case FunctionId::Coversine: return OneMinus(sc.sine, sc.cosine);
    case FunctionId::Haversine: return OneMinus(sc.cosine, sc.sine) / 2;
    default: return OneMinus(sc.cosine, sc.sine);
  }
}

long double Hyperbolic(FunctionId id, long double a) {
  switch (id) {
    case FunctionId::SinH: return std::sinh(a);
    case FunctionId::CosH: return std::cosh(a);
    case FunctionId::TanH: return std::tanh(a);
    case FunctionId::CotH: return Divide(1, std::tanh(a));
    case FunctionId::SecH: return 1 / std::cosh(a);
    case FunctionId::CscH: return Divide(1, std::sinh(a));
    case FunctionId::ArcSinH: return std::asinh(a);
    case FunctionId::ArcCosH: return ArcCosH(a);
    case FunctionId::ArcTanH: return ArcTanH(a);
    case FunctionId::ArcCotH: return ArcCotH(a);
    case FunctionId::ArcSecH: return ArcSecH(a);
    default: return ArcCscH(a);
  }
}

long double Calculate(FunctionId id, long double a, long double b, AngleMode mode) {
  if (id <= FunctionId::Power) return Algebraic(id, a, b);
  if (id <= FunctionId::LogBaseN) return Transcendental(id, a, b);
  if (id <= FunctionId::Csc) return Trigonometric(id, a, mode);
  if (id <= FunctionId::ArcTan2) return OtherTrig(id, a, b, mode);
  if (id <= FunctionId::ArcCscH) return Hyperbolic(id, a);
  return std::hypot(a, b);
}

}  // namespace

long double CalculateFunction(FunctionId id, long double a, long double b, AngleMode mode) {
  return CheckedValue(Calculate(id, a, b, mode));
}

namespace {

// Whether `value` lies exactly halfway between two normal doubles: its 11 significand
// bits beyond a double's are 10000000000. Narrowing such a value rounds to even, whatever
// side of it the exact result lies on.
bool IsDoubleTie(long double value) {
  static_assert(std::numeric_limits<long double>::digits == 64,
                "the significand is the 64-bit x87 one, stored first");
  std::uint64_t significand;
  std::memcpy(&significand, &value, sizeof significand);
  return (significand & 0x7FF) == 0x400;
}

}  // namespace

// The root, correctly rounded in long double, moves one long double step toward the
// exact root when it is such a tie. r * r - a is exact with one rounding (fmal), so its
// sign tells on which side the exact root lies; it is never 0 there, as the square of a
// tie needs more than 64 bits (only an underflow far below the double range gives 0).
// Where doubles are subnormal the ties lie elsewhere and the step crosses none.
long double FinalSquareRoot(long double a) {
  long double root = SquareRoot(a);
  if (IsDoubleTie(root)) {
    long double excess = std::fma(root, root, -a);
    if (excess != 0) {
      root = std::nextafter(root, excess > 0 ? 0.0L : std::numeric_limits<long double>::infinity());
    }
  }
  return root;
}

namespace {

// Everything CalculateFunction1 calls is inlined here, so the checks for other functions
// and other units fold away.
template <FunctionId id, AngleMode mode>
[[gnu::flatten]] long double CalculateOne(long double a) {
  if constexpr (id == FunctionId::Sqrt) {
    return FinalSquareRoot(a);
  } else {
    return CalculateFunction1(id, a, mode);
  }
}

template <AngleMode mode, std::size_t... ids>
constexpr std::array<Function1, kFunctionCount> MakeFunctions1(std::index_sequence<ids...>) {
  return {&CalculateOne<static_cast<FunctionId>(ids), mode>...};
}

template <AngleMode mode>
constexpr std::array<Function1, kFunctionCount> kFunctions1 =
    MakeFunctions1<mode>(std::make_index_sequence<kFunctionCount>{});

// In Radians these are the library's functions as they are, called without a step between.
Function1 LibraryFunction(FunctionId id) {
  switch (id) {
    case FunctionId::Exp: return &::expl;
    case FunctionId::Sin: return &::sinl;
    case FunctionId::Cos: return &::cosl;
    case FunctionId::Tan: return &::tanl;
    case FunctionId::ArcTan: return &::atanl;
    case FunctionId::SinH: return &::sinhl;
    case FunctionId::CosH: return &::coshl;
    case FunctionId::TanH: return &::tanhl;
    case FunctionId::ArcSinH: return &::asinhl;
    default: return nullptr;
  }
}

}  // namespace

Function1 FunctionOf1(FunctionId id, AngleMode mode) {
  auto index = static_cast<std::size_t>(id);
  switch (mode) {
    case AngleMode::Radians: {
      Function1 library = LibraryFunction(id);
      return library ? library : kFunctions1<AngleMode::Radians>[index];
    }
    case AngleMode::Degrees: return kFunctions1<AngleMode::Degrees>[index];
    default: return kFunctions1<AngleMode::Grads>[index];
  }
}

}  // namespace vantorel
