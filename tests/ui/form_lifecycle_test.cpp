// What the window does when it is created and closed: the settings file, the help file,
// the message from a second copy, and the shell's help, About and print hooks.

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/app_message.h"
#include "ui/default_formula.h"
#include "ui/settings_file.h"
#include "window_fixture.h"

namespace vantorel::ui::testing {
namespace {

class LifecycleTest : public WindowTest {
 protected:
  std::string Formula() { return Window().ExpressionEditor().Text(); }
  // Closes the window as its close box would; true when it closed.
  bool Close() { return Window().close(); }
};

TEST_F(LifecycleTest, WithoutAFileTheDefaultFormulaShowsAndTheFirstCloseStoresBoth) {
  separator_ = ',';
  Open();
  EXPECT_EQ(Formula(), DefaultFormula(','));
  EXPECT_TRUE(Formula().starts_with("5,44E-4 * (x - 187)"));
  EXPECT_EQ(ReadSettings(), "<missing>");
  ASSERT_TRUE(Close());
  EXPECT_EQ(ReadSettings(), "[Equations]\nStoredValue=" + DefaultFormula(',') +
                                "\n[Equations1]\nDecimalSeparator=,\n");
}

TEST_F(LifecycleTest, StoredFormulaComesBackInTheSeparatorInForce) {
  const struct {
    const char* file;
    char separator;
    const char* shown;
    const char* storedAfterClose;  // the file's content after closing
  } cases[] = {
      {"[Equations]\nStoredValue=1.5*x\n[Equations1]\nDecimalSeparator=.\n", ',', "1,5*x",
       "[Equations]\nStoredValue=1,5*x\n[Equations1]\nDecimalSeparator=,\n"},
      {"[Equations]\nStoredValue=1,5*x\n[Equations1]\nDecimalSeparator=,\n", '.', "1.5*x",
       "[Equations]\nStoredValue=1.5*x\n[Equations1]\nDecimalSeparator=.\n"},
      // Without a separator entry the formula was stored with ".".
      {"[Equations]\nStoredValue=1.5*x\n", ',', "1,5*x",
       "[Equations]\nStoredValue=1,5*x\n[Equations1]\nDecimalSeparator=,\n"},
      // An empty separator entry matches nothing, so nothing is exchanged.
      {"[Equations]\nStoredValue=1.5*x\n[Equations1]\nDecimalSeparator=\n", ',', "1.5*x",
       "[Equations]\nStoredValue=1.5*x\n[Equations1]\nDecimalSeparator=,\n"},
      // An empty stored formula leaves the editor empty, and closing keeps the entry.
      {"[Equations]\nStoredValue=\n", '.', "",
       "[Equations]\nStoredValue=\n[Equations1]\nDecimalSeparator=.\n"},
      {"[Equations]\nStoredValue=sin(x)|cos(x) \n", '.', "sin(x) cos(x)",
       "[Equations]\nStoredValue=sin(x) cos(x)\n[Equations1]\nDecimalSeparator=.\n"},
      {"; kept\r\n[equations]\r\nstoredvalue = 2*x\r\n", '.', "2*x",
       "; kept\r\n[equations]\r\nStoredValue=2*x\r\n[Equations1]\r\nDecimalSeparator=.\r\n"},
      // Lines ending in a lone CR read like any others, and keep their ending.
      {"[Equations]\rStoredValue=1.5*x\r[Equations1]\rDecimalSeparator=.\r", ',', "1,5*x",
       "[Equations]\rStoredValue=1,5*x\r[Equations1]\rDecimalSeparator=,\r"},
      // A separator that is neither "." nor "," changes nothing in the formula.
      {"[Equations]\nStoredValue=1x5*x\n[Equations1]\nDecimalSeparator=x\n", '.', "1x5*x",
       "[Equations]\nStoredValue=1x5*x\n[Equations1]\nDecimalSeparator=.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    WriteSettings(c.file);
    separator_ = c.separator;
    Open();
    EXPECT_EQ(Formula(), c.shown);
    EXPECT_EQ(Window().ExpressionEditor().SelStart(), 0);
    ASSERT_TRUE(Close());
    EXPECT_EQ(ReadSettings(), c.storedAfterClose);
  }
}

TEST_F(LifecycleTest, AFormulaLongerThan2047CharactersSurvivesWhole) {
  std::string formula = "x";
  while (formula.size() < 3000) formula += " + 1.5";
  WriteSettings("[Equations]\nStoredValue=" + formula + "\n");
  separator_ = ',';
  Open();
  EXPECT_EQ(Formula(), ReplaceSeparator(formula, ".", ","));
  ASSERT_TRUE(Close());
  separator_ = '.';
  Open();
  EXPECT_EQ(Formula(), formula);
}

TEST_F(LifecycleTest, ClosingWithAnEmptyEditorKeepsTheStoredFormula) {
  WriteSettings("[Equations]\nStoredValue=1+x\n");
  Open();
  Window().ExpressionEditor().SetText("");
  ASSERT_TRUE(Close());
  Open();
  EXPECT_EQ(Formula(), "1+x");
}

TEST_F(LifecycleTest, AFileThatCannotBeWrittenKeepsTheWindowOpen) {
  WriteSettings("[Equations]\nStoredValue=2*x\n");
  const std::string blocked = SettingsPath() + "/VANTOREL.INI";  // a file is in the way
  InstallSettingsFile(std::make_unique<SettingsFile>(blocked));
  Open();
  Window().ExpressionEditor().SetText("2*x\r\n+1");
  EXPECT_FALSE(Close());
  EXPECT_EQ(errors_, QStringList{QString::fromStdString("Unable to write to " + blocked + ".")});
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Formula(), "2*x +1");
  Click("Computebtn");
  EXPECT_EQ(Window().ResultEditor().Text(), "31.0") << "the window stays usable";
  InstallSettingsFile(std::make_unique<SettingsFile>(SettingsPath() + ".new"));
  EXPECT_TRUE(Close()) << "a later close tries again";
}

TEST_F(LifecycleTest, EndOfTheDesktopSessionStoresTheFormula) {
  Open();
  Window().ExpressionEditor().SetText("3*x\r\n");
  EXPECT_TRUE(Window().StoreSettings());
  EXPECT_EQ(ReadSettings(), "[Equations]\nStoredValue=3*x \n[Equations1]\nDecimalSeparator=.\n");
  EXPECT_TRUE(Window().isVisible());
}

TEST_F(LifecycleTest, ExitClosesTheWindowThroughTheCloseSteps) {
  Open();
  Control<QAction>("Exit1")->trigger();
  EXPECT_FALSE(Window().isVisible());
  EXPECT_NE(ReadSettings(), "<missing>");
}

TEST_F(LifecycleTest, CreationSetsHelpFileSeparatorCaptionModeAndEmptyLists) {
  separator_ = ',';
  Open();
  EXPECT_EQ(Window().HelpFile(),
            QCoreApplication::applicationDirPath() + QStringLiteral("/VANTOREL.chm"));
  EXPECT_EQ(Key("Nrptbtn")->text(), QStringLiteral(","));
  EXPECT_EQ(Window().Mode(), AngleMode::Radians);
  EXPECT_FALSE(Window().ConstantsShown());
  EXPECT_TRUE(Window().Memo1Lines().isEmpty());
  EXPECT_TRUE(Window().Memo2Lines().isEmpty());
  EXPECT_EQ(Window().XValueEditor().Text(), "15");
  EXPECT_EQ(Window().Precision(), 1);
}

TEST_F(LifecycleTest, ASecondCopyBringsTheWindowBack) {
  Open();
  Window().showMinimized();
  ASSERT_TRUE(Window().isMinimized());
  QCoreApplication::postEvent(qApp, new QEvent(platform::AppMessageId()));
  QCoreApplication::processEvents();
  EXPECT_FALSE(Window().isMinimized());
  EXPECT_TRUE(Window().isVisible());
}

TEST_F(LifecycleTest, LocaleChangesCountFromTheNextUse) {
  Open();
  separator_ = ',';
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(&Window(), &change);
  Window().ExpressionEditor().SetText("1,5*x");
  Window().XValueEditor().SetText("2,0");
  Click("Computebtn");
  EXPECT_EQ(Window().ResultEditor().Text(), "3,0");
  EXPECT_EQ(Key("Nrptbtn")->text(), QStringLiteral("."));
}

class HooksTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
    ShellHooks hooks;
    hooks.help = [this](unsigned command, qintptr data) {
      helps_.emplace_back(command, data);
      return true;
    };
    hooks.about = [this] { ++abouts_; };
    hooks.print = [this](const QStringList& lines) { printed_.append(lines); };
    Window().SetShellHooks(std::move(hooks));
  }
  void PressF1(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
  }

  std::vector<std::pair<unsigned, qintptr>> helps_;
  int abouts_ = 0;
  QList<QStringList> printed_;
};

TEST_F(HooksTest, PrintTakesTheListThePreferenceNames) {
  Window().ExpressionEditor().SetText("x");
  Click("Computebtn");
  Click("Computebtn");
  Control<QAction>("Print1")->trigger();
  Control<QAction>("Allsessionresults1")->trigger();
  Control<QAction>("Print1")->trigger();
  ASSERT_EQ(printed_.size(), 2);
  EXPECT_EQ(printed_[0], Window().Memo1Lines());
  EXPECT_EQ(printed_[1], Window().Memo2Lines());
  EXPECT_NE(printed_[0], printed_[1]);
}

TEST_F(HooksTest, HelpOpensTheFileThenContextZeroAndAboutShowsTheBox) {
  Control<QAction>("Help1")->trigger();
  Control<QAction>("About1")->trigger();
  EXPECT_EQ(helps_, (std::vector<std::pair<unsigned, qintptr>>{{HELP_FINDER, 0},
                                                               {HELP_CONTEXT, 0}}));
  EXPECT_EQ(abouts_, 1);
}

TEST_F(HooksTest, F1AsksForHelpOnlyWhileAMenuIsOpen) {
  PressF1(Control<QPlainTextEdit>("Editory1"));
  EXPECT_TRUE(helps_.empty());
  auto* file = Control<QMenu>("File1");
  Window().menuBar()->setActiveAction(file->menuAction());
  PressF1(file);
  EXPECT_EQ(helps_, (std::vector<std::pair<unsigned, qintptr>>{{HELP_CONTEXT, 0}}));
  file->hide();
}

TEST_F(HooksTest, AFailingHookShowsItsMessageAndTheWindowCarriesOn) {
  ShellHooks hooks;
  hooks.about = [] { throw std::runtime_error("No About box today"); };
  Window().SetShellHooks(std::move(hooks));
  Control<QAction>("About1")->trigger();
  EXPECT_EQ(errors_, QStringList{QStringLiteral("No About box today.")});
  Control<QAction>("Help1")->trigger();  // an empty hook does nothing
  Click("Computebtn");
  EXPECT_FALSE(Window().ResultEditor().Text().empty());
}

}  // namespace
}  // namespace vantorel::ui::testing
