#pragma once

#include "widgets/TImageList.h"

#include <QIcon>
#include <QPixmap>

namespace kartavel::gui {

// The number of icons in the program's image lists (0 to 30).
inline constexpr int kIconCount = 31;

// The program's icons at 32 × 32 (ImageList1: buttons, window headers, the list's
// large icons) or 16 × 16 (ImageList2: the list's other views).
TImageList* makeImageList(int size, QObject* parent);

// One numbered icon with both sizes, for item views.
QIcon numberedIcon(int number);

// A named picture of the program ("banner", "banner_end", "program", ...), drawn at
// `size`, or at its own size when `size` is empty.
QPixmap picture(const QString& name, QSize size = {});

// The program's icon for window frames.
QIcon programIcon();

} // namespace kartavel::gui
