#pragma once
// The three editors of the main window on the editor model, with the commands bound to
// them: what the commands' tests work on.

#include <string>

#include "editing/clipboard.h"
#include "editing/editing_commands.h"
#include "editing/editor_model.h"

namespace vantorel::editing {

enum class Place { Expression, XValue, Result, Elsewhere };

struct WindowModel {
  FocusGroup focus;
  MemoryClipboard clipboard;
  EditorModel expression{focus, clipboard, EditorKind::MultiLine};
  EditorModel xValue{focus, clipboard, EditorKind::SingleLine};
  EditorModel result{focus, clipboard, EditorKind::ReadOnly};
  char separator = '.';
  EditingCommands commands{expression, xValue, result, [this] { return separator; }};

  EditorModel& Editor(Place place) {
    if (place == Place::XValue) return xValue;
    if (place == Place::Result) return result;
    return expression;
  }

  // The editor at `place` holds `text` with the given selection and has the focus;
  // the result editor shows "42" (unless it is the editor prepared).
  void Prepare(Place place, const std::string& text, int selStart, int selLength = 0) {
    result.SetText("42");
    if (place != Place::Elsewhere) {
      EditorModel& editor = Editor(place);
      editor.SetText(text);
      editor.SetSelection(selStart, selLength);
    }
    Focus(place);
  }

  void Focus(Place place) {
    if (place == Place::Elsewhere) {
      focus.FocusElsewhere();
    } else {
      Editor(place).SetFocus();
    }
  }

  // Keys typed one after the other into the focused editor.
  void Type(const std::string& keys) {
    for (char key : keys) {
      if (EditorModel* editor = focus.Focused()) editor->DeliverChar(key);
    }
  }
};

}  // namespace vantorel::editing
