#pragma once
// The About box: product name and version, who makes it and a logo. It lives for one
// showing and closes on a click almost anywhere in it.

#include <QDialog>
#include <QSet>

class QFrame;
class QLabel;
class QPushButton;

namespace vantorel::shell {

class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutForm(QWidget* owner);

  QFrame* Panel2;
  QLabel* Image1;
  QLabel* Label1;   // product name
  QLabel* Label10;  // version
  QLabel* Label9;   // maker's name
  QLabel* Label2;   // homepage caption
  QLabel* Label6;   // homepage address
  QLabel* Label5;   // notice
  QLabel* Label8;   // institute
  QLabel* Label7;   // rights
  QPushButton* Button1;

  void FormClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLabels();
  void CentreOnScreen();
  void BindClicks();

  QSet<QObject*> closesOnClick_;
  QSet<QObject*> ignoresClick_;
};

// The About command: a fresh box owned by the main window, shown modally and destroyed
// afterwards, also when showing it fails.
void ShowAboutBox(QWidget* mainWindow);

}  // namespace vantorel::shell
