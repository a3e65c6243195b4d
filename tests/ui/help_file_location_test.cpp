// Where the window looks for its help file: beside the program in a build, in
// share/vantorel/ of an installed copy.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/help_file_location.h"

namespace vantorel::ui {
namespace {

TEST(HelpFileLocationTest, PrefersBesideThenSharedThenNamesBeside) {
  struct Case {
    bool beside, shared;
    const char* expected;
  };
  for (const Case& c : {Case{true, true, "bin/VANTOREL.chm"},
                        Case{false, true, "share/vantorel/VANTOREL.chm"},
                        Case{false, false, "bin/VANTOREL.chm"}}) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("bin") && QDir(root.path()).mkpath("share/vantorel"));
    const auto touch = [&](const char* path) {
      QFile file(root.filePath(path));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    if (c.beside) touch("bin/VANTOREL.chm");
    if (c.shared) touch("share/vantorel/VANTOREL.chm");
    EXPECT_EQ(HelpFileLocation(root.filePath("bin")), root.filePath(c.expected))
        << "beside " << c.beside << ", shared " << c.shared;
  }
}

}  // namespace
}  // namespace vantorel::ui
