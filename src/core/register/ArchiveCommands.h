#pragma once

#include "store/Catalogue.h"

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

// Runs after each post of the register while the edit window is open: a changed
// name takes its content file along (a rename that fails is not reported, and it
// never replaces another archive's file), the register is written, and the record
// with the posted name becomes current again.
void afterEditPost(store::Catalogue& catalogue);

} // namespace kartavel::reg
