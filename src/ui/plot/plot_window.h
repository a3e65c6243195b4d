#pragma once
// The plot window: the curve of the formula over a range of x, a status line that reads
// out the pointer, a check box that fixes the y range, and the exports (PNG, SVG, the
// clipboard). It is not modal, follows the formula at every Compute, and keeps nothing
// from one run to the next.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "engine/expression_engine.h"
#include "plot/plot_function.h"

class QCheckBox;
class QLabel;

namespace vantorel::ui {

class PlotWidget;

class PlotWindow : public QWidget {
  Q_OBJECT

 public:
  // How a failure (an export that cannot be written) is told to the user.
  using ErrorSink = std::function<void(const QString& message)>;

  explicit PlotWindow(ErrorSink showError, QWidget* parent = nullptr);

  // Draws the one-line `formula` in `mode`, numbers read and written with
  // `decimalSeparator`, marking the X value when there is one. A text that is no formula
  // draws no curve, and the status line says why. Where `otherArithmetic` is given, it
  // draws that function of the formula instead of the 80-bit one.
  void Follow(const std::string& formula, char decimalSeparator, AngleMode mode,
              std::optional<double> xValue, plot::PlotFunction otherArithmetic = {});

  PlotWidget& Plot() { return *plot_; }
  // The picture as shown; false (after telling the user) when the file cannot be written.
  bool SavePng(const QString& path);
  bool SaveSvg(const QString& path);
  void CopyPicture();

 private:
  void SavePngClick();
  void SaveSvgClick();
  QString AskFileName(const QString& caption, const QString& filter, const QString& suffix);

  ErrorSink showError_;
  PlotWidget* plot_ = nullptr;
  QLabel* status_ = nullptr;
  QCheckBox* fixY_ = nullptr;
  QString formula_;
  QString problem_;  // why the formula draws no curve, or empty
};

}  // namespace vantorel::ui
