#include "NameIndex.h"

#include "text/TurkishUpperCase.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace kartavel::capture {

namespace {

constexpr std::array<char, 8> kMagic = {'K', 'V', 'N', 'A', 'M', 'I', 'D', 'X'};
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kNoEntry = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kUtf8Flag = 1;
constexpr std::uint32_t kMinRows = 64, kMaxRows = 1u << 16;
// Rows per bit a block sets: about one row in eight is set in a block, so each
// further run of the text rules out most blocks that do not hold it.
constexpr std::uint64_t kRowsPerRun = 8;

// The header: fixed fields, then the message of a file that broke off.
enum : std::size_t {
    kAtVersion = 8,
    kAtHeaderSize = 12,
    kAtHeaderHash = 16, // of the header's bytes after this field
    kAtFlags = 24,
    kAtBlockLines = 28,
    kAtSize = 32,
    kAtModified = 40,
    kAtChanged = 48,
    kAtInode = 56,
    kAtNodes = 64,
    kAtBlocks = 72,
    kAtRows = 80,
    kAtRowWords = 84,
    kAtStructureOffset = 88,
    kAtStructureSize = 96,
    kAtStructureHash = 104,
    kAtRowsOffset = 112,
    kHeaderFixed = 120,
};
constexpr std::size_t kMaxHeader = 1 << 20;
constexpr std::size_t kCheckpointBytes = 12; // offset 8, chain 4
constexpr std::size_t kEntryBytes = 12;      // parent, name offset, name length

void put32(std::string& s, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i)
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void put64(std::string& s, std::size_t at, std::uint64_t v) {
    for (std::size_t i = 0; i < 8; ++i)
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void append32(std::string& s, std::uint32_t v) {
    s.resize(s.size() + 4);
    put32(s, s.size() - 4, v);
}

void append64(std::string& s, std::uint64_t v) {
    s.resize(s.size() + 8);
    put64(s, s.size() - 8, v);
}

std::uint32_t get32(std::string_view s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + i])) << (8 * i);
    return v;
}

std::uint64_t get64(std::string_view s, std::size_t at) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < 8; ++i)
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(s[at + i])) << (8 * i);
    return v;
}

// A checksum that finds damage, eight bytes at a time.
std::uint64_t checksum(std::string_view bytes) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ bytes.size();
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        h = (h ^ get64(bytes, i)) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    for (; i < bytes.size(); ++i)
        h = (h ^ static_cast<unsigned char>(bytes[i])) * 0x100000001B3ull;
    return h ^ (h >> 29);
}

// Three bytes of a folded name as one number.
std::uint32_t runCode(const char* p) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(p[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(p[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(p[2])) << 16;
}

std::uint32_t rowOf(std::uint32_t code, std::uint32_t rows) {
    const auto shift = static_cast<unsigned>(32 - std::countr_zero(rows));
    return (code * 0x9E3779B1u) >> shift;
}

// The distinct runs of one block as they come: a run already seen in the block is
// mostly dropped at once (two runs that share a slot can both pass, which only
// sets a bit twice).
class BlockRuns {
public:
    void startBlock() { ++block_; }
    void add(std::uint32_t code, std::vector<std::uint32_t>& codes) {
        Slot& slot = slots_[(code * 0x9E3779B1u) >> (32 - kSlotBits)];
        if (slot.block == block_ && slot.code == code)
            return;
        slot = {code, block_};
        codes.push_back(code);
    }

private:
    static constexpr unsigned kSlotBits = 12;
    struct Slot {
        std::uint32_t code = 0, block = 0;
    };
    std::vector<Slot> slots_ = std::vector<Slot>(std::size_t{1} << kSlotBits);
    std::uint32_t block_ = 0;
};

void appendRuns(std::string_view folded, std::vector<std::uint32_t>& codes) {
    for (std::size_t i = 0; i + 3 <= folded.size(); ++i)
        codes.push_back(runCode(folded.data() + i));
}

// A name folded as its form folds, between line ends.
void foldBetweenLineEnds(std::string& out, std::string_view name, bool utf8) {
    out.clear();
    out.push_back('\n');
    if (utf8) {
        text::appendTurkishUpperCase(out, name);
    } else {
        const auto& fold = text::cp1254TurkishUpperCase();
        for (const char c : name)
            out.push_back(static_cast<char>(fold[static_cast<unsigned char>(c)]));
    }
    out.push_back('\n');
}

// The checkpoints of the blocks while the walk goes on: for every level of the
// current path, the entry that records its name once one is needed.
class CheckpointWriter {
public:
    // The entry of the deepest name of `path`, recording the names not yet recorded.
    std::uint32_t chainOf(std::span<const std::string_view> path) {
        for (std::size_t level = 0; level < path.size(); ++level) {
            if (entryAt_[level] != kNoEntry)
                continue;
            entryAt_[level] = static_cast<std::uint32_t>(entries_.size() / 3);
            entries_.push_back(level == 0 ? kNoEntry : entryAt_[level - 1]);
            entries_.push_back(static_cast<std::uint32_t>(names_.size()));
            entries_.push_back(static_cast<std::uint32_t>(path[level].size()));
            names_.append(path[level]);
        }
        return path.empty() ? kNoEntry : entryAt_[path.size() - 1];
    }

    // A new node at `level`: the levels below it change.
    void moved(std::size_t level) {
        entryAt_.resize(level);
        entryAt_.push_back(kNoEntry);
    }

    void append(std::string& out) const {
        append32(out, static_cast<std::uint32_t>(entries_.size() / 3));
        for (const auto v : entries_)
            append32(out, v);
        append32(out, static_cast<std::uint32_t>(names_.size()));
        out.append(names_);
    }

private:
    std::vector<std::uint32_t> entryAt_;
    std::vector<std::uint32_t> entries_; // parent, name offset, name length
    std::string names_;
};

} // namespace

std::string buildNameIndex(std::string_view bytes, const platform::FileIdentity& content,
                           std::uint32_t blockLines) {
    blockLines = std::max<std::uint32_t>(blockLines, 1);
    const bool utf8 = bytes.starts_with(kContentFileBom);
    if (utf8)
        bytes.remove_prefix(kContentFileBom.size());

    // One walk: the checkpoints, and each block's distinct runs.
    OutlineScanner lines(bytes);
    CheckpointWriter chains;
    std::string checkpoints;
    std::vector<std::uint32_t> codes;
    codes.reserve(bytes.size());
    std::vector<std::size_t> blockStarts; // where each block's runs start in `codes`
    BlockRuns distinct;
    std::string folded;
    for (;;) {
        const std::size_t node = lines.nodeCount();
        const std::size_t offset = lines.nextOffset();
        const bool blockStart = node % blockLines == 0;
        const std::uint32_t chain = blockStart ? chains.chainOf(lines.path()) : kNoEntry;
        if (!lines.next())
            break;
        if (blockStart) {
            distinct.startBlock();
            blockStarts.push_back(codes.size());
            append64(checkpoints, offset);
            append32(checkpoints, chain);
        }
        chains.moved(lines.level());
        foldBetweenLineEnds(folded, lines.name(), utf8);
        for (std::size_t i = 0; i + 3 <= folded.size(); ++i)
            distinct.add(runCode(folded.data() + i), codes);
    }
    const std::uint64_t blocks = blockStarts.size();
    const std::string error = walkError(lines, utf8);

    // The rows: about kRowsPerRun rows for each distinct run of an average block.
    const std::uint64_t wanted = blocks ? kRowsPerRun * codes.size() / blocks : 0;
    const auto rows = std::bit_ceil(
        static_cast<std::uint32_t>(std::clamp<std::uint64_t>(wanted, kMinRows, kMaxRows)));
    const std::uint64_t rowWords = (blocks + 63) / 64;
    std::vector<std::uint64_t> bits(rows * rowWords);
    for (std::uint64_t b = 0; b < blocks; ++b) {
        const std::size_t end = b + 1 < blocks ? blockStarts[b + 1] : codes.size();
        for (std::size_t i = blockStarts[b]; i < end; ++i)
            bits[rowOf(codes[i], rows) * rowWords + b / 64] |= std::uint64_t{1} << (b % 64);
    }

    std::string out(kHeaderFixed, '\0');
    std::copy(kMagic.begin(), kMagic.end(), out.begin());
    put32(out, kAtVersion, kVersion);
    put32(out, kAtFlags, utf8 ? kUtf8Flag : 0);
    put32(out, kAtBlockLines, blockLines);
    put64(out, kAtSize, content.size);
    put64(out, kAtModified, static_cast<std::uint64_t>(content.modified));
    put64(out, kAtChanged, static_cast<std::uint64_t>(content.changed));
    put64(out, kAtInode, content.inode);
    put64(out, kAtNodes, lines.nodeCount());
    put64(out, kAtBlocks, blocks);
    put32(out, kAtRows, rows);
    put32(out, kAtRowWords, static_cast<std::uint32_t>(rowWords));
    out.append(error);
    put32(out, kAtHeaderSize, static_cast<std::uint32_t>(out.size()));

    const std::size_t structureOffset = out.size();
    out.append(checkpoints);
    chains.append(out);
    const std::string_view structure = std::string_view(out).substr(structureOffset);
    put64(out, kAtStructureOffset, structureOffset);
    put64(out, kAtStructureSize, structure.size());
    put64(out, kAtStructureHash, checksum(structure));

    put64(out, kAtRowsOffset, out.size());
    out.reserve(out.size() + rows * (rowWords + 1) * 8);
    for (std::uint64_t r = 0; r < rows; ++r) {
        const std::size_t start = out.size();
        for (std::uint64_t w = 0; w < rowWords; ++w)
            append64(out, bits[r * rowWords + w]);
        append64(out, checksum(std::string_view(out).substr(start)));
    }
    put64(out, kAtHeaderHash,
          checksum(std::string_view(out).substr(kAtFlags, get32(out, kAtHeaderSize) - kAtFlags)));
    return out;
}

NameIndexReader::NameIndexReader(const std::filesystem::path& file,
                                 const platform::FileIdentity& content)
    : file_(file) {
    const auto id = file_.identity();
    if (!id)
        return; // Missing
    std::string header(kHeaderFixed, '\0');
    if (id->size < kHeaderFixed || !file_.readAt(0, header.data(), header.size()) ||
        !std::equal(kMagic.begin(), kMagic.end(), header.begin())) {
        state_ = NameIndexState::Damaged;
        return;
    }
    if (get32(header, kAtVersion) != kVersion) {
        state_ = NameIndexState::OtherVersion;
        return;
    }
    const std::size_t headerSize = get32(header, kAtHeaderSize);
    state_ = NameIndexState::Damaged;
    if (headerSize < kHeaderFixed || headerSize > kMaxHeader || headerSize > id->size)
        return;
    header.resize(headerSize);
    if (!file_.readAt(kHeaderFixed, header.data() + kHeaderFixed, headerSize - kHeaderFixed) ||
        checksum(std::string_view(header).substr(kAtFlags)) != get64(header, kAtHeaderHash))
        return;

    utf8_ = (get32(header, kAtFlags) & kUtf8Flag) != 0;
    blockLines_ = get32(header, kAtBlockLines);
    nodes_ = static_cast<std::size_t>(get64(header, kAtNodes));
    blocks_ = get64(header, kAtBlocks);
    rows_ = get32(header, kAtRows);
    rowWords_ = get32(header, kAtRowWords);
    structureOffset_ = get64(header, kAtStructureOffset);
    structureSize_ = get64(header, kAtStructureSize);
    structureHash_ = get64(header, kAtStructureHash);
    rowsOffset_ = get64(header, kAtRowsOffset);
    error_ = header.substr(kHeaderFixed);
    const bool shaped = blockLines_ > 0 && std::has_single_bit(rows_) && rows_ >= kMinRows &&
                        rows_ <= kMaxRows && blocks_ == (nodes_ + blockLines_ - 1) / blockLines_ &&
                        rowWords_ == (blocks_ + 63) / 64 && structureOffset_ == headerSize &&
                        structureSize_ >= blocks_ * kCheckpointBytes &&
                        rowsOffset_ == structureOffset_ + structureSize_ &&
                        id->size == rowsOffset_ + std::uint64_t{rows_} * (rowWords_ + 1) * 8;
    if (!shaped)
        return;

    platform::FileIdentity recorded;
    recorded.size = get64(header, kAtSize);
    recorded.modified = static_cast<std::int64_t>(get64(header, kAtModified));
    recorded.changed = static_cast<std::int64_t>(get64(header, kAtChanged));
    recorded.inode = get64(header, kAtInode);
    contentSize_ = recorded.size;
    state_ = recorded == content ? NameIndexState::Fresh : NameIndexState::Stale;
}

bool NameIndexReader::damaged() {
    state_ = NameIndexState::Damaged;
    return false;
}

bool NameIndexReader::readCandidates(const std::vector<std::uint32_t>& rows,
                                     std::vector<std::uint64_t>& candidates) {
    candidates.assign(rowWords_, ~std::uint64_t{0});
    const std::size_t rowBytes = (std::size_t{rowWords_} + 1) * 8;
    std::string row(rowBytes, '\0');
    for (const auto r : rows) {
        if (!file_.readAt(rowsOffset_ + std::uint64_t{r} * rowBytes, row.data(), rowBytes))
            return damaged();
        const std::string_view words = std::string_view(row).substr(0, rowBytes - 8);
        if (checksum(words) != get64(row, rowBytes - 8))
            return damaged();
        for (std::size_t w = 0; w < rowWords_; ++w)
            candidates[w] &= get64(row, w * 8);
    }
    if (blocks_ % 64 != 0 && !candidates.empty())
        candidates.back() &= (std::uint64_t{1} << (blocks_ % 64)) - 1;
    return true;
}

bool NameIndexReader::readStructure() {
    if (structureRead_)
        return true;
    std::string s(structureSize_, '\0');
    if (!file_.readAt(structureOffset_, s.data(), s.size()) || checksum(s) != structureHash_)
        return damaged();

    // Checked whole before it is trusted: offsets rise within the content file,
    // every name lies in the name bytes, and every parent comes before its child.
    const std::uint64_t bom = utf8_ ? kContentFileBom.size() : 0;
    checkpoints_.resize(blocks_);
    std::size_t at = 0;
    for (auto& c : checkpoints_) {
        c.offset = get64(s, at);
        c.chain = get32(s, at + 8);
        at += kCheckpointBytes;
    }
    if (s.size() - at < 4)
        return damaged();
    const std::uint64_t count = get32(s, at);
    at += 4;
    if ((s.size() - at) / kEntryBytes < count)
        return damaged();
    entries_.resize(count);
    for (auto& e : entries_) {
        e = {get32(s, at), get32(s, at + 4), get32(s, at + 8)};
        at += kEntryBytes;
    }
    if (s.size() - at < 4 || s.size() - at - 4 != get32(s, at))
        return damaged();
    names_ = s.substr(at + 4);

    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const auto& e = entries_[i];
        if ((e.parent != kNoEntry && e.parent >= i) ||
            std::uint64_t{e.nameOffset} + e.nameLength > names_.size())
            return damaged();
    }
    std::uint64_t previous = 0;
    for (std::size_t b = 0; b < checkpoints_.size(); ++b) {
        const auto& c = checkpoints_[b];
        if (c.offset < previous || c.offset + bom > contentSize_ ||
            (c.chain != kNoEntry && c.chain >= entries_.size()) ||
            (b == 0) != (c.chain == kNoEntry))
            return damaged();
        previous = c.offset;
    }
    structureRead_ = true;
    return true;
}

std::optional<std::vector<SearchRow>> NameIndexReader::search(const platform::ReadOnlyFile& content,
                                                              const FileNameTest& test,
                                                              std::string_view archive) {
    if (state_ != NameIndexState::Fresh || !test.foldedText() || test.utf8() != utf8_)
        return std::nullopt;
    std::string folded = *test.foldedText();
    if (test.wholeName())
        folded = '\n' + folded + '\n';
    else if (folded.size() < 3)
        return std::nullopt;
    std::vector<std::uint32_t> codes;
    appendRuns(folded, codes);
    std::vector<std::uint32_t> rows;
    for (const auto code : codes)
        rows.push_back(rowOf(code, rows_));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    std::vector<std::uint64_t> candidates;
    if (!readCandidates(rows, candidates))
        return std::nullopt;
    std::vector<SearchRow> found;
    const auto isCandidate = [&](std::uint64_t b) {
        return b < blocks_ && (candidates[b / 64] >> (b % 64) & 1) != 0;
    };
    const std::uint64_t bom = utf8_ ? kContentFileBom.size() : 0;
    std::string bytes;
    std::vector<std::string_view> path;
    for (std::uint64_t b = 0; b < blocks_; ++b) {
        if (!isCandidate(b))
            continue;
        if (!readStructure())
            return std::nullopt;
        // A run of candidate blocks is read in one piece.
        std::uint64_t end = b + 1;
        while (isCandidate(end))
            ++end;
        const std::uint64_t from = checkpoints_[b].offset;
        const std::uint64_t to = end < blocks_ ? checkpoints_[end].offset : contentSize_ - bom;
        bytes.resize(to - from);
        if (!content.readAt(bom + from, bytes.data(), bytes.size()))
            return std::nullopt;

        path.clear();
        for (auto e = checkpoints_[b].chain; e != kNoEntry; e = entries_[e].parent)
            path.push_back(
                std::string_view(names_).substr(entries_[e].nameOffset, entries_[e].nameLength));
        std::reverse(path.begin(), path.end());
        OutlineScanner lines(bytes);
        const std::uint64_t first = b * blockLines_;
        lines.resume(0, first, path);
        scanNames(lines, test, archive, std::min<std::uint64_t>(nodes_, end * blockLines_) - first,
                  found);
        b = end;
    }
    return found;
}

} // namespace kartavel::capture
