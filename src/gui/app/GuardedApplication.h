#pragma once

#include <QApplication>

namespace kartavel::gui {

// The program's application object. An error that no window caught ends the event
// it came from, not the program: it is shown in the general error box, and the
// program stays usable. Every change the windows make is written in one step at
// its end, so an event cut short leaves no half of it.
//
// It also sets the program up as the desktop knows it: its name, and the
// toolkit's Turkish translations.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Makes the dialogs the toolkit draws itself (the folder chooser behind "...", the
// standard buttons) speak Turkish, from Qt's own translations; the system's
// messages are its own texts already. False when the translations are not
// installed: those dialogs then stay English.
bool loadToolkitTranslations(QCoreApplication& app);

} // namespace kartavel::gui
