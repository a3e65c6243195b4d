#pragma once
// The calculator's one working window: the expression editor, the result and X value
// editors, the Mode group, Precision, the keypad, the constants panel, the status bar
// and the main menu. Creating it runs FormCreate (the settings file is read); closing it
// runs FormClose (the formula is stored).

#include <QEvent>
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editing/editing_commands.h"
#include "engine/expression_engine.h"
#include "plot/plot_function.h"
#include "ui/shell_hooks.h"

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace vantorel::ui {

class IgnoredNotice;
class HintBar;
class LineEditControl;
class PlotWindow;
class PlainTextEditControl;
class QtClipboard;
class UpDown;

class TF_Main_LSF : public QMainWindow {
  Q_OBJECT

 public:
  // The decimal separator in force, read at every use.
  using SeparatorSource = std::function<char()>;

  // Without a source, the regional settings' separator is used.
  explicit TF_Main_LSF(SeparatorSource decimalSeparator = {}, QWidget* parent = nullptr);
  ~TF_Main_LSF() override;

  void SetShellHooks(ShellHooks hooks);

  // What the Print command prints, and what the help commands open.
  const QStringList& Memo1Lines() const { return Memo1; }
  const QStringList& Memo2Lines() const { return Memo2; }
  const QString& HelpFile() const { return helpFile_; }

  // The editors as the editing commands see them.
  editing::EditControl& ExpressionEditor();
  editing::EditControl& XValueEditor();
  editing::EditControl& ResultEditor();
  editing::EditingCommands& Commands() { return *commands_; }
  int Precision() const;
  AngleMode Mode() const;
  bool ConstantsShown() const { return constantsShown_; }
  bool HintsShown() const;
  bool ExactArithmetic() const;

  // Handlers of the window's commands.
  void ComputebtnClick();
  void NormaliseExpressionText();
  void ModeGroupClick();
  void ConstantsbtnClick();
  void Showhints1Click();
  void Intermediateresult1Click();
  void Allsessionresults1Click();
  void Print1Click();
  void Plot1Click();
  void About1Click();
  void Help1Click();
  void Exit1Click();
  // The storing steps of the close; false (after the error box) when they failed.
  bool StoreSettings();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildWindow();
  // The plot's curve in the exact arithmetic when that is chosen; none for the 80-bit one.
  plot::PlotFunction PlotCurve(const std::string& formula, char separator, AngleMode mode) const;
  void BuildExpressionBand(QWidget* client);
  void BuildInputBand(QWidget* lowerArea);
  void BuildModeAndPrecision(QWidget* panel);
  void BuildKeypad(QWidget* lowerArea);
  void BuildBottomBand(QWidget* lowerArea);
  QPushButton* BuildKey(const editing::KeypadKey& key, QWidget* parent);
  void BuildMenu();
  void SetTabOrder();
  void FitConstantsCaptions();
  void BindEditors();
  void BindComputeKey();

  void FormCreate();
  bool FormClose();
  void AppMessageFilter();
  void KeyClick(const std::string& name);
  void Help(unsigned command, qintptr data);
  void RunHandler(const std::function<void()>& handler);
  void ShowExactNotice(const std::optional<std::string>& shown80Bit, const std::string& formula,
                       const std::string& xText, char separator, AngleMode mode);

  SeparatorSource separator_;
  ShellHooks hooks_;
  ExpressionEngine engine_;
  std::unique_ptr<QtClipboard> clipboard_;
  std::unique_ptr<PlainTextEditControl> expression_;
  std::unique_ptr<LineEditControl> xValue_;
  std::unique_ptr<LineEditControl> result_;
  std::unique_ptr<editing::EditingCommands> commands_;
  std::unique_ptr<IgnoredNotice> ignoredNotice_;
  QString helpFile_;
  bool constantsShown_ = false;
  int computations_ = 0;
  bool selectingMode_ = false;
  bool closed_ = false;  // closed by the user or the session: the program ends
  QEvent::Type appMessage_ = QEvent::None;

  // The controls, by the names the rest of the program knows them by.
  QWidget* Panel1 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QPlainTextEdit* Editory1 = nullptr;
  QWidget* Panel4 = nullptr;
  QWidget* Panel9 = nullptr;
  QWidget* Panel10 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QLineEdit* EditYValue = nullptr;
  QGroupBox* GroupBox5 = nullptr;
  QLineEdit* EditXValue = nullptr;
  QWidget* Panel11 = nullptr;
  QGroupBox* ModeGroup = nullptr;
  QButtonGroup* ModeButtons = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QLabel* NumericalLabel = nullptr;
  QLineEdit* UpDownEdit = nullptr;
  UpDown* UpDown1 = nullptr;
  QWidget* Panel8 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QWidget* Panel7 = nullptr;
  QLabel* Panel2 = nullptr;
  QWidget* Panel3 = nullptr;
  QScrollArea* ConstantScrollBox1 = nullptr;
  HintBar* StatusBar1 = nullptr;
  std::map<std::string, QPushButton*, std::less<>> keys_;
  // The constants panel's captions, fitted to their widths when it first shows: the
  // hidden panel costs the start no fonts.
  std::vector<std::pair<QWidget*, int>> unfittedConstants_;
  QPushButton* Nrptbtn = nullptr;
  QStringList Memo1;
  QStringList Memo2;

  QMenu* File1 = nullptr;
  QAction* Print1 = nullptr;
  QAction* Plot1 = nullptr;
  PlotWindow* plot_ = nullptr;  // made when first opened
  QAction* About1 = nullptr;
  QAction* Help1 = nullptr;
  QAction* Exit1 = nullptr;
  QMenu* Option1 = nullptr;
  QAction* Showhints1 = nullptr;
  QAction* Exactarithmetic1 = nullptr;
  QMenu* Preference1 = nullptr;
  QAction* Intermediateresult1 = nullptr;
  QAction* Allsessionresults1 = nullptr;
};

}  // namespace vantorel::ui
