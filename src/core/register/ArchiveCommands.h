#pragma once

#include "store/Catalogue.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The commands on one archive of the register: viewing its stored tree, deleting it,
// and keeping its content file in step while its record is edited.
namespace kartavel::reg {

// What a view command opens: the archive's content file, or the message to show
// instead (and then nothing opens).
struct ViewTarget {
    std::optional<std::filesystem::path> file;
    std::string message;
    std::string archiveName; // the archive it is for
};

// The content file of the archive of that name, or "Arşiv Dosyası bulunamıyor.
// Silinmiş olabilir" when there is none.
ViewTarget viewArchive(std::string_view archiveName);

// The main window's view command on the register's current record: "Arşiv kaydı
// yapılmamış..." while the register is empty, else as viewArchive.
ViewTarget viewCurrentArchive(const store::Catalogue& catalogue);

// Removes the archive's content file and its details file; a missing one is no
// matter.
void removeArchiveFiles(std::string_view archiveName);

// Deletes the current archive, once the user has said yes: its register record, its
// content file and its details file (a missing one is no matter), and rewrites the
// register. Throws
// platform::WriteError when the register cannot be written; then nothing changes.
void deleteCurrentArchive(store::Catalogue& catalogue);

// An edit of the current archive's record: the fields to change, each left as it
// is when not given.
struct ArchiveEdit {
    std::optional<std::string> name;                 // "Arşiv Adı", at most 40 characters
    std::optional<std::string> code;                 // "Özel Kodu", at most 50 characters
    std::optional<std::optional<std::int32_t>> date; // "Kayıt Tarihi"; an empty one clears it
    std::optional<std::string> group;                // "Grubu", cut to 30 characters
    std::optional<std::string> subGroup;             // "Alt Grubu", cut to 30 characters
    std::optional<int> mediaKind;                    // 0 "Dvd", 1 "Cd", 2 "Klasör"
};

// The edit window's fields, for telling which one a refusal is about.
enum class ArchiveField { Date, Code, Name, Group, SubGroup, MediaKind };

struct EditRefusal {
    std::string message;
    ArchiveField field;
};

// What the register could not hold or give back of the edit: a name over 40
// characters, a special code over 50, or a text that the register would not give
// back as it was written (tableTextRefusal: a blank at either end, enclosing
// quotes, a line break, a character its code page lacks). The refusal of the first
// field, in the order name, special code, group, sub-group; or nothing.
std::optional<EditRefusal> checkArchiveEdit(const ArchiveEdit& edit);

// Whether the register's current record, the archive called `oldName`, may take
// `newName`: not an empty name, one that can be a content file's name in the data
// folder, no other archive of the register under it (letter case aside), and no
// other file in the data folder under its content file's name. The message of the
// first refusal, or nothing.
std::optional<std::string> checkArchiveRename(const store::RecordTable& KayitOrj_T,
                                              std::string_view oldName, std::string_view newName);

// Every check of a save of the current record, as the edit window's "Kaydet" and
// the CLI's edit run them: checkArchiveEdit, then checkArchiveRename from the name
// the record is stored under (while it is being edited, not the edit's). The first
// refusal, or nothing.
std::optional<EditRefusal> checkArchiveSave(const store::RecordTable& KayitOrj_T,
                                            const ArchiveEdit& edit);

// Every field of the current record as it now stands (the edit buffer while it is
// being edited), as an edit that would store it. A medium kind other than "0", "1"
// or "2" is left out.
ArchiveEdit currentArchiveFields(const store::RecordTable& KayitOrj_T);

// Puts the current record into editing and writes the edit's fields into it,
// without posting; the table's bound views are told once, afterwards.
void applyArchiveEdit(store::RecordTable& KayitOrj_T, const ArchiveEdit& edit);

// A save refused once the record was posted (the checks above, run again on what
// was posted); the record is back as it was.
class EditRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Edits the register's current record and posts it, then runs the save steps of
// afterEditPost, as the edit window's "Kaydet" does. Call it only after the checks
// have passed. Throws platform::WriteError when the register cannot be written, and
// EditRefused; the record is then as it was.
void editCurrentArchive(store::Catalogue& catalogue, const ArchiveEdit& edit);

// Runs after each post of the register while the edit window is open: a changed
// name takes its content file along (a rename that fails is not reported, and it
// never replaces another archive's file) and its details file with it, the
// register is written, and the record with the posted name becomes current again.
// The two files move together: when the details file cannot follow, the content
// file goes back, the record is as it was, and platform::WriteError names the
// details file. When the register cannot be written (platform::WriteError) both
// files are moved back. A posted record that the checks of checkArchiveSave refuse
// changes nothing and throws EditRefused: a new name could lose the archive its
// content file or share another's, and a text the register would not give back
// would do the same at the next start.
void afterEditPost(store::Catalogue& catalogue);

} // namespace kartavel::reg
