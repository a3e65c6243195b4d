#pragma once
// Small compiled help files made for the tests, with the same build wrapper as the
// program's own help file, and the path of that file.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Lets GoogleTest print texts in its messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace vantorel::platform::testing {

inline QString HelpSourceDir() {
#ifdef VANTOREL_HELP_SOURCE_DIR
  return QStringLiteral(VANTOREL_HELP_SOURCE_DIR);
#else
  return {};
#endif
}

inline QString BuiltHelpFile() {
#ifdef VANTOREL_CHM_FILE
  return QStringLiteral(VANTOREL_CHM_FILE);
#else
  return {};
#endif
}

inline QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return file.fileName();
}

struct BuildOutcome {
  int exitCode = -1;
  QString log;
};

// Writes `files` (path relative to the project folder -> content) into `dir` and runs the
// build wrapper on `project` there, writing `output`.
inline BuildOutcome BuildProject(const QTemporaryDir& dir, const QMap<QString, QByteArray>& files,
                                 const QString& project, const QString& output) {
  for (auto it = files.cbegin(); it != files.cend(); ++it) {
    const QString path = dir.filePath("project/" + it.key());
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(it.value());
  }
  QProcess build;
  build.setProcessChannelMode(QProcess::MergedChannels);
  build.start("bash", {HelpSourceDir() + "/build_chm.sh", dir.filePath("project/" + project), output});
  if (!build.waitForFinished(60000)) return {};
  return {build.exitCode(), QString::fromLocal8Bit(build.readAll())};
}

inline QByteArray TinyPng() {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// A help project that uses what the reader must cope with: folders and names in mixed
// case, a windows-1252 page, a UTF-8 page, an image and a style sheet in subfolders,
// context numbers, and a keyword with two topics.
inline QMap<QString, QByteArray> SampleProject() {
  QMap<QString, QByteArray> files;
  files["Sample.hhp"] =
      "[OPTIONS]\nCompiled file=SAMPLE.chm\nContents file=Toc.hhc\nIndex file=Keys.hhk\n"
      "Default topic=Pages/Start.htm\nTitle=Sample Title\n\n"
      "[FILES]\nPages/Start.htm\nPages/Second.htm\nPages/Utf8.htm\nPages/Pictures/Dot.png\n"
      "Pages/Style.css\n\n[MAP]\n#include map.h\n\n"
      "[ALIAS]\nIDH_START=Pages/Start.htm\nIDH_SECOND=Pages/Second.htm\n";
  files["map.h"] = "#define IDH_START 10\n#define IDH_SECOND 20\n";
  files["Pages/Start.htm"] =
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
      "<title>Start</title><link rel=\"stylesheet\" href=\"Style.css\"></head><body>"
      "<p>Caf\xe9 costs 5 \x80.</p><p><a href=\"Second.htm#part\">second</a>"
      "<img src=\"Pictures/Dot.png\"></p></body></html>";
  files["Pages/Second.htm"] =
      "<html><head><title>Second</title></head><body><p>Top</p><p><a name=\"part\">Part</a></p>"
      "<p><a href=\"Start.htm\">back to the start</a></p></body></html>";
  files["Pages/Utf8.htm"] =
      "<html><head><meta charset=\"utf-8\"><title>Utf8</title></head><body>"
      "<p>Gr\xc3\xbc\xc3\x9f" "e</p></body></html>";
  files["Pages/Pictures/Dot.png"] = TinyPng();
  files["Pages/Style.css"] = "p { color: #123456; }\n";
  files["Toc.hhc"] =
      "<html><body><ul>"
      "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Start\">"
      "<param name=\"Local\" value=\"Pages/Start.htm\"></object>"
      "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Second\">"
      "<param name=\"Local\" value=\"Pages/Second.htm\"></object></ul>"
      "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Utf8\">"
      "<param name=\"Local\" value=\"Pages/Utf8.htm\"></object>"
      "</ul></body></html>";
  files["Keys.hhk"] =
      "<html><body><ul>"
      "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"alpha\">"
      "<param name=\"Local\" value=\"Pages/Start.htm\"></object>"
      "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"both\">"
      "<param name=\"Name\" value=\"Start\"><param name=\"Local\" value=\"Pages/Start.htm\">"
      "<param name=\"Name\" value=\"Second\"><param name=\"Local\" value=\"Pages/Second.htm#part\">"
      "</object></ul></body></html>";
  return files;
}

// The sample project, built once per test program into a folder that lives as long.
inline QString SampleHelpFile() {
  static QTemporaryDir dir;
  static QString path;
  if (path.isEmpty() && dir.isValid()) {
    const QString output = dir.filePath("SAMPLE.chm");
    if (BuildProject(dir, SampleProject(), "Sample.hhp", output).exitCode == 0) path = output;
  }
  return path;
}

}  // namespace vantorel::platform::testing
