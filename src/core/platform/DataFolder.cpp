#include "DataFolder.h"

#include "FileSystem.h"

#include <mutex>
#include <system_error>

namespace kartavel::platform {

namespace {

std::mutex gMutex;
std::filesystem::path gExplicit;

// The longest file name the file systems of both systems take, in bytes (Windows
// counts UTF-16 units, never more than the UTF-8 bytes).
constexpr std::size_t kMaxFileNameBytes = 255;

// The characters a file name never holds.
constexpr std::string_view kRefusedCharacters = "\"*/:<>?\\|";

// Windows opens its devices under these names, whatever follows the first dot:
// "CON.ADS" is the console, not a file.
bool isDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    std::string upper(base);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL")
        return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
           upper[3] >= '1' && upper[3] <= '9';
}

} // namespace

bool isPlainFileName(std::string_view name) {
    if (name.empty() || name.size() > kMaxFileNameBytes || name == "." || name == ".." ||
        name.back() == ' ' || name.back() == '.' || isDeviceName(name))
        return false;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127 || kRefusedCharacters.find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

FileNameError::FileNameError(std::string_view name)
    : std::runtime_error(std::string(name) + " adı dosya adı olarak kullanılamaz...") {}

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
    if (!isPlainFileName(fileName))
        throw FileNameError(fileName);
    return DataFolder() / pathFromUtf8(fileName);
}

void setDataFolder(const std::filesystem::path& folder) {
    std::lock_guard lock(gMutex);
    gExplicit = folder;
}

} // namespace kartavel::platform
