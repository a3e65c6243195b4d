#pragma once
// The print system (CUPS) as the program meets it. Qt hands a finished print job to the
// print server when the painter ends, but drops the server's answer: a job the server
// never took would vanish without a word. The answer stays readable in the CUPS library
// of the thread that sent the job, and is read from there.

#include <QString>

namespace vantorel::platform {

// What the print server answered to the last request of this thread: empty when it
// accepted it, else its reason ("The printer or class is not accepting jobs.", or the
// system's text when the server cannot be reached at all).
QString LastPrintServerError();

}  // namespace vantorel::platform
