// The help router sends every request to the HTML help viewer, one call each.
#include "shell/application_help.h"
#include "shell/use_html_help.h"
#include "ui/shell_hooks.h"

#include <gtest/gtest.h>

#include <QString>
#include <vector>

namespace vantorel::shell {
namespace {

struct ViewerCall {
  QString file;
  unsigned command;
  qintptr data;
  bool operator==(const ViewerCall&) const = default;
};

void PrintTo(const ViewerCall& call, std::ostream* out) {
  *out << "{" << (call.file.isNull() ? "null" : call.file.toStdString()) << ", 0x" << std::hex
       << call.command << ", " << std::dec << call.data << "}";
}

const QString kHelpFile = "/opt/vantorel/VANTOREL.chm";

struct Recorder {
  std::vector<ViewerCall> calls;
  QString file = kHelpFile;
  TUseHTMLHelp router{[this](const QString& f, unsigned c, qintptr d) { calls.push_back({f, c, d}); },
                      [this] { return file; }};
};

struct Row {
  const char* request;
  quint16 command;
  qintptr data;
  ViewerCall expected;
};

const char kKeyword[] = "sine";
const qintptr kKeywordAddress = reinterpret_cast<qintptr>(kKeyword);

const Row kRows[] = {
    {"context number", ui::HELP_CONTEXT, 42, {kHelpFile, HH_HELP_CONTEXT, 42}},
    {"context 0", ui::HELP_CONTEXT, 0, {kHelpFile, HH_HELP_CONTEXT, 0}},
    {"context pop-up", ui::HELP_CONTEXTPOPUP, 7, {kHelpFile, HH_HELP_CONTEXT, 7}},
    {"negative context", ui::HELP_CONTEXT, -3, {kHelpFile, HH_HELP_CONTEXT, -3}},
    {"keyword", ui::HELP_KEY, kKeywordAddress, {kHelpFile, HH_DISPLAY_INDEX, kKeywordAddress}},
    {"quit names no file", ui::HELP_QUIT, 99, {QString(), HH_CLOSE_ALL, 0}},
    {"finder", ui::HELP_FINDER, 0, {kHelpFile, HH_DISPLAY_TOPIC, 0}},
    {"finder drops its data", ui::HELP_FINDER, 5, {kHelpFile, HH_DISPLAY_TOPIC, 0}},
    {"contents (3)", 0x0003, 12, {kHelpFile, HH_DISPLAY_TOPIC, 0}},
    {"help on help (4)", 0x0004, 0, {kHelpFile, HH_DISPLAY_TOPIC, 0}},
    {"partial key (0x0105)", 0x0105, kKeywordAddress, {kHelpFile, HH_DISPLAY_TOPIC, 0}},
    {"largest code", 0xFFFF, -1, {kHelpFile, HH_DISPLAY_TOPIC, 0}},
};

TEST(RouteHelp, EachRequestBecomesOneViewerCall) {
  for (const Row& row : kRows) {
    Recorder recorder;
    bool callHelp = true;
    EXPECT_TRUE(recorder.router.RouteHelp(row.command, row.data, callHelp)) << row.request;
    EXPECT_FALSE(callHelp) << row.request;
    ASSERT_EQ(recorder.calls.size(), 1u) << row.request;
    EXPECT_EQ(recorder.calls[0], row.expected) << row.request;
  }
}

TEST(RouteHelp, ReadsTheHelpFileAtEachRequest) {
  Recorder recorder;
  bool callHelp = true;
  recorder.file = QString();
  recorder.router.RouteHelp(ui::HELP_FINDER, 0, callHelp);
  recorder.file = "/elsewhere/VANTOREL.chm";
  recorder.router.RouteHelp(ui::HELP_CONTEXT, 0, callHelp);
  ASSERT_EQ(recorder.calls.size(), 2u);
  EXPECT_TRUE(recorder.calls[0].file.isNull());
  EXPECT_EQ(recorder.calls[1].file, "/elsewhere/VANTOREL.chm");
}

TEST(RouteHelp, WithoutAViewerStillHandlesAndClears) {
  TUseHTMLHelp router({}, [] { return kHelpFile; });
  bool callHelp = true;
  EXPECT_TRUE(router.RouteHelp(ui::HELP_FINDER, 0, callHelp));
  EXPECT_FALSE(callHelp);
}

// The Help command's two requests, through the application's help entry.
TEST(ApplicationHelp, HelpCommandOpensDefaultTopicThenContextZero) {
  Recorder recorder;
  SetApplicationHelpHandler([&](quint16 c, qintptr d, bool& callHelp) {
    return recorder.router.RouteHelp(c, d, callHelp);
  });
  EXPECT_TRUE(ApplicationHelpCommand(ui::HELP_FINDER, 0));
  EXPECT_TRUE(ApplicationHelpContext(0));
  SetApplicationHelpHandler({});
  const std::vector<ViewerCall> expected = {{kHelpFile, HH_DISPLAY_TOPIC, 0},
                                            {kHelpFile, HH_HELP_CONTEXT, 0}};
  EXPECT_EQ(recorder.calls, expected);
}

TEST(ApplicationHelp, WithNoHandlerARequestFindsNobody) {
  SetApplicationHelpHandler({});
  EXPECT_FALSE(HasApplicationHelpHandler());
  EXPECT_FALSE(ApplicationHelpCommand(ui::HELP_FINDER, 0));
  EXPECT_FALSE(ApplicationHelpContext(0));
}

}  // namespace
}  // namespace vantorel::shell
