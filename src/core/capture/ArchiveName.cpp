#include "ArchiveName.h"

#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

#include <string>

namespace kartavel::capture {

namespace {

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
    if (name.empty() || name == "." || name == ".." || isDeviceName(name))
        return false;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127 || kForbiddenNameCharacters.find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

std::optional<std::filesystem::path> existingContentFile(std::string_view archiveName) {
    auto file = contentFilePath(archiveName);
    if (file && platform::fileExists(*file))
        return file;
    return std::nullopt;
}

std::optional<std::filesystem::path> contentFilePath(std::string_view archiveName) {
    if (!isPlainFileName(archiveName))
        return std::nullopt;
    return platform::dataFile(std::string(archiveName) + std::string(kContentFileExtension));
}

} // namespace kartavel::capture
