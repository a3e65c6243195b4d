#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editing/number_syntax.h"
#include "editing/sign_toggle.h"
#include "window_model.h"

namespace vantorel::editing {
namespace {

struct Toggle {
  std::string text;
  int caret;
  std::string after;
  int caretAfter;
  const char* why;
};

// What the user sees after "±", with "." as the decimal separator.
const std::vector<Toggle> kOutcomes = {
    {"45", 0, "-45", 1, "no sign in front: '-' inserted"},
    {"345", 1, "-345", 2, "inside a number: walks back to its start"},
    {"3*45", 2, "3*-45", 3, "an operator is no sign"},
    {"3 - 45", 4, "3 + 45", 4, "sign in front, across the blank"},
    {"3-45", 1, "3+45", 1, "in front of a sign that a digit follows"},
    {"45+1", 2, "45-1", 2, "behind a number, in front of a sign and a digit"},
    {"2E5", 2, "2E-5", 3, "between exponent letter and digit"},
    {"2E5", 1, "2E-5", 2, "in front of the exponent letter"},
    {"2E-5", 3, "2E+5", 3, "exponent sign flipped"},
    {"2.5", 1, "-2.5", 2, "in front of the separator of a number"},
    {"3*45", 4, "3*45", 4, "caret at the end"},
    {"3*.5", 2, "3*.5", 2, "run begins with the separator"},
    {"x - (3)", 2, "x - (3)", 2, "the sign is followed by a blank"},
    {"45 + 1", 2, "45 + 1", 2, "in front of a blank"},
    {"Log2", 3, "Log-2", 4, "digits that end a name"},
    {"15", 2, "15", 2, "caret behind the only number"},
    {"-15", 1, "+15", 1, "toggled twice"},
    {"3 -\t45", 4, "3 +\t45", 4, "a tab is a gap too"},
    {"", 0, "", 0, "empty text"},
};

// Line breaks are neither numbers nor gaps.
const std::vector<Toggle> kMultiLineOutcomes = {
    {"1\r\n23", 3, "1\r\n-23", 4, "line starting with digits"},
    {"5 -\r\n23", 5, "5 -\r\n-23", 6, "sign at the end of the line above"},
    {"7\r\n", 0, "-7\r\n", 1, "number before a line break"},
    {"7\r\n8", 1, "7\r\n8", 1, "caret in front of the line break"},
};

std::string Shown(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
  return out;
}

void ExpectToggle(WindowModel& window, Place place, const Toggle& t) {
  SCOPED_TRACE(Shown(t.text) + " caret " + std::to_string(t.caret) + ": " + t.why);
  window.Prepare(place, t.text, t.caret);
  window.commands.ToggleSign();
  EditorModel& editor = window.Editor(place);
  EXPECT_EQ(editor.Text(), t.after);
  EXPECT_EQ(editor.SelStart(), t.caretAfter);
  EXPECT_EQ(editor.SelLength(), 0);
  EXPECT_EQ(window.result.Text(), "") << "the toggle always clears the result";
  EXPECT_FALSE(editor.CanUndo());
}

TEST(ToggleSign, OutcomesInTheExpressionEditor) {
  WindowModel window;
  for (const Toggle& t : kOutcomes) ExpectToggle(window, Place::Expression, t);
  for (const Toggle& t : kMultiLineOutcomes) ExpectToggle(window, Place::Expression, t);
}

// The X value editor only ever holds numbers; its change check runs during the toggle.
TEST(ToggleSign, OutcomesInTheXValueEditor) {
  WindowModel window;
  int rows = 0;
  for (const Toggle& t : kOutcomes) {
    if (!ReadNumber(t.text, '.') || !ReadNumber(t.after, '.')) continue;
    ExpectToggle(window, Place::XValue, t);
    ++rows;
  }
  EXPECT_EQ(rows, 8);
}

TEST(ToggleSign, SelectedSignIsReplacedByTheOppositeOne) {
  WindowModel window;
  for (Place place : {Place::Expression, Place::XValue}) {
    window.Prepare(place, "-", 0, 1);
    window.commands.ToggleSign();
    EXPECT_EQ(window.Editor(place).Text(), "+");
    EXPECT_EQ(window.Editor(place).SelStart(), 1);
    EXPECT_EQ(window.result.Text(), "");
  }
  window.Prepare(Place::Expression, "3 - 45", 2, 1);
  window.commands.ToggleSign();
  EXPECT_EQ(window.expression.Text(), "3 + 45");
  EXPECT_EQ(window.expression.SelStart(), 3);
}

TEST(ToggleSign, LongerSelectionWorksFromItsStart) {
  WindowModel window;
  window.Prepare(Place::Expression, "3 - 45", 4, 2);
  window.commands.ToggleSign();
  EXPECT_EQ(window.expression.Text(), "3 + 45");
  EXPECT_EQ(window.expression.SelStart(), 4);
  EXPECT_EQ(window.expression.SelLength(), 0);
}

TEST(ToggleSign, ReadsTheSeparatorInForceAtEachToggle) {
  WindowModel window;
  window.separator = ',';
  window.Prepare(Place::Expression, "2,5", 1);
  window.commands.ToggleSign();
  EXPECT_EQ(window.expression.Text(), "-2,5");
  window.separator = '.';
  window.Prepare(Place::Expression, "2,5", 1);
  window.commands.ToggleSign();
  EXPECT_EQ(window.expression.Text(), "2,-5") << "a comma is no number character now";
}

// Flipping the exponent's sign can make the value overflow: the change check then
// finds the caret at 0, its Backspace removes nothing, and the toggled text stays.
TEST(ToggleSign, OverflowingExponentStaysInTheXValueEditor) {
  WindowModel window;
  window.Prepare(Place::XValue, "1E-4999", 3);
  window.commands.ToggleSign();
  EXPECT_EQ(window.xValue.Text(), "1E+4999");
  EXPECT_EQ(window.xValue.SelStart(), 3);
  EXPECT_EQ(window.result.Text(), "");
}

TEST(ToggleSign, WithoutAFocusedExpressionOrXValueEditorDoesNothingAtAll) {
  for (Place place : {Place::Result, Place::Elsewhere}) {
    WindowModel window;
    window.expression.SetText("45");
    window.xValue.SetText("15");
    window.Prepare(place, "42", 0);
    window.commands.ToggleSign();
    EXPECT_EQ(window.expression.Text(), "45");
    EXPECT_EQ(window.xValue.Text(), "15");
    EXPECT_EQ(window.result.Text(), "42");
  }
}

TEST(InverseOf, FlipsSignsAndRejectsEverythingElse) {
  EXPECT_EQ(InverseOf('+'), '-');
  EXPECT_EQ(InverseOf('-'), '+');
  for (char c : {'*', '0', ' ', '\0'}) {
    try {
      InverseOf(c);
      ADD_FAILURE() << "no error for '" << c << "'";
    } catch (const FailedAssertion& e) {
      EXPECT_STREQ(e.what(), "Unexpected input to InverseOf");
    }
  }
}

}  // namespace
}  // namespace vantorel::editing
