#pragma once
// The status bar with its one text area, which shows the hints. The substitute face runs
// wider than the one the hints were written for, and a long hint would be cut off at the
// right edge: such a hint is shown in a face narrowed just enough to fit, on its one line
// and at its height, so that the whole of it stays readable and the bar keeps its size.

#include <QStatusBar>

class QLabel;

namespace vantorel::ui {

class HintBar : public QStatusBar {
 public:
  explicit HintBar(QWidget* parent);

  void ShowHint(const QString& hint);
  QString Hint() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fit();

  QLabel* text_;
};

}  // namespace vantorel::ui
