#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Directory enumeration for the scanner: the entries of one folder with the
// Windows-style attribute word the catalogue's filters are written against.
namespace kartavel::platform {

// The attribute bits of an entry, as the Windows file system gives them.
namespace attr {
inline constexpr std::uint32_t ReadOnly = 1;
inline constexpr std::uint32_t Hidden = 2;
inline constexpr std::uint32_t System = 4;
inline constexpr std::uint32_t VolumeId = 8;
inline constexpr std::uint32_t Directory = 16;
inline constexpr std::uint32_t Archive = 32;
// The bits that keep an entry out of an enumeration unless they are admitted.
inline constexpr std::uint32_t Special = Hidden | System | VolumeId | Directory;
} // namespace attr

// What a caller needs beyond the name and the kind of entry. Finding these out
// costs a status call per file on POSIX, so an enumeration asks only for what
// its filters test. Windows gives them all with the entry.
namespace want {
inline constexpr unsigned Nothing = 0;
inline constexpr unsigned Size = 1;
inline constexpr unsigned LastWrite = 2;
inline constexpr unsigned ReadOnly = 4; // the read-only bit of the attribute word
} // namespace want

struct DirectoryEntry {
    std::string_view name; // valid during the call only
    // Windows: the attribute word as the file system gives it, other bits such as
    // the normal bit 128 included.
    // POSIX: folder 16; regular file 32, plus 1 when the owner may not write it
    // (only when asked for); devices, pipes and sockets 4; plus 2 when the name
    // begins with ".".
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;     // bytes; files only, when asked for
    std::int64_t lastWrite = 0; // seconds since 1970-01-01 UTC; files only, when asked for
    bool regularFile = false;   // its content can be read to the end
};

// Calls `onEntry` for each entry of `folder` in the file system's order. An entry
// that carries the hidden, system, volume-label or folder bit is left out unless
// that bit is in `admitted`; "." and ".." are never given.
//
// Links are never followed into folders, so a tree with a link cycle is walked
// once. On Windows a folder that is a reparse point (a junction, a linked folder)
// is left out; any other reparse point keeps its bit 1024. On POSIX a link to a
// regular file is given as that file (the link's name with the target's
// attributes, size and time), since opening it on the medium opens the file; a
// link to a folder, to a device or to nothing is left out.
//
// False when the folder cannot be opened.
bool enumerateDirectory(const std::string& folder, std::uint32_t admitted, unsigned wanted,
                        const std::function<void(const DirectoryEntry&)>& onEntry);

// The file-name masks of the Windows enumeration: "*" any run of characters, "?"
// one character, letters compared without regard to ASCII case, and a mask that
// ends in ".*" also takes names without a dot ("*.*" takes every name).
bool matchesFileMask(std::string_view name, std::string_view mask);

// A moment on the local clock.
struct LocalDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

LocalDateTime localDateTime(std::int64_t secondsSinceEpoch);

} // namespace kartavel::platform
