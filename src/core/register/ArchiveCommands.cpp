#include "ArchiveCommands.h"

#include "capture/ArchiveDetails.h"
#include "capture/ArchiveName.h"
#include "platform/FileSystem.h"
#include "register/RecordFields.h"
#include "store/CatalogueSchemas.h"
#include "store/FieldValue.h"
#include "store/TableFile.h"
#include "text/TurkishUpperCase.h"
#include "text/Utf8.h"

#include <utility>

namespace kartavel::reg {

namespace cols = store::columns;

ViewTarget viewArchive(std::string_view archiveName) {
    ViewTarget v;
    v.archiveName = archiveName;
    v.file = capture::existingContentFile(archiveName);
    if (!v.file)
        v.message = capture::kContentFileMissing;
    return v;
}

ViewTarget viewCurrentArchive(const store::Catalogue& catalogue) {
    const auto& t = catalogue.KayitOrj_T;
    if (!t.active() || t.isEmpty())
        return {std::nullopt, "Arşiv kaydı yapılmamış...", {}};
    return viewArchive(t.asString(cols::ARSIV_ADI));
}

void removeArchiveFiles(std::string_view archiveName) {
    if (const auto file = capture::contentFilePath(archiveName))
        platform::removeFile(*file);
    if (const auto details = capture::detailsFilePath(archiveName))
        platform::removeFile(*details);
}

void deleteCurrentArchive(store::Catalogue& catalogue) {
    auto& t = catalogue.KayitOrj_T;
    const std::string name = t.asString(cols::ARSIV_ADI);
    // The register is written without the record first. Only when that has worked
    // do the record and the archive's files go, so a failed write changes nothing.
    store::deleteCurrentAndSave(t, store::Catalogue::registerPath());
    removeArchiveFiles(name);
}

namespace {

// Moves the details file along with a content file that has just moved from
// `oldName`'s place to `newName`'s. False when it is there and cannot follow.
bool moveDetails(std::string_view oldName, std::string_view newName) {
    const auto from = capture::detailsFilePath(oldName);
    const auto to = capture::detailsFilePath(newName);
    if (!from || !to || !platform::fileExists(*from))
        return true; // an archive without details
    // A details file left at the new name belongs to no archive (no content file is
    // there), unless only the letter case changes and it is the archive's own.
    if (text::TurkishUpperCase(oldName) != text::TurkishUpperCase(newName) &&
        platform::fileExists(*to))
        platform::removeFile(*to);
    return platform::renameFile(*from, *to);
}

} // namespace

void afterEditPost(store::Catalogue& catalogue) {
    auto& t = catalogue.KayitOrj_T;
    const int adi = t.requireField(cols::ARSIV_ADI);
    const std::string name = t.asString(adi);
    std::optional<std::filesystem::path> from, to;
    std::optional<std::string> movedFrom; // the old name, once the files have moved
    if (const auto& before = t.previousValues()) {
        const std::string oldName = store::valueText(store::FieldType::String,
                                                     before->cells[static_cast<std::size_t>(adi)]);
        if (auto refusal = checkArchiveRename(t, oldName, name)) {
            t.restorePreviousValues();
            throw RenameRefused(*refusal);
        }
        if (oldName != name) {
            from = capture::contentFilePath(oldName);
            to = capture::contentFilePath(name);
            if (!from || !to || !platform::renameFile(*from, *to))
                from.reset();
            if (from && !moveDetails(oldName, name)) {
                platform::renameFile(*to, *from);
                t.restorePreviousValues();
                throw platform::WriteError(*capture::detailsFilePath(name));
            }
            if (from)
                movedFrom = oldName;
        }
    }
    try {
        catalogue.saveRegister();
    } catch (...) {
        // The stored register still names the old files and holds the old values.
        if (from) {
            platform::renameFile(*to, *from);
            moveDetails(name, *movedFrom);
        }
        t.restorePreviousValues();
        throw;
    }
    t.locate(cols::ARSIV_ADI, name, false);
}

std::optional<std::string> checkArchiveEdit(const ArchiveEdit& e) {
    if (auto refusal =
            checkRecordTexts(e.name.value_or(std::string()), e.code.value_or(std::string())))
        return refusal;
    for (const auto* t : {&e.name, &e.code, &e.group, &e.subGroup})
        if (*t && !store::tableFileCanHold(**t))
            return "Arşiv bilgilerinde kaydedilemeyen karakter var: " + **t;
    return std::nullopt;
}

std::optional<std::string> checkArchiveRename(const store::RecordTable& KayitOrj_T,
                                              std::string_view oldName, std::string_view newName) {
    if (newName == oldName)
        return std::nullopt;
    if (newName.empty())
        return "Arşiv Adını Giriniz...";
    if (auto taken = archiveNameTaken(KayitOrj_T, newName, KayitOrj_T.bookmark()))
        return taken;
    // Only a change of letter case keeps the file: on a system that ignores case the
    // new name's file is the archive's own.
    if (text::TurkishUpperCase(newName) == text::TurkishUpperCase(oldName))
        return contentFileNameUnusable(newName);
    return contentFileNameRefusal(newName);
}

void editCurrentArchive(store::Catalogue& catalogue, const ArchiveEdit& e) {
    auto& t = catalogue.KayitOrj_T;
    t.edit();
    if (e.date)
        t.setDate(t.requireField(cols::TARIHI), *e.date);
    if (e.code)
        t.setString(cols::OZEL_KODU, *e.code);
    if (e.name)
        t.setString(cols::ARSIV_ADI, *e.name);
    if (e.mediaKind)
        t.setString(cols::CDDVD, std::to_string(*e.mediaKind));
    if (e.group)
        t.setString(cols::GRUBU, *e.group);
    if (e.subGroup)
        t.setString(cols::ALTGRUB, *e.subGroup);
    // The save steps run in the register's after-post hook, where the record's
    // earlier values are still known.
    auto hook = std::exchange(t.afterPost, [&](store::RecordTable&) { afterEditPost(catalogue); });
    try {
        t.post();
    } catch (...) {
        t.afterPost = std::move(hook);
        throw;
    }
    t.afterPost = std::move(hook);
}

} // namespace kartavel::reg
