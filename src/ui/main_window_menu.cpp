// The main menu and its commands.

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "editing/number_syntax.h"
#include "ui/error_box.h"
#include "ui/exact_curve.h"
#include "ui/image_list.h"
#include "ui/line_edit_control.h"
#include "ui/main_window.h"
#include "ui/plain_text_edit_control.h"
#include "ui/plot/plot_window.h"

namespace vantorel::ui {
namespace {

// Item texts carry no "&": no item has an access letter, and none has a shortcut.
QAction* Item(QMenu* menu, const char* name, const char* text, const char* hint) {
  QAction* item = menu->addAction(QString::fromLatin1(text));
  item->setObjectName(QString::fromLatin1(name));
  if (hint) item->setStatusTip(QString::fromLatin1(hint));
  return item;
}

QAction* CheckItem(QMenu* menu, const char* name, const char* text, const char* hint,
                   bool checked) {
  QAction* item = Item(menu, name, text, hint);
  item->setCheckable(true);
  item->setChecked(checked);
  return item;
}

QMenu* Menu(QMenuBar* bar, const char* name, const char* text) {
  QMenu* menu = bar->addMenu(QString::fromLatin1(text));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace

void TF_Main_LSF::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  const QList<QIcon> images = ImageList1();
  File1 = Menu(bar, "File1", "File");
  Print1 = Item(File1, "Print1", "Print...", "Print the report of calculation session.");
  Print1->setIcon(images[10]);
  Plot1 = Item(File1, "Plot1", "Plot...", "Plot: Draw the formula as a curve over a range of x.");
  File1->addSeparator()->setObjectName(QStringLiteral("N1"));
  About1 = Item(File1, "About1", "About...", "About VantorelCalc program.");
  About1->setIcon(images[15]);
  Help1 = Item(File1, "Help1", "Help...",
               "Documentation that provides guidelines to usage of VantorelCalc.");
  Help1->setIcon(images[6]);
  File1->addSeparator()->setObjectName(QStringLiteral("N2"));
  Exit1 = Item(File1, "Exit1", "Exit", "Exit: End the calculation session.");
  Exit1->setIcon(images[17]);
  Option1 = Menu(bar, "Option1", "Option");
  Showhints1 = CheckItem(Option1, "Showhints1", "Show hints", nullptr, true);
  Exactarithmetic1 = CheckItem(Option1, "Exactarithmetic1", "Exact arithmetic",
                               "Calculate exactly: numbers and x taken from their decimal "
                               "text, the result correctly rounded.",
                               false);
  Preference1 = Menu(bar, "Preference1", "Preference");
  Intermediateresult1 = CheckItem(Preference1, "Intermediateresult1", "Intermediate result",
                                  "Display intermediate result for printing.", true);
  Allsessionresults1 = CheckItem(Preference1, "Allsessionresults1", "All session results",
                                 "Display all-session results for printing.", false);

  connect(Print1, &QAction::triggered, this, [this] { RunHandler([this] { Print1Click(); }); });
  connect(Plot1, &QAction::triggered, this, [this] { RunHandler([this] { Plot1Click(); }); });
  connect(About1, &QAction::triggered, this, [this] { RunHandler([this] { About1Click(); }); });
  connect(Help1, &QAction::triggered, this, [this] { RunHandler([this] { Help1Click(); }); });
  connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
  connect(Showhints1, &QAction::triggered, this, [this] { Showhints1Click(); });
  connect(Intermediateresult1, &QAction::triggered, this,
          [this] { Intermediateresult1Click(); });
  connect(Allsessionresults1, &QAction::triggered, this,
          [this] { Allsessionresults1Click(); });
  // F1 while one of these menus is open asks for help on context 0; the window's
  // application-wide filter (installed at creation) sees the key.
}

// Qt has already turned the check mark over when a check item is chosen; the window's
// status-tip handling follows the mark.
void TF_Main_LSF::Showhints1Click() {}

bool TF_Main_LSF::HintsShown() const { return Showhints1->isChecked(); }

// Like "Show hints", the choice lasts for the run only.
bool TF_Main_LSF::ExactArithmetic() const { return Exactarithmetic1->isChecked(); }

plot::PlotFunction TF_Main_LSF::PlotCurve(const std::string& formula, char separator,
                                          AngleMode mode) const {
  return ExactArithmetic() ? ExactCurve(formula, separator, mode) : plot::PlotFunction{};
}

void TF_Main_LSF::Intermediateresult1Click() {
  Allsessionresults1->setChecked(!Intermediateresult1->isChecked());
}

void TF_Main_LSF::Allsessionresults1Click() {
  Intermediateresult1->setChecked(!Allsessionresults1->isChecked());
}

void TF_Main_LSF::Print1Click() {
  if (hooks_.print) hooks_.print(Intermediateresult1->isChecked() ? Memo1 : Memo2);
}

// The plot window is made when first opened, so that it costs nothing at start.
void TF_Main_LSF::Plot1Click() {
  if (!plot_) {
    plot_ = new PlotWindow([this](const QString& message) { ShowErrorBox(this, message); }, this);
  }
  NormaliseExpressionText();
  const char separator = separator_();
  const std::optional<long double> x = ReadNumber(xValue_->Text(), separator);
  plot_->Follow(expression_->Text(), separator, Mode(),
                x ? std::optional<double>(double(*x)) : std::nullopt,
                PlotCurve(expression_->Text(), separator, Mode()));
  plot_->show();
  plot_->raise();
  plot_->activateWindow();
}

void TF_Main_LSF::About1Click() {
  if (hooks_.about) hooks_.about();
}

// The help file at its default topic, then the topic of context 0.
void TF_Main_LSF::Help1Click() {
  Help(HELP_FINDER, 0);
  Help(HELP_CONTEXT, 0);
}

void TF_Main_LSF::Exit1Click() { close(); }

void TF_Main_LSF::Help(unsigned command, qintptr data) {
  if (hooks_.help) hooks_.help(command, data);
}

bool TF_Main_LSF::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == appMessage_) {
    AppMessageFilter();
    return true;
  }
  const bool ownMenu = watched == File1 || watched == Option1 || watched == Preference1;
  if (ownMenu && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    RunHandler([this] { Help(HELP_CONTEXT, 0); });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace vantorel::ui
