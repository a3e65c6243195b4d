#include "platform/help_browser.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QImage>
#include <QImageReader>

#include "platform/chm_file.h"
#include "platform/help_page_check.h"

namespace vantorel::platform {
namespace {

const QString kScheme = QStringLiteral("chm");

QString Notice(const QString& heading, const QString& text) {
  return QStringLiteral("<html><body><h2>%1</h2><p>%2</p></body></html>").arg(heading, text);
}

QString MissingPage(const QString& path) {
  return Notice(HelpBrowser::tr("Page not found"),
                HelpBrowser::tr("The help file holds no page <i>%1</i>.").arg(path.toHtmlEscaped()));
}

// Stands for every picture that is missing, damaged or too large: a picture Qt could not
// use would make it look for the name on the disk instead.
QImage NoPicture() {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

// A link written for the desktop's help viewer: "ms-its:FILE.chm::/page.htm" or
// "mk:@MSITStore:FILE.chm::/page.htm" names a page of this file.
QString TopicInViewerLink(const QUrl& url) {
  const QString text = url.toString();
  const qsizetype separator = text.indexOf("::");
  const bool viewerLink = url.scheme().compare("ms-its", Qt::CaseInsensitive) == 0 ||
                          url.scheme().compare("mk", Qt::CaseInsensitive) == 0;
  return viewerLink && separator >= 0 ? text.mid(separator + 2) : QString();
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
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

// Qt hands over the link resolved against the page shown.
void HelpBrowser::FollowLink(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  if (scheme == kScheme) {
    setSource(url);
  } else if (!TopicInViewerLink(url).isEmpty()) {
    setSource(UrlFor(TopicInViewerLink(url)));
  } else if (scheme == "http" || scheme == "https") {
    QDesktopServices::openUrl(url);
  }
}

// A miss is harmless: right after a page change Qt may ask once for the previous page's
// image against the new page's folder.
QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const bool ours = name.scheme() == kScheme && file_;
  if (type == QTextDocument::HtmlResource) {
    return ours ? LoadPage(PathOf(name)) : QVariant(MissingPage(name.toString()));
  }
  if (type == QTextDocument::ImageResource) return ours ? LoadPicture(PathOf(name)) : QVariant(NoPicture());
  if (type == QTextDocument::StyleSheetResource && ours) {
    const std::optional<QByteArray> bytes = file_->Read(PathOf(name));
    if (bytes && std::size_t(bytes->size()) <= kLargestPage) return DecodeHelpText(*bytes);
  }
  return QVariant(QString(""));
}

QVariant HelpBrowser::LoadPage(const QString& path) {
  picturePixelsLeft_ = kMostPicturePixels;
  const std::optional<QByteArray> bytes = file_->Read(path);
  if (!bytes) return MissingPage(path);
  if (!FitsThePageView(std::string_view(bytes->constData(), std::size_t(bytes->size())))) {
    return Notice(tr("Page not shown"),
                  tr("The page <i>%1</i> is larger or more complex than any help page and is not shown.")
                      .arg(path.toHtmlEscaped()));
  }
  return DecodeHelpText(*bytes);
}

// The picture's size is read from its header, and it is decoded only if the page's
// pictures stay within their share of memory.
QVariant HelpBrowser::LoadPicture(const QString& path) {
  std::optional<QByteArray> bytes = file_->Read(path);
  if (!bytes) return NoPicture();
  QBuffer buffer(&*bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  const qint64 pixels = qint64(size.width()) * size.height();
  if (!size.isValid() || pixels > picturePixelsLeft_) return NoPicture();
  QImage picture = reader.read();
  if (picture.isNull()) return NoPicture();
  picturePixelsLeft_ -= pixels;
  return picture;
}

}  // namespace vantorel::platform
