#include "RegisterList.h"

#include "store/CatalogueSchemas.h"

namespace kartavel::reg {

namespace cols = store::columns;

std::vector<RegisterRow> registerRows(const store::RecordTable& Kayit_T,
                                      const store::RecordTable& Emenet_Rx) {
    const auto [tarihi, ozelKodu, arsivAdi, cddvd, grubu, altgrub] =
        store::RegisterColumns(Kayit_T);
    const auto lent = store::lentNames(Emenet_Rx);

    std::vector<RegisterRow> rows;
    rows.reserve(Kayit_T.records().size());
    for (const store::Record& r : Kayit_T.records()) {
        RegisterRow row;
        row.caption = store::cellText(r, arsivAdi);
        row.ozelKodu = store::cellText(r, ozelKodu);
        row.tarihi = store::cellDate(r, tarihi);
        const std::string_view group = store::cellText(r, grubu);
        const std::string_view sub = store::cellText(r, altgrub);
        row.grubu = group.empty() ? browse::kDiger : group;
        if (!sub.empty())
            row.altGrubu = sub;
        else if (!group.empty())
            row.altGrubu = browse::kDiger;
        row.icon = browse::archiveIcon(store::cellText(r, cddvd), lent.contains(row.caption));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string viewerLocation(const RegisterRow& row) {
    return row.grubu + "\\" + row.altGrubu;
}

RegisterMenuState registerMenuState(const RegisterRow* selected) {
    if (!selected)
        return {};
    return {browse::isLendableIcon(selected->icon), browse::isLentIcon(selected->icon)};
}

namespace {

bool anyRecord(const store::RecordTable& t, auto&& predicate) {
    for (const store::Record& r : t.records())
        if (predicate(r))
            return true;
    return false;
}

} // namespace

LocateResult locateArchive(const store::RecordTable& registerCopy, const RegisterRow& row,
                           store::Catalogue& catalogue, browse::BrowseState& state) {
    const int grubu = registerCopy.requireField(cols::GRUBU);
    const int altgrub = registerCopy.requireField(cols::ALTGRUB);
    const std::string& g = row.grubu;
    const std::string& s = row.altGrubu;

    LocateResult result;
    if (!anyRecord(registerCopy,
                   [&](const store::Record& r) { return !store::cellText(r, grubu).empty(); })) {
        state.level = 0;
        result.listing = browse::ListViewAyarla(catalogue, state, 5, "");
        state.locationText = "...";
    } else if (g == browse::kDiger) {
        state.currentGroup.clear();
        state.currentSubGroup.clear();
        state.locationText = browse::kDiger;
        state.level = 3;
        result.listing = browse::ListViewAyarla(catalogue, state, 3, "");
    } else if (anyRecord(registerCopy, [&](const store::Record& r) {
                   return store::cellText(r, grubu) == g && !store::cellText(r, altgrub).empty();
               })) {
        state.level = 2;
        state.locationText = g + "\\" + s;
        state.currentGroup = g;
        state.currentSubGroup = s == browse::kDiger ? std::string() : s;
        result.listing = browse::ListViewAyarla(catalogue, state, 3, state.currentSubGroup);
    } else {
        state.locationText = g;
        state.currentGroup = g;
        state.currentSubGroup.clear();
        result.listing = browse::ListViewAyarla(catalogue, state, 4, g);
        state.level = 4;
    }

    // The entries are selected one after the other until the archive's own.
    const auto& items = result.listing.items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        result.selectedRow = static_cast<int>(i);
        if (items[i].caption == row.caption)
            break;
    }
    return result;
}

} // namespace kartavel::reg
