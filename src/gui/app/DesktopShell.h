#pragma once

#include "platform/Shell.h"

namespace kartavel::gui {

// The desktop's launcher behind the catalogue's shell: a file opens in the program
// the desktop chooses for it, a folder in the file manager. A path that does not
// exist fails before the desktop is asked.
class DesktopShell : public platform::Shell {
protected:
    bool launch(std::string_view verb, const std::string& path) override;
};

// The shell the windows open paths with: the desktop's, unless a test has put its
// own in place.
platform::Shell& shell();
// Replaces the shell (tests); nullptr returns to the desktop's.
void setShell(platform::Shell* s);

} // namespace kartavel::gui
