#include "NameIndexCache.h"

#include "ArchiveName.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "store/RecordTable.h"

#include <system_error>

namespace kartavel::capture {

std::optional<std::string_view>
ReadBuffer::read(const platform::ReadOnlyFile& file, std::uint64_t size,
                 const std::function<void(std::string_view read)>& arrived) {
    if (capacity_ < size) {
        // Grown by a quarter more than asked, and never filled or copied: the
        // read overwrites it.
        capacity_ = size + size / 4;
        bytes_ = std::make_unique_for_overwrite<char[]>(capacity_);
    }
    // Pieces small enough to stay in the processor's cache until they are walked.
    constexpr std::uint64_t kPiece = 128 * 1024;
    std::uint64_t done = 0;
    do { // an empty file arrives too
        const std::uint64_t piece = arrived ? std::min(kPiece, size - done) : size;
        if (!file.readAt(done, bytes_.get() + done, piece))
            return std::nullopt;
        done += piece;
        if (arrived)
            arrived(std::string_view(bytes_.get(), done));
    } while (done < size);
    return std::string_view(bytes_.get(), size);
}

namespace {

// Writes the index of the content file's bytes, unless the file changed while it
// was read. False when nothing was written.
bool writeIndex(const std::filesystem::path& indexFile, const platform::ReadOnlyFile& content,
                const platform::FileIdentity& id, std::string_view bytes, const NameIndexUse& use) {
    const std::string index = buildNameIndex(bytes, id, use.blockLines);
    if (content.identity() != id)
        return false;
    std::error_code ec;
    std::filesystem::create_directory(indexFile.parent_path(), ec);
    try {
        // A cache: checked at every use, so it needs no flush to the disk.
        platform::replaceFileAtomically(indexFile, index, false);
        return true;
    } catch (const platform::WriteError&) {
        return false;
    }
}

bool needsIndex(const platform::FileIdentity& id, const NameIndexUse& use) {
    return use.enabled && id.size >= use.minContentBytes;
}

} // namespace

std::optional<std::filesystem::path> nameIndexPath(std::string_view archiveName) {
    if (!isArchiveName(archiveName))
        return std::nullopt;
    return platform::DataFolder() / kNameIndexFolder /
           platform::pathFromUtf8(std::string(archiveName) + std::string(kNameIndexExtension));
}

ContentFileSearch::ContentFileSearch(std::string_view text, bool wholeName, bool caseSensitive,
                                     const NameIndexUse& use)
    : text_(text), wholeName_(wholeName), caseSensitive_(caseSensitive), use_(use) {}

const FileNameTest& ContentFileSearch::test(bool utf8) {
    auto& test = tests_[utf8 ? 1 : 0];
    if (!test)
        test.emplace(text_, wholeName_, caseSensitive_, utf8);
    return *test;
}

ArchiveHits ContentFileSearch::search(const std::filesystem::path& file, std::string_view archive) {
    ArchiveHits hits;
    const platform::ReadOnlyFile content(file);
    const auto id = content.identity();
    const auto indexFile = id && needsIndex(*id, use_) ? nameIndexPath(archive) : std::nullopt;
    bool refresh = false;
    if (indexFile) {
        NameIndexReader index(*indexFile, *id);
        if (index.state() == NameIndexState::Fresh) {
            if (auto rows = index.search(content, test(index.utf8()), archive)) {
                hits.nodes = index.nodes();
                hits.error = index.error();
                hits.rows = std::move(*rows);
                return hits;
            }
        }
        refresh = index.state() != NameIndexState::Fresh;
    }
    const auto bytes = id ? buffer_.read(content, id->size) : std::nullopt;
    if (!bytes) {
        hits.error = platform::ReadError(file, content.status()).what();
        return hits;
    }
    hits = scanContentFile(
        *bytes, [this](bool utf8) -> const FileNameTest& { return test(utf8); }, archive);
    if (refresh && writeIndex(*indexFile, content, *id, *bytes, use_))
        wroteIndex_ = true;
    return hits;
}

namespace {

// The index files of the data folder whose content file is gone, or too small to
// be given an index.
std::vector<std::filesystem::path> orphanIndexes(const NameIndexUse& use) {
    std::vector<std::filesystem::path> orphans;
    std::error_code ec;
    const auto folder = platform::DataFolder() / kNameIndexFolder;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = platform::utf8FromPath(it->path().filename());
        if (!it->is_regular_file(ec) || !name.ends_with(kNameIndexExtension))
            continue;
        const auto archive =
            std::string_view(name).substr(0, name.size() - kNameIndexExtension.size());
        const auto file = existingContentFile(archive);
        const platform::ReadOnlyFile content(file ? *file : std::filesystem::path());
        const auto id = content.identity();
        if (!id || !needsIndex(*id, use))
            orphans.push_back(it->path());
    }
    return orphans;
}

} // namespace

std::size_t removeOrphanNameIndexes(const NameIndexUse& use) {
    std::size_t removed = 0;
    for (const auto& orphan : orphanIndexes(use))
        removed += platform::removeFile(orphan) ? 1u : 0u;
    return removed;
}

NameIndexReport refreshNameIndexes(const store::RecordTable& KayitOrj_T, bool checkOnly,
                                   const NameIndexUse& use) {
    NameIndexReport report;
    ReadBuffer buffer;
    const int fName = KayitOrj_T.requireField(store::columns::ARSIV_ADI);
    for (const auto& record : KayitOrj_T.records()) {
        NameIndexEntry entry;
        const auto* name = std::get_if<std::string>(&record.cells[static_cast<std::size_t>(fName)]);
        entry.archive = name ? *name : std::string();
        const auto file = existingContentFile(entry.archive);
        const platform::ReadOnlyFile content(file ? *file : std::filesystem::path());
        const auto id = content.identity();
        const auto indexFile = nameIndexPath(entry.archive);
        entry.contentFile = id.has_value() && indexFile.has_value();
        entry.small = entry.contentFile && !needsIndex(*id, use);
        if (entry.contentFile && !entry.small) {
            entry.before = NameIndexReader(*indexFile, *id).state();
            if (!checkOnly && entry.before != NameIndexState::Fresh) {
                const auto bytes = buffer.read(content, id->size);
                entry.written = bytes && writeIndex(*indexFile, content, *id, *bytes, use);
                entry.writeFailed = !entry.written;
            }
        }
        report.archives.push_back(std::move(entry));
    }
    report.orphans = orphanIndexes(use).size();
    if (!checkOnly)
        report.orphansRemoved = removeOrphanNameIndexes(use);
    return report;
}

} // namespace kartavel::capture
