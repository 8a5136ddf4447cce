#pragma once

#include "store/Catalogue.h"

#include <cstdint>
#include <filesystem>
#include <optional>
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
};

// The content file of the archive of that name, or "Arşiv Dosyası bulunamıyor.
// Silinmiş olabilir" when there is none.
ViewTarget viewArchive(std::string_view archiveName);

// The main window's view command on the register's current record: "Arşiv kaydı
// yapılmamış..." while the register is empty, else as viewArchive.
ViewTarget viewCurrentArchive(const store::Catalogue& catalogue);

// Deletes the current archive, once the user has said yes: its register record and
// its content file (a missing one is no matter), and rewrites the register. Throws
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

inline constexpr std::size_t kArchiveNameLength = 40;
inline constexpr std::size_t kSpecialCodeLength = 50;

// What the edit window's fields never let through: a name over 40 characters, a
// special code over 50, a text the register's code page cannot hold. The message
// of the first, or nothing.
std::optional<std::string> checkArchiveEdit(const ArchiveEdit& edit);

// Edits the register's current record and posts it, then runs the save steps of
// afterEditPost, as the edit window's "Kaydet" does. Call it only after the checks
// have passed. Throws platform::WriteError when the register cannot be written.
void editCurrentArchive(store::Catalogue& catalogue, const ArchiveEdit& edit);

// Runs after each post of the register while the edit window is open: a changed
// name takes its content file along (a rename that fails is not reported, and it
// never replaces another archive's file), the register is written, and the record
// with the posted name becomes current again. When the register cannot be written
// (platform::WriteError) the content file is moved back.
void afterEditPost(store::Catalogue& catalogue);

} // namespace kartavel::reg
