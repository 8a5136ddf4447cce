#include "RecordFields.h"

#include "capture/ArchiveName.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"
#include "text/TurkishUpperCase.h"
#include "text/Utf8.h"

#include <filesystem>

namespace kartavel::reg {

std::optional<std::string> tableTextRefusal(std::string_view label, std::string_view text) {
    const auto fault = store::tableTextFault(text);
    if (!fault)
        return std::nullopt;
    switch (*fault) {
    case store::TableTextFault::Blank:
        return std::string(label) + " alanının başında ya da sonunda boşluk olamaz...";
    case store::TableTextFault::Quotes:
        return std::string(label) + " tırnak işaretleri arasında olamaz...";
    case store::TableTextFault::Character:
        break;
    }
    return std::string(label) + " alanında kaydedilemeyen karakter var...";
}

std::optional<std::string> checkRecordTexts(std::string_view name, std::string_view code) {
    if (text::characterCount(name) > kNameLength)
        return "Arşiv Adı en fazla 40 karakter olabilir...";
    if (auto refusal = tableTextRefusal(labels::kName, name))
        return refusal;
    if (text::characterCount(code) > kCodeLength)
        return "Özel Kodu en fazla 50 karakter olabilir...";
    return tableTextRefusal(labels::kCode, code);
}

std::optional<std::string> checkArchiveTexts(std::string_view name, std::string_view code,
                                             std::string_view group, std::string_view subGroup) {
    if (auto refusal = checkRecordTexts(name, code))
        return refusal;
    if (auto refusal = tableTextRefusal(labels::kGroup, groupText(group)))
        return refusal;
    return tableTextRefusal(labels::kSubGroup, groupText(subGroup));
}

std::optional<std::string> archiveNameTaken(const store::RecordTable& KayitOrj_T,
                                            std::string_view name,
                                            store::RecordTable::Bookmark self) {
    const std::string folded = text::TurkishUpperCase(name);
    const int adi = KayitOrj_T.requireField(store::columns::ARSIV_ADI);
    for (const store::Record& r : KayitOrj_T.records())
        if ((self == 0 || r.id != self) &&
            text::TurkishUpperCase(store::cellText(r, adi)) == folded)
            return std::string(name) + " adında arşiv daha önceden kaydedilmiş...";
    return std::nullopt;
}

std::optional<std::string> contentFileNameUnusable(std::string_view name) {
    if (!capture::contentFilePath(name))
        return std::string(name) + " adı dosya adı olarak kullanılamaz...";
    return std::nullopt;
}

std::optional<std::string> contentFileNameRefusal(std::string_view name) {
    const auto file = capture::contentFilePath(name);
    if (!file)
        return contentFileNameUnusable(name);
    if (platform::fileExists(*file) || std::filesystem::is_symlink(*file))
        return std::string(name) + " adında arşiv dosyası veri klasöründe zaten var...";
    return std::nullopt;
}

std::string groupText(std::string_view group) {
    return std::string(text::leftCharacters(group, kGroupLength));
}

} // namespace kartavel::reg
