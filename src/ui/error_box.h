#pragma once
// The application's error box: every failure the user hears of is shown here, with a
// stop icon, an OK button and the application title as caption.

#include <QString>
#include <functional>

class QWidget;

namespace vantorel::ui {

// The title that names the application and captions its message boxes: the one given
// at start, else "VantorelCalc (Korvanti)". It is kept here rather than as Qt's display
// name, which the desktop would append to every window's caption.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);
// Whether the start gave the application its title.
bool ApplicationTitleGiven();

// The message as the box shows it: a "." is added when the last character's code is
// above that of "." (46), so "Nothing assigned to the X variable" reads as a sentence
// while "Stop." or "(see above)" stay as they are.
QString WithFinalPeriod(QString message);

// Shows `message` (with its final period) modally over `parent` and returns when the
// user has pressed OK.
void ShowErrorBox(QWidget* parent, const QString& message);

// Runs `action` and shows any exception it throws in the error box, so that an event
// handler ends at the failing step and the window stays usable.
void RunGuarded(QWidget* parent, const std::function<void()>& action);

// What actually presents the box; tests replace it so that nothing modal blocks them.
// Receives the parent, the caption and the message with its final period.
using ErrorBoxPresenter =
    std::function<void(QWidget* parent, const QString& caption, const QString& text)>;
// Installs `presenter` (an empty one restores the real box); returns the one before.
ErrorBoxPresenter SetErrorBoxPresenter(ErrorBoxPresenter presenter);

}  // namespace vantorel::ui
