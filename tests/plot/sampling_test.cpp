// The curve a plot draws, checked on its sample points and gaps: it follows the formula
// where it has a value, stops only at an edge of the domain (found closely) or where it
// leaves the picture, and never joins the two sides of a pole.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "plot/plot_frame.h"
#include "plot/ticks.h"

namespace vantorel::plot {
namespace {

constexpr double kPi = std::numbers::pi;

struct Case {
  const char* formula;
  AngleMode mode;
  double xValue;                          // the view is xValue ± 10
  std::size_t drawnPieces;                // runs of two samples or more
  std::function<bool(double)> inDomain;   // where the formula has a value
  std::vector<double> poles;
};

bool Everywhere(double) { return true; }

class Sampled {
 public:
  explicit Sampled(const Case& c)
      : f_(FormulaFunction(c.formula, '.', c.mode)),
        frame_(MakeFrame(f_, PlotView(c.xValue), 800, 500)) {}
  const PlotFrame& Frame() const { return frame_; }
  bool Fails(double x) const { return !f_(x).has_value(); }
  std::optional<double> At(double x) const { return f_(x); }
  bool OutOfSight(double y) const { return y < frame_.y.low || y > frame_.y.high; }

 private:
  PlotFunction f_;
  PlotFrame frame_;
};

// Where a piece ends (`last`) next to a sample without a value (`gap`): the formula fails
// at the gap within a hair of the piece, or the curve left the picture there.
void ExpectSoundEnd(const Sampled& s, const Sample& last, const Sample& gap) {
  if (s.Fails(gap.x)) {
    EXPECT_LE(std::fabs(gap.x - last.x), s.Frame().x.Width() * 1e-9) << "edge at " << gap.x;
  } else {
    EXPECT_TRUE(s.OutOfSight(last.y)) << "the curve stops in sight at " << last.x;
  }
}

TEST(Sampling, CurvesStopOnlyAtDomainEdgesOrOutOfSightAndNeverCrossAPole) {
  const Case cases[] = {
      {"sin(10*x)", AngleMode::Radians, 0, 1, Everywhere, {}},
      {"tan(x)", AngleMode::Radians, 0, 7, Everywhere,
       {-2.5 * kPi, -1.5 * kPi, -0.5 * kPi, 0.5 * kPi, 1.5 * kPi, 2.5 * kPi}},
      {"tan(x)", AngleMode::Degrees, 90, 2, [](double x) { return x != 90; }, {90}},
      {"sqrt(x)", AngleMode::Radians, 0, 1, [](double x) { return x >= 0; }, {}},
      {"ln(x)", AngleMode::Radians, 0, 1, [](double x) { return x > 0; }, {}},
      {"2.5", AngleMode::Radians, 0, 1, Everywhere, {}},
      {"sqrt(-1 - square(x))", AngleMode::Radians, 0, 0, [](double) { return false; }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.formula);
    const Sampled s(c);
    const std::vector<Sample>& curve = s.Frame().curve;
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(curve.front().x, c.xValue - 10);
    EXPECT_EQ(curve.back().x, c.xValue + 10);
    std::size_t drawn = 0;
    for (const auto& piece : Pieces(curve)) {
      drawn += piece.size() > 1;
      for (double pole : c.poles)
        EXPECT_FALSE(piece.front().x < pole && pole < piece.back().x) << "joined at " << pole;
    }
    EXPECT_EQ(drawn, c.drawnPieces);
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
      const Sample& a = curve[i];
      const Sample& b = curve[i + 1];
      EXPECT_LT(a.x, b.x);
      if (HasValue(a)) {
        EXPECT_TRUE(c.inDomain(a.x)) << a.x;
        EXPECT_EQ(a.y, *s.At(a.x));
      }
      if (HasValue(a) && !HasValue(b)) ExpectSoundEnd(s, a, b);
      if (!HasValue(a) && HasValue(b)) ExpectSoundEnd(s, b, a);
    }
  }
}

TEST(Sampling, MorePointsWhereTheCurveBendsAndEveryChordWithinHalfAPixel) {
  const Sampled bent({"sin(10*x)", AngleMode::Radians, 0, 1, Everywhere, {}});
  const Sampled flat({"2.5", AngleMode::Radians, 0, 1, Everywhere, {}});
  EXPECT_EQ(flat.Frame().curve.size(), 801u);  // the even pass and its checked midpoints
  EXPECT_EQ(flat.Frame().y, (Range{1.5, 3.5}));
  const std::vector<Sample>& curve = bent.Frame().curve;
  EXPECT_GT(curve.size(), 1600u);
  const double halfPixel = bent.Frame().y.Width() / 500 / 2;
  for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
    const double middle = (curve[i].x + curve[i + 1].x) / 2;
    EXPECT_LE(std::fabs(*bent.At(middle) - (curve[i].y + curve[i + 1].y) / 2), halfPixel)
        << middle;
  }
}

TEST(Sampling, AFormulaSlowToCalculateGetsFewerPointsYetOneWholeLine) {
  std::string sum = "x";
  while (sum.size() < (1u << 20)) sum += "+x";
  const PlotFrame frame = MakeFrame(FormulaFunction(sum, '.', AngleMode::Radians), PlotView(0),
                                    800, 500);
  EXPECT_LT(frame.curve.size(), 401u);
  const auto pieces = Pieces(frame.curve);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].front().x, -10);
  EXPECT_EQ(pieces[0].back().x, 10);
}

TEST(Sampling, YRangeIgnoresTheSpikesNextToPolesAndIsEmptyWithoutValues) {
  const Sampled tan({"tan(x)", AngleMode::Radians, 0, 7, Everywhere, {}});
  EXPECT_LT(tan.Frame().y.low, -5);
  EXPECT_GT(tan.Frame().y.high, 5);
  EXPECT_GT(tan.Frame().y.low, -100);
  EXPECT_LT(tan.Frame().y.high, 100);
  const Sampled none({"ln(-1)", AngleMode::Radians, 0, 0, Everywhere, {}});
  EXPECT_EQ(none.Frame().y, (Range{-1, 1}));
}

TEST(Ticks, RoundNumbersInTheFormulaLanguage) {
  const struct {
    Range range;
    int count;
    char separator;
    std::vector<std::string> labels;
  } cases[] = {
      {{0, 10}, 5, '.', {"0", "2", "4", "6", "8", "10"}},
      {{-0.35, 0.31}, 7, ',', {"-0,3", "-0,2", "-0,1", "0", "0,1", "0,2", "0,3"}},
      {{0.9e20, 3.2e20}, 3, '.', {"1E+20", "2E+20", "3E+20"}},
      {{-7.3e-7, 1.2e-6}, 4, '.', {"-5E-7", "0", "5E-7", "1E-6"}},
      {{5, 5}, 4, '.', {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> labels;
    for (double v : TickValues(c.range, c.count)) labels.push_back(TickLabel(v, c.separator));
    EXPECT_EQ(labels, c.labels);
  }
}

TEST(View, StartsAroundTheXValueAndStopsZoomingWhereDoublesRunOut) {
  EXPECT_EQ(PlotView::InitialX(15), (Range{5, 25}));
  EXPECT_EQ(PlotView::InitialX(std::nullopt), (Range{-10, 10}));
  EXPECT_EQ(PlotView::InitialX(INFINITY), (Range{-10, 10}));
  EXPECT_GT(PlotView::InitialX(1e18).Width(), 20);  // 20 would be 160 doubles wide
  PlotView view(15);
  view.Zoom(5, 0, 0.5);
  EXPECT_EQ(view.X(), (Range{5, 15}));
  view.Pan(-5, 0);
  EXPECT_EQ(view.X(), (Range{0, 10}));
  for (int i = 0; i < 2000; ++i) view.Zoom(3, 0, 0.5);
  EXPECT_TRUE(Drawable(view.X()));
  EXPECT_GT(view.X().Width(), 0);
  for (int i = 0; i < 4000; ++i) view.Zoom(3, 0, 2);
  EXPECT_TRUE(Drawable(view.X()));
  view.Reset();
  EXPECT_EQ(view.X(), (Range{5, 25}));
}

}  // namespace
}  // namespace vantorel::plot
