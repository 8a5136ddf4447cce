#include "ArchiveCommands.h"

#include "capture/ArchiveName.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "store/FieldValue.h"
#include "store/TableFile.h"

namespace kartavel::reg {

namespace cols = store::columns;

ViewTarget viewArchive(std::string_view archiveName) {
    ViewTarget v;
    v.file = capture::existingContentFile(archiveName);
    if (!v.file)
        v.message = capture::kContentFileMissing;
    return v;
}

ViewTarget viewCurrentArchive(const store::Catalogue& catalogue) {
    const auto& t = catalogue.KayitOrj_T;
    if (!t.active() || t.isEmpty())
        return {std::nullopt, "Arşiv kaydı yapılmamış..."};
    return viewArchive(t.asString(cols::ARSIV_ADI));
}

void deleteCurrentArchive(store::Catalogue& catalogue) {
    auto& t = catalogue.KayitOrj_T;
    const std::string name = t.asString(cols::ARSIV_ADI);
    // The register is written without the record first. Only when that has worked
    // do the record and the content file go, so a failed write changes nothing.
    store::deleteCurrentAndSave(t, store::Catalogue::registerPath());
    if (const auto file = capture::contentFilePath(name))
        platform::removeFile(*file);
}

void afterEditPost(store::Catalogue& catalogue) {
    auto& t = catalogue.KayitOrj_T;
    const int adi = t.requireField(cols::ARSIV_ADI);
    const std::string name = t.asString(adi);
    if (const auto& before = t.previousValues()) {
        const std::string oldName = store::valueText(store::FieldType::String,
                                                     before->cells[static_cast<std::size_t>(adi)]);
        if (oldName != name) {
            const auto from = capture::contentFilePath(oldName);
            const auto to = capture::contentFilePath(name);
            if (from && to)
                platform::renameFile(*from, *to);
        }
    }
    catalogue.saveRegister();
    t.locate(cols::ARSIV_ADI, name, false);
}

} // namespace kartavel::reg
