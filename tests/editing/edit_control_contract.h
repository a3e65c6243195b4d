#pragma once
// The behaviour every edit control of the window must keep, as one suite of cases that
// runs against any implementation of EditControl.
//
// To run it against an implementation, link `vantorel_edit_contract` whole-archive (the
// cases register themselves) and instantiate the suite once in a test file:
//
//   INSTANTIATE_TEST_SUITE_P(Widgets, EditControlContract,
//       ::testing::Values(
//           ContractTarget{"PlainTextEdit", [] { return std::make_unique<MyHarness>(...); }},
//           ContractTarget{"ReadOnlyLineEdit", ...}),
//       ContractTargetName);
//
// Each case asks the factory for a fresh harness, so no state passes between cases.

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "editing/clipboard.h"
#include "editing/edit_control.h"

namespace vantorel::editing::contract {

// One window's worth of controls for one case.
struct ContractHarness {
  virtual ~ContractHarness() = default;

  // The control under test: empty text, no handler bound, not focused. The window
  // holding it may already be shown and active, so that the focus can move.
  virtual EditControl& Editor() = 0;
  // Another control of the same window that takes the focus (a second editor will do).
  virtual EditControl& Other() = 0;
  // The clipboard that Editor() copies to and pastes from.
  virtual Clipboard& SharedClipboard() = 0;
  // Lets the toolkit deliver what it has queued (focus events); called after every
  // focus move. The model has nothing queued.
  virtual void Settle() {}

  bool multiLine = false;  // line breaks are "\r\n" and count as two
  bool readOnly = false;   // the user cannot edit; programs can still set the text
};

using HarnessFactory = std::function<std::unique_ptr<ContractHarness>()>;

struct ContractTarget {
  std::string name;  // letters and digits only: it becomes part of the test names
  HarnessFactory make;
};

std::string ContractTargetName(const ::testing::TestParamInfo<ContractTarget>& info);

// Test reports name the target instead of dumping its bytes.
inline void PrintTo(const ContractTarget& target, std::ostream* out) { *out << target.name; }

class EditControlContract : public ::testing::TestWithParam<ContractTarget> {
 protected:
  void SetUp() override;

  EditControl& Editor() { return harness_->Editor(); }
  EditControl& Other() { return harness_->Other(); }
  Clipboard& SharedClipboard() { return harness_->SharedClipboard(); }
  bool MultiLine() const { return harness_->multiLine; }
  bool ReadOnly() const { return harness_->readOnly; }
  void FocusEditor();
  void FocusOther();
  // Sets the text (which resets the undo record) and then the selection.
  void Prepare(const std::string& text, int selStart, int selLength = 0);

  std::unique_ptr<ContractHarness> harness_;
};

}  // namespace vantorel::editing::contract
