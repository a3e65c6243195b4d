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
  // What the bar shows.
  QString Hint() const;
  // A notice that stands in the bar whenever no hint shows there; empty: none.
  void ShowNotice(const QString& notice);
  QString Notice() const { return notice_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Show();
  void Fit();

  QLabel* text_;
  QString hint_;
  QString notice_;
};

}  // namespace vantorel::ui
