#include "platform/help_browser.h"

#include "platform/chm_file.h"

namespace vantorel::platform {
namespace {

const QString kScheme = QStringLiteral("chm");

QString MissingPage(const QString& path) {
  return QStringLiteral(
             "<html><body><h2>Page not found</h2><p>The help file holds no page "
             "<i>%1</i>.</p></body></html>")
      .arg(path.toHtmlEscaped());
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(true);
  setOpenExternalLinks(true);
}

QUrl HelpBrowser::UrlFor(const QString& path) {
  const qsizetype hash = path.indexOf('#');
  QUrl url;
  url.setScheme(kScheme);
  url.setPath(hash < 0 ? path : path.left(hash));
  if (hash >= 0) url.setFragment(path.mid(hash + 1));
  if (!url.path().startsWith('/')) url.setPath('/' + url.path());
  return url;
}

QString HelpBrowser::PathOf(const QUrl& url) { return url.path(); }

// A miss is harmless: right after a page change Qt may ask once for the previous page's
// image against the new page's folder.
QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() != kScheme || !file_) return {};
  const QString path = PathOf(name);
  const std::optional<QByteArray> bytes = file_->Read(path);
  if (!bytes) return type == QTextDocument::HtmlResource ? QVariant(MissingPage(path)) : QVariant();
  if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
    return DecodeHelpText(*bytes);
  return *bytes;
}

}  // namespace vantorel::platform
