#pragma once

#include "ContentScan.h"

#include "platform/FileSystem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The name index of one content file: what lets a search read only the parts of a
// large content file where a match can be.
//
// The file's lines are cut into blocks of a fixed number of lines. Each run of
// three bytes in a folded name (with a line end before the name's first byte and
// after its last, for whole-name searches) sets, for the block that holds the
// name, a bit in one of the index's rows, picked by hashing the three bytes. A
// search reads the rows of its folded text's runs and walks only the blocks whose
// bit is set in every one of them, each from its checkpoint: where the block's
// first line starts and the names on the way down to the line before it.
//
// The index is a cache: it records the identity of the content file it was made
// from (size, times, file number) and is used only while that still holds. Every
// part a search reads carries a checksum, so damage is found before it is trusted.
namespace kartavel::capture {

enum class NameIndexState { Fresh, Missing, Stale, Damaged, OtherVersion };

// The index bytes for a content file's bytes (with its byte-order mark, if any)
// whose identity is `content`; `blockLines` lines make a block.
std::string buildNameIndex(std::string_view bytes, const platform::FileIdentity& content,
                           std::uint32_t blockLines = 64);

// An index file, opened for one version of its content file.
class NameIndexReader {
public:
    // Opens `file` and checks it against `content`: state() is Fresh when it can serve.
    NameIndexReader(const std::filesystem::path& file, const platform::FileIdentity& content);

    NameIndexState state() const { return state_; }
    bool utf8() const { return utf8_; }
    std::size_t nodes() const { return nodes_; }
    const std::string& error() const { return error_; }
    std::uint64_t blocks() const { return blocks_; }

    // The matches in `content` (the content file), walking only the blocks where a
    // name can pass `test`. Nothing when the index cannot serve this test (a
    // substring text of fewer than three bytes, or a text the file's code page
    // cannot hold), when the content file cannot be read, or when the index turns
    // out damaged (state() then says so).
    std::optional<std::vector<SearchRow>> search(const platform::ReadOnlyFile& content,
                                                 const FileNameTest& test,
                                                 std::string_view archive);

private:
    bool readCandidates(const std::vector<std::uint32_t>& rows,
                        std::vector<std::uint64_t>& candidates);
    bool readStructure();
    bool damaged();

    platform::ReadOnlyFile file_;
    NameIndexState state_ = NameIndexState::Missing;
    bool utf8_ = false;
    std::size_t nodes_ = 0;
    std::string error_;
    std::uint32_t blockLines_ = 0, rows_ = 0, rowWords_ = 0;
    std::uint64_t blocks_ = 0, contentSize_ = 0;
    std::uint64_t structureOffset_ = 0, structureSize_ = 0, structureHash_ = 0;
    std::uint64_t rowsOffset_ = 0;

    // The checkpoints, read when a search first needs them.
    struct Checkpoint {
        std::uint64_t offset;
        std::uint32_t chain;
    };
    struct Entry {
        std::uint32_t parent, nameOffset, nameLength;
    };
    bool structureRead_ = false;
    std::vector<Checkpoint> checkpoints_;
    std::vector<Entry> entries_;
    std::string names_;
};

} // namespace kartavel::capture
