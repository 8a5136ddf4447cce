#include "Lending.h"

#include "NewArchive.h"
#include "RecordFields.h"
#include "browse/MainList.h"
#include "store/Catalogue.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"
#include "text/Utf8.h"

namespace kartavel::reg {

namespace cols = store::columns;

std::optional<std::string> lendRefusal(int icon) {
    if (browse::isLendableIcon(icon))
        return std::nullopt;
    if (icon == browse::icons::kFolderArchive)
        return std::string(kFolderNotLent);
    return std::string(kAlreadyLent);
}

std::optional<std::string> takeBackRefusal(int icon) {
    if (browse::isLentIcon(icon))
        return std::nullopt;
    return std::string(kNotLent);
}

bool isFilteredDescriptionCharacter(char c) {
    // The description refuses what an archive name refuses.
    return isFilteredNameCharacter(c);
}

std::optional<std::string> checkLend(const LendInput& in, std::string_view archiveName) {
    if (in.person.empty())
        return "Emanet verilenin adını girmediniz...";
    if (!in.given || *in.given <= 0)
        return "Verilme tarihini girmediniz...";
    // Each text as the lending table keeps it; the archive's name must come back
    // whole, or the archive would no longer show as lent.
    const struct {
        std::string_view label, text;
        std::size_t size;
    } texts[] = {{labels::kPerson, in.person, kPersonLength},
                 {labels::kNote, in.note, kNoteLength},
                 {labels::kName, archiveName, kArchiveLength}};
    for (const auto& t : texts)
        if (auto refusal = tableTextRefusal(t.label, text::leftCharacters(t.text, t.size)))
            return refusal;
    return std::nullopt;
}

void lendArchive(store::RecordTable& Emenet_Rx, std::string_view archiveName, const LendInput& in) {
    auto& t = Emenet_Rx;
    if (!t.active())
        t.open();
    t.append();
    t.setString(cols::ARSIV, archiveName);
    t.setString(cols::VERILENIADI, in.person);
    t.setDate(t.requireField(cols::VERILMETARIHI), in.given);
    t.setDate(t.requireField(cols::TESLIMTARIHI), in.due.value_or(0));
    t.setString(cols::ACIKLAMA, in.note);
    t.post();
    try {
        store::RxMemorySaveToFile(t, store::Catalogue::lendingPath());
    } catch (...) {
        // The file does not know the lending: neither does the table.
        t.last();
        t.remove();
        throw;
    }
}

std::optional<LendingRecord> findLending(store::RecordTable& Emenet_Rx,
                                         std::string_view archiveName) {
    auto& t = Emenet_Rx;
    if (!t.active() || !t.locate(cols::ARSIV, archiveName, false))
        return std::nullopt;
    LendingRecord r;
    r.archive = t.asString(cols::ARSIV);
    r.person = t.asString(cols::VERILENIADI);
    r.given = t.asDate(t.requireField(cols::VERILMETARIHI));
    r.due = t.asDate(t.requireField(cols::TESLIMTARIHI));
    if (r.due == 0)
        r.due.reset();
    r.note = t.asString(cols::ACIKLAMA);
    return r;
}

bool takeBackArchive(store::RecordTable& Emenet_Rx, std::string_view archiveName) {
    if (!findLending(Emenet_Rx, archiveName))
        return false;
    store::deleteCurrentAndSave(Emenet_Rx, store::Catalogue::lendingPath());
    return true;
}

} // namespace kartavel::reg
