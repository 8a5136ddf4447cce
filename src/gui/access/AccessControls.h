#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLineEdit;
class QWidget;

namespace kartavel::gui {

class TIloWinButton;

// Arial bold at the given pixel size, the face of every text of these windows.
QFont boldArial(int pixels);

// A button of the login and password-change windows: its caption alone, centred, in
// Arial 13-pixel bold black, white raise, blue hover, on its window's colour.
TIloWinButton* makeCaptionButton(QWidget* parent, const QString& name, const QString& caption);

// A password field: each character shown as "*", on the given colour (none: the
// field's usual one).
QLineEdit* makePasswordField(QWidget* parent, const QString& name, const QColor& colour = {});

} // namespace kartavel::gui
