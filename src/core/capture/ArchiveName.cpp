#include "ArchiveName.h"

#include "platform/DataFolder.h"

#include <string>

namespace kartavel::capture {

bool isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32 || b == 127 || std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

std::optional<std::filesystem::path> contentFilePath(std::string_view archiveName) {
    if (!isPlainFileName(archiveName))
        return std::nullopt;
    return platform::dataFile(std::string(archiveName) + std::string(kContentFileExtension));
}

} // namespace kartavel::capture
