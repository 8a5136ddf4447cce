#include "ArchiveName.h"

#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

#include <string>

namespace kartavel::capture {

bool isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
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
