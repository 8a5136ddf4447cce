#include "RegisterFilter.h"

#include "store/Catalogue.h"
#include "store/CatalogueSchemas.h"
#include "text/TurkishUpperCase.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>
#include <vector>

namespace kartavel::reg {

void clearCriteria(FilterCriteria& c) {
    c.group.clear();
    c.subGroup.clear();
    c.media = MediaChoice::Hepsi;
    c.name.clear();
    c.code.clear();
    c.from.reset();
    c.to.reset();
}

namespace {

// A date field holds a date when its value is above 0.
std::optional<std::int32_t> bound(const std::optional<std::int32_t>& d) {
    return d && *d > 0 ? d : std::nullopt;
}

bool contains(std::string_view folded, std::string_view foldedPart) {
    return foldedPart.empty() || folded.find(foldedPart) != std::string_view::npos;
}

// One sort key: an empty value sorts before every other one.
struct SortValue {
    bool present = false;
    std::int32_t day = 0;
    std::string collationKey;
    friend bool operator<(const SortValue& a, const SortValue& b) {
        return std::tie(a.present, a.day, a.collationKey) <
               std::tie(b.present, b.day, b.collationKey);
    }
};

} // namespace

void Filtreleme(const store::RecordTable& KayitOrj_T, const store::RecordTable& Emenet_Rx,
                const FilterCriteria& c, store::RecordTable& Kayit_T,
                const text::Collation& collation) {
    // Plain names, not a structured binding: the lambdas below capture them, which
    // older compilers refuse for bindings.
    const store::RegisterColumns columns(KayitOrj_T);
    const int tarihi = columns.tarihi, ozelKodu = columns.ozelKodu, arsivAdi = columns.arsivAdi,
              cddvd = columns.cddvd, grubu = columns.grubu, altgrub = columns.altgrub;

    const std::string name = text::TurkishUpperCase(c.name);
    const std::string code = text::TurkishUpperCase(c.code);
    const auto from = bound(c.from);
    const auto to = bound(c.to);
    const std::string media =
        c.media == MediaChoice::Hepsi ? std::string() : std::to_string(static_cast<int>(c.media));
    const auto lent = c.lending == LendChoice::Hepsi ? std::unordered_set<std::string>{}
                                                     : store::lentNames(Emenet_Rx);

    // The criteria in their order; each is looked at only while the earlier ones hold.
    auto passes = [&](const store::Record& r) {
        if (!name.empty() && !contains(text::TurkishUpperCase(store::cellText(r, arsivAdi)), name))
            return false;
        if (!code.empty() && !contains(text::TurkishUpperCase(store::cellText(r, ozelKodu)), code))
            return false;
        const std::int32_t day = store::cellDate(r, tarihi).value_or(0);
        if (from && day < *from)
            return false;
        if (to && day > *to)
            return false;
        if (!c.group.empty() && store::cellText(r, grubu) != c.group)
            return false;
        if (!c.subGroup.empty() && store::cellText(r, altgrub) != c.subGroup)
            return false;
        if (!media.empty() && store::cellText(r, cddvd) != media)
            return false;
        if (c.lending != LendChoice::Hepsi &&
            lent.contains(std::string(store::cellText(r, arsivAdi))) !=
                (c.lending == LendChoice::Lent))
            return false;
        return true;
    };

    const int sortField = c.sort == SortKey::Date   ? tarihi
                          : c.sort == SortKey::Name ? arsivAdi
                                                    : ozelKodu;
    auto sortValue = [&](const store::Record& r) {
        SortValue v;
        if (c.sort == SortKey::Date) {
            const auto d = store::cellDate(r, sortField);
            v.present = d.has_value();
            v.day = d.value_or(0);
        } else {
            const std::string_view s = store::cellText(r, sortField);
            v.present = !s.empty();
            v.collationKey = collation.sortKey(s);
        }
        return v;
    };

    std::vector<std::pair<SortValue, const store::Record*>> kept;
    for (const store::Record& r : KayitOrj_T.records())
        if (passes(r))
            kept.emplace_back(sortValue(r), &r);
    std::stable_sort(kept.begin(), kept.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (c.reverse)
        std::reverse(kept.begin(), kept.end());

    // Kayit_T lists the same columns in an order of its own.
    std::vector<std::pair<int, int>> copy; // (Kayit_T column, KayitOrj_T column)
    for (std::size_t i = 0; i < Kayit_T.fields().size(); ++i)
        copy.emplace_back(static_cast<int>(i), KayitOrj_T.requireField(Kayit_T.fields()[i].name));

    if (!Kayit_T.active())
        Kayit_T.open();
    Kayit_T.disableControls();
    Kayit_T.empty();
    for (const auto& [key, r] : kept) {
        Kayit_T.append();
        for (const auto& [column, source] : copy)
            Kayit_T.setValue(column, r->cells.at(static_cast<std::size_t>(source)));
        Kayit_T.post();
    }
    Kayit_T.first();
    Kayit_T.enableControls();
}

} // namespace kartavel::reg
