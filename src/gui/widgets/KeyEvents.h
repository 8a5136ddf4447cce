#pragma once

#include <QKeyEvent>

namespace kartavel::gui {

// The keys that open a field's drop-down part (a calendar, a folder browser): F4,
// or Alt with the down arrow.
inline bool isDropDownKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F4 ||
           (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier));
}

// Return or the keypad's Enter.
inline bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace kartavel::gui
