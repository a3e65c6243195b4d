// What the user does to the expression and X value editors in the real window, by key,
// mouse, context menu and clipboard: every change clears the result but a cut; text the
// editors cannot hold is refused where it comes in; very long input stays manageable.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "window_fixture.h"

namespace vantorel::ui::testing {
namespace {

enum class Target { Expression, XValue };

class EditorInputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
  }
  editing::EditControl& Editor(Target target) {
    return target == Target::Expression ? Window().ExpressionEditor()
                                        : Window().XValueEditor();
  }
  // Where the mouse goes: the expression editor's text area, or the line edit.
  QWidget* Area(Target target) {
    if (target == Target::XValue) return Control<QLineEdit>("EditXValue");
    return Control<QPlainTextEdit>("Editory1")->viewport();
  }
  // A click through the window, as the window system delivers it, near the area's
  // bottom right corner (behind the text).
  void MouseClick(Target target, Qt::MouseButton button) {
    QWidget* area = Area(target);
    const QPoint at = area->mapTo(&Window(), QPoint(area->width() - 8, area->height() - 6));
    QTest::mouseClick(Window().windowHandle(), button, {}, at);
  }
  // A right click, then a left click on the menu's item `item` once the menu shows.
  void ContextMenu(Target target, const QString& item) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll, item] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      poll.stop();
      for (QAction* action : menu->actions()) {
        if (action->text() == item && action->isEnabled()) {
          QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
          return;
        }
      }
      menu->close();
    });
    poll.start(5);
    MouseClick(target, Qt::RightButton);
  }
  // Where keys go: the editor widget itself.
  QWidget* KeyTarget(Target target) {
    if (target == Target::XValue) return Control<QLineEdit>("EditXValue");
    return Control<QPlainTextEdit>("Editory1");
  }
  void Key(Target target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(KeyTarget(target), key, modifiers);
  }
  // A key typing `text`, as a keyboard layout or an input method sends it.
  void Type(Target target, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(KeyTarget(target), &press);
  }
  static bool HasSelectionClipboard() {
    return QGuiApplication::clipboard()->supportsSelection();
  }
  std::string Result() { return Window().ResultEditor().Text(); }
  QString Status() { return Control<QStatusBar>("StatusBar1")->currentMessage(); }
};

TEST_F(EditorInputTest, EveryChangeByKeyMouseOrMenuClearsTheResultButACut) {
  struct Case {
    const char* name;
    Target target;
    const char* text;
    int selStart;
    int selLength;
    std::function<void(Target)> act;
    const char* after;
    bool clears;
  };
  const auto key = [this](Qt::Key k, Qt::KeyboardModifiers m = {}) {
    return [this, k, m](Target t) { Key(t, k, m); };
  };
  const auto menu = [this](const char* item) {
    return [this, item](Target t) { ContextMenu(t, QString::fromLatin1(item)); };
  };
  // Typing, a result computed since, then Undo in the menu.
  const auto undoTyping = [this](Target t) {
    Key(t, Qt::Key_7);
    Window().ResultEditor().SetText("42");
    ContextMenu(t, QStringLiteral("Undo"));
  };
  const auto x = Target::XValue;
  const auto e = Target::Expression;
  const Case cases[] = {
      {"Delete", e, "1234", 1, 0, key(Qt::Key_Delete), "134", true},
      {"Delete", x, "1234", 1, 0, key(Qt::Key_Delete), "134", true},
      {"Ctrl+Backspace", e, "1 34", 4, 0, key(Qt::Key_Backspace, Qt::ControlModifier), "1 ", true},
      {"Ctrl+Backspace", x, "15", 2, 0, key(Qt::Key_Backspace, Qt::ControlModifier), "", true},
      {"Ctrl+Delete", e, "12 34", 0, 0, key(Qt::Key_Delete, Qt::ControlModifier), "34", true},
      {"Ctrl+Delete", x, "15", 0, 0, key(Qt::Key_Delete, Qt::ControlModifier), "", true},
      {"menu Paste", e, "15", 1, 0, menu("Paste"), "175", true},
      {"menu Paste", x, "15", 1, 0, menu("Paste"), "175", true},
      {"menu Delete", e, "15", 0, 1, menu("Delete"), "5", true},
      {"menu Delete", x, "15", 0, 1, menu("Delete"), "5", true},
      {"menu Undo", e, "15", 2, 0, undoTyping, "15", true},
      {"menu Undo", x, "15", 2, 0, undoTyping, "15", true},
      {"menu Cut", e, "15", 0, 1, menu("Cut"), "5", false},
      {"menu Cut", x, "15", 0, 1, menu("Cut"), "5", false},
      // A key press clears the result in the key handler, Ctrl+X included.
      {"Ctrl+X", e, "15", 0, 1, key(Qt::Key_X, Qt::ControlModifier), "5", true},
      {"Ctrl+X", x, "15", 0, 1, key(Qt::Key_X, Qt::ControlModifier), "5", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.target == x ? " in the X value" : " in the formula"));
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    editing::EditControl& editor = Focus(Editor(c.target), c.text, c.selStart, c.selLength);
    Window().ResultEditor().SetText("42");
    c.act(c.target);
    EXPECT_EQ(editor.Text(), c.after);
    EXPECT_EQ(Result(), c.clears ? "" : "42");
  }
}

TEST_F(EditorInputTest, MiddleClickPasteClearsTheResultOrIsRefused) {
  if (!HasSelectionClipboard()) GTEST_SKIP() << "no selection clipboard on this platform";
  const struct {
    QString selection;
    const char* after;
    const char* result;
  } cases[] = {{QStringLiteral("7"), "157", ""}, {QStringLiteral("\u03a9"), "15", "42"}};
  for (Target target : {Target::Expression, Target::XValue}) {
    for (const auto& c : cases) {
      QGuiApplication::clipboard()->setText(c.selection, QClipboard::Selection);
      editing::EditControl& editor = Focus(Editor(target), "15", 0);
      Window().ResultEditor().SetText("42");
      MouseClick(target, Qt::MiddleButton);
      EXPECT_EQ(editor.Text(), c.after);
      EXPECT_EQ(Result(), c.result);
    }
  }
}

TEST_F(EditorInputTest, TheEditorsTakeNoDrop) {
  QMimeData data;
  data.setText(QStringLiteral("7"));
  for (Target target : {Target::Expression, Target::XValue}) {
    QWidget* area = Area(target);
    QDragEnterEvent enter(area->mapTo(&Window(), area->rect().center()), Qt::CopyAction, &data,
                          Qt::LeftButton, {});
    QApplication::sendEvent(Window().windowHandle(), &enter);
    EXPECT_FALSE(enter.isAccepted());
  }
}

TEST_F(EditorInputTest, CharactersBeyondLatin1AreRefusedWhereTheyComeIn) {
  const QString refused[] = {QStringLiteral("\u20ac"), QStringLiteral("\u03a9"),
                             QStringLiteral("\u0100"), QStringLiteral("\U0001F600")};
  for (Target target : {Target::Expression, Target::XValue}) {
    for (const QString& character : refused) {
      SCOPED_TRACE(character.toStdString());
      editing::EditControl& editor = Focus(Editor(target), "15", 2);
      Type(target, character);
      EXPECT_EQ(editor.Text(), "15");
      EXPECT_TRUE(Status().contains(character)) << Status().toStdString();
      QGuiApplication::clipboard()->setText(QStringLiteral("1") + character);
      Key(target, Qt::Key_V, Qt::ControlModifier);
      EXPECT_EQ(editor.Text(), "15");
    }
  }
  editing::EditControl& expression = Focus(Editor(Target::Expression), "", 0);
  Type(Target::Expression, QStringLiteral("\u00ff"));  // the last character of Latin-1
  EXPECT_EQ(expression.Text(), "\xff");
  QGuiApplication::clipboard()->setText(QStringLiteral("\u20ac"));
  Click("Pastebtn");
  EXPECT_EQ(expression.Text(), "\xff");
}

TEST_F(EditorInputTest, AMegabytePastedIntoTheXValueIsCutBackAtOnce) {
  QGuiApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('a')));
  editing::EditControl& xValue = Focus(Editor(Target::XValue), "15", 2);
  Window().ResultEditor().SetText("42");
  Key(Target::XValue, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(xValue.Text(), "15");
  EXPECT_EQ(Result(), "");
}

// "1+1+...+1" of 1 MB: 524,288 ones. Shown and laid out, then computed.
class LongFormula : public EditorInputTest {
 protected:
  void SetUp() override { WindowTest::SetUp(); }
  static std::string Sum() {
    std::string text = "1";
    while (text.size() + 2 <= (1u << 20)) text += "+1";
    return text;
  }
  // Shown, computed, then all selected and taken out with Backspace.
  void ExpectShownComputedAndCleared(const std::string& formula) {
    auto* editor = Control<QPlainTextEdit>("Editory1");
    editor->viewport()->repaint();
    EXPECT_EQ(Window().ExpressionEditor().Text(), formula);
    Click("Computebtn");
    EXPECT_EQ(Result(), "524288.0");
    Window().ExpressionEditor().SetFocus();
    Key(Target::Expression, Qt::Key_A, Qt::ControlModifier);
    Key(Target::Expression, Qt::Key_Backspace);
    editor->viewport()->repaint();
    EXPECT_EQ(Window().ExpressionEditor().Text(), "");
  }
};

TEST_F(LongFormula, StoredInTheSettingsFileIsShownAndComputed) {
  const std::string formula = Sum();
  WriteSettings("[Equations]\nStoredValue=" + formula + "\n");
  Open();
  ExpectShownComputedAndCleared(formula);
}

TEST_F(LongFormula, PastedByKeyOrMiddleButtonIsShownAndComputed) {
  Open();
  const std::string formula = Sum();
  const QString text = QString::fromLatin1(formula);
  QGuiApplication::clipboard()->setText(text);
  Focus(Editor(Target::Expression), "", 0);
  Key(Target::Expression, Qt::Key_V, Qt::ControlModifier);
  ExpectShownComputedAndCleared(formula);
  if (!HasSelectionClipboard()) return;
  QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
  MouseClick(Target::Expression, Qt::MiddleButton);
  ExpectShownComputedAndCleared(formula);
}

}  // namespace
}  // namespace vantorel::ui::testing
