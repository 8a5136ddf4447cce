#pragma once

#include "ContentScan.h"
#include "NameIndex.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kartavel::store {
class RecordTable;
}

// The name indexes of the data folder: one file per archive in a folder of their
// own, kept beside the content files as a cache. Nothing depends on them: an index
// that is missing, out of date (its content file was written, replaced or touched
// since), damaged or of another version is passed over, the content file is read
// whole, and the index is written anew. Deleting the folder changes no result.
namespace kartavel::capture {

// The folder in the data folder that holds the indexes, and their file extension.
inline constexpr std::string_view kNameIndexFolder = "AdDizini";
inline constexpr std::string_view kNameIndexExtension = ".adx";

// How a search of content files uses the indexes.
struct NameIndexUse {
    bool enabled = true;
    // Smaller content files are always read whole: that costs less than looking up
    // an index, which they then do not get.
    std::uint64_t minContentBytes = 256 * 1024;
    std::uint32_t blockLines = 64; // lines of a content file per block of its index
};

// The archive's index file, or nothing for a name that is not a plain file name.
std::optional<std::filesystem::path> nameIndexPath(std::string_view archiveName);

// A buffer for reading files whole, one after another: it only grows, so one
// allocation serves a search of many archives.
class ReadBuffer {
public:
    // The file's first `size` bytes, or nothing when they cannot be read. When
    // given, `arrived` is called with the number of bytes read so far after each
    // piece, while that piece is still in the processor's cache.
    std::optional<std::string_view>
    read(const platform::ReadOnlyFile& file, std::uint64_t size,
         const std::function<void(std::string_view read)>& arrived = {});

private:
    std::unique_ptr<char[]> bytes_;
    std::uint64_t capacity_ = 0;
};

// Searches archives' content files with one search text, one after another: each
// through its index when that is fresh and the text can use it, else by reading
// the whole file, after which a missing or out-of-date index is written anew (a
// failure to write it is no failure of the search). A file that cannot be read
// gives no nodes and the platform's read error.
class ContentFileSearch {
public:
    ContentFileSearch(std::string_view text, bool wholeName, bool caseSensitive,
                      const NameIndexUse& use);

    ArchiveHits search(const std::filesystem::path& file, std::string_view archive);

    // Whether a search wrote an index.
    bool wroteIndex() const { return wroteIndex_; }

private:
    const FileNameTest& test(bool utf8);

    std::string text_;
    bool wholeName_, caseSensitive_;
    NameIndexUse use_;
    std::optional<FileNameTest> tests_[2]; // code page, UTF-8
    ReadBuffer buffer_;                    // the bytes of a file read whole
    bool wroteIndex_ = false;
};

// Removes the index files whose content file is gone (a deleted or renamed archive)
// or too small to be given one. Returns how many went.
std::size_t removeOrphanNameIndexes(const NameIndexUse& use);

// What the index command did for one archive of the register.
struct NameIndexEntry {
    std::string archive;
    bool contentFile = true; // false: the archive has no content file
    bool small = false;      // the content file is read whole and needs no index
    NameIndexState before = NameIndexState::Missing;
    bool written = false;
    bool writeFailed = false;
};

struct NameIndexReport {
    std::vector<NameIndexEntry> archives; // register order
    std::size_t orphans = 0;              // index files without a content file to serve
    std::size_t orphansRemoved = 0;
};

// Checks the index of every archive of the register and, unless `checkOnly`,
// writes each one that is not fresh and removes the orphans.
NameIndexReport refreshNameIndexes(const store::RecordTable& KayitOrj_T, bool checkOnly,
                                   const NameIndexUse& use = {});

} // namespace kartavel::capture
