#include "Fonts.h"

namespace kartavel::gui {

QFont arialBold(int pixels) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

} // namespace kartavel::gui
