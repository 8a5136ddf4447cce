#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// File services of the catalogue: whole-file reads, atomic replacement, and the
// existence, delete and rename tests the windows need. Paths are UTF-8 in core.
namespace kartavel::platform {

namespace fs = std::filesystem;

// A file that could not be written. Its message is the catalogue's own text,
// "Unable to write to " followed by the path.
class WriteError : public std::runtime_error {
public:
    explicit WriteError(const fs::path& path);
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// A file that could not be read (other than not existing, which callers test).
class ReadError : public std::runtime_error {
public:
    explicit ReadError(const fs::path& path);
};

fs::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const fs::path& path);

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const fs::path& path);

// Replaces the file with `contents` in one step: a temporary file in the same
// folder is written, flushed and renamed over the old one. On failure the old file
// is left exactly as it was and WriteError is thrown.
void replaceFileAtomically(const fs::path& path, std::string_view contents);

// Removes the file. True when it no longer exists afterwards.
bool removeFile(const fs::path& path);

// Renames `from` to `to`; never replaces an existing `to`. False when that did not
// happen.
bool renameFile(const fs::path& from, const fs::path& to);

bool fileExists(const fs::path& path);      // a file (not a folder) is there
bool directoryExists(const fs::path& path); // a folder is there

} // namespace kartavel::platform
