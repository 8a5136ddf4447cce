#include "ArchiveCommands.h"

#include "capture/ArchiveName.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "store/FieldValue.h"
#include "store/TableFile.h"

namespace kartavel::browse {

namespace cols = store::columns;

void deleteCurrentArchive(store::Catalogue& catalogue) {
    auto& t = catalogue.KayitOrj_T;
    const std::string name = t.asString(cols::ARSIV_ADI);
    // The register is written without the record first. Only when that has worked
    // do the record and the content file go, so a failed write changes nothing.
    store::RecordTable rest(store::schemas::KayitOrj_T());
    rest.open();
    const auto current = t.bookmark();
    for (const store::Record& r : t.records()) {
        if (r.id == current)
            continue;
        rest.append();
        for (std::size_t i = 0; i < r.cells.size(); ++i)
            rest.setValue(static_cast<int>(i), r.cells[i]);
        rest.post();
    }
    store::RxMemorySaveToFile(rest, store::Catalogue::registerPath());
    t.remove();
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

} // namespace kartavel::browse
