#include <gtest/gtest.h>

#include <string>

#include "engine/compiled_formula.h"
#include "engine/messages.h"
#include "engine_test_support.h"

namespace vantorel {
namespace {

using testing::ErrorOf;
using testing::FailureCase;

TEST(Messages, CompileErrorsSayWhatAndWhere) {
  const FailureCase cases[] = {
      {"", "The formula is empty"},
      {"   \t ", "The formula is empty"},
      {"2 + foo", "Unknown name 'foo' at position 5"},
      {"2 + sin(foo2bar)", "Unknown name 'foo2bar' at position 9"},
      {"x2", "Unknown name 'x2' at position 1"},
      {"(1 + (2 * 3) ;", "')' expected at position 14"},
      {"2 * (3", "')' expected at position 7"},
      {"Power(2)", "Function 'Power' takes 2 arguments, not 1 (position 1)"},
      {"1 + sin(1;2)", "Function 'Sin' takes 1 argument, not 2 (position 5)"},
      {"pythag(1;2;3)", "Function 'Pythag' takes 2 arguments, not 3 (position 1)"},
      {"power(2 3)", "';' expected at position 9"},
      {"sin(2 3)", "')' expected at position 7"},
      {"sin x", "'(' expected after function 'Sin' at position 5"},
      {"2 + cos", "'(' expected after function 'Cos' at position 8"},
      {"*3", "Number, name or '(' expected at position 1, not '*'"},
      {"--3", "Number, name or '(' expected at position 2, not '-'"},
      {"sin()", "Number, name or '(' expected at position 5, not ')'"},
      {"power(;2)", "Number, name or '(' expected at position 7, not ';'"},
      {"2 +", "Number, name or '(' expected at position 4, the end of the formula"},
      {"(", "Number, name or '(' expected at position 2, the end of the formula"},
      {"2 * .5", "Digit expected before '.' at position 5"},
      {"(\t\r)", "Number, name or '(' expected at position 3, not the character with code 13"},
      {"2 * \xC3\xA4", "Number, name or '(' expected at position 5, not '\xC3\xA4'"},
      {"2 * \xE4", "Number, name or '(' expected at position 5, not the character with code 228"},
      {"1E5000", "Number '1E5000' out of range at position 1"},
      {"2 + -1E5000", "Number '1E5000' out of range at position 6"},
  };
  for (const FailureCase& c : cases) EXPECT_EQ(ErrorOf(c.formula), c.message) << c.formula;
}

TEST(Messages, ACompileErrorCarriesItsCodePositionAndToken) {
  try {
    CompiledFormula::Compile("1 + Sinus(x)", '.', AngleMode::Radians);
    FAIL() << "no error";
  } catch (const CompileError& error) {
    EXPECT_EQ(error.code(), ErrorCode::UnknownName);
    EXPECT_EQ(error.position(), 5u);
    EXPECT_EQ(error.token(), "Sinus");
  }
}

TEST(Messages, LongTokensAreShortenedInMessages) {
  std::string name(5000, 'q');
  std::string message = ErrorOf("1 + " + name);
  EXPECT_EQ(message, "Unknown name '" + std::string(40, 'q') + "...' at position 5");
}

// Reading errors come first, whatever a calculation before them would give; the
// calculation then fails at its first failing step.
TEST(Messages, ReadingComesBeforeCalculating) {
  const FailureCase cases[] = {
      {"1/0 + foo", "Unknown name 'foo' at position 7"},
      {"sqrt(-1) + (2", "')' expected at position 14"},
      {"sqrt(x) + 1/0", "Square root of a negative number"},
      {"1/0 + sqrt(x)", "Division by zero"},
  };
  for (const FailureCase& c : cases) {
    EXPECT_EQ(ErrorOf(c.formula, AngleMode::Radians, -1), c.message) << c.formula;
  }
}

}  // namespace
}  // namespace vantorel
