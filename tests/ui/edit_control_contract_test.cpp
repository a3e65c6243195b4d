// The edit-control contract on the window's real widgets.

#include "edit_control_contract.h"

#include "editor_window.h"

namespace vantorel::ui::testing {
namespace {

using editing::contract::ContractHarness;
using editing::contract::ContractTarget;
using editing::contract::EditControlContract;

class WidgetHarness final : public ContractHarness {
 public:
  explicit WidgetHarness(EditorKind kind) : window_(kind) {
    multiLine = kind == EditorKind::Expression;
    readOnly = kind == EditorKind::Result;
  }
  editing::EditControl& Editor() override { return window_.Editor(); }
  editing::EditControl& Other() override { return window_.Other(); }
  editing::Clipboard& SharedClipboard() override { return window_.Clipboard(); }
  void Settle() override { EditorWindow::Settle(); }

 private:
  EditorWindow window_;
};

ContractTarget Target(const char* name, EditorKind kind) {
  return {name, [kind] { return std::make_unique<WidgetHarness>(kind); }};
}

INSTANTIATE_TEST_SUITE_P(Widgets, EditControlContract,
                         ::testing::Values(Target("PlainTextEdit", EditorKind::Expression),
                                           Target("LineEdit", EditorKind::XValue),
                                           Target("ReadOnlyLineEdit", EditorKind::Result)),
                         editing::contract::ContractTargetName);

}  // namespace
}  // namespace vantorel::ui::testing
