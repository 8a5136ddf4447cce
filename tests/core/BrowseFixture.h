#pragma once

#include "browse/MainList.h"
#include "store/CatalogueSchemas.h"

#include <string>
#include <vector>

namespace kartavel::test {

struct ArchiveRow {
    std::string name;
    std::string group;
    std::string sub;
    std::string cddvd = "0";
    std::string code = {};
    std::optional<std::int32_t> date = {};
};

// A register held in memory, and the lent archives' names.
inline void fillCatalogue(store::Catalogue& c, const std::vector<ArchiveRow>& rows,
                          const std::vector<std::string>& lent = {}) {
    c.KayitOrj_T.close();
    c.KayitOrj_T.open();
    auto& t = c.KayitOrj_T;
    for (const auto& r : rows) {
        t.append();
        t.setDate(t.requireField("TARIHI"), r.date);
        t.setString("OZEL_KODU", r.code);
        t.setString("ARSIV_ADI", r.name);
        t.setString("CDDVD", r.cddvd);
        t.setString("GRUBU", r.group);
        t.setString("ALTGRUB", r.sub);
        t.post();
    }
    c.Emenet_Rx.close();
    c.Emenet_Rx.open();
    for (const auto& name : lent) {
        c.Emenet_Rx.append();
        c.Emenet_Rx.setString("ARSIV", name);
        c.Emenet_Rx.post();
    }
}

// "24:Muzik", "27:Yedek" ... for comparing whole listings.
inline std::vector<std::string> shown(const browse::Listing& l) {
    std::vector<std::string> out;
    for (const auto& i : l.items)
        out.push_back(std::to_string(i.icon) + ":" + i.caption);
    return out;
}

} // namespace kartavel::test
