#include "ArchiveName.h"

#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

#include <string>

namespace kartavel::capture {

bool isArchiveName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           platform::isPlainFileName(std::string(name) + std::string(kContentFileExtension));
}

bool somethingAt(const std::filesystem::path& path) {
    return platform::fileExists(path) || platform::directoryExists(path);
}

std::optional<std::filesystem::path> existingContentFile(std::string_view archiveName) {
    auto file = contentFilePath(archiveName);
    if (file && somethingAt(*file))
        return file;
    return std::nullopt;
}

std::optional<std::filesystem::path> contentFilePath(std::string_view archiveName) {
    if (!isArchiveName(archiveName))
        return std::nullopt;
    return platform::dataFile(std::string(archiveName) + std::string(kContentFileExtension));
}

} // namespace kartavel::capture
