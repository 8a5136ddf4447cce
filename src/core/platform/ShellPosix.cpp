#include "Shell.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace kartavel::platform {

bool SystemShell::launch(std::string_view /*verb*/, const std::string& path) {
    std::string program = "xdg-open", argument = path;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace kartavel::platform
