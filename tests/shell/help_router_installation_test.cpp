// The installed help router with the real viewer and the real help file.
#include "shell/help_router_installation.h"

#include "platform/help_viewer.h"
#include "platform/html_help.h"
#include "shell/application_help.h"
#include "ui/shell_hooks.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTabWidget>
#include <memory>

namespace vantorel::shell {
namespace {

bool HelpShows() {
  const platform::HelpViewer* viewer = platform::HtmlHelpWindow();
  return viewer && viewer->isVisible();
}

class InstalledRouterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFile::exists(VANTOREL_HELP_FILE)) GTEST_SKIP() << "the help file is not built";
    SetApplicationHelpFile(VANTOREL_HELP_FILE);
  }
  void TearDown() override {
    ApplicationHelpCommand(ui::HELP_QUIT, 0);
    SetApplicationHelpFile({});
  }

  HelpRouterInstallation installation_;
};

TEST(HelpRouterInstallation, HandlesRequestsExactlyWhileItLives) {
  auto installation = std::make_unique<HelpRouterInstallation>();
  EXPECT_TRUE(HasApplicationHelpHandler());
  installation.reset();
  EXPECT_FALSE(HasApplicationHelpHandler());
  EXPECT_FALSE(ApplicationHelpCommand(ui::HELP_FINDER, 0));
}

// The Help command: the default topic, then context 0, which the file does not map.
TEST_F(InstalledRouterTest, HelpCommandOpensTheDefaultTopic) {
  EXPECT_TRUE(ApplicationHelpCommand(ui::HELP_FINDER, 0));
  EXPECT_TRUE(ApplicationHelpContext(0));
  ASSERT_TRUE(HelpShows());
  const platform::HelpViewer* viewer = platform::HtmlHelpWindow();
  EXPECT_EQ(viewer->CurrentTopic(), viewer->HomeTopic());
  EXPECT_TRUE(viewer->CurrentTopic().endsWith("welcome.htm")) << viewer->CurrentTopic().toStdString();
  EXPECT_EQ(viewer->parentWidget(), nullptr);
}

TEST_F(InstalledRouterTest, KeywordRequestOpensTheIndex) {
  const char keyword[] = "sin";
  ApplicationHelpCommand(ui::HELP_KEY, reinterpret_cast<qintptr>(keyword));
  ASSERT_TRUE(HelpShows());
  const platform::HelpViewer* viewer = platform::HtmlHelpWindow();
  EXPECT_EQ(viewer->Navigation()->currentWidget(), reinterpret_cast<QWidget*>(viewer->Index()));
}

TEST_F(InstalledRouterTest, QuitClosesTheHelpWindow) {
  ApplicationHelpCommand(ui::HELP_FINDER, 0);
  ASSERT_TRUE(HelpShows());
  EXPECT_TRUE(ApplicationHelpCommand(ui::HELP_QUIT, 0));
  EXPECT_FALSE(HelpShows());
}

TEST_F(InstalledRouterTest, AMissingHelpFileOpensNothingAndSaysNothing) {
  SetApplicationHelpFile("/nonexistent/VANTOREL.chm");
  EXPECT_TRUE(ApplicationHelpCommand(ui::HELP_FINDER, 0));
  EXPECT_TRUE(ApplicationHelpContext(0));
  EXPECT_FALSE(HelpShows());
}

}  // namespace
}  // namespace vantorel::shell
