#pragma once
// The fonts of the shell's windows, sized in pixels as they are laid out.

#include <QFont>

namespace vantorel::shell {

// The desktop's normal family at the given pixel height.
QFont SizedFont(int pixelHeight);
// The window font: the normal family, 11 px.
QFont WindowFont();
// A plain sans-serif family at the given pixel height, for headings.
QFont SansFont(int pixelHeight);

}  // namespace vantorel::shell
