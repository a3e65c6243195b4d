#include "platform/help_viewer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/chm_file.h"
#include "platform/chm_sitemap.h"
#include "platform/help_browser.h"
#include "platform/help_index_panel.h"

namespace vantorel::platform {
namespace {

constexpr int kLocalRole = Qt::UserRole;

// A sitemap may name a topic with its file in front: "other.chm::/html/page.htm".
QString TopicPath(const QString& local) {
  const qsizetype separator = local.indexOf("::");
  return separator < 0 ? local : local.mid(separator + 2);
}

QString WithoutFragment(const QString& path) { return path.section('#', 0, 0); }

}  // namespace

HelpViewer::HelpViewer()
    : QWidget(nullptr, Qt::Window),
      browser_(new HelpBrowser),
      navigation_(new QTabWidget),
      contents_(new QTreeWidget),
      index_(new HelpIndexPanel) {
  // The calculator ends when its main window closes, whether or not help is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(tr("Help"));
  contents_->setHeaderHidden(true);
  navigation_->addTab(contents_, tr("&Contents"));
  navigation_->addTab(index_, tr("I&ndex"));

  auto* page = new QWidget;
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pageLayout->addWidget(MakeToolBar());
  pageLayout->addWidget(browser_);

  auto* splitter = new QSplitter;
  splitter->addWidget(navigation_);
  splitter->addWidget(page);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 640});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);
  resize(900, 620);

  const auto chooseEntry = [this](QTreeWidgetItem* item) {
    ShowChosen(item->data(0, kLocalRole).toString());
  };
  connect(contents_, &QTreeWidget::itemClicked, this, chooseEntry);
  connect(contents_, &QTreeWidget::itemActivated, this, chooseEntry);
  connect(index_, &HelpIndexPanel::TopicChosen, this, &HelpViewer::ShowChosen);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::SelectContentsEntry);
}

HelpViewer::~HelpViewer() { browser_->SetFile(nullptr); }

bool HelpViewer::event(QEvent* event) {
  if (event->type() == QEvent::WindowBlocked) LeaveModalBlock();
  return QWidget::event(event);
}

// Qt blocks every window but a modal window's own (transient) children while that modal
// window is open, and offers no other exemption: so while a modal window of the program
// is open, the help window counts as its child. The window system is told only when help
// is first shown while that window is open (a shown window's transient parent is not
// passed on), and then merely keeps help above it.
void HelpViewer::LeaveModalBlock() { FollowModalWindow(QGuiApplication::modalWindow()); }

void HelpViewer::FollowModalWindow(QWindow* modal) {
  QWindow* own = windowHandle();
  if (!own) return;
  if (QWindow* previous = own->transientParent()) disconnect(previous, nullptr, this, nullptr);
  own->setTransientParent(modal == own ? nullptr : modal);
  if (!modal || modal == own) return;
  // Qt takes a closing window off its list of modal windows only after this signal: the
  // next modal window (or none) is known once the close is done.
  connect(modal, &QWindow::visibleChanged, this, [this](bool visible) {
    if (!visible) QTimer::singleShot(0, this, &HelpViewer::LeaveModalBlock);
  });
}

QWidget* HelpViewer::MakeToolBar() {
  const auto makeButton = [this](const QString& text, QStyle::StandardPixmap icon,
                                 const QKeySequence& key) {
    auto* button = new QToolButton;
    button->setText(text);
    button->setIcon(style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setShortcut(key);
    button->setAutoRaise(true);
    return button;
  };
  back_ = makeButton(tr("Back"), QStyle::SP_ArrowBack, QKeySequence::Back);
  forward_ = makeButton(tr("Forward"), QStyle::SP_ArrowForward, QKeySequence::Forward);
  home_ = makeButton(tr("Home"), QStyle::SP_DirHomeIcon, QKeySequence(Qt::ALT | Qt::Key_Home));
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home_, &QToolButton::clicked, this, &HelpViewer::ShowHome);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);

  auto* bar = new QWidget;
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(back_);
  layout->addWidget(forward_);
  layout->addWidget(home_);
  layout->addStretch();
  return bar;
}

void HelpViewer::SetFile(const QString& path, std::unique_ptr<ChmFile> file) {
  browser_->SetFile(file.get());
  file_ = std::move(file);
  path_ = path;
  setWindowTitle(file_->Title().isEmpty() ? tr("Help") : file_->Title());
  browser_->clear();
  browser_->clearHistory();
  contents_->clear();
  FillContents(ParseSitemap(file_->ReadText(file_->ContentsFile()).value_or(QString())), nullptr);
  index_->SetRows(FlattenIndex(ParseSitemap(file_->ReadText(file_->IndexFile()).value_or(QString()))));
}

void HelpViewer::FillContents(const QList<SitemapEntry>& entries, QTreeWidgetItem* parent) {
  for (const SitemapEntry& entry : entries) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
    item->setText(0, entry.name);
    if (!entry.targets.isEmpty()) item->setData(0, kLocalRole, entry.targets.first().local);
    FillContents(entry.children, item);
  }
}

QString HelpViewer::HomeTopic() const {
  if (!file_) return {};
  if (!file_->DefaultTopic().isEmpty()) return file_->DefaultTopic();
  for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
    const QString local = (*it)->data(0, kLocalRole).toString();
    if (!local.isEmpty()) return TopicPath(local);
  }
  return {};
}

void HelpViewer::ShowTopic(const QString& path) { browser_->setSource(HelpBrowser::UrlFor(path)); }

void HelpViewer::ShowHome() {
  const QString home = HomeTopic();
  if (!home.isEmpty()) ShowTopic(home);
}

void HelpViewer::ShowIndex(const QString& keyword) {
  navigation_->setCurrentWidget(index_);
  index_->SetFilter(keyword);
}

QString HelpViewer::CurrentTopic() const {
  return browser_->source().isEmpty() ? QString() : HelpBrowser::PathOf(browser_->source());
}

void HelpViewer::ShowChosen(const QString& local) {
  if (!local.isEmpty()) ShowTopic(TopicPath(local));
}

// Marks the contents entry of the page shown, so the tree tells where the reader is.
void HelpViewer::SelectContentsEntry(const QUrl& shown) {
  const QString current = HelpBrowser::PathOf(shown).toLower();
  for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
    const QString local = TopicPath((*it)->data(0, kLocalRole).toString());
    if (HelpBrowser::UrlFor(WithoutFragment(local)).path().toLower() == current) {
      contents_->setCurrentItem(*it);
      return;
    }
  }
}

}  // namespace vantorel::platform
