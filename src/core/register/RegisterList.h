#pragma once

#include "browse/MainList.h"
#include "store/Catalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the register window lists for its filter result, and where its rows lead:
// the viewer's place text, the pop-up menu, and the main window's list ("Konumunu
// Aç").
namespace kartavel::reg {

// One row of the register window's list.
struct RegisterRow {
    std::string caption;                // "Arşiv/Grup Adı": the archive's name
    std::string ozelKodu;               // "Özel Kodu"
    std::optional<std::int32_t> tarihi; // "Tarihi": the registration day, if any
    std::string grubu;                  // "Grubu": the group, or "Diger" without one
    std::string altGrubu;               // "Alt Grubu": the sub-group, else "Diger" within a group
    int icon = 0;                       // by medium and lending, as in the main list
};

// One row per record of Kayit_T, in its order; an archive is lent when Emenet_Rx
// holds its exact name.
std::vector<RegisterRow> registerRows(const store::RecordTable& Kayit_T,
                                      const store::RecordTable& Emenet_Rx);

// The archive's place in the register as the viewer shows it: "Grubu", "\" and
// "Alt Grubu" ("Muzik\Pop", "Muzik\Diger", "Diger\").
std::string viewerLocation(const RegisterRow& row);

// The list's pop-up menu: "Emanet Ver" for a selected DVD or CD that is not lent,
// "Teslim Al" for a selected lent archive.
struct RegisterMenuState {
    bool lend = false;
    bool takeBack = false;
};
RegisterMenuState registerMenuState(const RegisterRow* selected);

// "Konumunu Aç" (and a double-click on a row): brings the main window to the row's
// archive. Without any grouped archive in `registerCopy`, the top level lists every
// archive; an archive without group leads where opening "Diger" leads (level 3); an
// archive of a group whose archives use sub-groups leads to its sub-group (level 2,
// "Diger" for none); else to the group's archives (level 4). `catalogue` and
// `state` are the main window's; the result is its new list.
struct LocateResult {
    browse::Listing listing;
    // The entry left selected: the first whose caption is the archive's name, else
    // the last one; -1 for an empty list.
    int selectedRow = -1;
};
LocateResult locateArchive(const store::RecordTable& registerCopy, const RegisterRow& row,
                           store::Catalogue& catalogue, browse::BrowseState& state);

} // namespace kartavel::reg
