// The editors of the real window (offscreen) with very long input: a megabyte pasted
// into the X value editor, and a megabyte formula without blanks shown, pasted, restored
// from the settings file and typed into. Each beside a peer of the same size that the
// toolkit handles on its own, so that the ratio says what the program adds.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <fstream>
#include <limits>
#include <memory>
#include <string>

#include "formulas.h"
#include "statistics.h"
#include "ui/main_window.h"
#include "ui/settings_file.h"

namespace vantorel::bench {
namespace {

constexpr int kMegabyte = 1 << 20;

std::unique_ptr<ui::TF_Main_LSF> ShownWindow() {
  auto window = std::make_unique<ui::TF_Main_LSF>([] { return '.'; });
  window->show();
  QCoreApplication::processEvents();
  return window;
}

QPlainTextEdit& ExpressionWidget(ui::TF_Main_LSF& window) {
  return *window.findChild<QPlainTextEdit*>(QStringLiteral("Editory1"));
}

// Draws the expression editor now, which lays out what it shows.
void Draw(ui::TF_Main_LSF& window) { ExpressionWidget(window).viewport()->repaint(); }

void PressKey(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers,
              const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&widget, &press);
}

// "1 + 1 + ... + 1": the same formula with blanks, `bytes` long.
std::string SpacedSum(std::size_t bytes) {
  std::string text = "1";
  while (text.size() + 4 <= bytes) text += " + 1";
  return text;
}

// Ctrl+V with a megabyte of letters on the clipboard behind "15": the change check cuts
// it all back.
void BM_XValuePasteCutBack(benchmark::State& state) {
  auto window = ShownWindow();
  QApplication::clipboard()->setText(QString(kMegabyte, QLatin1Char('a')));
  auto& widget = *window->findChild<QLineEdit*>(QStringLiteral("EditXValue"));
  editing::EditControl& xValue = window->XValueEditor();
  xValue.SetFocus();
  for (auto _ : state) {
    state.PauseTiming();
    xValue.SetText("15");
    xValue.SetSelStart(2);
    state.ResumeTiming();
    PressKey(widget, Qt::Key_V, Qt::ControlModifier);
  }
  if (xValue.Text() != "15") state.SkipWithError("the paste was not cut back");
}

// The peer: a plain line edit taking the same megabyte once.
void BM_LineEditTakesText(benchmark::State& state) {
  QLineEdit edit;
  edit.setMaxLength(std::numeric_limits<int>::max());  // as the X value editor
  edit.show();
  const QString text(kMegabyte, QLatin1Char('a'));
  for (auto _ : state) {
    edit.setText(text);
    state.PauseTiming();
    edit.setText(QStringLiteral("15"));
    state.ResumeTiming();
  }
}

void ShowFormula(benchmark::State& state, const std::string& formula) {
  auto window = ShownWindow();
  for (auto _ : state) {
    window->ExpressionEditor().SetText(formula);
    Draw(*window);
    state.PauseTiming();
    window->ExpressionEditor().SetText("");
    Draw(*window);
    state.ResumeTiming();
  }
}

void BM_ShowSumWithoutBlanks(benchmark::State& state) { ShowFormula(state, LongSum(kMegabyte)); }
void BM_ShowSumWithBlanks(benchmark::State& state) { ShowFormula(state, SpacedSum(kMegabyte)); }

void BM_PasteSumWithoutBlanks(benchmark::State& state) {
  auto window = ShownWindow();
  QApplication::clipboard()->setText(QString::fromStdString(LongSum(kMegabyte)));
  window->ExpressionEditor().SetFocus();
  for (auto _ : state) {
    PressKey(ExpressionWidget(*window), Qt::Key_V, Qt::ControlModifier);
    Draw(*window);
    state.PauseTiming();
    window->ExpressionEditor().SetText("");
    Draw(*window);
    state.ResumeTiming();
  }
}

// One key typed at the end of the shown formula, drawn: what every key press costs.
void TypeInto(benchmark::State& state, const std::string& formula) {
  auto window = ShownWindow();
  editing::EditControl& editor = window->ExpressionEditor();
  editor.SetText(formula);
  editor.SetFocus();
  Draw(*window);
  for (auto _ : state) {
    state.PauseTiming();
    editor.SetSelStart(static_cast<int>(formula.size()));
    state.ResumeTiming();
    PressKey(ExpressionWidget(*window), Qt::Key_1, {}, QStringLiteral("1"));
    Draw(*window);
    state.PauseTiming();
    PressKey(ExpressionWidget(*window), Qt::Key_Backspace, {});
    Draw(*window);
    state.ResumeTiming();
  }
}

void BM_TypeIntoSumWithoutBlanks(benchmark::State& state) { TypeInto(state, LongSum(kMegabyte)); }
void BM_TypeIntoDefaultFormula(benchmark::State& state) { TypeInto(state, kDefaultFormula); }

// The window opened with the formula stored in its settings file, until it is drawn.
void OpenWith(benchmark::State& state, const std::string& formula) {
  QTemporaryDir folder;
  const std::string path = folder.filePath(QStringLiteral("VANTOREL.INI")).toStdString();
  std::ofstream(path, std::ios::binary) << "[Equations]\nStoredValue=" << formula << "\n";
  ui::InstallSettingsFile(std::make_unique<ui::SettingsFile>(path));
  for (auto _ : state) {
    auto window = ShownWindow();
    Draw(*window);
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
  ui::InstallSettingsFile(nullptr);
}

void BM_OpenWithStoredSum(benchmark::State& state) { OpenWith(state, LongSum(kMegabyte)); }
void BM_OpenWithStoredDefault(benchmark::State& state) { OpenWith(state, kDefaultFormula); }

}  // namespace

#define EDITOR_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Iterations(1)->Apply(WithMinMax)

EDITOR_BENCHMARK(BM_XValuePasteCutBack);
EDITOR_BENCHMARK(BM_LineEditTakesText);
EDITOR_BENCHMARK(BM_ShowSumWithoutBlanks);
EDITOR_BENCHMARK(BM_ShowSumWithBlanks);
EDITOR_BENCHMARK(BM_PasteSumWithoutBlanks);
EDITOR_BENCHMARK(BM_TypeIntoSumWithoutBlanks);
EDITOR_BENCHMARK(BM_TypeIntoDefaultFormula);
EDITOR_BENCHMARK(BM_OpenWithStoredSum);
EDITOR_BENCHMARK(BM_OpenWithStoredDefault);

}  // namespace vantorel::bench
