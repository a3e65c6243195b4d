#include "ui/main_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>

#include "platform/app_message.h"
#include "platform/regional_settings.h"
#include "ui/default_formula.h"
#include "ui/error_box.h"
#include "ui/help_file_location.h"
#include "ui/hint_bar.h"
#include "ui/ignored_notice.h"
#include "ui/line_edit_control.h"
#include "ui/plain_text_edit_control.h"
#include "ui/plot/plot_window.h"
#include "ui/qt_clipboard.h"
#include "ui/settings_file.h"
#include "ui/up_down.h"

namespace vantorel::ui {

TF_Main_LSF::TF_Main_LSF(SeparatorSource decimalSeparator, QWidget* parent)
    : QMainWindow(parent),
      separator_(decimalSeparator ? std::move(decimalSeparator)
                                  : SeparatorSource(platform::CurrentDecimalSeparator)),
      clipboard_(std::make_unique<QtClipboard>()) {
  // A single border with a system menu, a minimise box and no maximise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  BuildWindow();
  BuildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  BindEditors();
  BindComputeKey();
  SetTabOrder();
  RunHandler([this] { FormCreate(); });
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
    // The session ends without closing the window: store what closing would store.
    if (!StoreSettings() && session.allowsInteraction()) session.release();
  });
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen->geometry()));
  }
  Editory1->setFocus(Qt::OtherFocusReason);
}

TF_Main_LSF::~TF_Main_LSF() {
  qApp->removeEventFilter(this);
  // The editing commands hold the editors, which hold the widgets: release in order.
  commands_.reset();
  expression_.reset();
  xValue_.reset();
  result_.reset();
}

void TF_Main_LSF::SetShellHooks(ShellHooks hooks) { hooks_ = std::move(hooks); }

editing::EditControl& TF_Main_LSF::ExpressionEditor() { return *expression_; }
editing::EditControl& TF_Main_LSF::XValueEditor() { return *xValue_; }
editing::EditControl& TF_Main_LSF::ResultEditor() { return *result_; }

void TF_Main_LSF::BindEditors() {
  expression_ = std::make_unique<PlainTextEditControl>(*Editory1, *clipboard_);
  xValue_ = std::make_unique<LineEditControl>(*EditXValue, *clipboard_, false);
  result_ = std::make_unique<LineEditControl>(*EditYValue, *clipboard_, true);
  commands_ = std::make_unique<editing::EditingCommands>(*expression_, *xValue_, *result_,
                                                         separator_);
  xValue_->SetText("15");
  for (WidgetEditControl* editor : {static_cast<WidgetEditControl*>(expression_.get()),
                                    static_cast<WidgetEditControl*>(xValue_.get())}) {
    connect(editor, &WidgetEditControl::Refused, StatusBar1,
            [this](const QString& why) { StatusBar1->showMessage(why); });
  }
  connect(ModeButtons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked && !selectingMode_) RunHandler([this] { ModeGroupClick(); });
  });
}

// F9 computes wherever the focus is in the window; Enter keeps its editing meaning. The
// notice of an ignored tail lasts until the expression text changes.
void TF_Main_LSF::BindComputeKey() {
  auto* computeKey = new QShortcut(QKeySequence(Qt::Key_F9), this);
  computeKey->setObjectName(QStringLiteral("ComputeKey"));
  computeKey->setContext(Qt::WindowShortcut);
  connect(computeKey, &QShortcut::activated, this, [this] { KeyClick("Computebtn"); });
  ignoredNotice_ = std::make_unique<IgnoredNotice>(*StatusBar1);
  connect(Editory1, &QPlainTextEdit::textChanged, this, [this] { ignoredNotice_->Clear(); });
}

void TF_Main_LSF::FormCreate() {
  appMessage_ = platform::AppMessageId();
  qApp->installEventFilter(this);
  helpFile_ = HelpFileLocation(QCoreApplication::applicationDirPath());
  Memo2.clear();
  const char separator = separator_();
  Nrptbtn->setText(QString(QLatin1Char(separator)));
  selectingMode_ = true;
  ModeButtons->button(0)->setChecked(true);
  selectingMode_ = false;
  Panel3->hide();
  constantsShown_ = false;
  // The regional settings are followed without more: the separator is read at each use.
  expression_->SetText(DefaultFormula(separator));
  expression_->SetText(ReadSetting("Equations", "StoredValue", expression_->Text()));
  NormaliseExpressionText();
  const std::string stored = ReadSetting("Equations1", "DecimalSeparator", ".");
  const std::string current(1, separator);
  // A separator other than "." or "," was not written by the program: it is ignored.
  if (stored != current && (stored == "." || stored == ",")) {
    expression_->SetText(ReplaceSeparator(expression_->Text(), stored, current));
  }
}

bool TF_Main_LSF::FormClose() { return StoreSettings(); }

bool TF_Main_LSF::StoreSettings() {
  bool stored = false;
  RunHandler([this, &stored] {
    NormaliseExpressionText();
    // One replacement of the file: the formula is never stored without its separator.
    const std::string formula = expression_->Text();
    const std::string separator(1, separator_());
    WriteSettings({{"Equations", "StoredValue", formula},
                   {"Equations1", "DecimalSeparator", separator}});
    stored = true;
  });
  return stored;
}

void TF_Main_LSF::closeEvent(QCloseEvent* event) {
  // A failure to store keeps the window open; a later close tries again.
  if (FormClose()) {
    if (plot_) plot_->close();
    closed_ = true;
    event->accept();
  } else {
    event->ignore();
  }
}

bool TF_Main_LSF::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    if (HintsShown()) StatusBar1->ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

// A second copy of the program was started: come to the front. Once closed, the window
// stays closed: the program is ending, and a message that arrives late must not keep it
// running with the window shown again.
void TF_Main_LSF::AppMessageFilter() {
  if (closed_) return;
  if (windowState() & Qt::WindowMinimized) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
  }
  show();
  raise();
  activateWindow();
}

void TF_Main_LSF::KeyClick(const std::string& name) {
  RunHandler([this, &name] {
    if (name == "Computebtn") {
      ComputebtnClick();
    } else if (name == "Constantsbtn") {
      ConstantsbtnClick();
    } else {
      commands_->ClickKey(name);
    }
  });
}

void TF_Main_LSF::ConstantsbtnClick() {
  constantsShown_ = !constantsShown_;
  if (constantsShown_) FitConstantsCaptions();
  Panel3->setVisible(constantsShown_);
}

void TF_Main_LSF::RunHandler(const std::function<void()>& handler) {
  RunGuarded(this, handler);
}

}  // namespace vantorel::ui
