#pragma once
// The logo of the About box, drawn rather than loaded so that it needs no picture file.

#include <QPixmap>

namespace vantorel::shell {

// 170 x 45, transparent where nothing is drawn.
QPixmap DrawAboutLogo();

}  // namespace vantorel::shell
