#include "Navigation.h"

#include "store/CatalogueSchemas.h"

namespace kartavel::browse {

DoubleClickResult doubleClick(store::Catalogue& catalogue, BrowseState& state,
                              const ListItem& item) {
    DoubleClickResult r;
    if (item.icon == icons::kGroup) {
        state.locationText = item.caption;
        state.level = 1;
        if (item.caption == kDiger) {
            state.currentGroup.clear();
            state.level = 3;
        } else {
            state.currentGroup = item.caption;
        }
        r.listing = ListViewAyarla(catalogue, state, 2, item.caption);
    } else if (item.icon == icons::kSubGroup) {
        state.locationText = state.currentGroup + "\\" + item.caption;
        state.level = 2;
        state.currentSubGroup = item.caption == kDiger ? std::string() : item.caption;
        r.listing = ListViewAyarla(catalogue, state, 3, state.currentSubGroup);
    } else if (isArchiveIcon(item.icon)) {
        selectItem(catalogue, item);
        r.view = true;
    }
    return r;
}

std::optional<Listing> up(store::Catalogue& catalogue, BrowseState& state) {
    std::optional<Listing> shown;
    if (state.level == 2) {
        shown = ListViewAyarla(catalogue, state, 2, state.currentGroup);
        state.locationText = state.currentGroup;
    } else if (state.level == 1 || state.level == 3) {
        state.currentSubGroup.clear();
        shown = ListViewAyarla(catalogue, state, 1, "");
        state.locationText.clear();
    }
    if (state.level == 1 || state.level == 3) {
        state.level = 0;
        state.currentGroup.clear();
        state.currentSubGroup.clear();
    }
    if (state.level == 4) {
        state.level = 0;
        state.currentGroup.clear();
        state.currentSubGroup.clear();
        shown = ListViewAyarla(catalogue, state, 1, "");
        state.locationText.clear();
    }
    if (state.level == 2)
        state.level = 1;
    return shown;
}

Listing firstPage(store::Catalogue& catalogue, BrowseState& state) {
    state.level = 0;
    Listing l = ListViewAyarla(catalogue, state, 1, "");
    state.locationText = "...";
    return l;
}

Listing relistAfterDelete(store::Catalogue& catalogue, BrowseState& state) {
    if (state.level == 2)
        return ListViewAyarla(catalogue, state, 3, state.currentSubGroup);
    if (state.level == 4)
        return ListViewAyarla(catalogue, state, 4, state.currentGroup);
    return ListViewAyarla(catalogue, state, 3, "");
}

Listing relistCurrentLevel(store::Catalogue& catalogue, BrowseState& state) {
    switch (state.level) {
    case 0:
        return ListViewAyarla(catalogue, state, 1, "");
    case 1:
        return ListViewAyarla(catalogue, state, 2, state.currentGroup);
    default:
        return relistAfterDelete(catalogue, state);
    }
}

void selectItem(store::Catalogue& catalogue, const ListItem& item) {
    if (catalogue.KayitOrj_T.active())
        catalogue.KayitOrj_T.locate(store::columns::ARSIV_ADI, item.caption, true);
}

bool archiveCommandsEnabled(const ListItem* selected) {
    return selected && isArchiveIcon(selected->icon);
}

MenuState popupMenuState(const BrowseState& state, const ListItem* selected) {
    MenuState m;
    m.firstPage = state.level >= 1 && state.level <= 4;
    if (selected) {
        m.lend = isLendableIcon(selected->icon);
        m.takeBack = isLentIcon(selected->icon);
    }
    return m;
}

namespace {

const ListItem* findItem(const Listing& l, std::string_view caption, int icon) {
    for (const auto& item : l.items)
        if (item.icon == icon && item.caption == caption)
            return &item;
    return nullptr;
}

} // namespace

PlaceResult openPlace(store::Catalogue& catalogue, BrowseState& state, std::string_view group,
                      std::string_view subGroup) {
    PlaceResult r;
    state = BrowseState{};
    r.listing = ListViewAyarla(catalogue, state, 1, "");
    if (group.empty())
        return r;
    const ListItem* g = findItem(r.listing, group, icons::kGroup);
    if (!g) {
        r.error = std::string(group) + " adında grup bulunamadı...";
        return r;
    }
    r.listing = *doubleClick(catalogue, state, ListItem(*g)).listing;
    if (subGroup.empty())
        return r;
    const ListItem* s = findItem(r.listing, subGroup, icons::kSubGroup);
    if (!s) {
        r.error =
            std::string(group) + "\\" + std::string(subGroup) + " adında alt grup bulunamadı...";
        return r;
    }
    r.listing = *doubleClick(catalogue, state, ListItem(*s)).listing;
    return r;
}

} // namespace kartavel::browse
