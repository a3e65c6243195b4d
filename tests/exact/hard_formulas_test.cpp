// Hard formulas: cancellation, large arguments, poles, near-ties of the shown text,
// identities, range and subnormal edges, and the cases only the cap's rule decides.

#include <gtest/gtest.h>

#include <string>

#include "engine/exact/exact_formula.h"
#include "engine/messages.h"
#include "exact_test_support.h"

namespace vantorel {
namespace {

constexpr auto R = AngleMode::Radians;
constexpr auto D = AngleMode::Degrees;
constexpr auto G = AngleMode::Grads;

struct Hard {
  const char* formula;
  AngleMode mode;
  const char* x;
  // The correctly rounded double as C reads it, or the failure's message.
  const char* value;
  const char* digits;  // the 15-digit rounding; "" for a failure
  bool certified;
};

constexpr Hard kHard[] = {
    // Cancellation and identities.
    {"1E20+1-1E20", R, "0", "1", "1.0E+0", true},
    {"exp(1E-10)-1", R, "0", "1.00000000005000000000166666666670833e-10",
     "1.00000000005E-10", true},
    {"sqrt(2)*sqrt(2)-2", R, "0", "0", "0", true},
    {"sin(1)-sin(1)", R, "0", "0", "0", true},
    {"0.1+0.2-0.3", R, "0", "0", "0", true},
    {"sqrt(x+1)-sqrt(x)", R, "1E15", "1.5811388300841892707147e-8", "1.58113883008419E-8", true},
    {"arctan2(sin(1);cos(1))", R, "0", "1", "1.0E+0", true},
    {"180/Pi-Deg", R, "0", "0", "0", true},
    {"sin(30)-0.5", D, "0", "0", "0", true},
    {"tan(45)-1", D, "0", "0", "0", true},
    {"arcsin(0.5)", D, "0", "30", "3.0E+1", true},
    {"arccos(-1)", G, "0", "200", "2.0E+2", true},
    // Large arguments.
    {"tan(1.5707963267948966)", R, "0", "51998506188720270.66", "5.19985061887203E+16", true},
    {"sin(1E22)", R, "0", "-0.85220084976718880177", "-8.52200849767189E-1", true},
    {"sin(606.3439442628)", R, "0", "-0.01656136280483301118595", "-1.6561362804833E-2", true},
    {"sin(1E4000)", R, "0", "0.48692809987284572065377", "4.86928099872846E-1", true},
    {"sin(1E4000+0.5)", R, "0", "0.0085691811053667579", "8.56918110536676E-3", true},
    {"sin(1E4000*1.5)", R, "0", "-0.72286692867675155", "-7.22866928676752E-1", true},
    {"cos(x)", D, "1E22", "0.17364817766693034885", "1.7364817766693E-1", true},
    {"arccosh(1.0001309603384791)", R, "0", "0.01618378695756205285491", "1.61837869575621E-2",
     true},
    // Poles and domain edges.
    {"tan(PiOn2)", R, "0", "Division by zero", "", false},  // no ball proves cos(pi/2) = 0
    {"tan(x)", D, "90", "Division by zero", "", true},
    {"cot(x)", G, "200", "Division by zero", "", true},
    {"sec(270)", D, "0", "Division by zero", "", true},
    {"1/(x-x)", R, "3", "Division by zero", "", true},
    {"arcsin(1+1E-30)", R, "0", "Argument outside the domain of 'ArcSin'", "", true},
    {"arctanh(x)", R, "1", "Division by zero", "", true},
    {"arccosh(x)", R, "1", "0", "0", true},
    {"power(-8;1/3)", R, "0",
     "Power of a negative number with an exponent that is not a whole number", "", true},
    {"power(-2;3)", R, "0", "-8", "-8.0E+0", true},
    {"power(0;0)", R, "0", "1", "1.0E+0", true},
    {"1-power(-0.75;64E4930)", R, "0", "1", "1.0E+0", true},  // a whole exponent too long
    {"power(-1;5E4001+1)", R, "0", "-1", "-1.0E+0", true},   // for a fraction
    {"power(-1;1E30*Sqrt2*Sqrt2)", R, "0", "1", "1.0E+0", false},
    {"power(Neutron-1;x)", R, "64E4930", "0", "0", true},  // not 16384 squarings
    {"power(Neutron+1;x)", R, "64E4930", "Result out of range", "", true},
    {"ln(1E-400*1E-400)", R, "0", "-1842.0680743952366", "-1.84206807439524E+3", true},
    // Near-ties of the shown text: the exact value decides, not the double.
    {"0.7/2", R, "0", "0.35", "3.5E-1", true},
    {"x", R, "0.1234567890123455", "0.1234567890123455", "1.23456789012346E-1", true},
    {"x*3/3", R, "0.1234567890123445", "0.1234567890123445", "1.23456789012345E-1", true},
    {"1.005*1000", R, "0", "1005", "1.005E+3", true},
    {"0.99999999999999995", R, "0", "0.99999999999999995", "1.0E+0", true},
    // Range and subnormal edges.
    {"1.7976931348623158E308*1", R, "0", "1.7976931348623157e308", "1.79769313486232E+308",
     true},
    {"1.797693134862315808E308*1", R, "0", "Result out of range", "", true},
    {"exp(11400)", R, "0", "Result out of range", "", true},
    {"power(10;5000)/power(10;4999)", R, "0", "Result out of range", "", true},
    {"exp(-1E30)", R, "0", "0", "0", true},
    {"1+exp(-1E19)", R, "0", "1", "1.0E+0", true},  // a ball 1 +- 2^-(2^40)
    {"exp(exp(-1E10))", R, "0", "1", "1.0E+0", true},
    {"cos(1E-1000000000)", R, "0", "1", "1.0E+0", true},
    {"0E999999999+1", R, "0", "1", "1.0E+0", true},  // no 10^999999999 worked out
    // A first ball of 0 +- 2^72 whose midpoint alone lies far out.
    {"exp(Sqrt2*1E60-2/Sqrt2*1E60)", R, "0", "1", "1.0E+0", true},
    {"cosh(Sqrt2*1E60-2/Sqrt2*1E60)", R, "0", "1", "1.0E+0", true},
    // Functions in range whose definition passes a value beyond the range or too close
    // to a pole for any precision.
    {"arcsech(1E-1000)", R, "0", "2303.2782401746056293", "2.30327824017461E+3", true},
    {"arccsch(1E-4940)", R, "0", "11375.463506571145624", "1.13754635065711E+4", true},
    {"arccot(-1E-4940)", R, "0", "-1.5707963267948966192", "-1.5707963267949E+0", true},
    {"arccsc(-1E4931)*1E4931", R, "0", "1", "1.0E+0", true},
    {"arcsec(x)", D, "1E4000", "90", "9.0E+1", true},
    {"3E-324*1", R, "0", "4.9406564584124654e-324", "3.0E-324", true},
    {"2E-324*1", R, "0", "0", "0", true},
    {"2.4703282292062328E-324*1", R, "0", "4.9406564584124654e-324", "2.47032822920623E-324",
     true},
    // Undecidable: an exact identity on a pole or an edge; the cap's rule decides.
    {"1/(sin(1)-sin(1))", R, "0", "Division by zero", "", false},
    {"sqrt(sin(1)-sin(1))", R, "0", "0", "0", false},
    {"tan(arcsin(Sqrt2/2)*2)", D, "0", "Division by zero", "", false},
    {"1E1590*(Sqrt2-2/Sqrt2)", R, "0", "Result out of range", "", false},  // a midpoint
};

TEST(ExactHardFormulas, ExactValuesOrFailures) {
  for (const Hard& row : kHard) {
    SCOPED_TRACE(std::string(row.formula) + " x=" + row.x);
    bool failed = false;
    bool certified = true;
    std::string message;
    ExactResult r;
    try {
      r = EvaluateExact(row.formula, row.x, '.', row.mode);
    } catch (const UncertifiedFailure& failure) {
      failed = true;
      certified = false;
      message = failure.what();
    } catch (const TMathExpr& failure) {
      failed = true;
      message = failure.what();
    }
    if (*row.digits == '\0' && std::string(row.value) != "0") {
      EXPECT_TRUE(failed);
      EXPECT_EQ(message, row.value);
      EXPECT_EQ(certified, row.certified);
      continue;
    }
    ASSERT_FALSE(failed) << message;
    EXPECT_EQ(r.value, std::strtod(row.value, nullptr));
    EXPECT_EQ(DigitsText(r.shown), row.digits);
    EXPECT_EQ(r.certified, row.certified);
  }
}

// The compile phase is the 80-bit mode's: the same messages for the same texts.
TEST(ExactHardFormulas, CompileMessagesAreTheEightyBitOnes) {
  for (const char* text : {"", "2 +", "foo(1)", "sin 1", "(1", "power(1)", "1E5000"}) {
    std::string exact;
    std::string eighty;
    try {
      ExactFormula::Compile(text, '.', R);
    } catch (const TMathExpr& e) {
      exact = e.what();
    }
    try {
      ExpressionEngine().Evaluate(text, 0, '.', R);
    } catch (const TMathExpr& e) {
      eighty = e.what();
    }
    EXPECT_FALSE(exact.empty()) << text;
    EXPECT_EQ(exact, eighty) << text;
  }
}

}  // namespace
}  // namespace vantorel
