// The help window as a reader meets it: clicking links in a page, a help file that tries
// to reach outside itself, a damaged help file, and a modal box of the program open.
#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

#include "chm_test_files.h"
#include "platform/chm_file.h"
#include "platform/help_browser.h"
#include "platform/help_viewer.h"
#include "platform/html_help.h"

namespace vantorel::platform {
namespace {

// Takes the links that leave the viewer in place of the desktop.
class DesktopStandIn : public QObject {
  Q_OBJECT

 public:
  explicit DesktopStandIn(const QStringList& schemes) : schemes_(schemes) {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "Open");
  }
  ~DesktopStandIn() override {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
  }
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }

 private:
  QStringList schemes_;
};

// A click through the window system, which drops it while a modal window blocks the window.
void ClickAsUser(QWidget* widget, QPoint point) {
  QWidget* window = widget->window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, point));
}

// Clicks the first link to `href` in the page shown, as a reader would with the mouse.
bool ClickLink(QTextBrowser* browser, const QString& href) {
  for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().anchorHref() != href) continue;
      QTextCursor cursor(browser->document());
      cursor.setPosition(fragment.position() + qMin(1, fragment.length() - 1));
      browser->setTextCursor(cursor);
      browser->ensureCursorVisible();
      const QPoint point = browser->cursorRect(cursor).center();
      if (browser->anchorAt(point) != href) return false;
      ClickAsUser(browser->viewport(), point);
      return true;
    }
  }
  return false;
}

const QStringList kEveryScheme = {"chm", "http", "https", "mailto", "smb", "javascript", "file", "ms-its"};

class HelpLinksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (testing::BuiltHelpFile().isEmpty()) GTEST_SKIP() << "built without the help folder";
    viewer_.SetFile(testing::BuiltHelpFile(), ChmFile::Open(testing::BuiltHelpFile()));
    viewer_.show();
  }
  HelpViewer viewer_;
};

TEST_F(HelpLinksTest, ClickingALinkOpensItsTopicOrAnchorInTheWindow) {
  const struct {
    const char* page;
    const char* href;
    const char* topic;
    const char* fragment;
  } cases[] = {
      {"/html/welcome.htm", "first_steps.htm", "/html/first_steps.htm", ""},
      {"/html/functions.htm", "fn_algebraic.htm#sqrt", "/html/fn_algebraic.htm", "sqrt"},
      {"/html/fn_algebraic.htm", "#square", "/html/fn_algebraic.htm", "square"},
  };
  DesktopStandIn desktop(kEveryScheme);
  for (const auto& c : cases) {
    viewer_.ShowTopic(c.page);
    ASSERT_TRUE(ClickLink(viewer_.Browser(), c.href)) << c.href;
    EXPECT_EQ(viewer_.CurrentTopic(), c.topic) << c.href;
    EXPECT_EQ(viewer_.Browser()->source().fragment(), c.fragment) << c.href;
  }
  EXPECT_TRUE(desktop.opened.isEmpty()) << "links inside the file stay in the window";
  viewer_.BackButton()->click();
  EXPECT_EQ(viewer_.Browser()->source(), HelpBrowser::UrlFor("/html/fn_algebraic.htm"))
      << "a followed anchor joins the history";
}

QByteArray Nested(const QByteArray& open, const QByteArray& close, int depth, int times = 1) {
  return "<html><body>" + (open.repeated(depth) + "x" + close.repeated(depth)).repeated(times) + "</body></html>";
}

const QByteArray kTable = "<table><tr><td>", kTableEnd = "</td></tr></table>";
const QMap<QString, QByteArray> kHeavyPages = {
    {"p/large.htm", "<html><body><p>" + QByteArray("word ").repeated(60000) + "</p></body></html>"},
    {"p/tables.htm", Nested(kTable, kTableEnd, 16)},
    {"p/tags.htm", "<html><body>" + QByteArray("<p>x").repeated(5000) + "</body></html>"},
    {"p/word.htm", "<html><body><p>" + QByteArray(65536, 'x') + "</p></body></html>"},
    {"p/deep.htm", Nested("<b>", "</b>", 200)},
    {"p/within.htm", Nested(kTable, kTableEnd, 4, 150) + " " + QByteArray(2000, 'x') + " " + Nested("<b>", "</b>", 60)},
};

// A help file whose page links and points pictures everywhere: at a picture on the disk
// (by file address, absolute path, climbing path, and a name found in the working
// folder), at web, mail, share and script addresses; and a page and a picture too large.
class HostileHelpTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    disk_ = new QTemporaryDir;
    build_ = new QTemporaryDir;
    QImage big(300, 300, QImage::Format_RGB32);
    big.fill(Qt::blue);
    const QString onDisk = disk_->filePath("big.png");
    if (testing::HelpSourceDir().isEmpty() || !big.save(onDisk)) return;
    QByteArray page = "<html><body>";
    for (const QString& src : {"file://" + onDisk, onDisk, "../../../../../../../.." + onDisk, QString("big.png")})
      page += "<p><img src=\"" + src.toUtf8() + "\"></p>";
    for (const char* href : {"http://example.org/", "https://example.org/a", "mailto:a@example.org",
                             "smb://host/share", "javascript:alert(1)", "file:///etc/hostname",
                             "ms-its:HOSTILE.chm::/p/two.htm"})
      page += QByteArray("<p><a href=\"") + href + "\">" + href + "</a></p>";
    page += "<p><img src=\"huge.pgm\"></p></body></html>";
    QMap<QString, QByteArray> files;
    files["H.hhp"] = "[OPTIONS]\nCompiled file=HOSTILE.chm\nDefault topic=p/one.htm\nTitle=Hostile\n\n"
                     "[FILES]\np/one.htm\np/two.htm\np/huge.pgm\n" + QStringList(kHeavyPages.keys()).join('\n').toUtf8() + "\n";
    files["p/one.htm"] = page;
    files["p/two.htm"] = "<html><body><p>Two</p></body></html>";
    for (auto it = kHeavyPages.cbegin(); it != kHeavyPages.cend(); ++it) files[it.key()] = it.value();
    files["p/huge.pgm"] = "P5\n6000 6000\n255\n" + QByteArray(64, '\0');
    const QString output = build_->filePath("HOSTILE.chm");
    if (testing::BuildProject(*build_, files, "H.hhp", output).exitCode == 0) output_ = output;
  }
  static void TearDownTestSuite() {
    delete disk_;
    delete build_;
    output_.clear();
  }
  void SetUp() override {
    if (output_.isEmpty()) GTEST_SKIP() << "no help compiler, or it failed";
    viewer_.SetFile(output_, ChmFile::Open(output_));
    viewer_.show();
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(disk_->path());  // where "big.png" would be found relative to the working folder
    viewer_.ShowHome();
  }
  void TearDown() override {
    if (!previousFolder_.isEmpty()) QDir::setCurrent(previousFolder_);
  }

  static inline QTemporaryDir* disk_ = nullptr;
  static inline QTemporaryDir* build_ = nullptr;
  static inline QString output_;
  QString previousFolder_;
  HelpViewer viewer_;
};

TEST_F(HostileHelpTest, PagesShowNoPictureFromTheDisk) {
  viewer_.Browser()->document()->adjustSize();
  int pictures = 0;
  for (QTextBlock block = viewer_.Browser()->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (!it.fragment().charFormat().isImageFormat()) continue;
      ++pictures;
      const QRectF shown = viewer_.Browser()->document()->documentLayout()->blockBoundingRect(block);
      EXPECT_LT(shown.height(), 100) << it.fragment().charFormat().toImageFormat().name().toStdString();
    }
  }
  EXPECT_EQ(pictures, 5);
}

TEST_F(HostileHelpTest, OnlyWebLinksLeaveTheViewerAndOnlyForTheBrowser) {
  DesktopStandIn desktop(kEveryScheme);
  for (const char* href : {"http://example.org/", "https://example.org/a", "mailto:a@example.org",
                           "smb://host/share", "javascript:alert(1)", "file:///etc/hostname"}) {
    ASSERT_TRUE(ClickLink(viewer_.Browser(), href)) << href;
    EXPECT_EQ(viewer_.CurrentTopic(), "/p/one.htm") << href;
  }
  EXPECT_EQ(desktop.opened, QList<QUrl>({QUrl("http://example.org/"), QUrl("https://example.org/a")}));
  ASSERT_TRUE(ClickLink(viewer_.Browser(), "ms-its:HOSTILE.chm::/p/two.htm"));
  EXPECT_EQ(viewer_.CurrentTopic(), "/p/two.htm") << "a link in the desktop viewer's form opens here";
}

// Pages that the page view would take seconds or minutes to lay out, or that would
// overflow its stack, show a notice; one just within every limit shows.
TEST_F(HostileHelpTest, APageOrPictureTooLargeOrComplexIsNotLoaded) {
  for (auto it = kHeavyPages.cbegin(); it != kHeavyPages.cend(); ++it) {
    viewer_.ShowTopic(it.key());
    EXPECT_EQ(viewer_.Browser()->toPlainText().contains("Page not shown"), it.key() != "p/within.htm") << it.key().toStdString();
  }
  const QVariant picture =
      viewer_.Browser()->loadResource(QTextDocument::ImageResource, HelpBrowser::UrlFor("/p/huge.pgm"));
  EXPECT_EQ(qvariant_cast<QImage>(picture).size(), QSize(1, 1));
}

TEST_F(HelpLinksTest, EveryPageOfTheProgramsHelpIsShown) {
  for (const QString& page : viewer_.File()->Files()) {
    if (!page.endsWith(".htm")) continue;
    viewer_.ShowTopic(page);
    EXPECT_FALSE(viewer_.Browser()->toPlainText().contains("Page not shown")) << page.toStdString();
  }
}

// Damaged copies of the program's help file: cut short, with bytes flipped anywhere or in
// its directory, and with a directory entry whose offset and length run huge. Each opens
// through the help window's requests and shows every contents entry, or does nothing.
TEST(DamagedHelpFile, NeverTakesTheProgramDown) {
  if (testing::BuiltHelpFile().isEmpty()) GTEST_SKIP() << "built without the help folder";
  QFile whole(testing::BuiltHelpFile());
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  QList<QByteArray> damaged;
  for (const qsizetype length : {qsizetype(0x60), qsizetype(0x2000), bytes.size() / 2, bytes.size() - 1})
    damaged << bytes.left(length);
  QRandomGenerator random(10);
  for (int i = 0; i < 12; ++i) {
    QByteArray copy = bytes;
    const qsizetype region = i % 2 ? 0x1400 : copy.size();  // the directory lies near the start
    for (int flips = 0; flips < 4; ++flips) copy[random.bounded(region)] ^= char(1 << random.bounded(8));
    damaged << copy;
  }
  QByteArray huge = bytes;
  const qsizetype entry = huge.indexOf("/html/welcome.htm") + qsizetype(strlen("/html/welcome.htm"));
  ASSERT_GT(entry, 20);
  huge.replace(entry + 1, 4, "\xff\xff\xff\x7f");
  damaged << huge;

  QTemporaryDir dir;
  int opened = 0;
  for (qsizetype i = 0; i < damaged.size(); ++i) {
    const QString path = testing::WriteFile(dir, QString("damaged%1.chm").arg(i), damaged[i]);
    HtmlHelp(path, HH_HELP_CONTEXT, 1000);
    HtmlHelp(path, HH_DISPLAY_INDEX, 0);
    if (!HtmlHelp(path, HH_DISPLAY_TOPIC, 0)) continue;
    ++opened;
    HelpViewer* viewer = HtmlHelpWindow();
    for (const QString& page : viewer->File()->Files()) viewer->ShowTopic(page);
  }
  HtmlHelp(QString(), HH_CLOSE_ALL, 0);
  EXPECT_GT(opened, 0) << "most damage leaves a readable file";
}

// Clicks the program's button, then Back and a link in the help window, as a user would.
void UseProgramAndHelp(QPushButton* programButton) {
  HelpViewer* viewer = HtmlHelpWindow();
  ASSERT_TRUE(viewer && viewer->isVisible());
  viewer->ShowTopic("/html/numbers.htm");
  viewer->ShowTopic("/html/welcome.htm");
  ClickAsUser(programButton, programButton->rect().center());
  ClickAsUser(viewer->BackButton(), viewer->BackButton()->rect().center());
  EXPECT_EQ(viewer->CurrentTopic(), "/html/numbers.htm");
  viewer->ShowTopic("/html/welcome.htm");
  EXPECT_TRUE(ClickLink(viewer->Browser(), "first_steps.htm"));
  EXPECT_EQ(viewer->CurrentTopic(), "/html/first_steps.htm");
}

// The help window belongs to the viewer: a modal window of the program (a dialog such as
// About or the report window, an error box over it) blocks the program's windows but not
// the help window, whether help was open before or opened from within.
TEST(HelpWindowAndModalBoxes, TheHelpWindowStaysUsable) {
  if (testing::BuiltHelpFile().isEmpty()) GTEST_SKIP() << "built without the help folder";
  QWidget program;
  auto* programButton = new QPushButton("Compute", &program);
  int programClicks = 0;
  QObject::connect(programButton, &QPushButton::clicked, [&] { ++programClicks; });
  program.show();
  const struct {
    bool helpOpenedInside;
    bool errorBoxOverDialog;
  } cases[] = {{false, false}, {true, true}};
  for (const auto& c : cases) {
    HtmlHelp(QString(), HH_CLOSE_ALL, 0);
    if (!c.helpOpenedInside) {
      ASSERT_TRUE(HtmlHelp(testing::BuiltHelpFile(), HH_DISPLAY_TOPIC, 0));
    }
    QDialog dialog(&program);
    QMessageBox error(QMessageBox::Critical, "VantorelCalc", "Nothing assigned.", QMessageBox::Ok, &dialog);
    QTimer::singleShot(0, [&] {
      if (c.helpOpenedInside) HtmlHelp(testing::BuiltHelpFile(), HH_DISPLAY_TOPIC, 0);
      if (c.errorBoxOverDialog) {
        QTimer::singleShot(0, [&] {
          UseProgramAndHelp(programButton);
          error.done(0);
        });
        error.exec();
        QCoreApplication::processEvents();
      }
      UseProgramAndHelp(programButton);
      dialog.done(0);
    });
    dialog.exec();
    QCoreApplication::processEvents();
    EXPECT_EQ(programClicks, 0) << "the modal windows block the program";
    EXPECT_EQ(HtmlHelpWindow()->windowHandle()->transientParent(), nullptr) << "nothing ties it to a closed box";
  }
  ClickAsUser(programButton, programButton->rect().center());
  EXPECT_EQ(programClicks, 1) << "a click that reaches the program counts";
  HtmlHelp(QString(), HH_CLOSE_ALL, 0);
}

}  // namespace
}  // namespace vantorel::platform

#include "html_help_links_test.moc"
