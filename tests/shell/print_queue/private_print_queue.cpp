#include "private_print_queue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel::shell::testing {
namespace {

constexpr char kCupsd[] = "/usr/sbin/cupsd";
constexpr char kPdfBackend[] = "/usr/lib/cups/backend/cups-pdf";
// Without the PPD's own options cups-pdf follows its configuration file alone.
constexpr char kPdfPpd[] = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";
// cups-pdf reads the configuration of an instance "cups-pdf:/NAME" only from here.
constexpr char kPdfConfigFolder[] = "/etc/cups";

void Write(const QString& path, const QString& text) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
}

// The server's filters run as lp: they must reach the folder and write its temp folder.
bool OpenToPrintFilters(const QString& folder, const QString& temp) {
  const group* lp = ::getgrnam("lp");
  return lp && ::chmod(QFile::encodeName(folder).constData(), 0755) == 0 &&
         ::chown(QFile::encodeName(temp).constData(), 0, lp->gr_gid) == 0 &&
         ::chmod(QFile::encodeName(temp).constData(), 01770) == 0;
}

}  // namespace

QString PrivatePrintQueue::WhyUnavailable() {
  if (::geteuid() != 0) return "the private print server needs root (cupsd drops to lp)";
  for (const char* needed : {kCupsd, kPdfBackend, kPdfPpd, "/usr/sbin/lpadmin"}) {
    if (!QFileInfo::exists(needed)) return QString("%1 is missing (scripts/setup.sh)").arg(needed);
  }
  if (!::getpwnam("lp")) return "the user lp is missing";
  if (!QFileInfo(kPdfConfigFolder).isWritable()) return QString("%1 is not writable").arg(kPdfConfigFolder);
  return {};
}

PrivatePrintQueue::PrivatePrintQueue()
    : printer_(QString("vantorel-test-%1").arg(::getpid())),
      instanceConfig_(QString("%1/cups-pdf-%2.conf").arg(kPdfConfigFolder, printer_)) {
  for (const char* sub : {"spool", "cache", "state", "tmp", "log", "out", "pdf-spool"}) {
    QDir(folder_.path()).mkdir(sub);
  }
  opened_ = OpenToPrintFilters(folder_.path(), folder_.filePath("tmp"));
  WriteConfiguration();
  qputenv("CUPS_SERVER", QFile::encodeName(folder_.filePath("cups.sock")));
  server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

PrivatePrintQueue::~PrivatePrintQueue() {
  Stop();
  QFile::remove(instanceConfig_);
}

void PrivatePrintQueue::WriteConfiguration() {
  const QString dir = folder_.path();
  Write(dir + "/cupsd.conf", QString("Listen %1/cups.sock\n"
                                     "Browsing No\nWebInterface No\nDefaultAuthType None\n"
                                     "LogLevel warn\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n")
                                 .arg(dir));
  Write(dir + "/cups-files.conf",
        QString("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                "TempDir %1/tmp\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                "PageLog %1/log/page_log\nUser lp\nGroup lp\nSystemGroup root\n"
                "Sandboxing Relaxed\n")
            .arg(dir));
  // The file is named after the job's title alone: "Report.pdf".
  Write(instanceConfig_, QString("Out %1/out\nSpool %1/pdf-spool\nLog %1/log\n"
                                 "TitlePref 1\nLabel 0\n")
                             .arg(dir));
}

bool PrivatePrintQueue::Start() {
  const QString socket = folder_.filePath("cups.sock");
  if (!opened_) return false;
  QFile::remove(socket);
  server_.start(kCupsd, {"-f", "-c", folder_.filePath("cupsd.conf"), "-s",
                         folder_.filePath("cups-files.conf")});
  if (!server_.waitForStarted(5000)) return false;
  if (!QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 5000)) return false;
  // Qt's PDF goes through pdftocairo on its way to cups-pdf, which keeps its text readable.
  return Admin({"-p", printer_, "-E", "-v", "cups-pdf:/" + printer_, "-P", kPdfPpd, "-o",
                "pdftops-renderer-default=pdftocairo"}) &&
         Admin({"-d", printer_});
}

void PrivatePrintQueue::Stop() {
  if (server_.state() == QProcess::NotRunning) return;
  server_.terminate();
  if (!server_.waitForFinished(5000)) {
    server_.kill();
    server_.waitForFinished(5000);
  }
}

bool PrivatePrintQueue::RefuseJobs() {
  QProcess reject;
  reject.start("cupsreject", {printer_});
  return reject.waitForFinished(5000) && reject.exitCode() == 0;
}

bool PrivatePrintQueue::Admin(const QStringList& arguments) {
  QProcess admin;
  admin.start("lpadmin", arguments);
  return admin.waitForFinished(5000) && admin.exitCode() == 0;
}

QString PrivatePrintQueue::Log() const {
  QString log;
  for (const QString& name : QDir(folder_.filePath("log")).entryList(QDir::Files)) {
    QFile file(folder_.filePath("log/" + name));
    if (file.open(QIODevice::ReadOnly)) log += name + ":\n" + QString::fromUtf8(file.readAll());
  }
  return log;
}

}  // namespace vantorel::shell::testing
