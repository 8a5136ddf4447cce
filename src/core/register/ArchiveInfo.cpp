#include "ArchiveInfo.h"

#include "store/CatalogueSchemas.h"
#include "store/SerialDate.h"

namespace kartavel::reg {

namespace cols = store::columns;

namespace {

std::string sizeWithBytes(std::uint64_t bytes) {
    return capture::sizeText(bytes) + " (" + capture::groupedBytes(bytes) + " bayt)";
}

std::string optionalSize(const std::optional<std::uint64_t>& bytes) {
    return bytes ? sizeWithBytes(*bytes) : std::string();
}

std::string mediaText(std::string_view code) {
    if (code == "0")
        return "Dvd";
    if (code == "1")
        return "Cd";
    if (code == "2")
        return "Klasör";
    return std::string(code);
}

} // namespace

ArchiveInformation archiveInformation(const store::RecordTable* t, std::string_view archiveName,
                                      const capture::ArchiveTree& tree,
                                      const capture::ArchiveDetails* d) {
    ArchiveInformation info;
    const store::Record* record = nullptr;
    if (t && t->active()) {
        const int adi = t->fieldIndex(cols::ARSIV_ADI);
        for (const auto& r : t->records())
            if (adi >= 0 && store::cellText(r, adi) == archiveName) {
                record = &r;
                break;
            }
    }
    const auto field = [&](std::string_view column) { return record ? t->fieldIndex(column) : -1; };
    const auto cell = [&](std::string_view column) {
        const int f = field(column);
        return f >= 0 ? std::string(store::cellText(*record, f)) : std::string();
    };
    std::string date;
    if (const int f = field(cols::TARIHI); f >= 0)
        if (const auto day = store::cellDate(*record, f))
            date = store::isoDateText(*day);
    info.record = {
        {"Arşiv Adı", std::string(archiveName)},
        {"Özel Kodu", cell(cols::OZEL_KODU)},
        {"Kayıt Tarihi", date},
        {"Grubu", cell(cols::GRUBU)},
        {"Alt Grubu", cell(cols::ALTGRUB)},
        {"Ortam", mediaText(cell(cols::CDDVD))},
    };

    const auto summary = capture::summarizeArchive(tree, d);
    const capture::ArchiveFacts none;
    const capture::ArchiveFacts& f = d ? d->facts() : none;
    info.details = d != nullptr;
    info.scan = {
        {"Taranan Klasör", f.root},
        {"Tarama Zamanı", f.scanned ? capture::localTimeText(*f.scanned) : std::string()},
        {"Dosya Sayısı", std::to_string(summary.files)},
        {"Klasör Sayısı", std::to_string(summary.folders)},
        {"Toplam Boyut", optionalSize(summary.bytes)},
        {"Birim Etiketi", f.label},
        {"Seri Numarası", f.serial},
        {"Dosya Sistemi", f.fileSystem},
        {"Ortam Boyutu", optionalSize(f.totalBytes)},
        {"Boş Alan", optionalSize(f.freeBytes)},
    };
    for (const std::size_t node : summary.largest)
        info.largest.push_back({d->bytes(node), tree.TracePath(node)});
    return info;
}

} // namespace kartavel::reg
