#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string_view>

namespace kartavel::platform {

// The folder of the running program file.
std::filesystem::path programFolder();

// The catalogue's data folder, created (with any missing parents) whenever it does
// not exist. It is the folder "Data" beside the program file; for an installed
// program, and where that folder cannot be written, it is "Kartavel/Data" in the
// user's data folder (userDataHome). An explicit folder set below wins.
std::filesystem::path DataFolder();

// True when `name` is a plain file name: not empty, not "." or "..", not a name
// Windows keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, in
// any letter case, whatever follows a dot), free of separators, of the characters
// Windows file systems refuse (" * / : < > ? \ |) and of control characters, not
// ending in a blank or a dot (Windows drops those, so two names would meet in one
// file), and no longer than 255 bytes. Catalogues travel between systems, so the
// rule is the same on all.
bool isPlainFileName(std::string_view name);

// A name that cannot stand as a file of the data folder.
class FileNameError : public std::runtime_error {
public:
    explicit FileNameError(std::string_view name);
};

// A file of the data folder. Only a plain file name is taken (else FileNameError),
// so no name ever leads out of the folder.
std::filesystem::path dataFile(std::string_view fileName);

// Points DataFolder at `folder` for the rest of the run (tests, the CLI's --data).
// An empty path returns to the default rule.
void setDataFolder(const std::filesystem::path& folder);

// The folder DataFolder would pick by the default rule, without creating it.
std::filesystem::path defaultDataFolder();

// Where an installed program's menu entry lies, relative to the program's folder
// (bin/../share/applications/...). A program folder with it is an installed one:
// its data never go beside it, also when the folder is writable (root, or a
// program installed under the user's home).
std::filesystem::path installedMarker();

// The user's own data folder, where an installed program keeps its data: %APPDATA%
// on Windows; elsewhere XDG_DATA_HOME, else ~/.local/share.
std::filesystem::path userDataHome();

// True when this user may make files in the folder.
bool canWriteFolder(const std::filesystem::path& folder);

// The default rule for a given program folder and writability test.
std::filesystem::path
defaultDataFolderFor(const std::filesystem::path& programFolder,
                     const std::function<bool(const std::filesystem::path&)>& canWrite);

} // namespace kartavel::platform
