#pragma once
// The program's start and end, with one running copy at a time: a second copy tells the
// running one to come to the front, shows its refusal and ends; the first copy runs its
// windows until the main window closes.

class QMessageBox;

namespace vantorel::ui {
class TF_Main_LSF;
}

namespace vantorel::shell {

class TTextPrintForm;

inline constexpr char kApplicationTitle[] = "VantorelCalc (Korvanti)";
inline constexpr char kRefusalText[] = "The application runs already. Duplication is not allowed.";

// What a test build of the entry watches and drives; the program itself passes none.
class StartupObserver {
 public:
  virtual ~StartupObserver() = default;
  // The refusal box is made and about to be shown modally.
  virtual void Refusing(QMessageBox& box) = 0;
  // The main window shows; `listening` tells whether later copies can reach it.
  virtual void Running(ui::TF_Main_LSF& mainWindow, TTextPrintForm& report, bool listening) = 0;
};

// The program's entry. Both ways of ending give exit code 0.
int RunProgram(int& argc, char** argv, StartupObserver* observer = nullptr);

}  // namespace vantorel::shell
