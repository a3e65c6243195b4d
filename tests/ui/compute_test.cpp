// The Compute command through the window: its steps, its messages, the result text and
// the result lists; the Preference items and the Mode group.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "ui/up_down.h"
#include "window_fixture.h"

namespace vantorel::ui::testing {
namespace {

class ComputeTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
  }
  // Sets both inputs as the user left them, the result shown before, and clicks
  // "Compute".
  void Compute(const std::string& formula, const std::string& x,
               const std::string& resultBefore = "") {
    Window().ExpressionEditor().SetText(formula);
    Window().XValueEditor().SetText(x);
    Window().ResultEditor().SetText(resultBefore);
    errors_.clear();
    Click("Computebtn");
  }
  std::string Result() { return Window().ResultEditor().Text(); }
  void ClickMode(int index) {
    QTest::mouseClick(Control<QRadioButton>(QStringLiteral("ModeGroupItem%1")
                                                .arg(index).toLatin1().constData()),
                      Qt::LeftButton);
  }
};

TEST_F(ComputeTest, XValueIsReadWithTheSeparatorInForceOrRefusedWithItsText) {
  const struct {
    char separator;
    const char* x;
    const char* result;  // nullptr: the message is shown instead
    const char* message;
  } cases[] = {
      {'.', " 15 ", "15.0", nullptr},
      {'.', "2e3", "2000.0", nullptr},
      {'.', "2E3", "2000.0", nullptr},
      {'.', "-0.5", "-0.5", nullptr},
      {'.', ".", "0.0", nullptr},
      {',', "1,5", "1,5", nullptr},
      {'.', "", nullptr, "Nothing assigned to the X variable."},
      {'.', "1.2.3", nullptr, "'1.2.3' is not a valid floating point value."},
      {'.', "1,5", nullptr, "'1,5' is not a valid floating point value."},
      {'.', "-", nullptr, "'-' is not a valid floating point value."},
      {'.', "   ", nullptr, "'   ' is not a valid floating point value."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("x = \"") + c.x + "\"");
    separator_ = c.separator;
    Compute("x", c.x, "before");
    if (c.result) {
      EXPECT_TRUE(errors_.isEmpty()) << errors_.join(" / ").toStdString();
      EXPECT_EQ(Result(), c.result);
    } else {
      EXPECT_EQ(errors_, QStringList{QString::fromLatin1(c.message)});
      EXPECT_EQ(Result(), "before");
    }
  }
  EXPECT_EQ(captions_.value(0), QStringLiteral("VantorelCalc (Korvanti)"));
}

TEST_F(ComputeTest, AFailedComputeHasAlreadyMadeTheFormulaOneLineAndEmptiedMemo1) {
  Compute("2*x", "15");
  const QStringList allResults = Window().Memo2Lines();
  ASSERT_FALSE(Window().Memo1Lines().isEmpty());
  Compute("2*x\r\n+1", "", "30.0");
  EXPECT_EQ(errors_, QStringList{QStringLiteral("Nothing assigned to the X variable.")});
  EXPECT_EQ(Window().ExpressionEditor().Text(), "2*x +1");
  EXPECT_TRUE(Window().Memo1Lines().isEmpty());
  EXPECT_EQ(Window().Memo2Lines(), allResults);
  EXPECT_EQ(Result(), "30.0");
  EXPECT_EQ(Window().XValueEditor().Text(), "");
}

TEST_F(ComputeTest, EngineMessagesReachTheErrorBox) {
  for (const std::string formula : {"2*", "sqrt(x", "nosuchname(x)", "1/(x-15)"}) {
    std::string expected;
    try {
      ExpressionEngine().Evaluate(formula, 15, '.', AngleMode::Radians);
    } catch (const TMathExpr& error) {
      expected = error.what();
    }
    ASSERT_FALSE(expected.empty()) << formula << " gave a value";
    Compute(formula, "15");
    EXPECT_EQ(errors_, QStringList{WithFinalPeriod(QString::fromStdString(expected))});
    EXPECT_TRUE(Window().Memo1Lines().isEmpty());
  }
}

TEST_F(ComputeTest, ResultShowsPrecisionDigitsWithTheSeparatorInForce) {
  auto* up = &Control<UpDown>("UpDown1")->UpArrow();
  QTest::mouseClick(up, Qt::LeftButton);
  QTest::mouseClick(up, Qt::LeftButton);
  ASSERT_EQ(Window().Precision(), 3);
  const struct {
    char separator;
    const char* formula;
    const char* result;
  } cases[] = {
      {'.', "2/3", "0.667"},
      {'.', "1.5E20", "1.500E+20"},
      {'.', "0.0004", "4.000E-4"},
      {',', "2,5*x", "37,500"},
  };
  for (const auto& c : cases) {
    separator_ = c.separator;
    Compute(c.formula, "15");
    EXPECT_EQ(Result(), c.result) << c.formula;
  }
}

TEST_F(ComputeTest, Memo1HoldsTheLastComputationAndMemo2Collects) {
  Compute("2*x\r\n+1", "15");
  const QStringList first = Window().Memo1Lines();
  ASSERT_EQ(first.size(), 5);
  EXPECT_TRUE(first[0].startsWith(QStringLiteral("Computation 1 at "))) << first[0].toStdString();
  EXPECT_EQ(first.mid(1), (QStringList{QStringLiteral("Formula: 2*x +1"),
                                       QStringLiteral("x = 15 (Radians)"),
                                       QStringLiteral("Result: 31.0"),
                                       QStringLiteral("Full value: 31")}));
  EXPECT_EQ(Window().Memo2Lines(), first);
  ClickMode(1);
  Compute("x/3", "1");
  const QStringList second = Window().Memo1Lines();
  EXPECT_TRUE(second[0].startsWith(QStringLiteral("Computation 2 at ")));
  EXPECT_EQ(second[2], QStringLiteral("x = 1 (Degrees)"));
  EXPECT_EQ(second[4], QStringLiteral("Full value: 0.3333333333333333"));
  EXPECT_EQ(Window().Memo2Lines(), first + QStringList{QString()} + second);
}

TEST_F(ComputeTest, TheListsShowTheCommentApartFromTheFormula) {
  const struct {
    std::string text;
    QStringList formulaLines;
  } cases[] = {
      {"2*x  the slope", {"Formula: 2*x", "Comment (ignored): the slope"}},
      {"(x+1) )", {"Formula: (x+1)", "Comment (ignored): )"}},
      {"2*x\r\nsecond line", {"Formula: 2*x", "Comment (ignored): second line"}},
      {"2 * x ", {"Formula: 2 * x"}},
  };
  for (const auto& c : cases) {
    Compute(c.text, "15");
    const QStringList lines = Window().Memo1Lines();
    EXPECT_EQ(lines.mid(1, c.formulaLines.size()), c.formulaLines) << c.text;
  }
}

TEST_F(ComputeTest, NormalisingTurnsEveryLineBreakAndBarIntoOneBlank) {
  const struct {
    const char* text;
    const char* oneLine;
  } cases[] = {
      {"2*x\r\n+1", "2*x +1"},
      {"a\r\n\r\nb", "a  b"},
      {"sin(x)|cos(x)", "sin(x) cos(x)"},
      {"\r\n|x|\r\n", "  x  "},
  };
  for (const auto& c : cases) {
    Compute(c.text, "15");
    EXPECT_EQ(Window().ExpressionEditor().Text(), c.oneLine) << c.text;
  }
}

TEST_F(ComputeTest, AOneLineFormulaKeepsCaretSelectionAndUndo) {
  editing::EditControl& editor = Focus(Window().ExpressionEditor(), "2*x", 3);
  QTest::keyClick(Control<QPlainTextEdit>("Editory1"), Qt::Key_Space);
  editor.SetSelection(1, 2);
  Click("Computebtn");
  EXPECT_EQ(Result(), "30.0");
  EXPECT_EQ(editor.Text(), "2*x ");
  EXPECT_EQ(editor.SelStart(), 1);
  EXPECT_EQ(editor.SelLength(), 2);
  editor.Undo();
  EXPECT_EQ(editor.Text(), "2*x");
}

TEST_F(ComputeTest, PreferenceItemsKeepExactlyOneMark) {
  auto* intermediate = Control<QAction>("Intermediateresult1");
  auto* all = Control<QAction>("Allsessionresults1");
  ASSERT_TRUE(intermediate->isChecked());
  ASSERT_FALSE(all->isChecked());
  const struct {
    QAction* chosen;
    bool intermediateAfter;
  } choices[] = {{all, false}, {all, true}, {intermediate, false}, {intermediate, true}};
  for (const auto& choice : choices) {
    choice.chosen->trigger();
    EXPECT_EQ(intermediate->isChecked(), choice.intermediateAfter);
    EXPECT_NE(all->isChecked(), intermediate->isChecked());
  }
}

TEST_F(ComputeTest, ChoosingAModeClearsTheResultAndGivesTheFocusBack) {
  Compute("sin(x)", "90");
  Window().XValueEditor().SetFocus();
  ClickMode(1);
  EXPECT_EQ(Result(), "");
  EXPECT_FALSE(Window().Memo1Lines().isEmpty());
  EXPECT_TRUE(Window().XValueEditor().HasFocus());
  Click("Computebtn");
  EXPECT_EQ(Result(), "1.0");
  EXPECT_EQ(Window().Mode(), AngleMode::Degrees);
}

TEST_F(ComputeTest, PrecisionStepsByOneBetweenZeroAndFifteen) {
  UpDown* arrows = Control<UpDown>("UpDown1");
  auto* edit = Control<QLineEdit>("UpDownEdit");
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(edit->text(), "1");
  for (int i = 0; i < 20; ++i) QTest::mouseClick(&arrows->UpArrow(), Qt::LeftButton);
  EXPECT_EQ(edit->text(), "15");
  for (int i = 0; i < 20; ++i) QTest::keyClick(edit, Qt::Key_Down);
  EXPECT_EQ(edit->text(), "0");
  EXPECT_EQ(Window().Precision(), 0);
  Compute("x", "15");
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_EQ(Result(), "15") << "a change of Precision leaves the result alone";
}

TEST_F(ComputeTest, AResultAtTheTopOfTheRangeComputesAgainAsTheXValue) {
  auto* edit = Control<QLineEdit>("UpDownEdit");
  for (const char* shown : {"1.7E+308", "1E+308"}) {  // Precision 1, then 0
    Compute("1.797E308", "15");
    ASSERT_EQ(Result(), shown);
    Compute("x", Result());
    EXPECT_TRUE(errors_.isEmpty()) << shown << ": " << errors_.join("|").toStdString();
    QTest::keyClick(edit, Qt::Key_Down);
  }
}

// The Option menu's "Exact arithmetic": off at start, chosen by clicking it in the open
// menu, lasting for the run only; the lists name the arithmetic of each result.
class ExactArithmeticTest : public ComputeTest {
 protected:
  QString Status() { return Control<QLabel>("StatusText")->text(); }
  QString Header() { return Window().Memo1Lines().value(0); }
  void ChooseExactArithmetic() {
    auto* option = Control<QMenu>("Option1");
    QAction* item = Control<QAction>("Exactarithmetic1");
    Window().menuBar()->setActiveAction(option->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(option));
    QTest::mouseClick(option, Qt::LeftButton, {}, option->actionGeometry(item).center());
  }
};

TEST_F(ExactArithmeticTest, EightyBitResultsNameTheExactOneWhereItsTextDiffers) {
  ASSERT_FALSE(Window().ExactArithmetic());
  EXPECT_FALSE(Control<QAction>("Exactarithmetic1")->statusTip().isEmpty());
  const struct {
    const char* formula;
    const char* result;  // nullptr: the 80-bit arithmetic fails
    const char* notice;  // "" when both arithmetics show the same text
  } cases[] = {
      {"(1E20+1-1E20)/(1E20+1-1E20)", nullptr, "Exact arithmetic gives 1.0"},
      {"1/0", nullptr, ""},
      {"1E20+1-1E20", "0.0", "Exact arithmetic gives 1.0"},
      {"2*x", "0.0", ""},
      {"arcsin(1+1E-30)", "1.6",
       "Exact arithmetic gives no value: Argument outside the domain of 'ArcSin'"},
      {"tan(PiOn2)", "-4.0E+19",
       "Exact arithmetic gives no value: Division by zero (not certified)"},
  };
  for (const auto& c : cases) {
    Compute(c.formula, "0");
    EXPECT_EQ(Status(), QString::fromLatin1(c.notice)) << c.formula;
    EXPECT_EQ(errors_.isEmpty(), c.result != nullptr) << c.formula;
    if (!c.result) continue;
    EXPECT_EQ(Result(), c.result) << c.formula;
    EXPECT_TRUE(Header().endsWith(QStringLiteral("(80-bit arithmetic)")))
        << Header().toStdString();
  }
  std::string identities = "1E20+1-1E20";
  while (identities.size() < 4000) identities += "+sin(x)-sin(x)";
  Compute(identities, "0");
  EXPECT_EQ(Status(), QString()) << "a formula this long is not checked unasked";
}

TEST_F(ExactArithmeticTest, TheChosenArithmeticGivesTheResultAndIsNotStored) {
  ChooseExactArithmetic();
  ASSERT_TRUE(Window().ExactArithmetic());
  const struct {
    const char* formula;
    const char* result;  // nullptr: the message is shown instead
    const char* header;  // how the block names its arithmetic, or the message
  } cases[] = {
      {"1E20+1-1E20", "1.0", "(exact arithmetic)"},
      {"sqrt(sin(1)-sin(1))", "0.0", "(exact arithmetic, not certified)"},
      {"1/(sin(1)-sin(1))", nullptr, "Division by zero (not certified)"},
  };
  for (const auto& c : cases) {
    Compute(c.formula, "0", "before");
    if (!c.result) {
      EXPECT_EQ(errors_.join("|").toStdString(), c.header);
      continue;
    }
    EXPECT_EQ(Result(), c.result) << c.formula;
    EXPECT_TRUE(Header().endsWith(QString::fromLatin1(c.header))) << Header().toStdString();
    EXPECT_EQ(Status(), QString()) << "no notice in exact arithmetic";
  }
  Window().ExpressionEditor().SetText("2*x");
  ASSERT_TRUE(Window().close());
  EXPECT_EQ(ReadSettings(), "[Equations]\nStoredValue=2*x\n[Equations1]\nDecimalSeparator=.\n");
}

}  // namespace
}  // namespace vantorel::ui::testing
