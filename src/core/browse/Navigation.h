#pragma once

#include "MainList.h"

#include <optional>
#include <string>
#include <string_view>

// Moving between the main list's levels: double-click (and Enter), "Yukarı"
// (and Backspace), "İlk Sayfaya Git", the click that makes an archive current, the
// relisting after a delete, and which commands are enabled.
namespace kartavel::browse {

struct DoubleClickResult {
    std::optional<Listing> listing; // the new list, when the level changed
    bool view = false;              // an archive was double-clicked: run the view command
};

// A double-click on an item (also Enter in the list).
DoubleClickResult doubleClick(store::Catalogue& catalogue, BrowseState& state,
                              const ListItem& item);

// "Yukarı": the new list, or nothing at level 0, where the button does nothing.
std::optional<Listing> up(store::Catalogue& catalogue, BrowseState& state);

// "İlk Sayfaya Git".
Listing firstPage(store::Catalogue& catalogue, BrowseState& state);

// What the main window lists after an archive has been deleted: the current level
// again.
Listing relistAfterDelete(store::Catalogue& catalogue, BrowseState& state);

// The current level listed again, as it is shown, after a lending command (confirmed
// or not) has changed what the icons say: the groups or, without any, every archive
// at level 0; the group's sub-groups at level 1; its archives at levels 2 to 4.
Listing relistCurrentLevel(store::Catalogue& catalogue, BrowseState& state);

// A click on an item: the register's current record becomes the first whose
// ARSIV_ADI equals the caption, ignoring case (it stays where it was when none does).
void selectItem(store::Catalogue& catalogue, const ListItem& item);

// "Düzenle", "Sil" and "Görüntüle" are enabled while the selected item is an archive.
bool archiveCommandsEnabled(const ListItem* selected);

// The list's pop-up menu.
struct MenuState {
    bool firstPage = false; // "İlk Sayfaya Git"
    bool lend = false;      // "Emanet Ver": a DVD or CD that is not lent
    bool takeBack = false;  // "Teslim Al": a lent archive
};
MenuState popupMenuState(const BrowseState& state, const ListItem* selected);

// Walks from the top level to a group, and on to one of its sub-groups, the way
// double-clicks do. Empty `group` is the top level. The error names what was not
// found there.
struct PlaceResult {
    Listing listing;
    std::string error;
};
PlaceResult openPlace(store::Catalogue& catalogue, BrowseState& state, std::string_view group,
                      std::string_view subGroup);

} // namespace kartavel::browse
