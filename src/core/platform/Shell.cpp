#include "Shell.h"

#include "FileSystem.h"

namespace kartavel::platform {

bool Shell::execute(std::string_view verb, const std::string& path) {
    const auto p = pathFromUtf8(path);
    if (path.empty() || !(fileExists(p) || directoryExists(p)))
        return false;
    return launch(verb, path);
}

} // namespace kartavel::platform
