// The caption of the refusal box comes from the program file's name.
#include "shell/default_title.h"

#include <gtest/gtest.h>

namespace vantorel::shell {
namespace {

struct Row {
  const char* programFile;
  const char* title;
};

const Row kRows[] = {
    {"/usr/bin/vantorel", "Vantorel"},
    {"/tmp/copy/VANTOREL.EXE", "Vantorel"},
    {"vantorel", "Vantorel"},
    {"/opt/x.y/calc.tool.bin", "Calc"},      // the first dot of the name, not of the folder
    {"/opt/MyCalc2", "Mycalc2"},
    {"/opt/.hidden", ""},                     // nothing before the first dot
    {"/opt/\u00C9TAT.bin", "\u00C9tat"},
    {"", ""},
};

TEST(DefaultApplicationTitle, NameUpToFirstDotCapitalisedOnce) {
  for (const Row& row : kRows) {
    EXPECT_EQ(DefaultApplicationTitle(QString::fromUtf8(row.programFile)),
              QString::fromUtf8(row.title))
        << row.programFile;
  }
}

}  // namespace
}  // namespace vantorel::shell
