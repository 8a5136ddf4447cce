#include "DataFolder.h"

#include "FileSystem.h"

#include <cstdlib>
#include <mutex>
#include <system_error>
#include <unistd.h>

namespace kartavel::platform {

namespace {

std::mutex gMutex;
std::filesystem::path gExplicit;

bool canWrite(const std::filesystem::path& p) {
    return ::access(p.c_str(), W_OK) == 0;
}

std::filesystem::path userDataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local" / "share";
    return std::filesystem::temp_directory_path();
}

} // namespace

std::filesystem::path programFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path(ec);
    return exe.parent_path();
}

std::filesystem::path installedMarker() {
    return KARTAVEL_INSTALLED_MARKER;
}

std::filesystem::path
defaultDataFolderFor(const std::filesystem::path& programFolder,
                     const std::function<bool(const std::filesystem::path&)>& canWrite) {
    const auto beside = programFolder / "Data";
    const bool installed = fileExists(programFolder / installedMarker());
    const bool writable = directoryExists(beside) ? canWrite(beside) : canWrite(programFolder);
    if (writable && !installed)
        return beside;
    return userDataHome() / "Kartavel" / "Data";
}

std::filesystem::path defaultDataFolder() {
    return defaultDataFolderFor(programFolder(), canWrite);
}

std::filesystem::path DataFolder() {
    std::filesystem::path folder;
    {
        std::lock_guard lock(gMutex);
        folder = gExplicit;
    }
    if (folder.empty())
        folder = defaultDataFolder();
    if (!directoryExists(folder)) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
    }
    return folder;
}

std::filesystem::path dataFile(std::string_view fileName) {
    return DataFolder() / pathFromUtf8(fileName);
}

void setDataFolder(const std::filesystem::path& folder) {
    std::lock_guard lock(gMutex);
    gExplicit = folder;
}

} // namespace kartavel::platform
