#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editing/keypad_table.h"
#include "engine/catalogue.h"
#include "engine/expression_engine.h"

namespace vantorel::editing {
namespace {

std::vector<KeypadKey> AllKeys() {
  std::vector<KeypadKey> keys(InsertionKeys().begin(), InsertionKeys().end());
  keys.insert(keys.end(), CommandKeys().begin(), CommandKeys().end());
  return keys;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The text a key inserts when nothing particular is said about it.
std::string PlainInsertion(const KeypadKey& key) {
  switch (key.kind) {
    case KeyKind::Operator: return " " + std::string(key.caption) + " ";
    case KeyKind::Variable: return Lower(key.caption);
    case KeyKind::Function: return Lower(key.caption) + "(x)";
    case KeyKind::DecimalPoint:
    case KeyKind::Command: return "";
    default: return std::string(key.caption);
  }
}

TEST(KeypadTable, HoldsTheInsertionKeysOfEachKind) {
  std::map<KeyKind, int> count;
  for (const KeypadKey& key : InsertionKeys()) ++count[key.kind];
  EXPECT_EQ(InsertionKeys().size(), 108u);
  EXPECT_EQ(count[KeyKind::Digit], 10);
  EXPECT_EQ(count[KeyKind::Operator], 4);
  EXPECT_EQ(count[KeyKind::Function], 39);
  EXPECT_EQ(count[KeyKind::Constant], 49);
  EXPECT_EQ(count[KeyKind::Command], 0);
  EXPECT_EQ(CommandKeys().size(), 8u);
}

TEST(KeypadTable, OnlyDigitsSeparatorAndExponentAlsoServeTheXValueEditor) {
  for (const KeypadKey& key : InsertionKeys()) {
    const bool numberPart = key.kind == KeyKind::Digit || key.kind == KeyKind::DecimalPoint ||
                            key.kind == KeyKind::Exponent;
    EXPECT_EQ(key.rule, numberPart ? InsertionRule::ExpressionOrX : InsertionRule::ExpressionOnly)
        << key.name;
  }
}

TEST(KeypadTable, CaptionAndInsertedTextDifferOnlyWhereIntended) {
  std::set<std::string> differing;
  for (const KeypadKey& key : InsertionKeys()) {
    if (key.inserts != PlainInsertion(key)) differing.insert(std::string(key.name));
  }
  const std::set<std::string> expected = {
      "TwoTo63btn", "EulerMascheronibtn",                      // abbreviated captions
      "Powerbtn", "Pythagbtn", "ArcTan2btn", "LogBaseNbtn",   // two arguments
  };
  EXPECT_EQ(differing, expected);
  EXPECT_EQ(FindKey("LogBaseNbtn")->inserts, "logbaseN(10;x)");
  EXPECT_EQ(FindKey("LogNConstbtn")->inserts, "LogNConst");
}

TEST(KeypadTable, NamesAndHandlersAreUniqueAndThreeHandlersAreNamedApart) {
  std::set<std::string> names, handlers;
  std::map<std::string, std::string> apart;
  for (const KeypadKey& key : AllKeys()) {
    EXPECT_TRUE(names.insert(std::string(key.name)).second) << key.name;
    EXPECT_TRUE(handlers.insert(ClickHandler(key)).second) << key.name;
    if (ClickHandler(key) != std::string(key.name) + "Click") {
      apart[std::string(key.name)] = ClickHandler(key);
    }
    ASSERT_NE(FindKey(key.name), nullptr) << key.name;
    EXPECT_EQ(FindKey(key.name)->caption, key.caption);
  }
  const std::map<std::string, std::string> expected = {
      {"TwoTo63btn", "TwoToPower63btnClick"},
      {"Operatoradditionbtn", "OperatorAdditionbtnClick"},
      {"ArcTan2btn", "Arctan2btnClick"},
  };
  EXPECT_EQ(apart, expected);
}

// A "|" inside either part would split the hint in the wrong place.
TEST(KeypadTable, EveryKeyHasAHintOfTwoParts) {
  for (const KeypadKey& key : AllKeys()) {
    EXPECT_FALSE(key.tooltip.empty()) << key.name;
    EXPECT_FALSE(key.status.empty()) << key.name;
    EXPECT_EQ(std::count(key.tooltip.begin(), key.tooltip.end(), '|') +
                  std::count(key.status.begin(), key.status.end(), '|'),
              0)
        << key.name;
  }
  EXPECT_EQ(Hint(*FindKey("Nr7btn")), "Seven|Seven");
}

TEST(KeypadTable, EveryCatalogueFunctionHasOneKeyInsertingItsTemplate) {
  std::set<const FunctionEntry*> reached;
  for (const KeypadKey& key : InsertionKeys()) {
    if (key.kind != KeyKind::Function) continue;
    const std::string_view name = key.inserts.substr(0, key.inserts.find('('));
    const NameLookup found = LookupName(name);
    ASSERT_NE(found.function, nullptr) << key.name;
    EXPECT_EQ(found.function->keypadTemplate, key.inserts);
    EXPECT_EQ(Lower(found.function->name), Lower(key.caption));
    reached.insert(found.function);
  }
  EXPECT_EQ(reached.size(), Catalogue::Instance().Functions().size());
}

// Some functions take only part of the line; every template works for 0.5 or for 2.
TEST(KeypadTable, EveryFunctionTemplateIsAFormulaByItself) {
  const ExpressionEngine engine;
  for (const KeypadKey& key : InsertionKeys()) {
    if (key.kind != KeyKind::Function) continue;
    int worked = 0;
    for (long double x : {0.5L, 2.0L}) {
      try {
        engine.Evaluate(key.inserts, x, '.', AngleMode::Radians);
        ++worked;
      } catch (const TMathExpr&) {
      }
    }
    EXPECT_GT(worked, 0) << key.inserts;
  }
}

// The status text shows the value as the catalogue lists it, and the key sits with its
// group: the physical constants in the panel's last two rows.
TEST(KeypadTable, EveryCatalogueConstantHasOneKeyShowingItsValue) {
  const ExpressionEngine engine;
  std::set<const ConstantEntry*> reached;
  for (const KeypadKey& key : InsertionKeys()) {
    if (key.kind != KeyKind::Constant) continue;
    const NameLookup found = LookupName(key.inserts);
    ASSERT_NE(found.constant, nullptr) << key.name;
    reached.insert(found.constant);
    const std::string shown = "[= " + std::string(found.constant->valueText) + "]";
    EXPECT_NE(key.status.find(shown), std::string_view::npos) << key.status;
    EXPECT_EQ(engine.Evaluate(key.inserts, 0, '.', AngleMode::Radians),
              static_cast<double>(found.constant->value))
        << key.inserts;
    const bool physicalRows = key.place.block == KeyBlock::Constants && key.place.y >= 160;
    EXPECT_EQ(found.constant->group == ConstantGroup::Physical, physicalRows) << key.name;
  }
  EXPECT_EQ(reached.size(), Catalogue::Instance().Constants().size());
  EXPECT_EQ(FindKey("EVoltbtn")->status, "EVolt [= 1.602E-14] {Electron volt (J)}");
}

bool Overlap(const KeyPlace& a, const KeyPlace& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
         b.y < a.y + a.height;
}

// The number and function blocks share the group box "Buttons", 654 x 244 and with its
// labels from y = 212 on; the constants panel's keys stand in its 654 wide scroll box.
TEST(KeypadTable, KeysNeitherOverlapNorLeaveTheirBox) {
  const std::vector<KeypadKey> keys = AllKeys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const KeyPlace& p = keys[i].place;
    EXPECT_EQ(p.height, 25) << keys[i].name;
    EXPECT_LE(p.x + p.width, 654) << keys[i].name;
    const int bottom = p.block == KeyBlock::Functions ? 212 : 244;
    if (p.block != KeyBlock::Constants) {
      EXPECT_LE(p.y + p.height, bottom) << keys[i].name;
    }
    const bool inButtons = p.block != KeyBlock::Constants;
    for (std::size_t j = i + 1; j < keys.size(); ++j) {
      const bool sameBox = inButtons == (keys[j].place.block != KeyBlock::Constants);
      EXPECT_FALSE(sameBox && Overlap(p, keys[j].place))
          << keys[i].name << " and " << keys[j].name;
    }
  }
}

}  // namespace
}  // namespace vantorel::editing
