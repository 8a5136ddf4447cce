#pragma once

#include <QApplication>

namespace kartavel::gui {

// The program's application object. An error that no window caught ends the event
// it came from, not the program: it is shown in the general error box, and the
// program stays usable. Every change the windows make is written in one step at
// its end, so an event cut short leaves no half of it.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace kartavel::gui
