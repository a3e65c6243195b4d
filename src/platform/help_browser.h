#pragma once
// The page view of the help window: shows the pages of a compiled help file and takes
// their images, style sheets and linked pages from that file and from nowhere else.
// Links to other topics and anchors open here; only http and https links leave the
// viewer, for the desktop's browser.

#include <QTextBrowser>

namespace vantorel::platform {

class ChmFile;

class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  // What the pictures of one page may take together (the page itself: help_page_check.h).
  static constexpr qint64 kMostPicturePixels = qint64(16) << 20;

  explicit HelpBrowser(QWidget* parent = nullptr);

  // The file to read from; not owned, and it must outlive the view or be replaced first.
  void SetFile(const ChmFile* file) { file_ = file; }

  // Pages are addressed as "chm:/html/page.htm#fragment"; links inside them are
  // relative, and Qt resolves them against the page's own address.
  static QUrl UrlFor(const QString& path);
  static QString PathOf(const QUrl& url);

  // Never nothing: Qt would then read the name as a path on the disk.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  void FollowLink(const QUrl& url);
  QVariant LoadPage(const QString& path);
  QVariant LoadPicture(const QString& path);

  const ChmFile* file_ = nullptr;
  qint64 picturePixelsLeft_ = kMostPicturePixels;
};

}  // namespace vantorel::platform
