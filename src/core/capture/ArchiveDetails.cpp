#include "ArchiveDetails.h"

#include "ArchiveName.h"
#include "platform/DataFolder.h"
#include "platform/DirectoryEnum.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace kartavel::capture {

namespace {

// The header: magic, version, header size, the content file's fingerprint, the
// node count, the facts block's size, the hash of all after the header, and the
// hash of the header before it.
constexpr std::string_view kMagic = "KVDETAY\x1A";
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 64;
constexpr std::size_t kHeaderHashed = 56;

// The keys of the facts block.
enum Key : std::uint8_t {
    kRoot = 1,
    kScanned = 2,
    kFiles = 3,
    kFolders = 4,
    kBytes = 5,
    kLabel = 6,
    kSerial = 7,
    kFileSystem = 8,
    kTotal = 9,
    kFree = 10,
};

// Seconds fit in the 56 bits above the attributes: millions of years either way.
constexpr std::int64_t kMaxSeconds = (std::int64_t{1} << 55) - 1;
constexpr std::int64_t kMinSeconds = -(std::int64_t{1} << 55);

std::uint64_t hashOf(std::string_view bytes) {
    return XXH3_64bits(bytes.data(), bytes.size());
}

void putU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void putU64(std::string& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t getU64(const char* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

std::uint32_t getU32(const char* p) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

void putText(std::string& out, Key key, std::string_view text) {
    if (text.empty())
        return;
    out.push_back(static_cast<char>(key));
    putU32(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
}

void putNumber(std::string& out, Key key, std::optional<std::uint64_t> v) {
    if (!v)
        return;
    out.push_back(static_cast<char>(key));
    putU32(out, 8);
    putU64(out, *v);
}

std::string factsBlock(const ArchiveFacts& f) {
    std::string out;
    putText(out, kRoot, f.root);
    if (f.scanned)
        putNumber(out, kScanned, static_cast<std::uint64_t>(*f.scanned));
    putNumber(out, kFiles, f.files);
    putNumber(out, kFolders, f.folders);
    putNumber(out, kBytes, f.bytes);
    putText(out, kLabel, f.label);
    putText(out, kSerial, f.serial);
    putText(out, kFileSystem, f.fileSystem);
    putNumber(out, kTotal, f.totalBytes);
    putNumber(out, kFree, f.freeBytes);
    return out;
}

// The facts block read back; false when its records do not fill it exactly. A key
// this version does not know is passed over.
bool readFacts(std::string_view block, ArchiveFacts& f) {
    std::size_t at = 0;
    while (at < block.size()) {
        if (block.size() - at < 5)
            return false;
        const auto key = static_cast<std::uint8_t>(block[at]);
        const std::uint32_t length = getU32(block.data() + at + 1);
        at += 5;
        if (length > block.size() - at)
            return false;
        const std::string_view value = block.substr(at, length);
        at += length;
        const bool number =
            key == kScanned || (key >= kFiles && key <= kBytes) || key == kTotal || key == kFree;
        if (number && length != 8)
            return false;
        const std::uint64_t n = number ? getU64(value.data()) : 0;
        switch (key) {
        case kRoot:
            f.root = value;
            break;
        case kScanned:
            f.scanned = static_cast<std::int64_t>(n);
            break;
        case kFiles:
            f.files = n;
            break;
        case kFolders:
            f.folders = n;
            break;
        case kBytes:
            f.bytes = n;
            break;
        case kLabel:
            f.label = value;
            break;
        case kSerial:
            f.serial = value;
            break;
        case kFileSystem:
            f.fileSystem = value;
            break;
        case kTotal:
            f.totalBytes = n;
            break;
        case kFree:
            f.freeBytes = n;
            break;
        default:
            break;
        }
    }
    return true;
}

std::uint64_t stampOf(const FileFacts& f) {
    const std::int64_t seconds = std::clamp(f.lastWrite, kMinSeconds, kMaxSeconds);
    return (static_cast<std::uint64_t>(seconds) << 8) | f.attributes;
}

} // namespace

std::optional<std::filesystem::path> detailsFilePath(std::string_view archiveName) {
    if (!isArchiveName(archiveName))
        return std::nullopt;
    return platform::dataFile(std::string(archiveName) + std::string(kDetailsFileExtension));
}

std::filesystem::path detailsFileBeside(const std::filesystem::path& contentFile) {
    auto p = contentFile;
    p.replace_extension(platform::pathFromUtf8(kDetailsFileExtension));
    return p;
}

ContentFingerprint fingerprintOf(std::string_view contentBytes) {
    return {contentBytes.size(), hashOf(contentBytes)};
}

std::string detailsFileBytes(const ContentFingerprint& content, const ArchiveFacts& facts,
                             const std::vector<FileFacts>& files,
                             const std::vector<std::uint32_t>& fileOfNode) {
    const std::string block = factsBlock(facts);
    std::string out;
    out.reserve(kHeaderSize + block.size() + fileOfNode.size() * ArchiveDetails::kBytesPerNode);
    out.resize(kHeaderSize);
    out += block;
    for (const std::uint32_t file : fileOfNode) {
        if (file == kNoFile || file >= files.size()) {
            putU64(out, 0);
            putU64(out, 0);
        } else {
            putU64(out, files[file].size);
            putU64(out, stampOf(files[file]));
        }
    }
    std::string header;
    header += kMagic;
    putU32(header, kVersion);
    putU32(header, static_cast<std::uint32_t>(kHeaderSize));
    putU64(header, content.size);
    putU64(header, content.hash);
    putU64(header, fileOfNode.size());
    putU64(header, block.size());
    putU64(header, hashOf(std::string_view(out).substr(kHeaderSize)));
    putU64(header, hashOf(header));
    std::copy(header.begin(), header.end(), out.begin());
    return out;
}

std::string resealedDetailsFile(std::string bytes, const ContentFingerprint& content) {
    if (bytes.size() < kHeaderSize)
        return bytes;
    const auto put = [&bytes](std::size_t at, std::uint64_t v) {
        std::string le;
        putU64(le, v);
        std::copy(le.begin(), le.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    };
    put(16, content.size);
    put(24, content.hash);
    put(48, hashOf(std::string_view(bytes).substr(kHeaderSize)));
    put(kHeaderHashed, hashOf(std::string_view(bytes).substr(0, kHeaderHashed)));
    return bytes;
}

std::optional<ArchiveDetails>
parseDetailsFile(std::string_view bytes, std::string_view contentBytes, const ArchiveTree& tree) {
    if (bytes.size() < kHeaderSize || bytes.substr(0, kMagic.size()) != kMagic)
        return std::nullopt;
    const char* h = bytes.data();
    if (getU64(h + kHeaderHashed) != hashOf(bytes.substr(0, kHeaderHashed)))
        return std::nullopt;
    if (getU32(h + 8) != kVersion || getU32(h + 12) != kHeaderSize)
        return std::nullopt;
    const std::uint64_t nodes = getU64(h + 32), blockSize = getU64(h + 40);
    const std::uint64_t rest = bytes.size() - kHeaderSize;
    if (nodes != tree.size() || blockSize > rest ||
        (rest - blockSize) / ArchiveDetails::kBytesPerNode != nodes ||
        (rest - blockSize) % ArchiveDetails::kBytesPerNode != 0)
        return std::nullopt;
    if (getU64(h + 48) != hashOf(bytes.substr(kHeaderSize)))
        return std::nullopt;
    if (ContentFingerprint{getU64(h + 16), getU64(h + 24)} != fingerprintOf(contentBytes))
        return std::nullopt;

    ArchiveDetails d;
    if (!readFacts(bytes.substr(kHeaderSize, blockSize), d.facts_))
        return std::nullopt;
    d.entries_.resize(nodes);
    const char* p = bytes.data() + kHeaderSize + blockSize;
    if constexpr (std::endian::native == std::endian::little) {
        if (nodes > 0)
            std::memcpy(d.entries_.data(), p, nodes * ArchiveDetails::kBytesPerNode);
    } else {
        for (std::size_t i = 0; i < nodes; ++i, p += ArchiveDetails::kBytesPerNode)
            d.entries_[i] = {getU64(p), getU64(p + 8)};
    }
    // A folder's size is what lies below it: its descendants come after it, so one
    // pass from the end adds each node into its parent once the node is whole.
    for (std::size_t i = 0; i < nodes; ++i) {
        if (tree.hasChildren(i))
            d.entries_[i] = {0, facts::Folder};
        else
            d.entries_[i].stamp &= ~std::uint64_t{facts::Folder}; // never a file's
    }
    for (std::size_t i = nodes; i-- > 0;) {
        if (const auto parent = tree.parent(i); parent != ArchiveTree::kNone)
            d.entries_[static_cast<std::size_t>(parent)].size += d.entries_[i].size;
    }
    return d;
}

ArchiveLoad loadArchive(const std::filesystem::path& contentFile, Progress& progress) {
    ArchiveLoad result;
    std::string content;
    const auto status = platform::readRegularFile(contentFile, content);
    if (status != platform::ReadStatus::Read) {
        result.load.error = platform::ReadError(contentFile, status).what();
        return result;
    }
    result.load = parseContentFile(content, progress);
    if (!result.load.ok())
        return result;
    std::string details;
    if (platform::readRegularFile(detailsFileBeside(contentFile), details) ==
        platform::ReadStatus::Read)
        result.details = parseDetailsFile(details, content, result.load.tree);
    return result;
}

ArchiveSummary summarizeArchive(const ArchiveTree& tree, const ArchiveDetails* details,
                                std::size_t largestCount) {
    ArchiveSummary s;
    std::vector<std::size_t> files;
    for (std::size_t n = 1; n < tree.size(); ++n) {
        if (tree.hasChildren(n))
            ++s.folders;
        else
            files.push_back(n);
    }
    s.files = files.size();
    if (!details)
        return s;
    const ArchiveFacts& f = details->facts();
    s.files = f.files.value_or(s.files);
    s.folders = f.folders.value_or(s.folders);
    s.bytes =
        f.bytes ? f.bytes : std::optional<std::uint64_t>(tree.empty() ? 0 : details->bytes(0));
    // Largest first; of equal sizes the one higher in the tree.
    const auto larger = [details](std::size_t a, std::size_t b) {
        return details->bytes(a) != details->bytes(b) ? details->bytes(a) > details->bytes(b)
                                                      : a < b;
    };
    const std::size_t keep = std::min(largestCount, files.size());
    std::partial_sort(files.begin(), files.begin() + static_cast<std::ptrdiff_t>(keep), files.end(),
                      larger);
    files.resize(keep);
    s.largest = std::move(files);
    return s;
}

std::string listingText(const ArchiveTree& tree, const ArchiveDetails* details,
                        const std::vector<std::size_t>& nodes) {
    std::size_t files = 0, folders = 0;
    std::uint64_t bytes = 0;
    for (const std::size_t n : nodes) {
        if (n == 0 || tree.hasChildren(n))
            ++folders;
        else
            ++files;
        if (details && n < details->size())
            bytes += details->bytes(n);
    }
    std::string text = std::to_string(files) + " dosya, " + std::to_string(folders) + " klasör";
    return text + (details ? ", " + sizeText(bytes) : " - " + std::string(kNoDetails));
}

std::string sizeText(std::uint64_t bytes) {
    if (bytes < 1024)
        return std::to_string(bytes) + " bayt";
    static constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes) / 1024.0;
    std::size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < std::size(kUnits)) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    if (value < 99.95) {
        std::snprintf(text, sizeof text, "%.1f", value);
        for (char& c : text)
            if (c == '.')
                c = ',';
    } else {
        std::snprintf(text, sizeof text, "%.0f", value);
    }
    return std::string(text) + " " + kUnits[unit];
}

std::string groupedBytes(std::uint64_t bytes) {
    const std::string digits = std::to_string(bytes);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back('.');
        out.push_back(digits[i]);
    }
    return out;
}

std::string localTimeText(std::int64_t secondsSinceEpoch) {
    const auto t = platform::localDateTime(secondsSinceEpoch);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string typeText(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size())
        return {};
    std::string ext(name.substr(dot + 1));
    for (char& c : ext)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return ext;
}

} // namespace kartavel::capture
