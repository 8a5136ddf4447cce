#pragma once

class QWidget;

namespace kartavel::gui {

class TImageList;

// The common set-up every window runs when it is shown: the main window's title,
// copies of its banner pictures in the window's "ImageB1" and "ImageB2", and in
// "ImageTOP" the program icon (icon -1) or the given icon of `images` (ImageList1
// when none is given). Pictures the window does not have are skipped.
void FormAyar(QWidget* window, TImageList* images, int icon);

} // namespace kartavel::gui
