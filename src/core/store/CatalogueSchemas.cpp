#include "CatalogueSchemas.h"

namespace kartavel::store::schemas {

namespace {

TableSchema make(std::string name, std::vector<FieldDef> fields) {
    return {std::move(name), std::move(fields)};
}

using F = FieldDef;

} // namespace

const TableSchema& KayitOrj_T() {
    static const TableSchema s =
        make("KayitOrj_T", {F::date("TARIHI"), F::text("OZEL_KODU", 50), F::text("ARSIV_ADI", 40),
                            F::integer("KODU"), F::text("CDDVD", 1), F::text("GRUBU", 30),
                            F::text("ALTGRUB", 30)});
    return s;
}

const TableSchema& KayitOrj_T_() {
    static const TableSchema s =
        make("KayitOrj_T_", {F::date("TARIHI"), F::text("OZEL_KODU", 20), F::text("ARSIV_ADI", 40),
                             F::integer("KODU")});
    return s;
}

const TableSchema& Emenet_Rx() {
    static const TableSchema s = make(
        "Emenet_Rx", {F::text("ARSIV", 75), F::text("VERILENIADI", 60), F::date("VERILMETARIHI"),
                      F::date("TESLIMTARIHI"), F::text("ACIKLAMA", 100)});
    return s;
}

const TableSchema& Kayit_T() {
    static const TableSchema s =
        make("Kayit_T", {F::date("TARIHI"), F::text("OZEL_KODU", 50), F::text("ARSIV_ADI", 40),
                         F::integer("KODU"), F::text("GRUBU", 30), F::text("ALTGRUB", 30),
                         F::text("CDDVD", 1)});
    return s;
}

const TableSchema& Grubu_Rx() {
    static const TableSchema s = make("Grubu_Rx", {F::text("GRUBU", 20), F::text("ACIKLAMA", 100)});
    return s;
}

const TableSchema& AltGrubu_Rx() {
    static const TableSchema s = make(
        "AltGrubu_Rx", {F::text("ANAGRUP", 20), F::text("ALTGRUP", 30), F::text("ACIKLAMA", 100)});
    return s;
}

const TableSchema& GrupF_Kontrol() {
    static const TableSchema s = make("Kontrol", {F::text("GRUBU", 30), F::text("ACIKLAMA", 100)});
    return s;
}

const TableSchema& GrupF_AltGrubu_Rx() {
    static const TableSchema s = make(
        "AltGrubu_Rx", {F::text("ANAGRUP", 30), F::text("ALTGRUP", 30), F::text("ACIKLAMA", 100)});
    return s;
}

const TableSchema& AltGrupF_AltGrubu_Rx1() {
    static const TableSchema s = make(
        "AltGrubu_Rx1", {F::text("ANAGRUP", 30), F::text("ALTGRUP", 30), F::text("ACIKLAMA", 100)});
    return s;
}

} // namespace kartavel::store::schemas
