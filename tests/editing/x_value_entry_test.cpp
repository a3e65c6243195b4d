#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editing/number_cut_back.h"
#include "editing/number_syntax.h"
#include "window_model.h"

namespace vantorel::editing {
namespace {

struct Typing {
  std::string text;
  int selStart;
  int selLength;
  std::string keys;
  std::string after;
  const char* why;
};

// Typing into the X value editor, with "." as the decimal separator: after every key
// the text is cut back until it reads as a number again.
const std::vector<Typing> kTyping = {
    {"15", 0, 0, "a", "15", "a letter at the start"},
    {"15", 1, 0, "a", "15", "a letter in the middle"},
    {"15", 2, 0, "a", "15", "a letter at the end"},
    {"15", 2, 0, "E", "15E", "an exponent letter without digits"},
    {"15", 2, 0, "EE", "15E", "a second exponent letter"},
    {"15", 2, 0, "E-3", "15E-3", "a negative exponent"},
    {"15", 2, 0, "..", "15.", "a second separator"},
    {"15", 1, 0, " ", "15", "a blank in the middle"},
    {"15", 0, 0, " ", " 15", "a blank at the start"},
    {"15", 2, 0, " ", "15 ", "a blank at the end"},
    {"15", 2, 0, "\t", "15", "a tab is no blank"},
    {"", 0, 0, "1E5000", "1E500", "the exponent is read up to 500"},
    {"", 0, 0, "1E4999", "1E499", "ten to the 4999 overflows"},
    {"", 0, 0, "-", "-", "a sign alone"},
    {"", 0, 0, "+-", "+", "a second sign"},
    {"", 0, 0, "-.5", "-.5", "no digit before the separator"},
    {"15", 0, 2, "x", "", "everything selected and replaced by a letter"},
    {"5E5", 0, 1, "E", "E5", "the check stops once the caret reaches the start"},
    {"15", 2, 0, "\r", "15", "Enter"},
    {"15", 2, 0, "\b", "1", "Backspace"},
};

TEST(XValueEditor, KeepsOnlyWhatReadsAsANumber) {
  for (const Typing& t : kTyping) {
    SCOPED_TRACE(t.text + " + \"" + t.keys + "\": " + t.why);
    WindowModel window;
    window.Prepare(Place::XValue, t.text, t.selStart, t.selLength);
    window.Type(t.keys);
    EXPECT_EQ(window.xValue.Text(), t.after);
    EXPECT_EQ(window.result.Text(), "") << "every key press clears the result";
  }
}

// The chain of Backspaces as the check delivers them, one reading of the text each.
std::string BackspaceByBackspace(std::string text, int start, int length) {
  if (length > 0) {
    text.erase(start, length);
  } else {
    text.erase(--start, 1);
  }
  while (start > 0 && !ReadsAsNumberOrIsTypedThrough(text, '.')) text.erase(--start, 1);
  return text;
}

// Pieces of numbers and of what is no number, among them digits next to the largest
// long double (magnitude 4933 with "E4898"), joined at random.
TEST(XValueEditor, CutsBackInOnePassExactlyAsBackspaceByBackspace) {
  const std::vector<std::string> pieces = {
      "1189731495357231765053511589829488", "6", "7", "0", "9", ".", "E4898", "E4899",
      "E489", "E", "e-", "x", " ", "+", "-", "00", "E0000", ",", "\t"};
  std::mt19937 random(20261208);
  for (int round = 0; round < 40000; ++round) {
    std::string text;
    const int count = 1 + static_cast<int>(random() % 7);
    for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
    const int start = static_cast<int>(random() % (text.size() + 1));
    const int length = static_cast<int>(random() % (text.size() - start + 1)) / 2;
    if (start == 0 && length == 0) continue;
    const int kept = CutBackStart(text, start, length, '.');
    ASSERT_EQ(text.substr(0, kept) + text.substr(start + length),
              BackspaceByBackspace(text, start, length))
        << "\"" << text << "\" at " << start << "+" << length;
  }
}

TEST(XValueEditor, LongPastesAreCutBackWithoutNesting) {
  const struct {
    std::string pasted;
    std::string after;
  } cases[] = {
      {std::string(1 << 20, 'x'), "15"},
      {"0." + std::string(1 << 20, '5') + "x", "150." + std::string(1 << 20, '5')},
      {std::string(1 << 20, '9'), "15" + std::string(4930, '9')},
      {std::string(1 << 20, ' ') + "x", "15" + std::string(1 << 20, ' ')},
  };
  for (const auto& c : cases) {
    WindowModel window;
    window.Prepare(Place::XValue, "15", 2);
    int changes = 0;
    window.xValue.OnChange = [&, check = window.xValue.OnChange] {
      ++changes;
      check();
    };
    window.clipboard.SetText(c.pasted);
    window.xValue.PasteFromClipboard();
    EXPECT_TRUE(window.xValue.Text() == c.after) << c.after.substr(0, 40);
    EXPECT_LE(changes, 2) << "the paste and one Backspace over the whole run";
  }
}

TEST(XValueEditor, UsesTheSeparatorInForceAtEachKey) {
  WindowModel window;
  window.separator = ',';
  window.Prepare(Place::XValue, "", 0);
  window.Type("1.5");
  EXPECT_EQ(window.xValue.Text(), "15");
  window.Type(",25");
  EXPECT_EQ(window.xValue.Text(), "15,25");
  window.separator = '.';
  window.Type("1");
  EXPECT_EQ(window.xValue.Text(), "15") << "',' reads as no separator any more";
}

TEST(XValueEditor, PastingByKeyboardIsCutBackToTheNumber) {
  WindowModel window;
  window.Prepare(Place::XValue, "15", 2);
  window.clipboard.SetText("abc");
  window.xValue.PasteFromClipboard();
  EXPECT_EQ(window.xValue.Text(), "15");
  window.clipboard.SetText("2.5E3x");
  window.xValue.PasteFromClipboard();
  EXPECT_EQ(window.xValue.Text(), "152.5E3");
}

// A text set by the program is checked with the caret at 0, so nothing is removed.
TEST(XValueEditor, WholeTextReplacementIsNotCutBack) {
  WindowModel window;
  window.xValue.SetText("abc");
  EXPECT_EQ(window.xValue.Text(), "abc");
}

TEST(XValueEditor, CheckRunsBeforeTheKeypadInsertionClearsTheResult) {
  WindowModel window;
  window.Prepare(Place::XValue, "15.", 3);
  std::vector<std::string> resultsSeen;
  window.xValue.OnChange = [&, check = window.xValue.OnChange] {
    resultsSeen.push_back(window.result.Text());
    check();
  };
  window.commands.NrptbtnClick();
  EXPECT_EQ(window.xValue.Text(), "15.");
  // The inserted "." and the Backspace that removes it: the first change still sees
  // the old result; the Backspace's key handler clears it.
  EXPECT_EQ(resultsSeen, (std::vector<std::string>{"42", ""}));
  EXPECT_EQ(window.result.Text(), "");
}

TEST(DecimalPointKey, InsertsTheSeparatorInForceAtTheClick) {
  WindowModel window;
  window.Prepare(Place::Expression, "1", 1);
  window.separator = ',';
  window.commands.NrptbtnClick();
  EXPECT_EQ(window.expression.Text(), "1,");
  window.separator = '.';
  window.commands.ClickKey("Nrptbtn");
  EXPECT_EQ(window.expression.Text(), "1,.");
  window.Prepare(Place::XValue, "1", 1);
  window.commands.ClickKey("Nrptbtn");
  EXPECT_EQ(window.xValue.Text(), "1.");
}

}  // namespace
}  // namespace vantorel::editing
