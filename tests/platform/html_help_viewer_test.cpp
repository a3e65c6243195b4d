// The help window: contents, index, history and the pages with their images.
#include "platform/help_viewer.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include "chm_test_files.h"
#include "platform/chm_file.h"
#include "platform/help_browser.h"
#include "platform/help_index_panel.h"

namespace vantorel::platform {
namespace {

class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::BuiltHelpFile().isEmpty()) GTEST_SKIP() << "built without the help folder";
    auto file = ChmFile::Open(testing::BuiltHelpFile());
    ASSERT_TRUE(file);
    viewer_.SetFile(testing::BuiltHelpFile(), std::move(file));
    viewer_.ShowHome();
  }

  QTreeWidgetItem* ContentsEntry(const QString& name) {
    for (QTreeWidgetItemIterator it(viewer_.Contents()); *it; ++it)
      if ((*it)->text(0) == name) return *it;
    return nullptr;
  }

  QStringList VisibleKeywords() {
    QStringList rows;
    QListWidget* list = viewer_.Index()->List();
    for (int i = 0; i < list->count(); ++i)
      if (!list->item(i)->isHidden()) rows << list->item(i)->text();
    return rows;
  }

  QString Page() { return viewer_.Browser()->toPlainText(); }

  HelpViewer viewer_;
};

TEST_F(HelpViewerTest, OpensAtHomeWithTheContentsTreeOfTheFile) {
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/welcome.htm");
  EXPECT_TRUE(Page().startsWith("Vantorel Calculator"));
  EXPECT_EQ(viewer_.Contents()->topLevelItemCount(), 12);
  ASSERT_TRUE(ContentsEntry("Writing a formula"));
  EXPECT_EQ(ContentsEntry("Writing a formula")->childCount(), 7);
  EXPECT_EQ(viewer_.Contents()->currentItem(), ContentsEntry("Vantorel Calculator"));
}

TEST_F(HelpViewerTest, ClickingAContentsEntryShowsItsPageAndMarksIt) {
  QTreeWidgetItem* entry = ContentsEntry("Operators and their order");
  ASSERT_TRUE(entry);
  emit viewer_.Contents()->itemClicked(entry, 0);
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/operators.htm");
  EXPECT_TRUE(Page().contains("Division before multiplication"));
  viewer_.ShowTopic("/html/signs.htm");
  EXPECT_EQ(viewer_.Contents()->currentItem(), ContentsEntry("Signs"));
}

TEST_F(HelpViewerTest, BackForwardAndHomeWalkTheHistory) {
  EXPECT_FALSE(viewer_.BackButton()->isEnabled());
  viewer_.ShowTopic("/html/numbers.htm");
  viewer_.ShowTopic("/html/signs.htm");
  viewer_.BackButton()->click();
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/numbers.htm");
  EXPECT_TRUE(viewer_.ForwardButton()->isEnabled());
  viewer_.ForwardButton()->click();
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/signs.htm");
  EXPECT_FALSE(viewer_.ForwardButton()->isEnabled());
  viewer_.HomeButton()->click();
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/welcome.htm");
}

TEST_F(HelpViewerTest, TheIndexFilterKeepsTheKeywordsContainingItAndChoosesOne) {
  viewer_.ShowIndex("hyperbolic");
  const QStringList rows = VisibleKeywords();
  ASSERT_FALSE(rows.isEmpty());
  for (const QString& row : rows) EXPECT_TRUE(row.contains("hyperbolic", Qt::CaseInsensitive)) << row.toStdString();
  EXPECT_EQ(viewer_.Index()->List()->currentItem()->text(), "hyperbolic functions");

  viewer_.Index()->Filter()->setText("pythag");
  emit viewer_.Index()->Filter()->returnPressed();
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/fn_pythag.htm");

  viewer_.Index()->Filter()->setText("no such keyword at all");
  EXPECT_TRUE(VisibleKeywords().isEmpty());
  emit viewer_.Index()->Filter()->returnPressed();
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/fn_pythag.htm") << "Enter on an empty list goes nowhere";
}

TEST_F(HelpViewerTest, AKeywordWithSeveralTopicsHasARowForEach) {
  viewer_.ShowIndex("decimal separator");
  EXPECT_EQ(VisibleKeywords(), QStringList({"decimal separator - Numbers and the decimal separator",
                                            "decimal separator - The settings file"}));
  emit viewer_.Index()->List()->itemActivated(viewer_.Index()->List()->currentItem());
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/numbers.htm");
}

TEST_F(HelpViewerTest, LinksLeadToOtherPagesAndAnchors) {
  const QUrl page = HelpBrowser::UrlFor("/html/welcome.htm");
  viewer_.Browser()->setSource(page.resolved(QUrl("first_steps.htm")));
  EXPECT_EQ(viewer_.CurrentTopic(), "/html/first_steps.htm");
  viewer_.Browser()->setSource(page.resolved(QUrl("fn_trigonometric.htm#tan")));
  EXPECT_EQ(viewer_.Browser()->source().fragment(), "tan");
  EXPECT_TRUE(Page().contains("Tan(x)"));
}

TEST_F(HelpViewerTest, PagesShowTheirImagesFromTheFile) {
  viewer_.ShowTopic("/html/main_window.htm");
  const QUrl image = HelpBrowser::UrlFor("/html/images/window.png");
  const QVariant loaded = viewer_.Browser()->document()->resource(QTextDocument::ImageResource, image);
  ASSERT_TRUE(loaded.isValid()) << "the page's image was loaded";
  const QImage picture = qvariant_cast<QImage>(viewer_.Browser()->loadResource(QTextDocument::ImageResource, image));
  EXPECT_GT(picture.width(), 600);
}

TEST_F(HelpViewerTest, APageTheFileLacksShowsANoticeAndOtherAddressesNothing) {
  viewer_.ShowTopic("/html/no_such_page.htm");
  EXPECT_TRUE(Page().contains("Page not found"));
  EXPECT_TRUE(Page().contains("/html/no_such_page.htm"));
  HelpBrowser* browser = viewer_.Browser();
  // Never nothing, which would let Qt look for the name on the disk.
  const QVariant picture = browser->loadResource(QTextDocument::ImageResource, HelpBrowser::UrlFor("/html/none.png"));
  EXPECT_EQ(qvariant_cast<QImage>(picture).size(), QSize(1, 1));
  EXPECT_TRUE(browser->loadResource(QTextDocument::HtmlResource, QUrl("file:///etc/hostname")).toString().contains("Page not found"));
}

}  // namespace
}  // namespace vantorel::platform
