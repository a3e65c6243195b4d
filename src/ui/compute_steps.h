#pragma once
// The parts of the Compute command that need no window: reading the X value, the angle
// modes of the Mode group, and the lines that report one computation.

#include <QDateTime>
#include <QStringList>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"

namespace vantorel::ui {

// The value of x from the X value text. An empty text throws TMathExpr "Nothing assigned
// to the X variable"; a text that is no number by the number syntax (a text of blanks
// included) throws "'<text>' is not a valid floating point value".
long double ReadXValue(const std::string& text, char separator);

// The Mode group's items, in order: "Radians", "Degrees", "Grads".
inline constexpr int kAngleModeCount = 3;
AngleMode AngleModeAt(int index);
const char* AngleModeName(AngleMode mode);

// One successful computation, as the result lists report it.
struct ComputationReport {
  int number = 0;           // counts the computations of the run, from 1
  QDateTime when;
  std::string formula;      // the one-line text as the engine read it
  std::string comment;      // text after the complete formula, which the engine ignores
  std::string xText;        // as typed
  AngleMode mode = AngleMode::Radians;
  std::string resultText;   // as the result editor shows it
  std::string fullValue;    // shortest text that reads back to the value
  std::string arithmetic = "80-bit arithmetic";  // the one that gave the result
};

// Splits a one-line formula where the engine stopped reading it (`formulaEnd`): the
// formula before, the comment after, each without its surrounding blanks.
void SplitAtComment(std::string_view text, std::size_t formulaEnd, ComputationReport& report);

// The lines of one block: a header that names the arithmetic, the formula, the comment
// when there is one, the x value with the mode, the result as shown and the full value.
// Meant to be read on paper, so every line says what it holds.
QStringList ReportLines(const ComputationReport& report);

}  // namespace vantorel::ui
