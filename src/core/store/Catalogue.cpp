#include "Catalogue.h"

#include "CatalogueSchemas.h"
#include "TableFile.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

namespace kartavel::store {

Catalogue::Catalogue()
    : KayitOrj_T(schemas::KayitOrj_T()), KayitOrj_T_(schemas::KayitOrj_T_()),
      Emenet_Rx(schemas::Emenet_Rx()) {
    KayitOrj_T.afterInsert = [this](RecordTable& t) {
        t.setInteger(t.requireField(columns::KODU), koduCounter_++);
    };
}

std::filesystem::path Catalogue::registerPath() {
    return platform::dataFile(files::kRegister);
}
std::filesystem::path Catalogue::lendingPath() {
    return platform::dataFile(files::kLending);
}
std::filesystem::path Catalogue::legacyRegisterPath() {
    return platform::dataFile(files::kLegacyRegister);
}

void Catalogue::open(bool mayWrite) {
    koduCounter_ = 1;
    // Until a table is read it holds nothing of its file, and must not replace it
    // (when a step below fails, the ones after it are not taken).
    KayitOrj_T.setFileUnread(true);
    Emenet_Rx.setFileUnread(true);
    if (!platform::fileExists(registerPath()) && !platform::directoryExists(registerPath())) {
        if (!mayWrite) {
            convertLegacyRegister();
            KayitOrj_T.first();
            reloadLending();
            return;
        }
        buildRegisterFromLegacy();
    }
    reloadRegister();
    reloadLending();
}

void Catalogue::buildRegisterFromLegacy() {
    convertLegacyRegister();
    RxMemorySaveToFile(KayitOrj_T, registerPath());
    KayitOrj_T.close();
}

void Catalogue::convertLegacyRegister() {
    KayitOrj_T_.open();
    KayitOrj_T.close();
    KayitOrj_T.open();
    if (platform::fileExists(legacyRegisterPath()))
        LoadLegacyRegister(KayitOrj_T_, legacyRegisterPath());

    const int lTarih = KayitOrj_T_.requireField(columns::TARIHI);
    const int lOzel = KayitOrj_T_.requireField(columns::OZEL_KODU);
    const int lAdi = KayitOrj_T_.requireField(columns::ARSIV_ADI);
    const int lKodu = KayitOrj_T_.requireField(columns::KODU);
    const int tTarih = KayitOrj_T.requireField(columns::TARIHI);
    const int tOzel = KayitOrj_T.requireField(columns::OZEL_KODU);
    const int tAdi = KayitOrj_T.requireField(columns::ARSIV_ADI);
    const int tKodu = KayitOrj_T.requireField(columns::KODU);

    KayitOrj_T.disableControls();
    for (KayitOrj_T_.first(); !KayitOrj_T_.eof(); KayitOrj_T_.next()) {
        KayitOrj_T.append();
        // A null legacy date stays null, and a null legacy code keeps the counter's.
        KayitOrj_T.setDate(tTarih, KayitOrj_T_.asDate(lTarih));
        KayitOrj_T.setString(tOzel, KayitOrj_T_.asString(lOzel));
        KayitOrj_T.setString(tAdi, KayitOrj_T_.asString(lAdi));
        if (!KayitOrj_T_.isNull(lKodu))
            KayitOrj_T.setInteger(tKodu, KayitOrj_T_.asInteger(lKodu));
        for (auto c : {columns::GRUBU, columns::ALTGRUB, columns::CDDVD})
            KayitOrj_T.setString(c, "");
        KayitOrj_T.post();
    }
    KayitOrj_T.enableControls();
    KayitOrj_T.setFileUnread(false);
}

void Catalogue::reloadRegister() {
    reloadTableFromFile(KayitOrj_T, registerPath());
}

void Catalogue::reloadLending() {
    reloadTableFromFile(Emenet_Rx, lendingPath());
}

void Catalogue::saveRegister() {
    RxMemorySaveToFile(KayitOrj_T, registerPath());
}

bool Catalogue::isLent(std::string_view archiveName) const {
    const int f = Emenet_Rx.fieldIndex(columns::ARSIV);
    for (const Record& r : Emenet_Rx.records())
        if (!archiveName.empty() && cellText(r, f) == archiveName)
            return true;
    return false;
}

std::unordered_set<std::string> lentNames(const RecordTable& Emenet_Rx) {
    std::unordered_set<std::string> names;
    const int f = Emenet_Rx.requireField(columns::ARSIV);
    for (const Record& r : Emenet_Rx.records())
        if (const std::string_view s = cellText(r, f); !s.empty())
            names.insert(std::string(s));
    return names;
}

} // namespace kartavel::store
