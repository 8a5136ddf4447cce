#pragma once

#include "RecordTable.h"

#include <string_view>

// The catalogue's table files and the record tables the windows keep them in.
// Each window declares its own tables, and their text widths differ: a value read
// into a narrower column is cut to that width.
namespace kartavel::store {

namespace files {
inline constexpr std::string_view kRegister = "ARSIV_Y.DB";
inline constexpr std::string_view kGroups = "GRUB.DB";
inline constexpr std::string_view kSubGroups = "ALTGRUB.DB"; // the one name, everywhere
inline constexpr std::string_view kLending = "EMANET.DB";
inline constexpr std::string_view kLegacyRegister = "ARSIV.DB";
} // namespace files

namespace columns {
inline constexpr std::string_view TARIHI = "TARIHI";
inline constexpr std::string_view OZEL_KODU = "OZEL_KODU";
inline constexpr std::string_view ARSIV_ADI = "ARSIV_ADI";
inline constexpr std::string_view KODU = "KODU";
inline constexpr std::string_view CDDVD = "CDDVD";
inline constexpr std::string_view GRUBU = "GRUBU";
inline constexpr std::string_view ALTGRUB = "ALTGRUB";
inline constexpr std::string_view ACIKLAMA = "ACIKLAMA";
inline constexpr std::string_view ANAGRUP = "ANAGRUP";
inline constexpr std::string_view ALTGRUP = "ALTGRUP";
inline constexpr std::string_view ARSIV = "ARSIV";
inline constexpr std::string_view VERILENIADI = "VERILENIADI";
inline constexpr std::string_view VERILMETARIHI = "VERILMETARIHI";
inline constexpr std::string_view TESLIMTARIHI = "TESLIMTARIHI";
} // namespace columns

// The register's columns in a table that holds them (the register, its copies and
// the register window's filter result, whatever their column order), found once.
struct RegisterColumns {
    int tarihi, ozelKodu, arsivAdi, cddvd, grubu, altgrub;
    explicit RegisterColumns(const RecordTable& t)
        : tarihi(t.requireField(columns::TARIHI)), ozelKodu(t.requireField(columns::OZEL_KODU)),
          arsivAdi(t.requireField(columns::ARSIV_ADI)), cddvd(t.requireField(columns::CDDVD)),
          grubu(t.requireField(columns::GRUBU)), altgrub(t.requireField(columns::ALTGRUB)) {}
};

namespace schemas {

// The main window's register; also the register window's copy of it.
const TableSchema& KayitOrj_T();
// The main window's reader of the legacy register.
const TableSchema& KayitOrj_T_();
// The main window's lending table; the lending window declares the same.
const TableSchema& Emenet_Rx();
// The register window's filter result (columns in its own order).
const TableSchema& Kayit_T();
// Groups as the new-archive, edit, register and group windows hold them.
const TableSchema& Grubu_Rx();
// Sub-groups as the new-archive, edit and register windows hold them.
const TableSchema& AltGrubu_Rx();
// The group window's duplicate-test copy of the groups.
const TableSchema& GrupF_Kontrol();
// The group window's sub-group table (used when a group is deleted).
const TableSchema& GrupF_AltGrubu_Rx();
// The sub-group window's full table; its working table and its duplicate-test copy
// are declared alike.
const TableSchema& AltGrupF_AltGrubu_Rx1();

} // namespace schemas

} // namespace kartavel::store
