#include "engine/catalogue.h"

#include <algorithm>
#include <array>

#include "engine/function_id.h"

namespace vantorel {
namespace {

using enum FunctionGroup;
using enum AngleUse;

constexpr std::array<FunctionEntry, kFunctionCount> kFunctions{{
    {"Abs", Algebraic, 1, None, "abs(x)", "absolute value of x"},
    {"Square", Algebraic, 1, None, "square(x)", "the square of x, x times x"},
    {"Sqrt", Algebraic, 1, None, "sqrt(x)", "the square root of x"},
    {"Power", Algebraic, 2, None, "power(x;2)", "x raised to the power of z"},
    {"Exp", Transcendental, 1, None, "exp(x)", "NConst raised to the power of x"},
    {"Ln", Transcendental, 1, None, "ln(x)",
     "logarithm of x to the base NConst (natural logarithm)"},
    {"LogBase10", Transcendental, 1, None, "logbase10(x)", "logarithm of x to the base 10"},
    {"LogBase2", Transcendental, 1, None, "logbase2(x)", "logarithm of x to the base 2"},
    {"LogBaseN", Transcendental, 2, None, "logbaseN(10;x)",
     "logarithm of x to the base Base: the power to which Base must be raised to give x"},
    {"Sin", Trigonometric, 1, Argument, "sin(x)", "sine of the angle x"},
    {"Cos", Trigonometric, 1, Argument, "cos(x)", "cosine of the angle x"},
    {"Tan", Trigonometric, 1, Argument, "tan(x)", "tangent, sin(x)/cos(x)"},
    {"Cot", Trigonometric, 1, Argument, "cot(x)", "cotangent, 1/tan(x)"},
    {"Sec", Trigonometric, 1, Argument, "sec(x)", "secant, 1/cos(x)"},
    {"Csc", Trigonometric, 1, Argument, "csc(x)", "cosecant, 1/sin(x)"},
    {"ArcSin", OtherTrig, 1, Result, "arcsin(x)",
     "arc sine of x; equals ArcTan(x / sqrt((1 - x)(1 + x)))"},
    {"ArcCos", OtherTrig, 1, Result, "arccos(x)",
     "arc cosine of x; equals ArcTan(sqrt((1 - x)(1 + x)) / x) for x above 0"},
    {"ArcTan", OtherTrig, 1, Result, "arctan(x)",
     "arc tangent of x; for abs(x) below 1 the series x - x^3 / 3 + x^5 / 5 - ..."},
    {"ArcCot", OtherTrig, 1, Result, "arccot(x)", "ArcTan(1 / x)"},
    {"ArcSec", OtherTrig, 1, Result, "arcsec(x)", "ArcTan(sqrt((x - 1)(x + 1)))"},
    {"ArcCsc", OtherTrig, 1, Result, "arccsc(x)", "ArcTan(1 / sqrt((x - 1)(x + 1)))"},
    {"Coversine", OtherTrig, 1, Argument, "coversine(x)", "1 - sin(x)"},
    {"Exsecans", OtherTrig, 1, Argument, "exsecans(x)", "sec(x) - 1"},
    {"Haversine", OtherTrig, 1, Argument, "haversine(x)",
     "(1 - cos(x))/2, which equals (sin(x/2))^2"},
    {"Versine", OtherTrig, 1, Argument, "versine(x)", "1 - cos(x)"},
    {"ArcTan2", OtherTrig, 2, Result, "arctan2(x;1)",
     "the polar angle of the point whose horizontal coordinate is z and vertical "
     "coordinate is x; equals ArcTan(x/z) for z above 0"},
    {"SinH", Hyperbolic, 1, None, "sinh(x)", "(exp(x) - exp(-x)) / 2"},
    {"CosH", Hyperbolic, 1, None, "cosh(x)", "(exp(x) + exp(-x)) / 2"},
    {"TanH", Hyperbolic, 1, None, "tanh(x)", "SinH(x) / CosH(x)"},
    {"CotH", Hyperbolic, 1, None, "coth(x)", "1 / TanH(x)"},
    {"SecH", Hyperbolic, 1, None, "sech(x)", "1 / CosH(x)"},
    {"CscH", Hyperbolic, 1, None, "csch(x)", "1 / SinH(x)"},
    {"ArcSinH", OtherHyp, 1, None, "arcsinh(x)", "Ln(x + sqrt(x^2 + 1))"},
    {"ArcCosH", OtherHyp, 1, None, "arccosh(x)", "ArcTanH(sqrt((x - 1)(x + 1)) / x)"},
    {"ArcTanH", OtherHyp, 1, None, "arctanh(x)",
     "inverse hyperbolic tangent; for abs(x) below 1 the series x + x^3 / 3 + x^5 / 5 + ..."},
    {"ArcCotH", OtherHyp, 1, None, "arccoth(x)", "ArcTanH(1 / x)"},
    {"ArcSecH", OtherHyp, 1, None, "arcsech(x)", "ArcTanH(sqrt((1 - x)(1 + x)))"},
    {"ArcCscH", OtherHyp, 1, None, "arccsch(x)", "Ln((1 + sqrt(1 + x^2)) / x)"},
    {"Pythag", Miscellaneous, 2, None, "pythag(x;2)",
     "the length of the hypotenuse of the right triangle whose horizontal and vertical "
     "sides are h and v: the square root of h^2 + v^2"},
}};

// The calculations are chosen by FunctionId, so the table must keep that order.
static_assert(kFunctions[static_cast<int>(FunctionId::Power)].name == "Power");
static_assert(kFunctions[static_cast<int>(FunctionId::LogBaseN)].name == "LogBaseN");
static_assert(kFunctions[static_cast<int>(FunctionId::Csc)].name == "Csc");
static_assert(kFunctions[static_cast<int>(FunctionId::ArcTan2)].name == "ArcTan2");
static_assert(kFunctions[static_cast<int>(FunctionId::CscH)].name == "CscH");
static_assert(kFunctions[static_cast<int>(FunctionId::Pythag)].name == "Pythag");

// The listed decimal and the compiler's nearest long double of that same decimal.
#define VALUE(digits) #digits, digits##L

using enum ConstantGroup;

constexpr std::array<ConstantEntry, 49> kConstants{{
    {"Pi", "", VALUE(3.1415926535897932384626433832795), "Pi", Mathematical},
    {"PiOn2", "", VALUE(1.5707963267948966192313216916398), "Pi / 2", Mathematical},
    {"PiOn3", "", VALUE(1.0471975511965977461542144610932), "Pi / 3", Mathematical},
    {"PiOn4", "", VALUE(0.78539816339744830961566084581988), "Pi / 4", Mathematical},
    {"Deg", "", VALUE(57.295779513082320876798154814114), "180 / Pi (degrees in one radian)",
     Mathematical},
    {"Bernstein", "", VALUE(0.2801694990238691330364364912307), "Bernstein constant",
     Mathematical},
    {"Cbrt2", "", VALUE(1.2599210498948731647672106072782), "CubeRoot(2)", Mathematical},
    {"Cbrt3", "", VALUE(1.4422495703074083823216383107801), "CubeRoot(3)", Mathematical},
    {"Cbrt10", "", VALUE(2.1544346900318837217592935665194), "CubeRoot(10)", Mathematical},
    {"Cbrt100", "", VALUE(4.6415888336127788924100763509194), "CubeRoot(100)", Mathematical},
    {"CbrtPi", "", VALUE(1.4645918875615232630201425272638), "CubeRoot(Pi)", Mathematical},
    {"Catalan", "", VALUE(0.9159655941772190150546035149324), "Catalan constant", Mathematical},
    {"Sqrt2", "", VALUE(1.4142135623730950488016887242097), "Sqrt(2)", Mathematical},
    {"Sqrt3", "", VALUE(1.7320508075688772935274463415059), "Sqrt(3)", Mathematical},
    {"Sqrt5", "", VALUE(2.2360679774997896964091736687313), "Sqrt(5)", Mathematical},
    {"Sqrt10", "", VALUE(3.1622776601683793319988935444327), "Sqrt(10)", Mathematical},
    {"SqrtPi", "", VALUE(1.7724538509055160272981674833411), "Sqrt(Pi)", Mathematical},
    {"Sqrt2Pi", "", VALUE(2.506628274631000502415765284811), "Sqrt(2 * Pi)", Mathematical},
    {"TwoPi", "", VALUE(6.283185307179586476925286766559), "2 * Pi", Mathematical},
    {"ThreePi", "", VALUE(9.4247779607693797153879301498385), "3 * Pi", Mathematical},
    {"Ln2", "", VALUE(0.69314718055994530941723212145818), "Ln(2)", Mathematical},
    {"Ln10", "", VALUE(2.3025850929940456840179914546844), "Ln(10)", Mathematical},
    {"LnPi", "", VALUE(1.1447298858494001741434273513531), "Ln(Pi)", Mathematical},
    {"Log2", "", VALUE(0.30102999566398119521373889472449), "LogBase10(2)", Mathematical},
    {"Log3", "", VALUE(0.47712125471966243729502790325512), "LogBase10(3)", Mathematical},
    {"LogPi", "", VALUE(0.4971498726941338543512682882909), "LogBase10(Pi)", Mathematical},
    {"LogE", "LogNConst", VALUE(0.43429448190325182765112891891661), "LogBase10(NConst)",
     Mathematical},
    {"NConst", "", VALUE(2.7182818284590452353602874713527), "Natural constant; exp(1)",
     Mathematical},
    {"hLn2Pi", "", VALUE(0.91893853320467274178032973640562), "Ln(2 * Pi) / 2", Mathematical},
    {"inv2Pi", "", VALUE(0.159154943091895), "0.5 / Pi, to 15 significant digits",
     Mathematical},
    {"TwoToPower63", "", VALUE(9223372036854775808.0), "2^63", Mathematical},
    {"GoldenMean", "", VALUE(1.618033988749894848204586834365638), "GoldenMean", Mathematical},
    {"EulerMascheroni", "", VALUE(0.5772156649015328606065120900824), "Euler GAMMA",
     Mathematical},
    {"Amu", "", VALUE(1.6606E-27), "Atomic mass unit constant (kg)", Physical},
    {"Avog", "", VALUE(6.0225E23), "Avogadro constant (mol^-1)", Physical},
    {"Boltz", "", VALUE(1.3805E-23), "Boltzmann constant (J K^-1)", Physical},
    {"ECharge", "", VALUE(1.602189E-19), "Electron charge (C)", Physical},
    {"EMass", "", VALUE(9.11E-31), "Electron mass (kg)", Physical},
    // The catalogue's value as listed, 1.602E-14, although the electron volt is
    // 1.602E-19 joules: formulas written for the catalogue rely on the listed value.
    {"EVolt", "", VALUE(1.602E-14), "Electron volt (J)", Physical},
    {"Farad", "", VALUE(96480.56), "Faraday constant (C mol^-1)", Physical},
    {"Gas", "", VALUE(8.314), "Gas constant (J mol^-1 K^-1)", Physical},
    {"Neutron", "", VALUE(1.6748E-27), "Neutron mass (kg)", Physical},
    {"Planck", "", VALUE(6.626E-34), "Planck constant (Js)", Physical},
    {"Proton", "", VALUE(1.6725E-27), "Proton mass (kg)", Physical},
    {"Light", "", VALUE(2.9979E8), "Speed of light in vacuum (m s^-1)", Physical},
    {"Gravity", "", VALUE(9.80665), "Gravitational acceleration at sea level (m s^-2)",
     Physical},
    {"Pressure", "", VALUE(101325), "Normal atmospheric pressure (N m^-2)", Physical},
    {"Stefan", "", VALUE(5.67032E-8), "Stefan-Boltzmann constant (W m^-2 K^-4)", Physical},
    {"Bohr", "", VALUE(5.2917706E-11), "Bohr radius (m)", Physical},
}};

#undef VALUE

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// No name in the tables is longer; a longer one is not looked for.
constexpr std::size_t kLongestName = 16;

// Every name and alias in small letters in an open-addressed hash table: a formula's
// names are looked up with one pass over their letters and, mostly, one comparison.
class NameIndex {
 public:
  NameIndex() {
    for (const FunctionEntry& f : kFunctions) Insert(f.name, {&f, nullptr});
    for (const ConstantEntry& c : kConstants) {
      Insert(c.name, {nullptr, &c});
      if (!c.alias.empty()) Insert(c.alias, {nullptr, &c});
    }
  }

  NameLookup Find(std::string_view name) const {
    if (name.empty() || name.size() > kLongestName) return {};
    char lower[kLongestName];
    std::size_t slot = Hash(name, lower);
    std::string_view wanted(lower, name.size());
    for (; slots_[slot].length != 0; slot = (slot + 1) % kSlots) {
      if (slots_[slot].Name() == wanted) return slots_[slot].found;
    }
    return {};
  }

 private:
  static constexpr std::size_t kSlots = 256;  // well over twice the 89 names

  struct Slot {
    char name[kLongestName];
    std::size_t length = 0;
    NameLookup found;
    std::string_view Name() const { return {name, length}; }
  };

  // Writes the name in small letters to `lower` and gives its first slot.
  static std::size_t Hash(std::string_view name, char* lower) {
    std::size_t hash = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
      lower[i] = Lower(name[i]);
      hash = hash * 31 + static_cast<unsigned char>(lower[i]);
    }
    return hash % kSlots;
  }

  void Insert(std::string_view name, NameLookup found) {
    char lower[kLongestName];
    std::size_t slot = Hash(name, lower);
    while (slots_[slot].length != 0) slot = (slot + 1) % kSlots;
    std::copy(lower, lower + name.size(), slots_[slot].name);
    slots_[slot].length = name.size();
    slots_[slot].found = found;
  }

  std::array<Slot, kSlots> slots_{};
};

}  // namespace

const Catalogue& Catalogue::Instance() {
  static const Catalogue catalogue;
  return catalogue;
}

std::span<const FunctionEntry> Catalogue::Functions() const { return kFunctions; }

std::span<const ConstantEntry> Catalogue::Constants() const { return kConstants; }

NameLookup Catalogue::LookupName(std::string_view name) const {
  static const NameIndex index;
  return index.Find(name);
}

}  // namespace vantorel
