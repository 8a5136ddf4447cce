#include "DataFolder.h"

#include "FileSystem.h"

#include <mutex>
#include <system_error>

namespace kartavel::platform {

namespace {

std::mutex gMutex;
std::filesystem::path gExplicit;

} // namespace

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
    return defaultDataFolderFor(programFolder(), canWriteFolder);
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
