#pragma once

#include "store/Catalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the main window's list shows: groups, the sub-groups of a group, and
// archives, built from the register's own GRUBU and ALTGRUB texts.
namespace kartavel::browse {

// Icon numbers of the list's items in the program's image lists.
namespace icons {
inline constexpr int kGroup = 24;
inline constexpr int kSubGroup = 14;
inline constexpr int kFolderArchive = 26;
inline constexpr int kDvdArchive = 27;
inline constexpr int kOtherLentArchive = 28;
inline constexpr int kCdArchive = 29;
inline constexpr int kLentDvdArchive = 30;
} // namespace icons

// The name shown for archives without a group, and within a group for archives
// without a sub-group.
inline constexpr std::string_view kDiger = "Diger";

// Where the user is: navigation level 0 to 4, current group and sub-group, and the
// location text shown above the list.
struct BrowseState {
    int level = 0;
    std::string currentGroup;
    std::string currentSubGroup;
    std::string locationText = "...";
};

struct ListItem {
    std::string caption;
    int icon = 0;
    std::string ozelKodu;               // archives only
    std::optional<std::int32_t> tarihi; // archives only
};

bool isArchiveIcon(int icon);

// A DVD or CD that is not lent (27, 29): what "Emanet Ver" takes. Folder archives
// are never lent.
bool isLendableIcon(int icon);
// A lent archive (28, 30): what "Teslim Al" takes.
bool isLentIcon(int icon);

// The icon of an archive by its CDDVD text and lending state.
int archiveIcon(std::string_view cddvd, bool lent);

struct Listing {
    std::vector<ListItem> items;
    // The "Yukarı" button after the listing: set when a record told the listing
    // what to do with it, unchanged (nothing) otherwise.
    std::optional<bool> upEnabled;
};

// Fills the list for a mode and a name (ListViewAyarla): 1 groups; 2 sub-groups of
// the current group; 3 archives of the current group whose sub-group is the name;
// 4 archives of the group of that name; 5 all archives. Modes 1 and 2 fall back to
// 5 and 4 when the register has nothing to show at their level (mode 2 then sets
// the level to 4). The register table is left on its last record, as a walk over
// it leaves it.
Listing ListViewAyarla(store::Catalogue& catalogue, BrowseState& state, int mode,
                       std::string_view name);

} // namespace kartavel::browse
