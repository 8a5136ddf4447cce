#pragma once

#include "widgets/TIloWinButton.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace kartavel::gui {

// Pieces every window of the program is made of.

// A command button with its caption in bold 12-pixel Arial and its picture from
// the main window's 32 × 32 image list (none for icon -1).
TIloWinButton* commandButton(QWidget* parent, const char* objectName, const QString& caption,
                             int icon, QSize size,
                             TIloWinButton::TPicPos align = TIloWinButton::poLeft);

// A tool bar button: the caption under a 32 × 32 picture of the main window's image
// list, and its hint.
QToolButton* toolButton(QToolBar* bar, const char* objectName, const char* caption, int icon,
                        const char* hint);

// A sunken panel of a status bar, `width` pixels wide; 0 takes the rest of the bar.
QLabel* addStatusPanel(QStatusBar* bar, const QString& text, int width, Qt::Alignment align);

// The status bar of a list: its caption (`width` pixels), the number of listed
// rows (75 pixels, right-aligned, returned) and an empty panel (50 pixels).
QLabel* addCountPanels(QStatusBar* bar, const QString& caption, int width);

// A row of command buttons at the right end of a window.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

// An editable drop-down list whose text is free, within the register's code page
// (the group and sub-group fields).
QComboBox* choiceField(QWidget* parent, const char* objectName);

// Replaces a drop-down list's choices; the typed text stays as it is.
void fillChoices(QComboBox* combo, const std::vector<std::string>& choices);

// Runs work on the table files; a file that cannot be read or written ends it in
// the general error box.
void guardFileWork(const std::function<void()>& work);

// Makes Esc, while a drop-down list or a calendar is open, close that pop-up only;
// a second Esc then reaches the window. Once for the program; closeAction and the
// main window call it.
void keepEscForPopups();

// The window's close action ("Kapat", Esc), running `close`.
QAction* closeAction(QWidget* window, const char* objectName, std::function<void()> close);

} // namespace kartavel::gui
