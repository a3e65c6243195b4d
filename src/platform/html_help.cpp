#include "platform/html_help.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <functional>

#include "platform/chm_file.h"
#include "platform/help_viewer.h"

namespace vantorel::platform {
namespace {

QPointer<HelpViewer>& SharedViewer() {
  static QPointer<HelpViewer> viewer;
  return viewer;
}

QString TextAt(qintptr data) {
  const auto* text = reinterpret_cast<const char*>(static_cast<quintptr>(data));
  return text ? QString::fromUtf8(text) : QString();
}

struct FileAndTopic {
  QString file;
  QString topic;
};

// "VANTOREL.chm::/html/page.htm" names a page inside the file.
FileAndTopic Split(const QString& file) {
  const qsizetype separator = file.indexOf("::");
  if (separator < 0) return {file, {}};
  return {file.left(separator), file.mid(separator + 2)};
}

// The shared window, showing the file at `path`. The file is loaded (and the window made)
// only when `wanted` accepts it; otherwise, or when the file cannot be read, nothing.
HelpViewer* ViewerFor(const QString& path, const std::function<bool(const ChmFile&)>& wanted) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  if (canonical.isEmpty()) return nullptr;
  QPointer<HelpViewer>& viewer = SharedViewer();
  if (viewer && viewer->FilePath() == canonical) return wanted(*viewer->File()) ? viewer : nullptr;
  std::unique_ptr<ChmFile> file = ChmFile::Open(canonical);
  if (!file || !wanted(*file)) return nullptr;
  if (!viewer) {
    viewer = new HelpViewer;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, &QObject::deleteLater);
  }
  viewer->SetFile(canonical, std::move(file));
  return viewer;
}

void BringForward(HelpViewer* viewer) {
  if (viewer->isMinimized()) viewer->showNormal();
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

bool DisplayTopic(const FileAndTopic& request, qintptr data) {
  HelpViewer* viewer = ViewerFor(request.file, [](const ChmFile&) { return true; });
  if (!viewer) return false;
  const QString topic = data ? TextAt(data) : request.topic;
  if (!topic.isEmpty()) {
    viewer->ShowTopic(topic);
  } else if (!viewer->HomeTopic().isEmpty()) {
    viewer->ShowHome();
  } else {
    return false;
  }
  BringForward(viewer);
  return true;
}

bool DisplayIndex(const FileAndTopic& request, qintptr data) {
  HelpViewer* viewer = ViewerFor(request.file, [](const ChmFile&) { return true; });
  if (!viewer) return false;
  // A window that was closed opens afresh, at its home page.
  if (!viewer->isVisible() || viewer->CurrentTopic().isEmpty()) viewer->ShowHome();
  viewer->ShowIndex(data ? TextAt(data) : QString());
  BringForward(viewer);
  return true;
}

bool HelpContext(const FileAndTopic& request, qintptr data) {
  const auto context = static_cast<quint32>(data);
  HelpViewer* viewer = ViewerFor(request.file, [context](const ChmFile& file) {
    return !file.TopicForContext(context).isEmpty();
  });
  if (!viewer) return false;
  viewer->ShowTopic(viewer->File()->TopicForContext(context));
  BringForward(viewer);
  return true;
}

}  // namespace

bool HtmlHelp(const QString& file, unsigned command, qintptr data) {
  const FileAndTopic request = Split(file);
  switch (command) {
    case HH_DISPLAY_TOPIC:
      return DisplayTopic(request, data);
    case HH_DISPLAY_INDEX:
      return DisplayIndex(request, data);
    case HH_HELP_CONTEXT:
      return HelpContext(request, data);
    case HH_CLOSE_ALL:
      if (SharedViewer()) SharedViewer()->close();
      return false;
    default:
      return false;
  }
}

HelpViewer* HtmlHelpWindow() { return SharedViewer(); }

}  // namespace vantorel::platform
