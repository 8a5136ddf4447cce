#pragma once

#include "capture/ArchiveDetails.h"
#include "store/RecordTable.h"

#include <string>
#include <string_view>
#include <vector>

// What the "Arşiv Bilgileri" window shows of an archive: its register record, the
// facts of its scan and of its medium, and its largest files.
namespace kartavel::reg {

struct InfoLine {
    std::string label; // "Arşiv Adı", "Taranan Klasör", ...
    std::string value; // empty when it is not known
};

struct LargeFile {
    std::uint64_t bytes = 0;
    std::string path;
};

struct ArchiveInformation {
    std::vector<InfoLine> record;   // the register's fields
    std::vector<InfoLine> scan;     // the scan's and the medium's facts
    std::vector<LargeFile> largest; // the ten largest files, largest first
    bool details = false;           // false: "Ayrıntı bilgisi yok"
};

// The information of the archive called `archiveName`: its record from the register
// (the first whose name equals it; none when there is none), and what its loaded
// content and details files tell. Sizes read as the windows show them ("1,5 MB (1.572.864
// bayt)"), times in local time.
// `KayitOrj_T` may be null: the record's fields then stay empty but the name.
ArchiveInformation archiveInformation(const store::RecordTable* KayitOrj_T,
                                      std::string_view archiveName,
                                      const capture::ArchiveTree& tree,
                                      const capture::ArchiveDetails* details);

} // namespace kartavel::reg
