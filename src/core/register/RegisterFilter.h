#pragma once

#include "store/RecordTable.h"
#include "text/Collation.h"

#include <cstdint>
#include <optional>
#include <string>

// The register window's search: which archives meet its criteria, and in which
// order they are listed. (The namespace is "reg": "register" is a C++ keyword.)
namespace kartavel::reg {

// "Dvd", "Cd", "Klasör", "Hepsi": the media-kind choice, by its index in the window.
enum class MediaChoice : int { Dvd = 0, Cd = 1, Klasor = 2, Hepsi = 3 };
// "Emanete Verilen", "Emanete Verilmeyen", "Hepsi".
enum class LendChoice : int { Lent = 0, NotLent = 1, Hepsi = 2 };
// " Sıralama ": "Tarihi", "Arşiv Adı", "Özel Kodu".
enum class SortKey : int { Date = 0, Name = 1, Code = 2 };

// The filter panel. An empty text, an empty date and "Hepsi" hold for every archive.
struct FilterCriteria {
    std::string name;                 // "Arşiv Adı": part of the name, Turkish letters folded
    std::string code;                 // "Özel Kodu": part of the special code, folded alike
    std::optional<std::int32_t> from; // "Başlangıç": first registration day; not above 0 is none
    std::optional<std::int32_t> to;   // "Bitiş": last registration day, likewise
    std::string group;                // "Grubu": the stored group, exactly
    std::string subGroup;             // "Alt Grubu": the stored sub-group, exactly
    MediaChoice media = MediaChoice::Hepsi;
    LendChoice lending = LendChoice::Hepsi;
    SortKey sort = SortKey::Date;
    bool reverse = false; // "Sıralamayı Ters Çevir"
};

// The clear command: no group, sub-group, texts or dates, and every medium. The
// lending choice and the sort stay as they are.
void clearCriteria(FilterCriteria& criteria);

// Filtreleme: empties Kayit_T and fills it with the records of KayitOrj_T that meet
// every criterion, in one pass, then sorts it. Names and codes match where the folded
// criterion occurs anywhere in the folded text; the dates are inclusive bounds, and
// an archive without a date counts as day 0. An archive is lent when Emenet_Rx holds
// its exact name.
//
// The sort compares texts by `collation` (letter case ignored) and dates by value;
// empty values come first, equal keys keep the register's order, and the reverse
// order is exactly the ascending one read backwards.
void Filtreleme(const store::RecordTable& KayitOrj_T, const store::RecordTable& Emenet_Rx,
                const FilterCriteria& criteria, store::RecordTable& Kayit_T,
                const text::Collation& collation = text::Collation::user());

} // namespace kartavel::reg
