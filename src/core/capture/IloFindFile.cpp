#include "IloFindFile.h"

#include "PathOrder.h"
#include "platform/DirectoryEnum.h"
#include "platform/FileSystem.h"
#include "platform/PathForm.h"
#include "store/SerialDate.h"

#include <algorithm>
#include <fstream>

namespace kartavel::capture {

namespace {

namespace attr = platform::attr;

void lowerAscii(char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] >= 'A' && p[i] <= 'Z')
            p[i] = static_cast<char>(p[i] + 32);
    }
}

// The content filter: does the file hold the text within one of its lines, both
// lower-cased in the ASCII letters? The file is read in pieces, so a large file
// never sits in memory whole.
class ContentFilter {
public:
    explicit ContentFilter(std::string_view text) : needle_(text) {
        lowerAscii(needle_.data(), needle_.size());
    }

    bool foundIn(const std::string& file) const {
        // A line never holds a line end, so such a text cannot be found.
        if (needle_.find_first_of("\r\n") != std::string::npos)
            return false;
        std::ifstream in(platform::pathFromUtf8(file), std::ios::binary);
        if (!in)
            return false;
        constexpr std::size_t kPiece = 1 << 16;
        std::string window;
        window.reserve(kPiece + needle_.size());
        std::size_t carried = 0; // bytes kept from the piece before, for a text that spans two
        for (;;) {
            window.resize(carried + kPiece);
            in.read(window.data() + carried, kPiece);
            const auto got = static_cast<std::size_t>(in.gcount());
            if (got == 0)
                return false;
            window.resize(carried + got);
            lowerAscii(window.data() + carried, got);
            if (window.find(needle_) != std::string::npos)
                return true;
            carried = std::min(window.size(), needle_.size() - 1);
            window.erase(0, window.size() - carried);
        }
    }

private:
    std::string needle_;
};

// One scan's walk over the folder tree.
class Walker {
public:
    Walker(const TIloFindFile& f, std::vector<std::string>& out, Progress& progress, bool filesMode,
           bool namesOnly, bool sortInWalk)
        : f_(f), out_(out), progress_(progress), filesMode_(filesMode), namesOnly_(namesOnly),
          sortInWalk_(sortInWalk), details_(filesMode && f.Details), mask_(f.AttributeMask()),
          content_(f.FileContents) {
        // The folder walk admits folders only; the file walk admits what M holds.
        admitted_ = filesMode ? mask_ : attr::Directory;
        if (filesMode) {
            if (f.FileSize != 0)
                wanted_ |= platform::want::Size;
            if (f.FileDate > 0)
                wanted_ |= platform::want::LastWrite;
            if (!(mask_ & attr::ReadOnly))
                wanted_ |= platform::want::ReadOnly;
        }
        // A file walk enters sub-folders only with SubFiles; a folder walk lists
        // them always and enters them with SubFiles.
        collectFolders_ = !filesMode || f.SubFiles;
        // The facts come with the entries: one status call per file on POSIX, made
        // by name in the folder just read, which measured faster than handing the
        // calls to a second thread (the two threads slowed each other's calls down).
        if (details_)
            wanted_ |= platform::want::Size | platform::want::LastWrite | platform::want::ReadOnly;
    }

    // The facts of every listed file, in the list's order, once the walk is over.
    std::vector<FileFacts> details() { return std::move(listed_); }

    std::size_t folders() const { return folders_ > 0 ? folders_ - 1 : 0; }

    void walk(const std::string& folder) {
        if (progress_.step(++folders_)) {
            stopped = true;
            return;
        }
        std::vector<Item> items;
        platform::enumerateDirectory(folder, admitted_, wanted_, [&](const auto& e) {
            if (stopped)
                return;
            if (e.attributes & attr::Directory) {
                // Dot folders are never entered: not only "." and "..".
                if (collectFolders_ && e.name.front() != '.')
                    items.push_back({std::string(e.name), true});
            } else if (filesMode_ && keeps(e, folder)) {
                items.push_back({std::string(e.name), false, details_ ? factsOf(e) : FileFacts{}});
            }
        });
        if (stopped)
            return;
        arrange(items);
        for (auto& item : items) {
            std::string path;
            if (!namesOnly_ || item.folder) {
                path.reserve(folder.size() + 1 + item.name.size());
                path = folder;
                platform::appendName(path, item.name, platform::kNativeSeparator);
            }
            if (!item.folder) {
                if (details_)
                    listed_.push_back(item.facts);
                out_.push_back(namesOnly_ ? std::move(item.name) : std::move(path));
                continue;
            }
            if (!filesMode_)
                out_.push_back(namesOnly_ ? item.name : path);
            if (f_.SubFiles)
                walk(path);
            if (stopped)
                return;
        }
    }

    bool stopped = false;

private:
    struct Item {
        std::string name;
        bool folder;
        FileFacts facts{};
    };

    static FileFacts factsOf(const platform::DirectoryEntry& e) {
        return {e.size, e.lastWrite, factBits(e.attributes)};
    }

    // The stored attributes: the word's read-only, hidden and system bits, and its
    // archive bit where the system has one (on POSIX that bit marks a regular file).
    static std::uint8_t factBits(std::uint32_t word) {
        std::uint8_t bits = facts::Known;
        if (word & attr::ReadOnly)
            bits |= facts::ReadOnly;
        if (word & attr::Hidden)
            bits |= facts::Hidden;
        if (word & attr::System)
            bits |= facts::System;
#ifdef _WIN32
        if (word & attr::Archive)
            bits |= facts::Archive;
#endif
        return bits;
    }

    // Sorting each folder's entries before descending gives exactly the name by
    // name order of the whole list (PathOrder.h), at the cost of one collation
    // key per entry. Unsorted, a folder's files come before its sub-folders.
    void arrange(std::vector<Item>& items) const {
        if (sortInWalk_) {
            std::vector<std::string_view> names;
            names.reserve(items.size());
            for (const auto& i : items)
                names.push_back(i.name);
            applyOrder(items, collatedOrder(names, text::Collation::user()));
        } else {
            std::stable_partition(items.begin(), items.end(),
                                  [](const Item& i) { return !i.folder; });
        }
    }

    bool keeps(const platform::DirectoryEntry& e, const std::string& folder) {
        if (!TIloFindFile::Qualifies(e.attributes, mask_) ||
            !platform::matchesFileMask(e.name, f_.FileName))
            return false;
        if (f_.FileSize != 0 && !compare(static_cast<double>(e.size) / 1024.0, f_.FileSize))
            return false;
        if (f_.FileDate > 0 && !compare(TIloFindFile::FileDateTime(e.lastWrite), f_.FileDate))
            return false;
        if (f_.FileContents.empty())
            return true;
        if (progress_.step(folders_)) {
            stopped = true;
            return false;
        }
        // Only a regular file has an end: a pipe or a device is never read.
        if (!e.regularFile)
            return false;
        std::string path = folder;
        platform::appendName(path, e.name, platform::kNativeSeparator);
        return content_.foundIn(path);
    }

    // fsMax keeps values of at least the filter's, fsMin of at most, fsEqual equal.
    bool compare(double value, double filter) const {
        switch (f_.FileState) {
        case fsMax:
            return !(filter > value);
        case fsMin:
            return !(filter < value);
        case fsEqual:
            return value == filter;
        }
        return false;
    }

    const TIloFindFile& f_;
    std::vector<std::string>& out_;
    Progress& progress_;
    bool filesMode_, namesOnly_, sortInWalk_, details_;
    std::vector<FileFacts> listed_; // the listed files' facts, in list order
    std::uint32_t mask_;
    std::uint32_t admitted_ = 0;
    unsigned wanted_ = platform::want::Nothing;
    bool collectFolders_ = false;
    ContentFilter content_;
    std::size_t folders_ = 0;
};

} // namespace

std::uint32_t TIloFindFile::AttributeMask() const {
    if (FileOptions.contains(foAnyFile))
        return 63;
    constexpr std::pair<TFileOp, std::uint32_t> kBits[] = {
        {foReadOnly, attr::ReadOnly}, {foHidden, attr::Hidden},   {foSysFile, attr::System},
        {foVolumeID, attr::VolumeId}, {foArchive, attr::Archive}, {foDirectory, attr::Directory},
    };
    std::uint32_t m = 0;
    for (auto [op, bit] : kBits) {
        if (FileOptions.contains(op))
            m |= bit;
    }
    return m;
}

bool TIloFindFile::Qualifies(std::uint32_t attributes, std::uint32_t mask) {
    return !(attributes & attr::Directory) && (attributes & ~mask) == 0;
}

double TIloFindFile::EncodeDateTime(int year, int month, int day, int hour, int minute,
                                    int second) {
    const double day0 = store::serialFromCivil({year, month, day});
    const double ms = hour * 3600000.0 + minute * 60000.0 + second * 1000.0;
    return day0 + ms / 86400000.0;
}

double TIloFindFile::FileDateTime(std::int64_t secondsSinceEpoch) {
    const auto t = platform::localDateTime(secondsSinceEpoch);
    return EncodeDateTime(t.year, t.month, t.day, t.hour, t.minute, t.second & ~1);
}

TIloFindFile TIloFindFile::IloFindFile1() {
    TIloFindFile f;
    f.FileOptions = {foReadOnly, foHidden, foSysFile, foVolumeID, foArchive, foDirectory};
    f.SubFiles = true;
    return f;
}

std::string TIloFindFile::GetTanim() const {
    return "IloFindFile " + About() +
           ": Bir klasör ağacında süzgeçlere uyan dosyaları ya da alt klasörleri listeler.";
}

void TIloFindFile::ScanFiles(bool NamesOnly, bool SortList, Progress& progress) {
    scan(true, NamesOnly, SortList, progress);
}

void TIloFindFile::ScanDirectories(bool NamesOnly, bool SortList, Progress& progress) {
    scan(false, NamesOnly, SortList, progress);
}

void TIloFindFile::scan(bool filesMode, bool NamesOnly, bool SortList, Progress& progress) {
    FileList.clear();
    FileDetails.clear();
    stopped_ = false;
    foldersWalked_ = 0;
    if (!platform::directoryExists(platform::pathFromUtf8(CurDirectory)))
        return;
    Walker walker(*this, FileList, progress, filesMode, NamesOnly, SortList && !NamesOnly);
    walker.walk(CurDirectory);
    stopped_ = walker.stopped;
    foldersWalked_ = walker.folders();
    if (filesMode && Details)
        FileDetails = walker.details();
    if (SortList && NamesOnly) {
        const auto order =
            collatedOrder({FileList.begin(), FileList.end()}, text::Collation::user());
        applyOrder(FileList, order);
        if (!FileDetails.empty())
            applyOrder(FileDetails, order);
    }
}

} // namespace kartavel::capture
