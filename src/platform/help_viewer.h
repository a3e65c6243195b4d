#pragma once
// The help window: a compiled help file's contents tree and keyword index beside its
// pages, with Back, Forward and Home. It is a window of its own, owned by no other, and
// stays usable while a modal window of the program is open.

#include <QWidget>
#include <memory>

class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWindow;

namespace vantorel::platform {

class ChmFile;
class HelpBrowser;
class HelpIndexPanel;
struct SitemapEntry;

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  HelpViewer();
  ~HelpViewer() override;

  // Shows `file` (opened from `path`) from now on, with an empty history.
  void SetFile(const QString& path, std::unique_ptr<ChmFile> file);
  QString FilePath() const { return path_; }
  const ChmFile* File() const { return file_.get(); }

  // The page that Home shows: the file's default topic, else its first contents entry.
  QString HomeTopic() const;
  // Shows a stored page ("/html/page.htm#part"); a page the file lacks shows a notice.
  void ShowTopic(const QString& path);
  void ShowHome();
  // Brings the Index tab forward with `keyword` in its filter box.
  void ShowIndex(const QString& keyword);
  // The page shown, as its stored path without fragment; empty before the first.
  QString CurrentTopic() const;

  HelpBrowser* Browser() const { return browser_; }
  QTabWidget* Navigation() const { return navigation_; }
  QTreeWidget* Contents() const { return contents_; }
  HelpIndexPanel* Index() const { return index_; }
  QToolButton* BackButton() const { return back_; }
  QToolButton* ForwardButton() const { return forward_; }
  QToolButton* HomeButton() const { return home_; }

 protected:
  bool event(QEvent* event) override;

 private:
  void LeaveModalBlock();
  void FollowModalWindow(QWindow* modal);
  QWidget* MakeToolBar();
  void FillContents(const QList<SitemapEntry>& entries, QTreeWidgetItem* parent);
  void SelectContentsEntry(const QUrl& shown);
  void ShowChosen(const QString& local);

  QString path_;
  std::unique_ptr<ChmFile> file_;
  HelpBrowser* browser_;
  QTabWidget* navigation_;
  QTreeWidget* contents_;
  HelpIndexPanel* index_;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
  QToolButton* home_ = nullptr;
};

}  // namespace vantorel::platform
