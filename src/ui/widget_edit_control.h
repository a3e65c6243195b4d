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
  std::string SelText() const override;

  void ReplaceSelection(std::string_view text) override;
  void SetText(std::string_view text) override;
  void SetSelStart(int position) override;
  void SelectAll() override;

  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void Undo() override;
  void DeliverChar(char key) override;

  bool CanUndo() const { return undo_.has_value(); }
  QWidget& Widget() const { return widget_; }

 protected:
  WidgetEditControl(QWidget& widget, editing::Clipboard& clipboard, Kind kind);

  // The widget's part, in the contract's positions (a line break counts as two).
  // Replaces characters [start, start + length) by `text`; the caret may go anywhere.
  virtual void WriteRange(int start, int length, const std::string& text) = 0;
  virtual void WriteAll(const std::string& text) = 0;

  // The subclass calls this whenever the widget reports a change of its text.
  void WidgetTextChanged();
  // Also watches `object` (a scroll area's viewport) for mouse input.
  void Watch(QObject& object);
  bool MultiLine() const { return kind_ == Kind::MultiLine; }
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
  void Edit(int start, int length, const std::string& text, bool undoable);
  void Restore(const State& state);
  void Finish(const State& before, bool undoable);
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
};

}  // namespace vantorel::ui
