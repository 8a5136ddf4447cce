#pragma once

#include "store/Catalogue.h"

// The main window's commands on the register's current archive.
namespace kartavel::browse {

// Deletes the current archive, once the user has said yes: its register record and
// its content file (a missing one is no matter), and rewrites the register. Throws
// platform::WriteError when the register cannot be written; then nothing changes.
void deleteCurrentArchive(store::Catalogue& catalogue);

// Runs after each post of the register while the edit window is open: a changed
// name takes its content file along (a rename that fails is not reported, and it
// never replaces another archive's file), the register is written, and the record
// with the posted name becomes current again.
void afterEditPost(store::Catalogue& catalogue);

} // namespace kartavel::browse
