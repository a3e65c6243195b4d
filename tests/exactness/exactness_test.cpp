// Every function of the catalogue against its reference table: at least 99.9% of the
// results correctly rounded, none more than 1 ulp away, every due failure a TMathExpr.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "engine/catalogue.h"
#include "engine_evaluator.h"
#include "reference_table.h"
#include "scoring.h"

namespace vantorel::exactness {
namespace {

constexpr double kCorrectShare = 0.999;
constexpr std::size_t kRowsPerFunction = 2000;
constexpr std::size_t kMissesShown = 15;
const std::string kDefaultFormula = "default_formula";
const std::string kConstants = "constants";

std::string TablePath(const std::string& name) { return DataFolder() + "/" + name + ".tsv"; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return lower;
}

std::vector<std::string> FunctionTables() {
  std::vector<std::string> names = TableNames(DataFolder());
  std::erase(names, kDefaultFormula);
  std::erase(names, kConstants);
  return names;
}

// The worst misses first: those that fail or return where they should not, then by ulps.
std::string Worst(const ReferenceTable& table, Score score) {
  auto badness = [](const Miss& m) {
    return m.steps == 0 ? std::numeric_limits<std::int64_t>::max() : std::abs(m.steps);
  };
  std::stable_sort(score.misses.begin(), score.misses.end(),
                   [&](const Miss& a, const Miss& b) { return badness(a) > badness(b); });
  std::string text;
  for (std::size_t i = 0; i < std::min(kMissesShown, score.misses.size()); ++i) {
    text += "  " + Describe(table, score.misses[i]) + "\n";
  }
  return text;
}

void ExpectExact(const ReferenceTable& table, const Score& score, double share) {
  EXPECT_GE(score.CorrectShare(), share) << score.correctlyRounded << " of " << score.values
                                         << " correctly rounded\n" << Worst(table, score);
  EXPECT_LE(score.maxSteps, 1) << Worst(table, score);
  EXPECT_EQ(score.valuesInsteadOfFailure, 0u) << Worst(table, score);
  EXPECT_EQ(score.failuresInsteadOfValue, 0u) << Worst(table, score);
}

class FunctionExactness : public testing::TestWithParam<std::string> {};

TEST_P(FunctionExactness, CorrectlyRoundedWithinOneUlpAndFailingWhereDue) {
  ReferenceTable table = ReadTable(TablePath(GetParam()));
  ASSERT_GE(table.rows.size(), kRowsPerFunction);
  ExpectExact(table, ScoreTable(table, EngineEvaluator()), kCorrectShare);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, FunctionExactness, testing::ValuesIn(FunctionTables()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

// The default formula at x = 15, 0.5, -3 and 1e6: every value correctly rounded, with
// either decimal separator.
TEST(DefaultFormulaExactness, CorrectlyRoundedWithPointAndComma) {
  ReferenceTable table = ReadTable(TablePath(kDefaultFormula));
  ASSERT_EQ(table.rows.size(), 4u);
  for (char separator : {'.', ','}) {
    SCOPED_TRACE(std::string("separator ") + separator);
    ExpectExact(table, ScoreTable(table, EngineEvaluator(separator)), 1.0);
  }
}

// Every constant is the double nearest its listed decimal, give or take the one rounding
// from the working type; inv2Pi keeps its 15 digits and EVolt is its listed 1.602E-14.
TEST(ConstantExactness, EveryConstantWithinOneUlpOfItsDecimal) {
  ReferenceTable table = ReadTable(TablePath(kConstants));
  std::set<std::string> names(table.formulas.begin(), table.formulas.end());
  for (const ConstantEntry& constant : Catalogue::Instance().Constants()) {
    EXPECT_TRUE(names.contains(std::string(constant.name))) << constant.name;
    if (!constant.alias.empty()) {
      EXPECT_TRUE(names.contains(std::string(constant.alias))) << constant.alias;
    }
  }
  Score score = ScoreTable(table, EngineEvaluator());
  EXPECT_LE(score.maxSteps, 1) << Worst(table, score);
  EXPECT_EQ(score.failuresInsteadOfValue, 0u) << Worst(table, score);
}

// The tables cover the catalogue: one per function, with rows in every angle mode for
// the functions whose argument or result is an angle.
TEST(ReferenceTables, CoverEveryFunctionInEveryAngleMode) {
  std::vector<std::string> tables = FunctionTables();
  for (const FunctionEntry& function : Catalogue::Instance().Functions()) {
    std::string name = Lower(function.name);
    ASSERT_TRUE(std::binary_search(tables.begin(), tables.end(), name)) << name;
    std::set<AngleMode> modes;
    for (const ReferenceRow& row : ReadTable(TablePath(name)).rows) modes.insert(row.mode);
    EXPECT_EQ(modes.size(), function.angleUse == AngleUse::None ? 1u : 3u) << name;
  }
  EXPECT_EQ(tables.size(), Catalogue::Instance().Functions().size());
}

}  // namespace
}  // namespace vantorel::exactness
