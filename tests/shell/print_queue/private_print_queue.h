#pragma once
// A print server of a test's own: cupsd run from a private folder, listening only on a
// Unix socket there, with one PDF printer (cups-pdf) as its default destination. Clients
// of this process reach it through CUPS_SERVER, which must be set before the process
// makes its first printer object; nothing else on the machine sees it.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace vantorel::shell::testing {

class PrivatePrintQueue {
 public:
  // Why no private print server can run here (not root, cupsd or cups-pdf missing), or
  // empty when it can.
  static QString WhyUnavailable();

  // Makes the folder and points this process's print clients at it.
  PrivatePrintQueue();
  // Stops the server and removes everything it made.
  ~PrivatePrintQueue();

  // Starts the server and sets up the printer; false (with Log()) when it did not come up.
  bool Start();
  // Ends the server, as when a print server goes away under a running program.
  void Stop();
  // The printer stops accepting jobs while the server runs on.
  bool RefuseJobs();

  QString PrinterName() const { return printer_; }
  // Where cups-pdf writes the finished PDFs, each named after its job.
  QString OutputFolder() const { return folder_.filePath("out"); }
  // The server's and cups-pdf's logs, for a failure message.
  QString Log() const;

 private:
  bool Admin(const QStringList& arguments);
  void WriteConfiguration();

  QTemporaryDir folder_;
  QString printer_;
  QString instanceConfig_;
  QProcess server_;
  bool opened_ = false;
};

}  // namespace vantorel::shell::testing
