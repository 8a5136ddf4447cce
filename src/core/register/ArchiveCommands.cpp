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

#include <algorithm>
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
        auto refusal = checkArchiveEdit(currentArchiveFields(t));
        std::optional<std::string> message = refusal ? std::optional(std::move(refusal->message))
                                                     : checkArchiveRename(t, oldName, name);
        if (message) {
            t.restorePreviousValues();
            throw EditRefused(*message);
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

std::optional<EditRefusal> checkArchiveEdit(const ArchiveEdit& e) {
    auto refused = [](std::optional<std::string> message, ArchiveField field) {
        return message ? std::optional(EditRefusal{std::move(*message), field}) : std::nullopt;
    };
    const std::string none;
    if (auto r = refused(checkRecordTexts(e.name.value_or(none), {}), ArchiveField::Name))
        return r;
    if (auto r = refused(checkRecordTexts({}, e.code.value_or(none)), ArchiveField::Code))
        return r;
    if (auto r = refused(tableTextRefusal(labels::kGroup, groupText(e.group.value_or(none))),
                         ArchiveField::Group))
        return r;
    return refused(tableTextRefusal(labels::kSubGroup, groupText(e.subGroup.value_or(none))),
                   ArchiveField::SubGroup);
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

std::optional<EditRefusal> checkArchiveSave(const store::RecordTable& KayitOrj_T,
                                            const ArchiveEdit& edit) {
    if (auto refusal = checkArchiveEdit(edit))
        return refusal;
    if (!edit.name)
        return std::nullopt;
    const auto& records = KayitOrj_T.records();
    const auto stored = std::find_if(records.begin(), records.end(), [&](const store::Record& r) {
        return r.id == KayitOrj_T.bookmark();
    });
    if (stored == records.end())
        return std::nullopt;
    const int adi = KayitOrj_T.requireField(cols::ARSIV_ADI);
    if (auto refusal = checkArchiveRename(KayitOrj_T, store::cellText(*stored, adi), *edit.name))
        return EditRefusal{std::move(*refusal), ArchiveField::Name};
    return std::nullopt;
}

ArchiveEdit currentArchiveFields(const store::RecordTable& t) {
    ArchiveEdit e;
    e.name = t.asString(cols::ARSIV_ADI);
    e.code = t.asString(cols::OZEL_KODU);
    e.date = t.asDate(t.requireField(cols::TARIHI));
    e.group = t.asString(cols::GRUBU);
    e.subGroup = t.asString(cols::ALTGRUB);
    const std::string media = t.asString(cols::CDDVD);
    if (media.size() == 1 && media[0] >= '0' && media[0] <= '2')
        e.mediaKind = media[0] - '0';
    return e;
}

void applyArchiveEdit(store::RecordTable& t, const ArchiveEdit& e) {
    // Bound views are told once, when every field is in.
    t.disableControls();
    struct Resume {
        store::RecordTable& t;
        ~Resume() { t.enableControls(); }
    } resume{t};
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
}

void editCurrentArchive(store::Catalogue& catalogue, const ArchiveEdit& e) {
    auto& t = catalogue.KayitOrj_T;
    applyArchiveEdit(t, e);
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
