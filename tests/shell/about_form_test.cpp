// The About box: what it shows where, and which clicks close it.
#include "shell/about_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

namespace vantorel::shell {
namespace {

struct Element {
  const char* name;
  QPoint topLeft;
  const char* text;  // null where the text is ours to choose
  int pixelHeight;
};

const Element kElements[] = {
    {"Label1", {218, 8}, "VantorelCalc", 21},
    {"Label10", {244, 32}, "version 2.1.56", 13},
    {"Label9", {10, 51}, nullptr, 16},
    {"Label2", {10, 75}, nullptr, 11},
    {"Label6", {10, 91}, nullptr, 11},
    {"Label5", {10, 114}, nullptr, 12},
    {"Label8", {10, 130}, nullptr, 12},
    {"Label7", {10, 146}, nullptr, 12},
    {"Button1", {297, 128}, "&Ok", 11},
};

QWidget* Child(QWidget& box, const char* name) { return box.findChild<QWidget*>(name); }

QString TextOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  return qobject_cast<QPushButton*>(widget)->text();
}

TEST(AboutForm, ShowsEachLineWhereItBelongs) {
  TAboutForm box(nullptr);
  for (const Element& element : kElements) {
    QWidget* widget = Child(box, element.name);
    ASSERT_NE(widget, nullptr) << element.name;
    EXPECT_EQ(widget->pos(), element.topLeft) << element.name;
    EXPECT_EQ(widget->font().pixelSize(), element.pixelHeight) << element.name;
    if (element.text) {
      EXPECT_EQ(TextOf(widget), element.text) << element.name;
    }
    EXPECT_FALSE(TextOf(widget).isEmpty()) << element.name;
    // Every line fits inside the box.
    EXPECT_TRUE(QRect(0, 0, 352, 166).contains(widget->geometry())) << element.name;
  }
  EXPECT_TRUE(box.Label1->font().bold());
  for (QLabel* beside : {box.Label8, box.Label7}) {
    EXPECT_LT(beside->geometry().right(), box.Button1->x()) << beside->objectName().toStdString();
  }
  EXPECT_EQ(box.Button1->size(), QSize(47, 30));
  for (QLabel* navy : {box.Label5, box.Label8, box.Label7}) {
    EXPECT_EQ(navy->palette().color(QPalette::WindowText), QColor(0, 0, 128)) << navy->objectName().toStdString();
  }
}

TEST(AboutForm, IsAFixedDialogWithoutCaptionButtonsThatStaysOnTop) {
  TAboutForm box(nullptr);
  EXPECT_EQ(box.windowTitle(), "About VantorelCalc");
  EXPECT_EQ(box.size(), QSize(352, 166));
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  EXPECT_EQ(box.Panel2->geometry(), QRect(0, 0, 352, 166));
  const Qt::WindowFlags flags = box.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  for (Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint,
                                Qt::WindowContextHelpButtonHint}) {
    EXPECT_FALSE(flags & button) << button;
  }
}

TEST(AboutForm, LogoIsOurPictureOfTheStatedSize) {
  TAboutForm box(nullptr);
  EXPECT_EQ(box.Image1->geometry(), QRect(4, 4, 170, 49));
  const QImage logo = box.Image1->pixmap().toImage();
  EXPECT_EQ(logo.size(), QSize(170, 45));
  EXPECT_EQ(logo.pixelColor(169, 0).alpha(), 0);  // transparent where nothing is drawn
  EXPECT_EQ(logo.pixelColor(20, 40).alpha(), 255);
}

struct Click {
  const char* where;
  std::function<QWidget*(TAboutForm&)> target;
  QPoint at;  // in the target; (-1,-1) for its centre
  Qt::MouseButton button;
  bool closes;
};

const Click kClicks[] = {
    {"free spot of the panel", [](TAboutForm& b) { return b.Panel2; }, {330, 100}, Qt::LeftButton, true},
    {"product name", [](TAboutForm& b) { return b.Label1; }, {-1, -1}, Qt::LeftButton, true},
    {"maker", [](TAboutForm& b) { return b.Label9; }, {-1, -1}, Qt::LeftButton, true},
    {"homepage caption", [](TAboutForm& b) { return b.Label2; }, {-1, -1}, Qt::LeftButton, true},
    {"homepage address", [](TAboutForm& b) { return b.Label6; }, {-1, -1}, Qt::LeftButton, true},
    {"notice", [](TAboutForm& b) { return b.Label5; }, {-1, -1}, Qt::LeftButton, true},
    {"institute", [](TAboutForm& b) { return b.Label8; }, {-1, -1}, Qt::LeftButton, true},
    {"rights", [](TAboutForm& b) { return b.Label7; }, {-1, -1}, Qt::LeftButton, true},
    {"Ok", [](TAboutForm& b) { return b.Button1; }, {-1, -1}, Qt::LeftButton, true},
    {"version line", [](TAboutForm& b) { return b.Label10; }, {-1, -1}, Qt::LeftButton, false},
    {"logo", [](TAboutForm& b) { return b.Image1; }, {-1, -1}, Qt::LeftButton, false},
    {"right button on the panel", [](TAboutForm& b) { return b.Panel2; }, {330, 100}, Qt::RightButton, false},
};

TEST(AboutForm, ClosesOnAClickAlmostAnywhere) {
  for (const Click& click : kClicks) {
    TAboutForm box(nullptr);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box)) << click.where;
    QWidget* target = click.target(box);
    const QPoint at = click.at.x() < 0 ? target->rect().center() : click.at;
    QTest::mouseClick(target, click.button, Qt::NoModifier, at);
    EXPECT_EQ(!box.isVisible(), click.closes) << click.where;
  }
}

TEST(AboutForm, OkAnswersItsKeyboardShortcut) {
  TAboutForm box(nullptr);
  box.show();
  box.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  QTest::keyClick(&box, Qt::Key_O, Qt::AltModifier);
  // A shortcut presses the button visibly: the click comes a moment later.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !box.isVisible(); }, 2000));
}

// What a running About command looks like from inside its modal showing.
struct Showing {
  QPointer<TAboutForm> box;
  bool modal = false;
  QWidget* owner = nullptr;
  QPoint centre;
};

Showing ShowAndClickOk(QWidget* mainWindow) {
  Showing seen;
  QTimer::singleShot(0, [&] {
    seen.box = mainWindow->findChild<TAboutForm*>();
    if (!seen.box) return;
    seen.modal = QApplication::activeModalWidget() == seen.box;
    seen.owner = seen.box->parentWidget();
    seen.centre = seen.box->geometry().center();
    seen.box->Button1->click();
  });
  ShowAboutBox(mainWindow);
  return seen;
}

TEST(AboutCommand, ShowsAFreshModalBoxOwnedByTheMainWindowAndDestroysIt) {
  QWidget mainWindow;
  mainWindow.show();
  for (int showing = 0; showing < 2; ++showing) {
    const Showing seen = ShowAndClickOk(&mainWindow);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.owner, &mainWindow);
    EXPECT_TRUE(seen.box.isNull()) << "the box outlives its showing";
    EXPECT_TRUE(mainWindow.findChildren<TAboutForm*>().isEmpty());
    const QPoint screenCentre = mainWindow.screen()->availableGeometry().center();
    EXPECT_LE((seen.centre - screenCentre).manhattanLength(), 2);
  }
}

}  // namespace
}  // namespace vantorel::shell
