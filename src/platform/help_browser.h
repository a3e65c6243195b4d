#pragma once
// The page view of the help window: shows the pages of a compiled help file and takes
// their images, style sheets and linked pages from the same file.

#include <QTextBrowser>

namespace vantorel::platform {

class ChmFile;

class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpBrowser(QWidget* parent = nullptr);

  // The file to read from; not owned, and it must outlive the view or be replaced first.
  void SetFile(const ChmFile* file) { file_ = file; }

  // Pages are addressed as "chm:/html/page.htm#fragment"; links inside them are
  // relative, and Qt resolves them against the page's own address.
  static QUrl UrlFor(const QString& path);
  static QString PathOf(const QUrl& url);

  QVariant loadResource(int type, const QUrl& name) override;

 private:
  const ChmFile* file_ = nullptr;
};

}  // namespace vantorel::platform
