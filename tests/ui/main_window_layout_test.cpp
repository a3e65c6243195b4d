// The window's arrangement: places and sizes, fonts, keys, tab order, the constants
// panel, the menu and the hints in the status bar.

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "editing/keypad_table.h"
#include "window_fixture.h"

namespace vantorel::ui::testing {
namespace {

class LayoutTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Open();
  }
  QString StatusText() { return Control<QLabel>("StatusText")->text(); }
  // The pointer comes to rest over `control`.
  void PointAt(QWidget* control) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(control, &enter);
  }
  void LeaveFrom(QWidget* control) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control, &leave);
  }
};

TEST_F(LayoutTest, RegionsStandAtTheirPlaces) {
  const struct {
    const char* name;
    QRect place;  // in the parent
  } regions[] = {
      {"Panel1", {0, 0, 654, 100}},      {"GroupBox3", {0, 0, 654, 100}},
      {"Editory1", {8, 16, 630, 74}},    {"Panel4", {0, 100, 654, 450}},
      {"Panel9", {0, 0, 654, 104}},      {"Panel10", {0, 0, 560, 104}},
      {"GroupBox2", {0, 0, 560, 50}},    {"EditYValue", {8, 16, 544, 24}},
      {"GroupBox5", {0, 50, 560, 54}},   {"EditXValue", {8, 20, 544, 24}},
      {"Panel11", {560, 0, 94, 104}},    {"ModeGroup", {0, 0, 94, 65}},
      {"GroupBox4", {0, 65, 94, 39}},    {"UpDownEdit", {49, 12, 22, 21}},
      {"UpDown1", {71, 12, 16, 21}},     {"Panel8", {0, 104, 654, 244}},
      {"GroupBox1", {0, 0, 654, 244}},   {"Panel7", {0, 348, 654, 102}},
      {"Panel2", {0, 0, 654, 83}},       {"Panel3", {0, 0, 654, 83}},
      {"ConstantScrollBox1", {0, 0, 654, 83}}, {"StatusBar1", {0, 83, 654, 19}},
  };
  for (const auto& region : regions) {
    const QWidget* control = Control<QWidget>(region.name);
    ASSERT_NE(control, nullptr) << region.name;
    EXPECT_EQ(control->geometry(), region.place) << region.name;
  }
  EXPECT_EQ(Control<QLabel>("NumericalLabel")->pos(), QPoint(5, 14));
  EXPECT_EQ(Window().centralWidget()->size(), QSize(654, 550));
}

TEST_F(LayoutTest, EveryKeyStandsAtItsPlaceAndNeverTakesTheFocus) {
  const QWidget* keypad = Control<QWidget>("GroupBox1");
  const QWidget* constants = Control<QScrollArea>("ConstantScrollBox1")->widget();
  int keys = 0;
  for (const auto& table : {editing::InsertionKeys(), editing::CommandKeys()}) {
    for (const editing::KeypadKey& key : table) {
      const std::string name(key.name);
      QPushButton* button = Key(name.c_str());
      ASSERT_NE(button, nullptr) << name;
      const QRect place(key.place.x, key.place.y, key.place.width, key.place.height);
      EXPECT_EQ(button->geometry(), place) << name;
      EXPECT_EQ(button->parentWidget(),
                key.place.block == editing::KeyBlock::Constants ? constants : keypad)
          << name;
      EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << name;
      EXPECT_EQ(button->palette().color(QPalette::Button), QColor(Qt::white)) << name;
      EXPECT_EQ(button->accessibleName().toStdString(), key.tooltip) << name;
      EXPECT_EQ(button->statusTip().toStdString(), key.status) << name;
      const int pixels = key.place.fontPixels ? key.place.fontPixels : 11;
      EXPECT_EQ(button->font().pixelSize(), pixels) << name;
      ++keys;
    }
  }
  EXPECT_EQ(keys, 116);
}

TEST_F(LayoutTest, WindowIsFixedCentredAndCannotBeMaximised) {
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Vantorel Calculator - VantorelCalc"));
  EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
  EXPECT_EQ(Window().height(), 550 + Window().menuBar()->height());
  const Qt::WindowFlags flags = Window().windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  const QRect screen = Window().screen()->geometry();
  EXPECT_LE(std::abs(Window().geometry().center().x() - screen.center().x()), 1);
  Window().showMinimized();
  Window().showNormal();
  EXPECT_EQ(Window().centralWidget()->size(), QSize(654, 550));
}

TEST_F(LayoutTest, FontsHaveTheirPixelHeights) {
  EXPECT_EQ(Window().font().pixelSize(), 11);
  for (const char* editor : {"Editory1", "EditYValue", "EditXValue"}) {
    EXPECT_EQ(Control<QWidget>(editor)->font().pixelSize(), 13) << editor;
  }
  auto* plate = Control<QLabel>("Panel2");
  EXPECT_EQ(plate->text(), QStringLiteral("Vantorel Calculator"));
  EXPECT_EQ(plate->font().pixelSize(), 75);
  EXPECT_EQ(plate->palette().color(QPalette::WindowText), QColor(0xC0, 0xC0, 0xC0));
  auto* label = Control<QLabel>("MathConstantlb");
  EXPECT_EQ(label->font().pixelSize(), 11);
  EXPECT_EQ(label->palette().color(QPalette::WindowText),
            Window().palette().color(QPalette::WindowText));
}

TEST_F(LayoutTest, NothingShowsAPopUpHint) {
  for (const QWidget* control : Window().findChildren<QWidget*>()) {
    EXPECT_TRUE(control->toolTip().isEmpty()) << control->objectName().toStdString();
  }
  for (const QMenu* menu : Window().findChildren<QMenu*>()) {
    EXPECT_FALSE(menu->toolTipsVisible());
  }
}

TEST_F(LayoutTest, TabGoesThroughEditorsModeAndPrecisionOnly) {
  EXPECT_TRUE(Control<QWidget>("Editory1")->hasFocus()) << "focused when the window opens";
  QStringList order;
  for (int i = 0; i < 6; ++i) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, (QStringList{"Editory1", "EditYValue", "EditXValue", "ModeGroupItem0",
                                "UpDownEdit", "Editory1"}));
}

TEST_F(LayoutTest, ConstantsKeyShowsAndHidesTheScrollingPanel) {
  auto* panel = Control<QWidget>("Panel3");
  auto* box = Control<QScrollArea>("ConstantScrollBox1");
  EXPECT_FALSE(panel->isVisible());
  Click("Constantsbtn");
  EXPECT_TRUE(panel->isVisible());
  EXPECT_TRUE(box->verticalScrollBar()->isVisible());
  EXPECT_GT(box->widget()->height(), box->viewport()->height());
  EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  Click("Constantsbtn");
  EXPECT_FALSE(panel->isVisible());
  EXPECT_TRUE(Control<QLabel>("Panel2")->isVisible());
}

// The constants panel's captions are fitted when it first shows, the others at start. A
// caption is drawn narrowed only where its face at full width would not fit: the panel
// stands on the name plate, whose narrowing must not reach it.
TEST_F(LayoutTest, EveryCaptionInSightFitsItsControlAndIsNarrowedOnlyWhereNeeded) {
  Click("Constantsbtn");
  const auto check = [this](const QWidget* control, const QString& caption, int room) {
    const QFont face = control->font();
    QFont whole = face;
    whole.setStretch(Window().font().stretch());
    const std::string name = control->objectName().toStdString();
    EXPECT_LE(QFontMetrics(face).horizontalAdvance(caption), room) << name;
    if (QFontMetrics(whole).horizontalAdvance(caption) <= room) {
      EXPECT_EQ(face.stretch(), whole.stretch()) << name;
    }
  };
  for (auto* key : Window().findChildren<QPushButton*>()) {
    if (key->isVisible() && !key->text().isEmpty()) check(key, key->text(), key->width() - 4);
  }
  for (const char* name : {"MathConstantlb", "PhysicalConstantlb"}) {
    auto* label = Control<QLabel>(name);
    check(label, label->text(), label->width());
  }
}

TEST_F(LayoutTest, MenuHasItsItemsMarksAndPictures) {
  QStringList shown;
  for (QAction* title : Window().menuBar()->actions()) {
    shown << "[" + title->text() + "]";
    for (QAction* item : title->menu()->actions()) {
      QString text = item->isSeparator() ? QStringLiteral("-") : item->text();
      if (item->isCheckable()) text += item->isChecked() ? " (on)" : " (off)";
      // Pictures are drawn when first shown: one that cannot be drawn has no pixels.
      if (!item->icon().pixmap(16, 16).isNull()) text += " (image)";
      EXPECT_TRUE(item->shortcut().isEmpty()) << text.toStdString();
      shown << text;
    }
  }
  EXPECT_EQ(shown, (QStringList{"[File]", "Print... (image)", "Plot...", "-", "About... (image)",
                                "Help... (image)", "-", "Exit (image)", "[Option]",
                                "Show hints (on)", "Exact arithmetic (off)", "[Preference]",
                                "Intermediate result (on)",
                                "All session results (off)"}));
  EXPECT_FALSE(shown.join("").contains('&')) << "no access letters";
}

TEST_F(LayoutTest, StatusBarFollowsThePointerAndTheMenuWhileHintsAreShown) {
  PointAt(Control<QWidget>("Editory1"));
  EXPECT_EQ(StatusText(), QStringLiteral(
      "Expr-Editor: Enter a formula either by typing on the keyboard, pressing the buttons "
      "with the mouse, or a mixture of both."));
  LeaveFrom(Control<QWidget>("Editory1"));
  PointAt(Control<QWidget>("ModeGroup"));
  EXPECT_EQ(StatusText(), QStringLiteral("Select to set mode for trigonometric functions."));
  LeaveFrom(Control<QWidget>("ModeGroup"));
  EXPECT_EQ(StatusText(), QString()) << "over a control without a hint nothing shows";
  PointAt(Key("Computebtn"));
  EXPECT_EQ(StatusText(), QStringLiteral(
      "Evaluate expression: Press to calculate value for the defined equation (or F9 anywhere "
      "in the window)."));

  auto* file = Control<QMenu>("File1");
  Window().menuBar()->setActiveAction(file->menuAction());  // opens it from the bar
  file->setActiveAction(Control<QAction>("Exit1"));
  EXPECT_EQ(StatusText(), QStringLiteral("Exit: End the calculation session."));
  file->hide();

  Control<QAction>("Showhints1")->trigger();
  EXPECT_FALSE(Window().HintsShown());
  const QString before = StatusText();
  PointAt(Control<QWidget>("EditXValue"));
  EXPECT_EQ(StatusText(), before);
  Control<QAction>("Showhints1")->trigger();
  PointAt(Control<QWidget>("EditXValue"));
  EXPECT_EQ(StatusText(), QStringLiteral(
      "X value-editor: Set value for variable \"x\". If no value is set, the program raises "
      "an exception."));
}

// Every hint the window has, the keys' from their table, shown in the status bar of the
// window at its own size: each must be shown whole, at the window font's height.
TEST_F(LayoutTest, EveryHintFitsTheStatusBarWhole) {
  const QLabel* area = Control<QLabel>("StatusText");
  const QRect bar = Control<QStatusBar>("StatusBar1")->rect();
  auto fits = [&](const QString& hint, const std::string& where) {
    EXPECT_EQ(StatusText(), hint) << where;
    EXPECT_LE(QFontMetrics(area->font()).horizontalAdvance(hint), area->contentsRect().width())
        << where;
    EXPECT_EQ(area->font().pixelSize(), 11) << where;
    const int stretch = area->font().stretch();
    EXPECT_TRUE(stretch == QFont::AnyStretch || stretch >= 70)
        << where << ": narrowed to " << stretch;
    EXPECT_TRUE(bar.contains(area->geometry())) << where;
  };
  Click("Constantsbtn");  // the constant keys in sight as well
  std::vector<std::pair<QWidget*, QString>> pointed;
  for (const auto& table : {editing::InsertionKeys(), editing::CommandKeys()}) {
    for (const editing::KeypadKey& key : table) {
      pointed.emplace_back(Key(std::string(key.name).c_str()),
                           QString::fromUtf8(key.status.data(), key.status.size()));
    }
  }
  for (const char* name : {"Editory1", "EditYValue", "EditXValue", "ModeGroup", "UpDownEdit"}) {
    pointed.emplace_back(Control<QWidget>(name), Control<QWidget>(name)->statusTip());
  }
  for (const auto& [control, hint] : pointed) {
    PointAt(control);
    fits(hint, control->objectName().toStdString());
    LeaveFrom(control);
  }
  for (QMenu* menu : Window().menuBar()->findChildren<QMenu*>()) {
    Window().menuBar()->setActiveAction(menu->menuAction());
    for (QAction* item : menu->actions()) {
      if (item->statusTip().isEmpty()) continue;
      menu->setActiveAction(item);
      fits(item->statusTip(), item->text().toStdString());
    }
    menu->hide();
  }
}

}  // namespace
}  // namespace vantorel::ui::testing
