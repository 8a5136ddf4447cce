#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
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

// A file that could not be read (other than not existing, which callers test):
// "<path> okunamadı", and after a colon the reason when there is one to tell.
enum class ReadStatus { Read, Missing, NotAFile, Failed };

class ReadError : public std::runtime_error {
public:
    explicit ReadError(const fs::path& path, std::string_view reason = {});
    // For a read that ended with `status`: the reason is told for what is no file.
    ReadError(const fs::path& path, ReadStatus status);
};

// The reason given when a folder, a pipe or a device stands where a file should.
inline constexpr std::string_view kNotAFile = "bir dosya değil";

// The message for an error that is neither a read nor a write error: the command or
// the window's action stops with it, and nothing of its change is written.
inline constexpr std::string_view kUnexpectedError = "Beklenmeyen bir hata oluştu...";

fs::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const fs::path& path);

// Reads a regular file whole into `out`. Anything else (a folder, a pipe, a device)
// is never opened for reading, so a read never blocks and never touches a device.
ReadStatus readRegularFile(const fs::path& path, std::string& out);

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const fs::path& path);

// The whole file, or nothing when no file is there. Something there that cannot be
// read, or that is not a regular file, throws ReadError: a catalogue file that is
// there but unreadable must never pass for an empty one, or the next save would
// replace what it holds.
std::optional<std::string> readFileIfPresent(const fs::path& path);

// Replaces the file with `contents` in one step: a temporary file in the same
// folder is written, flushed and renamed over the old one. On failure the old file
// is left exactly as it was and WriteError is thrown. A cache that is checked on
// every read may pass `durable` false: the data is then not flushed to the disk,
// which spares a disk wait per file, but the replacement is still all or nothing.
// Something other than a regular file in the file's place (a folder, a pipe, a
// device), or a file that cannot be read, is never replaced: that throws
// WriteError too. What could not be read was never shown, so it must not be lost.
void replaceFileAtomically(const fs::path& path, std::string_view contents, bool durable = true);

// The steps of replaceFileAtomically, in their order.
enum class WriteStep { Create, Write, Flush, Rename };

// A seam for tests of what a failed write leaves: while set, each step of
// replaceFileAtomically asks it first, and a true answer makes that step fail as a
// full disk or a lost device would. Flush is asked only for a durable write;
// Rename is also asked by renameFile, with the new name. An empty function clears it.
using WriteFault = std::function<bool(WriteStep step, const fs::path& path)>;
void setWriteFault(WriteFault fault);
// True when the seam fails this step (the implementations ask it).
bool writeFaultAt(WriteStep step, const fs::path& path);

// The same for reading: while set, a regular file it answers true for cannot be
// opened for reading, as a file without read permission or on a failing disk.
using ReadFault = std::function<bool(const fs::path& path)>;
void setReadFault(ReadFault fault);
bool readFaultAt(const fs::path& path);

// Removes the file. True when it no longer exists afterwards.
bool removeFile(const fs::path& path);

// Renames `from` to `to`; never replaces an existing `to`. False when that did not
// happen.
bool renameFile(const fs::path& from, const fs::path& to);

bool fileExists(const fs::path& path);      // a file (not a folder) is there
bool directoryExists(const fs::path& path); // a folder is there

// One version of a file, cheaply told apart from another: writing the file again,
// replacing it or touching it gives another identity.
struct FileIdentity {
    std::uint64_t size = 0;
    std::int64_t modified = 0; // last write, nanoseconds since the epoch
    std::int64_t changed = 0;  // last change of the file or of its status, nanoseconds
    std::uint64_t inode = 0;   // the file system's number for the file
    bool operator==(const FileIdentity&) const = default;
};

// A file open for reading at any offset, closed with the object. Only a regular
// file opens.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const fs::path& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return handle_ != kNone; }
    // Why it did not open, or Read when it did.
    ReadStatus status() const { return status_; }
    // The open file's identity, or nothing when it is not a readable regular file.
    std::optional<FileIdentity> identity() const;
    // Reads exactly `size` bytes from `offset`; false on a failure or a short read.
    bool readAt(std::uint64_t offset, char* out, std::size_t size) const;

private:
    // The file's descriptor, or on Windows its handle.
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
    ReadStatus status_ = ReadStatus::Failed;
};

} // namespace kartavel::platform
