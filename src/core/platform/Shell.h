#pragma once

#include <string>
#include <string_view>

namespace kartavel::platform {

// Opens a file or folder of a medium in the desktop shell, as the viewer and the
// content search do with "OPEN" (run or show a file, show a folder) and "EXPLORE"
// (show a folder in the file manager). SystemShell below hands the path to the
// operating system's own shell; the gui may supply the desktop's launcher instead,
// and tests their own.
class Shell {
public:
    virtual ~Shell() = default;

    // True when the shell took the path. A path that does not exist fails before
    // the desktop is asked, so an absent medium is reported at once.
    bool execute(std::string_view verb, const std::string& path);

protected:
    // Hands an existing path to the desktop; true when that succeeded.
    virtual bool launch(std::string_view verb, const std::string& path) = 0;
};

// The operating system's shell: ShellExecuteW with the verb ("OPEN" as "open",
// "EXPLORE" as "explore") on Windows; elsewhere xdg-open, which knows one verb and
// lets the desktop choose how to show the path.
class SystemShell : public Shell {
protected:
    bool launch(std::string_view verb, const std::string& path) override;
};

} // namespace kartavel::platform
