#include "ui/compute_steps.h"

#include <algorithm>

#include "editing/number_syntax.h"

namespace vantorel::ui {
namespace {

QString Bytes(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

long double ReadXValue(const std::string& text, char separator) {
  if (text.empty()) throw TMathExpr("Nothing assigned to the X variable");
  const std::optional<long double> value = ReadNumber(text, separator);
  if (!value) throw TMathExpr("'" + text + "' is not a valid floating point value");
  return *value;
}

AngleMode AngleModeAt(int index) {
  switch (index) {
    case 1:
      return AngleMode::Degrees;
    case 2:
      return AngleMode::Grads;
    default:
      return AngleMode::Radians;
  }
}

const char* AngleModeName(AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees:
      return "Degrees";
    case AngleMode::Grads:
      return "Grads";
    case AngleMode::Radians:
      break;
  }
  return "Radians";
}

void SplitAtComment(std::string_view text, std::size_t formulaEnd, ComputationReport& report) {
  const auto trimmed = [](std::string_view part) {
    const std::size_t first = part.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::string();
    return std::string(part.substr(first, part.find_last_not_of(" \t") - first + 1));
  };
  formulaEnd = std::min(formulaEnd, text.size());
  report.formula = trimmed(text.substr(0, formulaEnd));
  report.comment = trimmed(text.substr(formulaEnd));
}

QStringList ReportLines(const ComputationReport& report) {
  QStringList lines;
  lines << QStringLiteral("Computation %1 at %2 (%3)")
               .arg(report.number)
               .arg(report.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                    Bytes(report.arithmetic));
  lines << QStringLiteral("Formula: ") + Bytes(report.formula);
  if (!report.comment.empty()) {
    lines << QStringLiteral("Comment (ignored): ") + Bytes(report.comment);
  }
  lines << QStringLiteral("x = %1 (%2)")
               .arg(Bytes(report.xText), QString::fromLatin1(AngleModeName(report.mode)));
  lines << QStringLiteral("Result: ") + Bytes(report.resultText);
  lines << QStringLiteral("Full value: ") + Bytes(report.fullValue);
  return lines;
}

}  // namespace vantorel::ui
