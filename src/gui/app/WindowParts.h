#pragma once

#include "widgets/TIloWinButton.h"

#include <QString>

#include <functional>

class QAction;
class QLabel;
class QStatusBar;

namespace kartavel::gui {

// Pieces every window of the program is made of.

// A command button with its caption in bold 12-pixel Arial and its picture from
// the main window's 32 × 32 image list (none for icon -1).
TIloWinButton* commandButton(QWidget* parent, const char* objectName, const QString& caption,
                             int icon, QSize size,
                             TIloWinButton::TPicPos align = TIloWinButton::poLeft);

// A sunken panel of a status bar, `width` pixels wide.
QLabel* addStatusPanel(QStatusBar* bar, const QString& text, int width, Qt::Alignment align);

// The window's close action ("Kapat", Esc), running `close`.
QAction* closeAction(QWidget* window, const char* objectName, std::function<void()> close);

} // namespace kartavel::gui
