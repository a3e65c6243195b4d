#include "shell/window_font.h"

#include <QApplication>

namespace vantorel::shell {

QFont SizedFont(int pixelHeight) {
  QFont font = QApplication::font();
  font.setPixelSize(pixelHeight);
  return font;
}

QFont WindowFont() { return SizedFont(11); }

QFont SansFont(int pixelHeight) {
  QFont font("Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  return font;
}

}  // namespace vantorel::shell
