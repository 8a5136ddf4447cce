#pragma once

#include "platform/DataFolder.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace kartavel::capture {

inline constexpr std::string_view kContentFileExtension = ".ADS";

// The characters an archive name never holds: file systems refuse them, and the
// new-archive window's name field drops them as they are typed.
inline constexpr std::string_view kForbiddenNameCharacters = "\"*/:<>?\\|";

// True when the archive name can name a content file: not empty, not "." or "..",
// and with the extension a plain file name (platform::isPlainFileName). A name may
// end in a blank or a dot, as the file name then does not.
bool isArchiveName(std::string_view name);

// The archive's content file: the data folder, the archive name and ".ADS". This
// is the one way an archive name becomes a path. A name that is not an archive
// name (isArchiveName) gives nothing, and callers treat the archive as having no content file,
// so nothing outside the data folder is ever read, written or removed.
std::optional<std::filesystem::path> contentFilePath(std::string_view archiveName);

// What the viewer's openers say when an archive's content file is not there.
inline constexpr std::string_view kContentFileMissing =
    "Arşiv Dosyası bulunamıyor. Silinmiş olabilir";

// True when anything stands at the path: a file, or a folder, pipe or device that a
// reader then refuses with a message (platform::kNotAFile).
bool somethingAt(const std::filesystem::path& path);

// The archive's content file when something is there (somethingAt), or nothing.
std::optional<std::filesystem::path> existingContentFile(std::string_view archiveName);

} // namespace kartavel::capture
