#pragma once

#include "capture/Progress.h"
#include "store/Catalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Registering a new archive: the new-archive window's checks, its scan and content
// file, and the record it appends to the register. The program's window and the
// CLI both call these.
namespace kartavel::reg {

// The new-archive window's fields.
struct NewArchiveInput {
    std::string path;                 // "Arşive Alınacak Yol"
    std::optional<std::int32_t> date; // "Kayıt Tarihi"; a value not above 0 is empty
    std::string code;                 // "Özel Kodu"
    std::string name;                 // "Arşiv Adı"
    std::string group;                // "Grubu"
    std::string subGroup;             // "Alt Grubu"
    int mediaKind = 0;                // 0 "Dvd", 1 "Cd", 2 "Klasör"
};

// A character the name field (and the lending description) discards as it is
// typed (capture::kForbiddenNameCharacters).
bool isFilteredNameCharacter(char c);

// The folder as a registration takes it from the folder field: absolute, without
// "." and ".." steps and without a trailing separator (but for the root itself), so
// that the content file's outline starts at the medium's root whatever was typed.
// An empty text stays empty.
std::string registrationFolder(const std::string& typed);

// The group field's choices: the groups of "GRUB.DB" in file order (none when the
// file is missing). Read again each time, so groups added meanwhile appear.
std::vector<std::string> groupChoices();

// The sub-group field's choices for a group: the sub-groups of "ALTGRUB.DB" whose
// group is exactly `group`, in file order; none for an empty group.
std::vector<std::string> subGroupChoices(std::string_view group);

// Whether a record may keep `subGroup` under `group`: an empty sub-group always,
// another only when it is one of the group's choices (exact comparison).
bool subGroupBelongs(std::string_view group, std::string_view subGroup);

// The checks of "Kaydet", in their order; the message of the first that fails, or
// nothing. After the window's five checks come two that keep the catalogue whole:
// every text must fit the register and come back from it as it was written
// (checkArchiveTexts), and no file of the data folder may already carry the
// archive's content-file name (on a file system that ignores letter case, names the
// Turkish fold keeps apart can still meet there).
std::optional<std::string> checkNewArchive(const store::RecordTable& KayitOrj_T,
                                           const NewArchiveInput& input);

struct NewArchiveResult {
    bool registered = false;
    bool stopped = false;  // the scan was stopped; nothing was written
    std::size_t files = 0; // files found by the scan
    std::string message;   // for the information box
};

// Scans the folder, writes the content file, appends the archive's record to the
// register and writes the register. Call it only after the checks have passed; a
// text the register cannot hold or give back is refused here too, with nothing
// written.
// Throws platform::WriteError when a file cannot be written; nothing of the
// registration stays behind then (no content file, no record).
NewArchiveResult registerNewArchive(store::Catalogue& catalogue, const NewArchiveInput& input,
                                    capture::Progress& scan = capture::noProgress(),
                                    capture::Progress& write = capture::noProgress());

} // namespace kartavel::reg
