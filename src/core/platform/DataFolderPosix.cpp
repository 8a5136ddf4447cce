#include "DataFolder.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace kartavel::platform {

bool canWriteFolder(const std::filesystem::path& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

std::filesystem::path userDataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local" / "share";
    return std::filesystem::temp_directory_path();
}

std::filesystem::path programFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path(ec);
    return exe.parent_path();
}

} // namespace kartavel::platform
