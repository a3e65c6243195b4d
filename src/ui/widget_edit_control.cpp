#include "ui/widget_edit_control.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>
#include <algorithm>

#include "editing/editor_text.h"
#include "ui/error_box.h"
#include "ui/key_chars.h"

namespace vantorel::ui {
namespace {

using editing::ChangeSource;
using editing::IsLineBreak;
using editing::IsTypedText;
using editing::WithCrLf;

constexpr char kBackspace = 8;

class Quiet {
 public:
  explicit Quiet(int& depth) : depth_(depth) { ++depth_; }
  ~Quiet() { --depth_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  int& depth_;
};

}  // namespace

WidgetEditControl::WidgetEditControl(QWidget& widget, editing::Clipboard& clipboard,
                                     Kind kind)
    : widget_(widget), clipboard_(clipboard), kind_(kind) {
  // Composed input would bypass the key handler; drops would bypass the undo record.
  widget_.setAttribute(Qt::WA_InputMethodEnabled, false);
  widget_.setAcceptDrops(false);
  widget_.setContextMenuPolicy(Qt::CustomContextMenu);
  widget_.installEventFilter(this);
  connect(&widget_, &QWidget::customContextMenuRequested, this,
          &WidgetEditControl::ShowContextMenu);
  connect(qApp, &QApplication::focusChanged, this, &WidgetEditControl::FocusChanged);
}

bool WidgetEditControl::HasFocus() const { return widget_.hasFocus(); }

void WidgetEditControl::SetFocus() { widget_.setFocus(Qt::OtherFocusReason); }

std::string WidgetEditControl::Text() const { return staged_ ? staged_->text : WidgetText(); }

int WidgetEditControl::SelStart() const {
  return staged_ ? staged_->selStart : WidgetSelStart();
}

int WidgetEditControl::SelLength() const {
  return staged_ ? staged_->selLength : WidgetSelLength();
}

std::string WidgetEditControl::SelText() const {
  return Text().substr(SelStart(), SelLength());
}

void WidgetEditControl::ReplaceSelection(std::string_view text) {
  Edit(SelStart(), SelLength(), Incoming(text), ChangeSource::Program);
}

void WidgetEditControl::SetText(std::string_view text) {
  Change({Incoming(text), 0, 0}, ChangeSource::Program);
}

void WidgetEditControl::SetSelStart(int position) { SetSelection(position, 0); }

void WidgetEditControl::SetSelection(int start, int length) {
  const int from = Snapped(start);
  const int to = Snapped(from + std::max(length, 0));
  if (staged_) {
    staged_->selStart = from;
    staged_->selLength = to - from;
  } else {
    WidgetSetSelection(from, to);
  }
}

void WidgetEditControl::SelectAll() {
  SetSelection(0, static_cast<int>(Text().size()));
}

void WidgetEditControl::CopyToClipboard() {
  if (SelLength() > 0) clipboard_.SetText(SelText());
}

void WidgetEditControl::CutToClipboard() {
  if (!Editable() || SelLength() == 0) return;
  clipboard_.SetText(SelText());
  Edit(SelStart(), SelLength(), "", ChangeSource::Cut);
}

void WidgetEditControl::PasteFromClipboard() {
  if (!Editable() || !Admits(QGuiApplication::clipboard()->text())) return;
  std::string pasted = clipboard_.Text();
  // A one-line control takes the first line of a longer text.
  if (!MultiLine()) pasted = pasted.substr(0, pasted.find_first_of("\r\n"));
  if (pasted.empty()) return;
  Edit(SelStart(), SelLength(), Incoming(pasted), ChangeSource::User);
}

void WidgetEditControl::Undo() {
  if (!Editable() || !undo_) return;
  Change(*undo_, ChangeSource::User);  // the undo is itself the one step to undo
}

void WidgetEditControl::DeliverChar(char key) {
  if (OnKeyPress) OnKeyPress(key);
  if (key != 0) ActOnChar(key);
}

WidgetEditControl::State WidgetEditControl::Current() const {
  return {Text(), SelStart(), SelLength()};
}

void WidgetEditControl::Edit(int start, int length, const std::string& text,
                             ChangeSource source) {
  State next{Text(), start + static_cast<int>(text.size()), 0};
  next.text.replace(start, length, text);
  Change(std::move(next), source);
}

void WidgetEditControl::Change(State next, ChangeSource source) {
  const State before = Current();
  ++changing_;
  staged_ = std::move(next);
  try {
    Finish(before, source);
  } catch (...) {
    if (--changing_ == 0) Commit();
    throw;
  }
  if (--changing_ == 0) Commit();
}

void WidgetEditControl::Commit() {
  if (!staged_) return;
  const State state = std::move(*staged_);
  staged_.reset();
  Restore(state);
}

// Puts a state into the widget, writing only the part that differs so that the view
// keeps its place.
void WidgetEditControl::Restore(const State& state) {
  const std::string now = Text();
  const std::string& then = state.text;
  if (now == then) {
    SetSelection(state.selStart, state.selLength);
    return;
  }
  std::size_t prefix = 0;
  const std::size_t shorter = std::min(now.size(), then.size());
  while (prefix < shorter && now[prefix] == then[prefix]) ++prefix;
  if (prefix > 0 && now[prefix - 1] == '\r') --prefix;  // a line break stays whole
  std::size_t suffix = 0;
  while (suffix < shorter - prefix &&
         now[now.size() - 1 - suffix] == then[then.size() - 1 - suffix]) {
    ++suffix;
  }
  if (suffix > 0 && now[now.size() - suffix] == '\n') --suffix;
  Quiet quiet(quiet_);
  WriteRange(static_cast<int>(prefix), static_cast<int>(now.size() - prefix - suffix),
             then.substr(prefix, then.size() - prefix - suffix));
  SetSelection(state.selStart, state.selLength);
}

void WidgetEditControl::Finish(const State& before, ChangeSource source) {
  if (source != ChangeSource::Program) {
    undo_ = before;
  } else {
    undo_.reset();
  }
  typing_.reset();
  lastText_ = Text();
  if (lastText_ == before.text) return;
  // The handler may change the text again; it runs nested, before this returns.
  if (OnChange) OnChange();
  if (source == ChangeSource::User && OnUserEdit) OnUserEdit();
}

bool WidgetEditControl::Admits(const QString& text) {
  const qsizetype at = FirstBeyondSingleByte(text);
  if (at < 0) return true;
  const qsizetype width = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
  QApplication::beep();
  emit Refused(QStringLiteral("\"%1\" cannot be entered: only Latin-1 characters can.")
                   .arg(text.mid(at, width)));
  return false;
}

std::string WidgetEditControl::Incoming(std::string_view text) const {
  return MultiLine() ? WithCrLf(text) : std::string(text);
}

int WidgetEditControl::Snapped(int position) const {
  const std::string text = Text();
  const int size = static_cast<int>(text.size());
  position = std::clamp(position, 0, size);
  if (position > 0 && position < size && text[position - 1] == '\r' &&
      text[position] == '\n') {
    ++position;
  }
  return position;
}

void WidgetEditControl::ActOnChar(char key) {
  if (!Editable()) return;
  if (key == kBackspace) {
    Backspace();
  } else if (IsLineBreak(key)) {
    if (MultiLine()) Edit(SelStart(), SelLength(), "\r\n", ChangeSource::User);
  } else if (IsTypedText(key)) {
    Type(key);
  }
}

// Characters typed one after another, each right behind the last, undo as one run.
void WidgetEditControl::Type(char key) {
  const bool continues = typing_ && SelLength() == 0 && SelStart() == typing_->caret &&
                         lastText_ == typing_->text;
  const State runStart = continues ? typing_->before : Current();
  const int start = SelStart();
  std::string expected = Text();
  expected.replace(start, SelLength(), 1, key);
  Edit(start, SelLength(), std::string(1, key), ChangeSource::User);
  if (Text() != expected) return;  // the change handler edited again: the run ends
  undo_ = runStart;
  typing_ = TypingRun{expected, start + 1, runStart};
}

void WidgetEditControl::Backspace() {
  const int start = SelStart();
  if (SelLength() > 0) {
    DeleteSelection();
    return;
  }
  if (start == 0) return;
  const std::string text = Text();
  const bool afterLineBreak =
      MultiLine() && start >= 2 && text.compare(start - 2, 2, "\r\n") == 0;
  const int width = afterLineBreak ? 2 : 1;
  Edit(start - width, width, "", ChangeSource::User);
}

void WidgetEditControl::DeleteSelection() {
  if (SelLength() > 0) Edit(SelStart(), SelLength(), "", ChangeSource::User);
}

void WidgetEditControl::WidgetTextChanged() {
  if (quiet_ > 0) return;
  const std::string now = Text();
  if (now == lastText_) return;
  undo_ = pending_ ? *pending_ : State{lastText_, 0, 0};
  pending_.reset();
  typing_.reset();
  lastText_ = now;
  if (OnChange) RunGuarded(widget_.window(), OnChange);
  if (OnUserEdit) RunGuarded(widget_.window(), OnUserEdit);
}

void WidgetEditControl::Watch(QObject& object) { object.installEventFilter(this); }

bool WidgetEditControl::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      if (watched != &widget_) return false;
      {
        bool consumed = true;
        RunGuarded(widget_.window(),
                   [&] { consumed = HandleKey(*static_cast<QKeyEvent*>(event)); });
        return consumed;
      }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      return watched == &widget_ && KeepSelectionAcrossFocus(*event);
    case QEvent::MouseButtonRelease:
      // The middle button pastes the selection clipboard where the widget supports it.
      if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && Editable()) {
        const QString pasted = QGuiApplication::clipboard()->text(QClipboard::Selection);
        if (!Admits(pasted)) return true;
        BeforeWidgetInserts(pasted);
      }
      [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      pending_ = Current();
      typing_.reset();
      return false;
    default:
      return false;
  }
}

// The key as typed goes through OnKeyPress; then it does what it would have done.
bool WidgetEditControl::HandleKey(QKeyEvent& event) {
  if (!Admits(event.text())) return true;
  const std::optional<TypedKey> typed = TypedKeyOf(event);
  if (typed) {
    char key = typed->code;
    if (OnKeyPress) OnKeyPress(key);
    if (key == 0) return true;
    if (key != typed->code) {
      ActOnChar(key);
      return true;
    }
  }
  switch (EditCommandOf(event)) {
    case EditCommand::Undo:
      Undo();
      return true;
    case EditCommand::Cut:
      CutToClipboard();
      return true;
    case EditCommand::Paste:
      PasteFromClipboard();
      return true;
    case EditCommand::None:
      break;
  }
  if (typed && typed->single && (IsTypedText(typed->code) || typed->code == kBackspace ||
                                 IsLineBreak(typed->code))) {
    ActOnChar(typed->code);
    return true;
  }
  // Everything else (moving the caret, Delete, selecting, copying) the widget does
  // itself; a change it makes is undoable and clears the result like any other.
  pending_ = Current();
  typing_.reset();
  return false;
}

// The line editors neither select all when they get the focus nor drop their
// selection when they lose it.
bool WidgetEditControl::KeepSelectionAcrossFocus(QEvent& event) {
  const int start = SelStart();
  const int length = SelLength();
  static_cast<QObject&>(widget_).event(&event);
  if (SelStart() != start || SelLength() != length) SetSelection(start, length);
  return true;
}

void WidgetEditControl::FocusChanged(QWidget* old, QWidget* now) {
  // Another program taking the focus (now is none) or a pop-up menu is no loss.
  if (old != &widget_ || !now || now->window() != widget_.window()) return;
  if (OnExit) RunGuarded(widget_.window(), OnExit);
}

void WidgetEditControl::ShowContextMenu(const QPoint& position) {
  QMenu menu(&widget_);
  const bool selected = SelLength() > 0;
  auto add = [&](const char* text, bool enabled, auto action) {
    QAction* item = menu.addAction(QString::fromLatin1(text));
    item->setEnabled(enabled);
    connect(item, &QAction::triggered, this,
            [this, action] { RunGuarded(widget_.window(), action); });
  };
  add("Undo", Editable() && CanUndo(), [this] { Undo(); });
  menu.addSeparator();
  add("Cut", Editable() && selected, [this] { CutToClipboard(); });
  add("Copy", selected, [this] { CopyToClipboard(); });
  add("Paste", Editable(), [this] { PasteFromClipboard(); });
  add("Delete", Editable() && selected, [this] { DeleteSelection(); });
  menu.addSeparator();
  add("Select All", !Text().empty(), [this] { SelectAll(); });
  auto* area = qobject_cast<QAbstractScrollArea*>(&widget_);
  QWidget* origin = area ? area->viewport() : &widget_;
  menu.exec(origin->mapToGlobal(position));
}

}  // namespace vantorel::ui
