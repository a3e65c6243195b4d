#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace vantorel {
namespace {

using testing::ErrorOf;
using testing::FailureCase;
using testing::Evaluate;
using testing::UlpDistance;

struct ValueCase {
  const char* formula;
  double exact;  // the double nearest the exact value of the definition
};

// Reference values of each definition (as the catalogue writes it) computed to 60
// digits, then rounded once to double. Where a function magnifies the error of its
// argument, the argument is written so that it is exact in binary.
const ValueCase kValues[] = {
    {"Abs(-2.5)", 2.5},
    {"Abs(7)", 7.0},
    {"Square(1.1)", 1.21},
    {"Square(-3)", 9.0},
    {"Sqrt(2)", 1.4142135623730951},
    {"Sqrt(0.0625)", 0.25},
    {"Power(2;0.5)", 1.4142135623730951},
    {"Power(-2;3)", -8.0},
    {"Power(1.5;-2.5)", 0.36288736930121157},
    {"Power(-0.5;-3)", -8.0},
    {"Power(0;0)", 1.0},
    {"Exp(1)", 2.718281828459045},
    {"Exp(-0.5)", 0.6065306597126334},
    {"Ln(10)", 2.302585092994046},
    {"Ln(0.5)", -0.6931471805599453},
    {"LogBase10(2)", 0.3010299956639812},
    {"LogBase10(1000)", 3.0},
    {"LogBase2(10)", 3.321928094887362},
    {"LogBase2(0.125)", -3.0},
    {"LogBaseN(3;10)", 2.0959032742893844},
    {"LogBaseN(2;8)", 3.0},
    {"Sin(1)", 0.8414709848078965},
    {"Sin(-0.5)", -0.479425538604203},
    {"Cos(1)", 0.5403023058681398},
    {"Cos(2)", -0.4161468365471424},
    {"Tan(1)", 1.5574077246549023},
    {"Tan(-1.2)", -2.5721516221263188},
    {"Cot(0.5)", 1.830487721712452},
    {"Cot(2)", -0.45765755436028577},
    {"Sec(1)", 1.8508157176809257},
    {"Sec(3)", -1.0101086659079936},
    {"Csc(1)", 1.1883951057781212},
    {"Csc(-2)", -1.0997501702946164},
    {"ArcSin(0.5)", 0.5235987755982989},
    {"ArcSin(-0.9)", -1.1197695149986342},
    {"ArcCos(0.5)", 1.0471975511965979},
    {"ArcCos(-0.3)", 1.8754889808102941},
    {"ArcTan(1)", 0.7853981633974483},
    {"ArcTan(-3)", -1.2490457723982544},
    {"ArcCot(2)", 0.4636476090008061},
    {"ArcCot(-0.5)", -1.1071487177940904},
    {"ArcSec(2)", 1.0471975511965979},
    {"ArcSec(-3)", 1.2309594173407747},
    {"ArcCsc(2)", 0.5235987755982989},
    {"ArcCsc(-1.5)", 0.7297276562269663},
    {"ArcCsc(1E3000)*1E3000", 1.0},  // (x - 1)(x + 1) overflows
    {"ArcCsc(-1E4931)*1E4931", 1.0},
    {"Coversine(1)", 0.1585290151921035},
    // The double nearest pi/2, written out exactly, where 1 - sin(x) nearly cancels.
    {"Coversine(1.5707963267948965579989817342720925807952880859375)", 1.874699728327322e-33},
    {"Exsecans(1)", 0.8508157176809256},
    {"Exsecans(0.001)", 5.000002083334181e-07},
    {"Haversine(1)", 0.22984884706593015},
    {"Haversine(1E-5)", 2.4999999999791668e-11},
    {"Versine(2)", 1.4161468365471424},
    {"Versine(0.001)", 4.999999583333347e-07},
    {"ArcTan2(1;-1)", 2.356194490192345},
    {"ArcTan2(-2;0.5)", -1.3258176636680326},
    {"SinH(1)", 1.1752011936438014},
    {"SinH(-0.001)", -0.001000000166666675},
    {"CosH(2)", 3.7621956910836314},
    {"CosH(-1)", 1.5430806348152437},
    {"TanH(0.5)", 0.46211715726000974},
    {"TanH(-3)", -0.9950547536867305},
    {"CotH(0.5)", 2.163953413738653},
    {"CotH(-2)", -1.0373147207275482},
    {"SecH(1)", 0.6480542736638853},
    {"SecH(20)", 4.122307244877116e-09},
    {"CscH(1)", 0.8509181282393216},
    {"CscH(-0.25)", -3.9586351633020005},
    {"ArcSinH(1)", 0.881373587019543},
    {"ArcSinH(-1E-3)", -0.0009999998333334083},
    {"ArcCosH(2)", 1.3169578969248168},
    {"ArcCosH(-1.5)", -0.9624236501192069},  // the formula keeps the sign of x
    {"ArcCosH(1.000000059604644775390625)", 0.00034526698128628427},  // 1 + 2^-24
    {"ArcTanH(0.5)", 0.5493061443340549},
    {"ArcTanH(-0.99)", -2.646652412362246},
    {"ArcCotH(2)", 0.5493061443340549},
    {"ArcCotH(-1.0001)", -4.951768775643085},
    {"ArcSecH(0.5)", 1.3169578969248168},
    {"ArcSecH(0.001)", 7.600902209541989},
    {"ArcSecH(0.9999)", 0.014142724917391722},
    {"ArcSecH(0.999969482421875)", 0.007812599343030083},  // 1 - 2^-15
    {"ArcCscH(2)", 0.48121182505960347},
    {"ArcCscH(1E-3)", 7.600902709541988},
    {"Pythag(3;4)", 5.0},
    {"Pythag(1;1E-3)", 1.000000499999875},
};

TEST(Functions, EachValueIsWithinOneUlpOfItsDefinition) {
  for (const ValueCase& c : kValues) {
    double value = Evaluate(c.formula);
    EXPECT_LE(UlpDistance(value, c.exact), 1) << c.formula << " gave " << value;
  }
}

struct RoundingCase {
  const char* formula;
  double x;
  double exact;  // the correctly rounded double of the exact value
};

// Square roots (as the formula's value) whose long double value lies exactly halfway
// between two doubles: the narrowing must round toward the exact root, not to even.
const RoundingCase kHalfwayRoots[] = {
    {"Sqrt(x)", 3.9999999999999996, 1.9999999999999998},
    {"Sqrt(x)", 1.7976931348623157e308, 1.3407807929942596e154},
    {"Sqrt("
     "17976931348623157081452742373170435679807056752584499659891747680315726078002853"
     "87605895586327668781715404589535143824642343213268894641827684675467035375169860"
     "49910576551282076245490090389328944075868508455133942304583236903222948165808559"
     "332123348274797826204144723168738177180919299881250404026184124858368"
     ")", 0, 1.3407807929942596e154},  // the largest double, folded
    {"Sqrt(x + 0)", 3.9999999999999996, 1.9999999999999998},
};

TEST(Functions, SquareRootsHalfwayBetweenDoublesRoundTowardTheExactRoot) {
  for (const RoundingCase& c : kHalfwayRoots) {
    EXPECT_EQ(Evaluate(c.formula, AngleMode::Radians, c.x), c.exact)
        << c.formula << " at x = " << c.x;
  }
}

struct IdentityCase {
  const char* formula;
  const char* same;
};

TEST(Functions, TemplatesAndIdentitiesAgreeToTheLastDigit) {
  const IdentityCase cases[] = {
      {"arctan2(x;1)", "ArcTan(x)"},
      {"pythag(x;2)", "Sqrt(Square(x) + 4)"},
      {"Power(x;2)", "Square(x)"},
      {"LogBaseN(10;x)", "LogBase10(x)"},
      {"ArcSec(-2)", "ArcSec(2)"},
      {"ArcCsc(-2)", "ArcCsc(2)"},
      {"ArcTan2(0;0)", "0"},
      {"ArcCosH(1)", "0"},
      {"ArcCos(-1)", "Pi"},
      {"ArcCos(1)", "0"},
      {"Power(0;0)", "1"},
  };
  for (const IdentityCase& c : cases) {
    EXPECT_EQ(Evaluate(c.formula, AngleMode::Radians, 0.7L), Evaluate(c.same, AngleMode::Radians, 0.7L))
        << c.formula;
  }
}

TEST(Functions, ArcTan2TakesTheQuadrantFromBothSigns) {
  const ValueCase cases[] = {
      {"ArcTan2(1;0)", 1.5707963267948966},
      {"ArcTan2(-1;0)", -1.5707963267948966},
      {"ArcTan2(0;-1)", 3.141592653589793},
      {"ArcTan2(-0;-1)", 3.141592653589793},  // no signed zero turns pi into -pi
      {"ArcTan2(0;-0)", 0},
  };
  for (const ValueCase& c : cases) EXPECT_EQ(Evaluate(c.formula), c.exact) << c.formula;
  double angle = Evaluate("ArcTan2(1;-2)");
  EXPECT_GT(angle, 1.5707963267948966);
  EXPECT_LT(angle, 3.141592653589793);
}

TEST(Functions, FailuresNameWhatIsWrong) {
  const FailureCase cases[] = {
      {"Sqrt(-1)", "Square root of a negative number"},
      {"Power(-8;1/3)", "Power of a negative number with an exponent that is not a whole number"},
      {"Power(0;-1)", "Division by zero"},
      {"Power(10;5000)", "Result out of range"},
      {"Exp(12000)", "Result out of range"},
      {"Ln(0)", "Logarithm of zero"},
      {"Ln(-1)", "Logarithm of a negative number"},
      {"LogBase10(0)", "Logarithm of zero"},
      {"LogBase2(-2)", "Logarithm of a negative number"},
      {"LogBaseN(1;5)", "Division by zero"},
      {"LogBaseN(0;5)", "Logarithm of zero"},
      {"LogBaseN(-2;5)", "Logarithm of a negative number"},
      {"LogBaseN(2;0)", "Logarithm of zero"},
      {"Cot(0)", "Division by zero"},
      {"Csc(0)", "Division by zero"},
      {"ArcSin(1.5)", "Argument outside the domain of 'ArcSin'"},
      {"ArcCos(-1.01)", "Argument outside the domain of 'ArcCos'"},
      {"ArcCot(0)", "Division by zero"},
      {"ArcSec(0.5)", "Argument outside the domain of 'ArcSec'"},
      {"ArcCsc(1)", "Division by zero"},
      {"ArcCsc(0)", "Argument outside the domain of 'ArcCsc'"},
      {"SinH(12000)", "Result out of range"},
      {"CosH(-12000)", "Result out of range"},
      {"CotH(0)", "Division by zero"},
      {"CscH(0)", "Division by zero"},
      {"ArcCosH(0.5)", "Argument outside the domain of 'ArcCosH'"},
      {"ArcTanH(1)", "Division by zero"},
      {"ArcTanH(-1.5)", "Argument outside the domain of 'ArcTanH'"},
      {"ArcCotH(0)", "Division by zero"},
      {"ArcCotH(-1)", "Division by zero"},
      {"ArcCotH(0.5)", "Argument outside the domain of 'ArcCotH'"},
      {"ArcSecH(0)", "Division by zero"},
      {"ArcSecH(1.5)", "Argument outside the domain of 'ArcSecH'"},
      {"ArcCscH(0)", "Division by zero"},
      {"ArcCscH(-1)", "Argument outside the domain of 'ArcCscH'"},
      {"Pythag(1E4000;1E4000)", "Result out of range"},
  };
  for (const FailureCase& c : cases) EXPECT_EQ(ErrorOf(c.formula), c.message) << c.formula;
}

// Values that leave no infinity behind: a tiny reciprocal is zero, not a failure.
TEST(Functions, VanishingValuesAreZero) {
  const ValueCase cases[] = {
      {"SecH(12000)", 0},
      {"CscH(-12000)", 0},
      {"Exp(-12000)", 0},
      {"ArcCsc(1E3000)", 0},
  };
  for (const ValueCase& c : cases) EXPECT_EQ(Evaluate(c.formula), c.exact) << c.formula;
}

}  // namespace
}  // namespace vantorel
