// The Compute command, the text normalisation it starts with, and the Mode group.

#include <QButtonGroup>
#include <QDateTime>
#include <string_view>
#include <utility>

#include "editing/number_syntax.h"
#include "engine/compiled_formula.h"
#include "ui/compute_steps.h"
#include "ui/default_formula.h"
#include "ui/ignored_notice.h"
#include "ui/line_edit_control.h"
#include "ui/main_window.h"
#include "ui/plain_text_edit_control.h"
#include "ui/plot/plot_window.h"
#include "ui/up_down.h"

namespace vantorel::ui {

// Four passes, each over the whole text: CR LF, then a lone CR, then a lone LF, then
// "|", each becomes one blank. A pass that changes nothing leaves the editor alone, so
// a one-line text keeps its caret, selection and undo record.
void TF_Main_LSF::NormaliseExpressionText() {
  static constexpr std::pair<std::string_view, std::string_view> kPasses[] = {
      {"\r\n", " "}, {"\r", " "}, {"\n", " "}, {"|", " "}};
  for (const auto& [from, to] : kPasses) {
    const std::string text = expression_->Text();
    // The separator exchange is exactly this replacement: left to right, no rescan.
    const std::string next = ReplaceSeparator(text, from, to);
    if (next != text) expression_->SetText(next);
  }
}

void TF_Main_LSF::ComputebtnClick() {
  NormaliseExpressionText();
  Memo1.clear();
  const char separator = separator_();
  const std::string xText = xValue_->Text();
  const long double x = ReadXValue(xText, separator);
  const std::string formula = expression_->Text();
  const AngleMode mode = Mode();
  if (plot_) plot_->Follow(formula, separator, mode, double(x));
  const double value = engine_.Evaluate(formula, x, separator, mode);
  const std::string shown = FormatResult(value, Precision(), separator);
  result_->SetText(shown);

  ComputationReport report;
  report.number = ++computations_;
  report.when = QDateTime::currentDateTime();
  const std::size_t formulaEnd = CompiledFormula::Compile(formula, separator, mode).FormulaEnd();
  SplitAtComment(formula, formulaEnd, report);
  report.xText = xText;
  report.mode = mode;
  report.resultText = shown;
  report.fullValue = ShortestText(value, separator);
  Memo1 = ReportLines(report);
  if (!Memo2.isEmpty()) Memo2.append(QString());
  Memo2.append(Memo1);
  ignoredNotice_->Show(formula, formulaEnd);
}

void TF_Main_LSF::ModeGroupClick() { commands_->ModeGroupClick(); }

int TF_Main_LSF::Precision() const { return UpDown1->Position(); }

AngleMode TF_Main_LSF::Mode() const { return AngleModeAt(ModeButtons->checkedId()); }

}  // namespace vantorel::ui
