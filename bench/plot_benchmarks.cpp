// The plot window's speed: redrawing the default formula over a new range (sampling and
// painting into an offscreen 800 × 500 image) must fit one frame, 16 ms; sampling alone
// and a formula with poles beside it. Creating the main window is measured as well: the
// plot window is made only when first opened, and its first opening is timed apart.
// Run: build/bench/vantorel_plot_bench (20 repetitions, min/median/max).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "formulas.h"
#include "plot/plot_frame.h"
#include "statistics.h"
#include "ui/main_window.h"
#include "ui/plot/plot_widget.h"
#include "ui/plot/plot_window.h"
#include "ui/settings_file.h"

namespace vantorel::bench {
namespace {

constexpr int kRepetitions = 20;

// One redraw after each step of a pan, so that every frame samples a range of its own.
void Redraw(benchmark::State& state, const std::string& formula) {
  ui::PlotWidget plot;
  plot.SetCurve(plot::FormulaFunction(formula, '.', AngleMode::Radians), 15, '.');
  QImage image(800, 500, QImage::Format_ARGB32_Premultiplied);
  {
    QPainter warm(&image);  // the first drawing loads the fonts
    plot.Render(warm, QRectF(image.rect()));
  }
  for (auto _ : state) {
    plot.View().Pan(0.37, 0);
    QPainter painter(&image);
    plot.Render(painter, QRectF(image.rect()));
  }
}

void BM_PlotRedraw_DefaultFormula(benchmark::State& state) { Redraw(state, kDefaultFormula); }
void BM_PlotRedraw_Tan(benchmark::State& state) { Redraw(state, "tan(x)"); }

void BM_PlotSampling_DefaultFormula(benchmark::State& state) {
  const plot::PlotFunction f = plot::FormulaFunction(kDefaultFormula, '.', AngleMode::Radians);
  plot::PlotView view(15);
  for (auto _ : state) {
    view.Pan(0.37, 0);
    benchmark::DoNotOptimize(plot::MakeFrame(f, view, 716, 466).curve.size());
  }
}

void BM_MainWindowCreate(benchmark::State& state) {
  for (auto _ : state) ui::TF_Main_LSF window([] { return '.'; });
}

void BM_PlotWindowFirstOpen(benchmark::State& state) {
  for (auto _ : state) {
    ui::PlotWindow window({});
    window.layout()->activate();  // the plot area at its size in the window, as when shown
    window.Follow(kDefaultFormula, '.', AngleMode::Radians, 15);
    benchmark::DoNotOptimize(window.Plot().Picture().width());
  }
}

void Each(benchmark::internal::Benchmark* b) {
  b->Iterations(1)->Repetitions(kRepetitions)->Unit(benchmark::kMillisecond)->Apply(WithMinMax);
}

BENCHMARK(BM_PlotRedraw_DefaultFormula)->Apply(Each);
BENCHMARK(BM_PlotRedraw_Tan)->Apply(Each);
BENCHMARK(BM_PlotSampling_DefaultFormula)->Apply(Each);
BENCHMARK(BM_MainWindowCreate)->Apply(Each);
BENCHMARK(BM_PlotWindowFirstOpen)->Apply(Each);

}  // namespace
}  // namespace vantorel::bench

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QTemporaryDir folder;  // the main window reads its settings file there
  vantorel::ui::InstallSettingsFile(std::make_unique<vantorel::ui::SettingsFile>(
      folder.filePath(QStringLiteral("VANTOREL.INI")).toStdString()));
  static char aggregates[] = "--benchmark_display_aggregates_only=true";
  std::vector<char*> args = {argv[0], aggregates};
  args.insert(args.end(), argv + 1, argv + argc);
  int count = int(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  vantorel::ui::InstallSettingsFile(nullptr);
}
