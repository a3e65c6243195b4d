// The viewer stand-in: each request on the one shared help window, as the program's
// help router issues them.
#include "platform/html_help.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "chm_test_files.h"
#include "platform/help_browser.h"
#include "platform/help_index_panel.h"
#include "platform/help_viewer.h"

namespace vantorel::platform {
namespace {

using testing::WriteFile;
qintptr Text(const char* text) { return reinterpret_cast<qintptr>(text); }

class HtmlHelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = testing::BuiltHelpFile();
    if (file_.isEmpty()) GTEST_SKIP() << "built without the help folder";
  }
  void TearDown() override { HtmlHelp(QString(), HH_CLOSE_ALL, 0); }

  static bool Shown() { return HtmlHelpWindow() && HtmlHelpWindow()->isVisible(); }
  static QString Topic() { return HtmlHelpWindow() ? HtmlHelpWindow()->CurrentTopic() : QString(); }

  QString file_;
};

TEST_F(HtmlHelpTest, DisplayTopicOpensTheDefaultTopicInAWindowOwnedByNoOther) {
  EXPECT_TRUE(HtmlHelp(file_, HH_DISPLAY_TOPIC, 0));
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Topic(), "/html/welcome.htm");
  EXPECT_EQ(HtmlHelpWindow()->parentWidget(), nullptr);
  EXPECT_TRUE(HtmlHelpWindow()->isWindow());
  EXPECT_FALSE(HtmlHelpWindow()->testAttribute(Qt::WA_QuitOnClose)) << "help must not keep the program alive";
  EXPECT_EQ(HtmlHelpWindow()->windowTitle(), "VantorelCalc Help");
}

TEST_F(HtmlHelpTest, EveryRequestReusesTheOneWindow) {
  ASSERT_TRUE(HtmlHelp(file_, HH_DISPLAY_TOPIC, 0));
  HelpViewer* first = HtmlHelpWindow();
  HtmlHelp(file_, HH_HELP_CONTEXT, 1800);
  HtmlHelp(file_, HH_DISPLAY_INDEX, 0);
  HtmlHelp(QString(), HH_CLOSE_ALL, 0);
  HtmlHelp(file_, HH_DISPLAY_TOPIC, 0);
  EXPECT_EQ(HtmlHelpWindow(), first);
  EXPECT_EQ(QApplication::topLevelWidgets().count(first), 1);
}

TEST_F(HtmlHelpTest, AnotherFileTakesTheOneWindowOverAndAMissingOneLeavesItAlone) {
  ASSERT_FALSE(testing::SampleHelpFile().isEmpty());
  ASSERT_TRUE(HtmlHelp(file_, HH_DISPLAY_TOPIC, 0));
  HelpViewer* viewer = HtmlHelpWindow();
  EXPECT_TRUE(HtmlHelp(testing::SampleHelpFile(), HH_HELP_CONTEXT, 20));
  EXPECT_EQ(HtmlHelpWindow(), viewer);
  EXPECT_EQ(viewer->windowTitle(), "Sample Title");
  EXPECT_EQ(Topic(), "/Pages/Second.htm");
  EXPECT_FALSE(HtmlHelp(file_ + ".missing", HH_DISPLAY_TOPIC, 0));
  EXPECT_EQ(viewer->windowTitle(), "Sample Title");
  EXPECT_TRUE(HtmlHelp(file_, HH_HELP_CONTEXT, 1000));
  EXPECT_EQ(viewer->windowTitle(), "VantorelCalc Help");
}

TEST_F(HtmlHelpTest, DisplayTopicTakesATopicFromTheFileNameOrTheData) {
  const struct {
    QString file;
    qintptr data;
    const char* topic;
  } cases[] = {
      {file_ + "::/html/numbers.htm", 0, "/html/numbers.htm"},
      {file_, Text("html/operators.htm"), "/html/operators.htm"},
      {file_, Text("/HTML/Signs.HTM"), "/HTML/Signs.HTM"},
      {file_, 0, "/html/welcome.htm"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(HtmlHelp(c.file, HH_DISPLAY_TOPIC, c.data));
    EXPECT_EQ(Topic(), c.topic);
    EXPECT_FALSE(HtmlHelpWindow()->Browser()->toPlainText().contains("Page not found")) << c.topic;
  }
}

TEST_F(HtmlHelpTest, HelpContextShowsTheMappedTopic) {
  const struct {
    qintptr context;
    const char* topic;
  } cases[] = {{1000, "/html/welcome.htm"}, {1800, "/html/errors.htm"}, {1130, "/html/comments.htm"}};
  for (const auto& c : cases) {
    EXPECT_TRUE(HtmlHelp(file_, HH_HELP_CONTEXT, c.context));
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Topic(), c.topic);
  }
}

// The Help command asks for the default topic and then for context 0; the file maps no
// context 0, so the second request leaves the window as the first one made it.
TEST_F(HtmlHelpTest, AnUnmappedContextDoesNothing) {
  for (const qintptr context : {qintptr(0), qintptr(1), qintptr(999999), qintptr(-1)}) {
    EXPECT_FALSE(HtmlHelp(file_, HH_HELP_CONTEXT, context));
    EXPECT_FALSE(Shown()) << "no window for context " << context;
  }
  ASSERT_TRUE(HtmlHelp(file_, HH_DISPLAY_TOPIC, 0));
  HtmlHelp(file_, HH_HELP_CONTEXT, 1800);
  EXPECT_FALSE(HtmlHelp(file_, HH_HELP_CONTEXT, 0));
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Topic(), "/html/errors.htm");
}

TEST_F(HtmlHelpTest, DisplayIndexPutsTheKeywordIntoTheIndexFilter) {
  ASSERT_TRUE(HtmlHelp(file_, HH_DISPLAY_INDEX, Text("arctan2")));
  HelpViewer* viewer = HtmlHelpWindow();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(viewer->Navigation()->currentWidget(), viewer->Index());
  EXPECT_EQ(viewer->Index()->Filter()->text(), "arctan2");
  ASSERT_TRUE(viewer->Index()->List()->currentItem());
  EXPECT_EQ(viewer->Index()->List()->currentItem()->text(), "ArcTan2");
  EXPECT_EQ(Topic(), "/html/welcome.htm") << "a newly opened window shows its home page";

  EXPECT_TRUE(HtmlHelp(file_, HH_DISPLAY_INDEX, 0));
  EXPECT_EQ(viewer->Index()->Filter()->text(), "");
  EXPECT_TRUE(HtmlHelp(file_, HH_DISPLAY_INDEX, Text("")));
  EXPECT_EQ(viewer->Index()->Filter()->text(), "");
}

TEST_F(HtmlHelpTest, CloseAllHidesTheWindowWithoutNamingAFile) {
  ASSERT_TRUE(HtmlHelp(file_, HH_DISPLAY_TOPIC, 0));
  EXPECT_FALSE(HtmlHelp(QString(), HH_CLOSE_ALL, 0));
  EXPECT_FALSE(Shown());
  EXPECT_FALSE(HtmlHelp(QString(), HH_CLOSE_ALL, 0)) << "closing twice is harmless";
  EXPECT_TRUE(HtmlHelp(file_, HH_DISPLAY_TOPIC, 0));
  EXPECT_TRUE(Shown());
}

// A missing or broken help file, or a request the viewer does not know, does nothing:
// no window appears, an open one keeps its page, and nothing is reported.
TEST_F(HtmlHelpTest, AMissingOrBrokenFileOrAnUnknownCommandDoesNothing) {
  QTemporaryDir dir;
  const QString badFiles[] = {QString(), dir.filePath("VANTOREL.chm"), dir.path(),
                              WriteFile(dir, "empty.chm", {}), WriteFile(dir, "text.chm", "not help\n")};
  for (const bool windowOpen : {false, true}) {
    if (windowOpen) HtmlHelp(file_, HH_HELP_CONTEXT, 1440);
    for (const QString& bad : badFiles) {
      for (const unsigned command : {HH_DISPLAY_TOPIC, HH_DISPLAY_INDEX, HH_HELP_CONTEXT}) {
        EXPECT_FALSE(HtmlHelp(bad, command, command == HH_HELP_CONTEXT ? 1000 : 0)) << bad.toStdString();
      }
    }
    for (const unsigned command : {1u, 0x000Bu, 0x0101u, 0xFFFFu}) EXPECT_FALSE(HtmlHelp(file_, command, 0));
    EXPECT_EQ(Shown(), windowOpen);
    if (windowOpen) {
      EXPECT_EQ(Topic(), "/html/printing.htm");
    }
  }
}

}  // namespace
}  // namespace vantorel::platform
