#pragma once

#include <QFont>

namespace kartavel::gui {

// Arial bold of a size in pixels: the face the program's windows write in.
QFont arialBold(int pixels);

} // namespace kartavel::gui
