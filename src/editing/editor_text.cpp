#include "editor_text.h"

namespace vantorel::editing {

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsLineBreak(text[i])) {
      out += text[i];
      continue;
    }
    out += "\r\n";
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}

bool IsTypedText(char key) {
  const auto code = static_cast<unsigned char>(key);
  return (code >= 32 && code != 127) || key == '\t';
}

}  // namespace vantorel::editing
