#include "MainList.h"

#include "store/CatalogueSchemas.h"

#include <unordered_set>

namespace kartavel::browse {

namespace cols = store::columns;

bool isArchiveIcon(int icon) {
    return icon >= icons::kFolderArchive && icon <= icons::kLentDvdArchive;
}

bool isLendableIcon(int icon) {
    return icon == icons::kDvdArchive || icon == icons::kCdArchive;
}

bool isLentIcon(int icon) {
    return icon == icons::kOtherLentArchive || icon == icons::kLentDvdArchive;
}

int archiveIcon(std::string_view cddvd, bool lent) {
    if (lent)
        return cddvd == "0" ? icons::kLentDvdArchive : icons::kOtherLentArchive;
    if (cddvd == "0")
        return icons::kDvdArchive;
    if (cddvd == "2")
        return icons::kFolderArchive;
    return icons::kCdArchive;
}

namespace {

bool anyRecord(const store::RecordTable& t, auto&& predicate) {
    for (const auto& r : t.records())
        if (predicate(r))
            return true;
    return false;
}

} // namespace

Listing ListViewAyarla(store::Catalogue& catalogue, BrowseState& state, int mode,
                       std::string_view name) {
    store::RecordTable& t = catalogue.KayitOrj_T;
    if (!t.active())
        t.open();
    const store::RegisterColumns c(t);

    if (mode == 2 && name == kDiger)
        return ListViewAyarla(catalogue, state, 3, "");
    if (mode == 1 &&
        !anyRecord(t, [&](const store::Record& r) { return !store::cellText(r, c.grubu).empty(); }))
        return ListViewAyarla(catalogue, state, 5, "");
    if (mode == 2 && !anyRecord(t, [&](const store::Record& r) {
            return store::cellText(r, c.grubu) == state.currentGroup &&
                   !store::cellText(r, c.altgrub).empty();
        })) {
        Listing l = ListViewAyarla(catalogue, state, 4, name);
        state.level = 4;
        return l;
    }
    const std::string wanted(mode == 3 && name == kDiger ? std::string_view() : name);

    Listing out;
    std::unordered_set<std::string> listed;
    const auto lent =
        (mode >= 3) ? store::lentNames(catalogue.Emenet_Rx) : std::unordered_set<std::string>{};
    auto addArchive = [&] {
        const std::string adi = t.asString(c.arsivAdi);
        out.items.push_back({adi, archiveIcon(t.asString(c.cddvd), lent.contains(adi)),
                             t.asString(c.ozelKodu), t.asDate(c.tarihi)});
    };
    auto addName = [&](std::string text, int icon) {
        if (text.empty())
            text = kDiger;
        if (listed.insert(text).second)
            out.items.push_back({std::move(text), icon, {}, {}});
    };

    t.disableControls();
    for (t.first(); !t.eof(); t.next()) {
        switch (mode) {
        case 1:
            out.upEnabled = false;
            addName(t.asString(c.grubu), icons::kGroup);
            break;
        case 2:
            if (t.asString(c.grubu) == state.currentGroup) {
                out.upEnabled = true;
                addName(t.asString(c.altgrub), icons::kSubGroup);
            }
            break;
        case 3:
            out.upEnabled = true;
            if (t.asString(c.altgrub) == wanted && t.asString(c.grubu) == state.currentGroup)
                addArchive();
            break;
        case 4:
            out.upEnabled = true;
            if (t.asString(c.grubu) == wanted)
                addArchive();
            break;
        case 5:
            out.upEnabled = false;
            addArchive();
            break;
        default:
            break;
        }
    }
    t.enableControls();
    return out;
}

} // namespace kartavel::browse
