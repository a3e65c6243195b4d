#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/catalogue.h"
#include "engine/compiled_formula.h"
#include "engine/decimal.h"
#include "engine_test_support.h"

namespace vantorel {
namespace {

using testing::Evaluate;

std::string Lower(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

TEST(Catalogue, HoldsEveryEntryOnceWhateverTheCase) {
  const Catalogue& catalogue = Catalogue::Instance();
  EXPECT_EQ(catalogue.Functions().size(), 39u);
  EXPECT_EQ(catalogue.Constants().size(), 49u);
  std::set<std::string> names;
  for (const FunctionEntry& f : catalogue.Functions()) names.insert(Lower(f.name));
  for (const ConstantEntry& c : catalogue.Constants()) {
    names.insert(Lower(c.name));
    if (!c.alias.empty()) names.insert(Lower(c.alias));
  }
  EXPECT_EQ(names.size(), 39u + 49u + 1u);
  EXPECT_EQ(names.count("x"), 0u);
}

TEST(Catalogue, LookupIgnoresCaseAndFindsNoVariable) {
  EXPECT_EQ(LookupName("LOGBASEN").function->name, "LogBaseN");
  EXPECT_EQ(LookupName("lognconst").constant->name, "LogE");
  EXPECT_EQ(LookupName("piON4").constant->name, "PiOn4");
  EXPECT_FALSE(LookupName("x"));
  EXPECT_FALSE(LookupName("X"));
  EXPECT_FALSE(LookupName("Sinus"));
  EXPECT_FALSE(LookupName(""));
  EXPECT_FALSE(LookupName(std::string(100, 'a')));
}

TEST(Catalogue, EveryKeypadTemplateIsAFormula) {
  for (const FunctionEntry& f : Catalogue::Instance().Functions()) {
    EXPECT_NO_THROW(CompiledFormula::Compile(f.keypadTemplate, '.', AngleMode::Radians))
        << f.keypadTemplate;
    std::string name(f.keypadTemplate.substr(0, f.keypadTemplate.find('(')));
    EXPECT_EQ(LookupName(name).function, &f) << name;
  }
}

// Each constant is its listed decimal, rounded once to long double, also when a formula
// names it; the double result is that decimal rounded to double.
TEST(Catalogue, EachConstantIsItsListedDecimal) {
  for (const ConstantEntry& c : Catalogue::Instance().Constants()) {
    EXPECT_EQ(c.value, DecimalToLongDouble(c.valueText, '.')) << c.name;
    EXPECT_EQ(CompiledFormula::Compile(c.name, '.', AngleMode::Radians).CalculateExtended(0),
              c.value)
        << c.name;
    EXPECT_EQ(Evaluate(c.name), std::stod(std::string(c.valueText))) << c.name;
  }
}

TEST(Catalogue, ConstantsThatTheDesignFixes) {
  const std::pair<const char*, double> cases[] = {
      {"TwoToPower63", 9223372036854775808.0},
      {"EVolt", 1.602e-14},
      {"inv2Pi", 0.159154943091895},
      {"Pi", 3.141592653589793},
      {"Pressure", 101325},
  };
  for (const auto& [name, value] : cases) EXPECT_EQ(Evaluate(name), value) << name;
  EXPECT_NE(Evaluate("inv2Pi"), Evaluate("0.5 / Pi"));
}

// Constants and functions that say the same thing agree to the last digit.
TEST(Catalogue, ConstantsAgreeWithTheirDefinitions) {
  const std::pair<const char*, const char*> cases[] = {
      {"LogBase10(NConst)", "LogE"},
      {"Exp(1)", "NConst"},
      {"180 / Pi", "Deg"},
      {"Pi / 2", "PiOn2"},
      {"Sqrt(2)", "Sqrt2"},
      {"Ln(2)", "Ln2"},
      {"2 * Pi", "TwoPi"},
      {"Power(2;63)", "TwoToPower63"},
  };
  for (const auto& [formula, constant] : cases) {
    EXPECT_EQ(Evaluate(formula), Evaluate(constant)) << formula;
  }
}

}  // namespace
}  // namespace vantorel
