#pragma once
// The plain-text clipboard the editors copy to and paste from.

#include <string>
#include <string_view>

namespace vantorel::editing {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::string Text() const = 0;  // empty when the clipboard holds no text
  virtual void SetText(std::string_view text) = 0;
};

class MemoryClipboard : public Clipboard {
 public:
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override { text_ = std::string(text); }

 private:
  std::string text_;
};

}  // namespace vantorel::editing
