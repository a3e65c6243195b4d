#pragma once
// The edit-control contract on a Qt text widget. Qt's own undo history is never used:
// the control keeps one undo record of its own, and every key the user presses passes
// OnKeyPress before the widget sees it.

#include <QObject>
#include <optional>
#include <string>

#include "editing/clipboard.h"
#include "editing/edit_control.h"

class QKeyEvent;
class QWidget;

namespace vantorel::ui {

class WidgetEditControl : public QObject, public editing::EditControl {
  Q_OBJECT

 public:
  enum class Kind { SingleLine, MultiLine, ReadOnly };

  bool HasFocus() const override;
  void SetFocus() override;
  std::string Text() const final;
  int SelStart() const final;
  int SelLength() const final;
  std::string SelText() const override;

  void ReplaceSelection(std::string_view text) override;
  void SetText(std::string_view text) override;
  void SetSelStart(int position) override;
  void SetSelection(int start, int length) final;
  void SelectAll() override;

  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void Undo() override;
  void DeliverChar(char key) override;

  bool CanUndo() const { return undo_.has_value(); }
  QWidget& Widget() const { return widget_; }

 signals:
  // Text with a character beyond Latin-1, the editors' code page, was refused where it
  // came in (a key, a paste): the editor shows only what is computed and stored.
  void Refused(const QString& why);

 protected:
  WidgetEditControl(QWidget& widget, editing::Clipboard& clipboard, Kind kind);

  // The widget's part, in the contract's positions (a line break counts as two).
  virtual std::string WidgetText() const = 0;
  virtual int WidgetSelStart() const = 0;
  virtual int WidgetSelLength() const = 0;
  // Selects [from, to); both lie inside the text and never inside a line break.
  virtual void WidgetSetSelection(int from, int to) = 0;
  // Replaces characters [start, start + length) by `text`; the caret may go anywhere.
  virtual void WriteRange(int start, int length, const std::string& text) = 0;
  // The widget is about to insert `text` itself (a middle-click paste).
  virtual void BeforeWidgetInserts(const QString& text) { (void)text; }

  // The subclass calls this whenever the widget reports a change of its text.
  void WidgetTextChanged();
  // Also watches `object` (a scroll area's viewport) for mouse input.
  void Watch(QObject& object);
  bool MultiLine() const { return kind_ == Kind::MultiLine; }
  // While the control writes the text itself, not the widget on its own.
  bool Writing() const { return quiet_ > 0; }
  // A position inside the text and never between the two characters of a line break.
  int Snapped(int position) const;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct State {
    std::string text;
    int selStart = 0;
    int selLength = 0;
  };
  struct TypingRun {
    std::string text;  // the text right after the last typed character
    int caret = 0;
    State before;      // what an undo of the whole run goes back to
  };

  State Current() const;
  // Replaces [start, start + length) by `text`, caret behind it; then OnChange.
  void Edit(int start, int length, const std::string& text, editing::ChangeSource source);
  // Puts `next` in place, keeps the undo record and runs the handlers.
  void Change(State next, editing::ChangeSource source);
  // Writes the state the outermost change ended with into the widget.
  void Commit();
  void Restore(const State& state);
  void Finish(const State& before, editing::ChangeSource source);
  // False, after a beep and telling why, when `text` has a character beyond Latin-1.
  bool Admits(const QString& text);
  std::string Incoming(std::string_view text) const;
  bool Editable() const { return kind_ != Kind::ReadOnly; }

  void ActOnChar(char key);
  void Type(char key);
  void Backspace();
  void DeleteSelection();

  bool HandleKey(QKeyEvent& event);
  bool KeepSelectionAcrossFocus(QEvent& event);
  void FocusChanged(QWidget* old, QWidget* now);
  void ShowContextMenu(const QPoint& position);

  QWidget& widget_;
  editing::Clipboard& clipboard_;
  Kind kind_;
  std::optional<State> undo_;
  std::optional<TypingRun> typing_;
  // The state before user input that the widget handles itself (Delete, a middle-click
  // paste): the undo record of the change it makes.
  std::optional<State> pending_;
  std::string lastText_;
  int quiet_ = 0;  // inside our own change: the widget's signal is not a new edit
  // While a change runs its handlers, its text and selection live here, and the widget
  // gets them once, when the outermost change ends: a megabyte pasted into the X value
  // editor, which its check cuts back at once, never goes through the widget's layout.
  std::optional<State> staged_;
  int changing_ = 0;  // how deep changes are nested
};

}  // namespace vantorel::ui
