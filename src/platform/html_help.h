#pragma once
// The compiled-help viewer the program talks to: one call carries out one request on a
// single shared help window, which belongs to no other window of the program.

#include <QString>
#include <QtGlobal>

namespace vantorel::platform {

class HelpViewer;

// The requests the viewer understands, with the codes callers pass.
enum HtmlHelpCommand : unsigned {
  HH_DISPLAY_TOPIC = 0x0000,  // data: 0 for the file's default topic, or a topic path
  HH_DISPLAY_INDEX = 0x0002,  // data: 0, or a keyword for the index's filter box
  HH_HELP_CONTEXT = 0x000F,   // data: a context number that the file maps to a topic
  HH_CLOSE_ALL = 0x0012,      // file and data unused
};

// `file` is the path of a .chm, optionally followed by "::/topic.htm". Text passed in
// `data` is the address of a NUL-terminated UTF-8 string.
// A file that is missing or no compiled help file, an unmapped context number and an
// unknown command do nothing and report nothing. Returns whether the help window shows
// the request's result.
bool HtmlHelp(const QString& file, unsigned command, qintptr data);

// The shared help window (maybe hidden), or nullptr before the first request opened it.
HelpViewer* HtmlHelpWindow();

}  // namespace vantorel::platform
