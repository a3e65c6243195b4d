#pragma once
// The window's image list: 18 pictures of 16 x 16 pixels, drawn when first asked for.
// The File menu shows four of them: 10 (Print), 15 (About), 6 (Help), 17 (Exit).

#include <QIcon>
#include <QList>

namespace vantorel::ui {

inline constexpr int kImageCount = 18;
inline constexpr int kImageSize = 16;

QList<QIcon> ImageList1();

}  // namespace vantorel::ui
