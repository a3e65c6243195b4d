#pragma once
// The system clipboard as the editing commands see it: plain single-byte text.

#include "editing/clipboard.h"

namespace vantorel::ui {

class QtClipboard final : public editing::Clipboard {
 public:
  // Empty when the text has characters beyond the single-byte range: they are refused,
  // never turned into "?".
  std::string Text() const override;
  void SetText(std::string_view text) override;
};

}  // namespace vantorel::ui
