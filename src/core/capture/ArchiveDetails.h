#pragma once

#include "ContentFile.h"
#include "IloFindFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The details file of an archive: each stored file's size, last-write time and
// attributes, and the facts of the scan and of its medium. It sits beside the
// content file, named after the archive with ".ADT", and describes one version of
// that content file: a details file whose fingerprint does not match the content
// file beside it, or that is damaged, missing or of another version, gives no
// details, and the archive shows and searches as without them. The form is in
// docs/details-file.md.
namespace kartavel::capture {

inline constexpr std::string_view kDetailsFileExtension = ".ADT";

// The archive's details file, or nothing for a name that is not an archive name.
std::optional<std::filesystem::path> detailsFilePath(std::string_view archiveName);

// The content file's details file: the same name with ".ADT" for ".ADS".
std::filesystem::path detailsFileBeside(const std::filesystem::path& contentFile);

// The facts of one scan and of the medium it walked; what the platform did not
// give stays empty.
struct ArchiveFacts {
    std::string root;                    // the scanned folder as it was given
    std::optional<std::int64_t> scanned; // when the scan ran, seconds since 1970 UTC
    std::optional<std::uint64_t> files, folders, bytes;
    std::string label, serial, fileSystem;
    std::optional<std::uint64_t> totalBytes, freeBytes;
    friend bool operator==(const ArchiveFacts&, const ArchiveFacts&) = default;
};

// A content file's fingerprint: its size and a hash of its bytes.
struct ContentFingerprint {
    std::uint64_t size = 0;
    std::uint64_t hash = 0;
    friend bool operator==(const ContentFingerprint&, const ContentFingerprint&) = default;
};
ContentFingerprint fingerprintOf(std::string_view contentBytes);

// The details of a loaded archive: one entry per node of its tree. A folder's
// size is the sum of the files below it.
class ArchiveDetails {
public:
    const ArchiveFacts& facts() const { return facts_; }
    std::size_t size() const { return entries_.size(); }

    std::uint64_t bytes(std::size_t node) const { return entries_[node].size; }
    // The node's own facts are known (a file that was there when its status was
    // asked for); a folder has none but its size.
    bool known(std::size_t node) const { return attributes(node) & facts::Known; }
    // The root or a folder: it has its size, the sum below it, and no other fact.
    bool folder(std::size_t node) const { return attributes(node) & facts::Folder; }
    std::int64_t lastWrite(std::size_t node) const {
        return static_cast<std::int64_t>(entries_[node].stamp) >> 8;
    }
    std::uint8_t attributes(std::size_t node) const {
        return static_cast<std::uint8_t>(entries_[node].stamp & 0xFF);
    }

    // Bytes held per node.
    static constexpr std::size_t kBytesPerNode = 16;
    std::size_t heldBytes() const { return entries_.capacity() * sizeof(Entry); }

private:
    friend std::optional<ArchiveDetails> parseDetailsFile(std::string_view, std::string_view,
                                                          const ArchiveTree&);
    struct Entry {
        std::uint64_t size;
        std::uint64_t stamp; // seconds since 1970 (signed, above bit 8), attributes below
    };
    static_assert(sizeof(Entry) == kBytesPerNode);

    ArchiveFacts facts_;
    std::vector<Entry> entries_;
};

// The details file's bytes for a content file and the facts of its nodes:
// `fileOfNode[n]` is the index in `files` of node n's file, or kNoFile for the
// root and the folders (ContentText).
std::string detailsFileBytes(const ContentFingerprint& content, const ArchiveFacts& facts,
                             const std::vector<FileFacts>& files,
                             const std::vector<std::uint32_t>& fileOfNode);

// The details in `bytes` for the content file `contentBytes`, loaded as `tree`, in
// one pass; nothing when they are damaged, of another version, or describe another
// content file or tree.
std::optional<ArchiveDetails>
parseDetailsFile(std::string_view bytes, std::string_view contentBytes, const ArchiveTree& tree);

// The bytes of a details file whose parts were changed, with its fingerprint made
// that of `content` and its hashes made to fit again: for the tests and the fuzz
// target, which reach past the hashes this way. Bytes too short for a header come
// back as they are.
std::string resealedDetailsFile(std::string bytes, const ContentFingerprint& content);

// A content file loaded with its details, its bytes read once.
struct ArchiveLoad {
    TreeLoad load;
    std::optional<ArchiveDetails> details; // nothing: "Ayrıntı bilgisi yok"
};

// Loads the content file and the details file beside it. The details are never an
// error: one that cannot be read, or any of the cases above, gives none.
ArchiveLoad loadArchive(const std::filesystem::path& contentFile,
                        Progress& progress = noProgress());

inline constexpr std::string_view kNoDetails = "Ayrıntı bilgisi yok";

// The viewer's status line for the entries of a listed folder: "12 dosya, 3 klasör,
// 1,5 MB" (the total size of the files and folders listed); without details the
// counts and "Ayrıntı bilgisi yok".
std::string listingText(const ArchiveTree& tree, const ArchiveDetails* details,
                        const std::vector<std::size_t>& nodes);

// What the information window and `kartavel-cli info` tell of a loaded archive.
// The counts are the scan's when the details hold them, else those of the stored
// tree (its folders then include the ones on the way down to the scanned folder).
struct ArchiveSummary {
    std::uint64_t files = 0, folders = 0;
    std::optional<std::uint64_t> bytes; // only with details
    std::vector<std::size_t> largest;   // the largest files' nodes, largest first
};
ArchiveSummary summarizeArchive(const ArchiveTree& tree, const ArchiveDetails* details,
                                std::size_t largestCount = 10);

// A size as the windows show it: "512 bayt", "1,5 KB", "12,3 MB", "1,2 GB" (one
// decimal below 100 of a unit, powers of 1024).
std::string sizeText(std::uint64_t bytes);
// Bytes in groups of three: "1.572.864".
std::string groupedBytes(std::uint64_t bytes);
// A moment on the local clock as "YYYY-MM-DD HH:MM:SS".
std::string localTimeText(std::int64_t secondsSinceEpoch);
// The extension of a file name for the "Tür" column: what follows its last dot,
// upper-cased in ASCII; empty for a name without one (or only a leading one).
std::string typeText(std::string_view name);

} // namespace kartavel::capture
