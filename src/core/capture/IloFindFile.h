#pragma once

#include "Progress.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kartavel::capture {

// The attribute classes a file may carry, each standing for one attribute bit;
// foAnyFile stands for all six.
enum TFileOp { foReadOnly, foHidden, foSysFile, foVolumeID, foArchive, foDirectory, foAnyFile };

// A set of TFileOp.
class TFileOpt {
public:
    TFileOpt() = default;
    TFileOpt(std::initializer_list<TFileOp> ops) {
        for (auto op : ops)
            include(op);
    }
    bool contains(TFileOp op) const { return (bits_ >> op) & 1u; }
    void include(TFileOp op) { bits_ |= static_cast<std::uint8_t>(1u << op); }
    void exclude(TFileOp op) { bits_ &= static_cast<std::uint8_t>(~(1u << op)); }
    friend bool operator==(TFileOpt, TFileOpt) = default;

private:
    std::uint8_t bits_ = 0;
};

// What the scan keeps of a listed file beside its path: its size, last-write time
// and attributes (FileFacts::attributes holds the bits below).
namespace facts {
inline constexpr std::uint8_t ReadOnly = 1;
inline constexpr std::uint8_t Hidden = 2;
inline constexpr std::uint8_t System = 4;
inline constexpr std::uint8_t Archive = 8;
inline constexpr std::uint8_t Folder = 0x40; // a loaded folder: its size is the sum below it
inline constexpr std::uint8_t Known = 0x80;  // the rest holds; without it the file was gone
} // namespace facts

struct FileFacts {
    std::uint64_t size = 0;
    std::int64_t lastWrite = 0; // seconds since 1970-01-01 UTC
    std::uint8_t attributes = 0;
    friend bool operator==(const FileFacts&, const FileFacts&) = default;
};

// How FileSize and FileDate are compared.
enum TFileSt { fsMax, fsMin, fsEqual };

// Walks a folder tree and collects, into FileList, either every file below a
// folder that passes the filters on attributes, size, date and content, or every
// folder below it.
class TIloFindFile {
public:
    // Published properties, with their values after construction.
    std::string CurDirectory = "C:"; // where a scan starts
    std::string FileName = "*.*";    // the mask file entries must match
    TFileOpt FileOptions{foAnyFile}; // the attribute classes a file may carry
    std::int32_t FileSize = 0;       // kilobytes; 0: no size filter
    std::string FileContents;        // text a file must contain; empty: no content filter
    TFileSt FileState = fsMax;       // how FileSize and FileDate compare
    double FileDate = 0;             // a date-time value; 0 or less: no date filter
    bool SubFiles = false;           // descend into sub-folders
    std::string About() const { return "s1.04"; }
    void setAbout(std::string_view) {} // the version text cannot be changed

    // The result of the latest scan: full paths, or bare names with NamesOnly.
    std::vector<std::string> FileList;

    // With Details, ScanFiles also keeps each listed file's facts, FileDetails[i]
    // for FileList[i], found in the same walk.
    bool Details = false;
    std::vector<FileFacts> FileDetails;
    // The folders the latest scan entered below CurDirectory.
    std::size_t FoldersWalked() const { return foldersWalked_; }

    // Every qualifying file below CurDirectory. A folder's own files come in the
    // file system's order before the results of its sub-folders, each walked
    // completely before the next; with SortList the list is in the sorted order
    // of PathOrder.h. `progress` is told at every folder (and before each file
    // read for the content filter); a stop request ends the walk there.
    void ScanFiles(bool NamesOnly, bool SortList, Progress& progress = noProgress());

    // Every folder below CurDirectory, each listed before its contents.
    void ScanDirectories(bool NamesOnly, bool SortList, Progress& progress = noProgress());

    std::string GetTanim() const;

    // True when the latest scan ended on a stop request.
    bool Stopped() const { return stopped_; }

    // The attribute mask M made from FileOptions.
    std::uint32_t AttributeMask() const;

    // A file entry qualifies when every bit of its attribute word is in the mask.
    static bool Qualifies(std::uint32_t attributes, std::uint32_t mask);

    // A file's last-write time as the date filter compares it: local time,
    // truncated to the two seconds of the packed file date-time.
    static double FileDateTime(std::int64_t secondsSinceEpoch);

    // The date-time value of a moment (whole days since 30 December 1899 plus the
    // fraction of the day), the form FileDate takes.
    static double EncodeDateTime(int year, int month, int day, int hour, int minute, int second);

    // The new-archive window's scanner: every attribute class but foAnyFile
    // (mask 63), sub-folders, no size, date or content filter.
    static TIloFindFile IloFindFile1();

private:
    void scan(bool filesMode, bool NamesOnly, bool SortList, Progress& progress);

    bool stopped_ = false;
    std::size_t foldersWalked_ = 0;
};

} // namespace kartavel::capture
