// The Compute command, the text normalisation it starts with, and the Mode group.

#include <QButtonGroup>
#include <QDateTime>
#include <optional>
#include <string_view>
#include <utility>

#include "editing/number_syntax.h"
#include "engine/compiled_formula.h"
#include "ui/compute_steps.h"
#include "ui/default_formula.h"
#include "ui/exact_compute.h"
#include "ui/hint_bar.h"
#include "ui/ignored_notice.h"
#include "ui/line_edit_control.h"
#include "ui/main_window.h"
#include "ui/plain_text_edit_control.h"
#include "ui/plot/plot_window.h"
#include "ui/up_down.h"

namespace vantorel::ui {
namespace {

const QString kNoticeStart = QStringLiteral("Exact arithmetic gives ");
constexpr const char* kNotCertified = " (not certified)";
// The exact check runs on every 80-bit Compute, unasked: an identity such as
// sin(x)-sin(x) takes it to its highest precision at some microseconds a character,
// so beyond this length it would make Compute itself slow, and is left out.
constexpr std::size_t kLongestCheckedFormula = 4000;

}  // namespace

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
  // The notice of an earlier computation goes; a hint stays.
  if (StatusBar1->Hint().startsWith(kNoticeStart)) StatusBar1->ShowHint(QString());
  const char separator = separator_();
  const std::string xText = xValue_->Text();
  const long double x = ReadXValue(xText, separator);
  const std::string formula = expression_->Text();
  const AngleMode mode = Mode();
  if (plot_) plot_->Follow(formula, separator, mode, double(x), PlotCurve(formula, separator, mode));
  ComputationReport report;
  if (ExactArithmetic()) {
    const ExactComputation exact = ComputeExact(formula, xText, separator, mode, Precision());
    if (!exact.ok) throw TMathExpr(exact.shown + (exact.certified ? "" : kNotCertified));
    report.resultText = exact.shown;
    report.fullValue = exact.fullValue;
    report.arithmetic = exact.certified ? "exact arithmetic" : "exact arithmetic, not certified";
  } else {
    double value = 0;
    try {
      value = engine_.Evaluate(formula, x, separator, mode);
    } catch (const TMathExpr&) {
      ShowExactNotice(std::nullopt, formula, xText, separator, mode);
      throw;
    }
    report.resultText = FormatResult(value, Precision(), separator);
    report.fullValue = ShortestText(value, separator);
    ShowExactNotice(report.resultText, formula, xText, separator, mode);
  }
  result_->SetText(report.resultText);

  report.number = ++computations_;
  report.when = QDateTime::currentDateTime();
  const std::size_t formulaEnd = CompiledFormula::Compile(formula, separator, mode).FormulaEnd();
  SplitAtComment(formula, formulaEnd, report);
  report.xText = xText;
  report.mode = mode;
  Memo1 = ReportLines(report);
  if (!Memo2.isEmpty()) Memo2.append(QString());
  Memo2.append(Memo1);
  ignoredNotice_->Show(formula, formulaEnd);
  // That notice shows at once, in place of the Compute key's hint, unless the exact
  // arithmetic's notice holds the bar.
  if (!ignoredNotice_->Text().isEmpty() && !StatusBar1->Hint().startsWith(kNoticeStart)) {
    StatusBar1->ShowHint(QString());
  }
}

// After an 80-bit result or failure (no text), the status bar says what the exact
// arithmetic would show where that differs; where both fail it says nothing.
void TF_Main_LSF::ShowExactNotice(const std::optional<std::string>& shown80Bit,
                                  const std::string& formula, const std::string& xText,
                                  char separator, AngleMode mode) {
  if (formula.size() > kLongestCheckedFormula) return;
  const ExactComputation exact = ComputeExact(formula, xText, separator, mode, Precision());
  if (exact.ok ? exact.shown == shown80Bit : !shown80Bit) return;
  QString notice = kNoticeStart + QString::fromLatin1(exact.ok ? "" : "no value: ") +
                   QString::fromLatin1(exact.shown) +
                   QString::fromLatin1(exact.certified ? "" : kNotCertified);
  StatusBar1->ShowHint(notice);
}

void TF_Main_LSF::ModeGroupClick() { commands_->ModeGroupClick(); }

int TF_Main_LSF::Precision() const { return UpDown1->Position(); }

AngleMode TF_Main_LSF::Mode() const { return AngleModeAt(ModeButtons->checkedId()); }

}  // namespace vantorel::ui
