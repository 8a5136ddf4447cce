#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kartavel::capture {

inline constexpr std::string_view kContentFileExtension = ".ADS";

// The characters an archive name never holds: file systems refuse them, and the
// new-archive window's name field drops them as they are typed.
inline constexpr std::string_view kForbiddenNameCharacters = "\"*/:<>?\\|";

// True when `name` is a plain file name: not empty, not "." or "..", not a name
// Windows keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, in
// any letter case, whatever follows a dot), and free of separators, of the
// characters Windows file systems refuse (" * / : < > ? \ |) and of control
// characters. Catalogues travel between systems, so the rule is the same on all.
bool isPlainFileName(std::string_view name);

// The archive's content file: the data folder, the archive name and ".ADS". This
// is the one way an archive name becomes a path. A name that is not a plain file
// name gives nothing, and callers treat the archive as having no content file,
// so nothing outside the data folder is ever read, written or removed.
std::optional<std::filesystem::path> contentFilePath(std::string_view archiveName);

// What the viewer's openers say when an archive's content file is not there.
inline constexpr std::string_view kContentFileMissing =
    "Arşiv Dosyası bulunamıyor. Silinmiş olabilir";

// The archive's content file when it exists, or nothing.
std::optional<std::filesystem::path> existingContentFile(std::string_view archiveName);

} // namespace kartavel::capture
