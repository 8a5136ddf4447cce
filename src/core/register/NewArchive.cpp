#include "NewArchive.h"

#include "ArchiveCommands.h"
#include "RecordFields.h"
#include "capture/ArchiveName.h"
#include "capture/ArsivAktar.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "platform/PathForm.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"
#include "text/TurkishUpperCase.h"
#include "text/Utf8.h"

#include <algorithm>
#include <functional>

namespace kartavel::reg {

namespace cols = store::columns;

bool isFilteredNameCharacter(char c) {
    return capture::kForbiddenNameCharacters.find(c) != std::string_view::npos;
}

std::string registrationFolder(const std::string& typed) {
    if (typed.empty())
        return typed;
    auto p = platform::pathFromUtf8(typed);
    // A drive with no folder after it ("E:") means the drive's root, never its
    // current folder.
    if (p.has_root_name() && !p.has_root_directory()) {
        std::filesystem::path rooted = p.root_name();
        rooted += std::filesystem::path::preferred_separator;
        p = rooted / p.relative_path();
    }
    p = std::filesystem::absolute(p).lexically_normal();
    std::string s = platform::utf8FromPath(p);
    while (s.size() > 1 && s.back() == platform::kNativeSeparator)
        s.pop_back();
    return s;
}

namespace {

// One column of every record of a table file loaded into a table of `schema`,
// taken where `keep` holds.
std::vector<std::string> columnOf(const store::TableSchema& schema, std::string_view file,
                                  std::string_view column,
                                  const std::function<bool(const store::RecordTable&)>& keep) {
    store::RecordTable t(schema);
    t.open();
    const auto path = platform::dataFile(file);
    if (platform::fileExists(path))
        store::RxMemoryLoadFromFile(t, path);
    std::vector<std::string> out;
    const int field = t.requireField(column);
    for (t.first(); !t.eof(); t.next())
        if (keep(t))
            out.push_back(t.asString(field));
    return out;
}

} // namespace

std::vector<std::string> groupChoices() {
    return columnOf(store::schemas::Grubu_Rx(), store::files::kGroups, cols::GRUBU,
                    [](const store::RecordTable&) { return true; });
}

std::vector<std::string> subGroupChoices(std::string_view group) {
    if (group.empty())
        return {};
    return columnOf(
        store::schemas::AltGrubu_Rx(), store::files::kSubGroups, cols::ALTGRUP,
        [group](const store::RecordTable& t) { return t.asString(cols::ANAGRUP) == group; });
}

bool subGroupBelongs(std::string_view group, std::string_view subGroup) {
    if (subGroup.empty())
        return true;
    const auto choices = subGroupChoices(group);
    return std::find(choices.begin(), choices.end(), subGroup) != choices.end();
}

std::optional<std::string> checkNewArchive(const store::RecordTable& KayitOrj_T,
                                           const NewArchiveInput& in) {
    if (in.path.empty())
        return "Arşive Alınacak Yolu belirleyiniz...";
    if (!in.date || *in.date <= 0)
        return "Kayıt Tarihini giriniz...";
    if (in.name.empty())
        return "Arşiv Adını Giriniz...";
    if (!platform::directoryExists(platform::pathFromUtf8(in.path)))
        return in.path + "\r\n Arşiv yolu bulunamadı...";

    if (auto taken = archiveNameTaken(KayitOrj_T, in.name))
        return taken;

    if (auto refusal = checkArchiveTexts(in.name, in.code, in.group, in.subGroup))
        return refusal;
    if (auto refusal = contentFileNameRefusal(in.name))
        return refusal;
    return std::nullopt;
}

NewArchiveResult registerNewArchive(store::Catalogue& catalogue, const NewArchiveInput& in,
                                    capture::Progress& scan, capture::Progress& write) {
    NewArchiveResult result;
    // Nothing is written for a text the register cannot hold whole or give back.
    if (auto refusal = checkArchiveTexts(in.name, in.code, in.group, in.subGroup)) {
        result.message = std::move(*refusal);
        return result;
    }
    const capture::ArsivAktarResult written = capture::ArsivAktar(in.path, in.name, scan, write);
    result.files = written.files;
    result.stopped = written.stopped;
    result.message = written.message;
    if (!written.written)
        return result;

    auto& t = catalogue.KayitOrj_T;
    if (!t.active())
        t.open();
    const auto current = t.bookmark();
    t.append();
    t.setDate(t.requireField(cols::TARIHI), in.date);
    t.setString(cols::OZEL_KODU, in.code);
    t.setString(cols::ARSIV_ADI, in.name);
    t.setString(cols::GRUBU, groupText(in.group));
    t.setString(cols::ALTGRUB, groupText(in.subGroup));
    t.setString(cols::CDDVD, std::to_string(in.mediaKind));
    t.post();
    try {
        catalogue.saveRegister();
    } catch (...) {
        // The register on disk does not know the archive: take it back entirely.
        t.last();
        t.remove();
        // The user is back on the record that was current before.
        if (current != 0)
            t.gotoBookmark(current);
        removeArchiveFiles(in.name);
        throw;
    }
    result.registered = true;
    return result;
}

} // namespace kartavel::reg
