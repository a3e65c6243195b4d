#pragma once
// Where the help file VANTOREL.chm lies. A build keeps it beside the program; an
// installed copy keeps the program in bin/ and the help file in share/vantorel/, as
// the file system layout of Linux distributions wants.

#include <QString>

namespace vantorel::ui {

// The help file beside the program in `programFolder` when it is there, else the one in
// `programFolder`/../share/vantorel/ when that is there, else the path beside the
// program, so that a missing file is reported where it was first looked for.
QString HelpFileLocation(const QString& programFolder);

}  // namespace vantorel::ui
