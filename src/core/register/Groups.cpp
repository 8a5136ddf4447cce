#include "Groups.h"

#include "RecordFields.h"

#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"

#include <utility>

namespace kartavel::reg {

namespace cols = store::columns;
using store::RecordTable;

namespace {

std::filesystem::path groupsPath() {
    return platform::dataFile(store::files::kGroups);
}

std::filesystem::path subGroupsPath() {
    return platform::dataFile(store::files::kSubGroups);
}

// The table opened empty and filled from its file, when the file exists.
void loadIfPresent(RecordTable& t, const std::filesystem::path& file) {
    t.close();
    t.open();
    if (platform::fileExists(file))
        store::RxMemoryLoadFromFile(t, file);
}

// The tests both lists share before the duplicate test. A text the file would not
// give back stays in editing, to be corrected.
std::optional<PostRefusal> checkName(std::string_view label, std::string_view name,
                                     std::string_view note) {
    if (name.empty())
        return PostRefusal{std::string(kNoGroupName), true};
    if (name == kDefaultGroup)
        return PostRefusal{std::string(kDigerReserved), false};
    for (auto [fieldLabel, text] : {std::pair{label, name}, {labels::kNote, note}})
        if (auto refusal = tableTextRefusal(fieldLabel, text))
            return PostRefusal{std::move(*refusal), true};
    return std::nullopt;
}

PostRefusal stored() {
    return {std::string(kGroupStored), false};
}

// Tells the refusal and abandons the post; a row that cannot be corrected by typing
// returns to what it was.
[[noreturn]] void refuse(const Dialogue& d, RecordTable& t, const PostRefusal& r) {
    if (d.inform)
        d.inform(r.message);
    if (!r.keepEditing)
        t.cancel();
    throw store::Abort{};
}

bool sameSubGroup(const store::Record& r, int anagrup, int altgrup, std::string_view group,
                  std::string_view name) {
    return store::cellText(r, anagrup) == group && store::cellText(r, altgrup) == name;
}

} // namespace

std::optional<PostRefusal> checkGroupPost(std::string_view name, std::string_view note) {
    if (auto r = checkName(labels::kGroupName, name, note))
        return r;
    RecordTable Kontrol(store::schemas::GrupF_Kontrol());
    loadIfPresent(Kontrol, groupsPath());
    const int grubu = Kontrol.requireField(cols::GRUBU);
    for (const auto& r : Kontrol.records())
        if (store::cellText(r, grubu) == name)
            return stored();
    return std::nullopt;
}

std::optional<PostRefusal> checkSubGroupPost(std::string_view group, std::string_view name,
                                             std::string_view note) {
    if (auto r = checkName(labels::kSubGroupName, name, note))
        return r;
    // The group's name is written with each of its sub-groups.
    if (auto refusal = tableTextRefusal(labels::kGroupName, group))
        return PostRefusal{std::move(*refusal), false};
    const auto file = subGroupsPath();
    if (!platform::fileExists(file))
        return std::nullopt;
    RecordTable Kontrol(store::schemas::AltGrupF_AltGrubu_Rx1());
    loadIfPresent(Kontrol, file);
    const int anagrup = Kontrol.requireField(cols::ANAGRUP);
    const int altgrup = Kontrol.requireField(cols::ALTGRUP);
    for (const auto& r : Kontrol.records())
        if (sameSubGroup(r, anagrup, altgrup, group, name))
            return stored();
    return std::nullopt;
}

void removeSubGroupsOf(std::string_view group) {
    RecordTable AltGrubu_Rx(store::schemas::GrupF_AltGrubu_Rx());
    loadIfPresent(AltGrubu_Rx, subGroupsPath());
    const int anagrup = AltGrubu_Rx.requireField(cols::ANAGRUP);
    AltGrubu_Rx.removeRecords(
        [&](const store::Record& r) { return store::cellText(r, anagrup) == group; });
    store::RxMemorySaveToFile(AltGrubu_Rx, subGroupsPath());
}

// ---- the group list -----------------------------------------------------------------

GroupList::GroupList(Dialogue dialogue)
    : Grubu_Rx(store::schemas::Grubu_Rx()), dialogue_(std::move(dialogue)) {
    Grubu_Rx.beforePost = [this](RecordTable& t) { beforePost(t); };
    Grubu_Rx.afterPost = [this](RecordTable&) { save(); };
    Grubu_Rx.beforeDelete = [this](RecordTable& t) { beforeDelete(t); };
    Grubu_Rx.afterDelete = [this](RecordTable&) {
        save();
        // Only once the group is gone from its file do its sub-groups go: a failure
        // between the two leaves sub-groups nobody lists, never a listed group
        // without its sub-groups.
        if (const auto group = std::exchange(deleting_, std::nullopt))
            removeSubGroupsOf(*group);
    };
}

void GroupList::load() {
    loading_ = true;
    try {
        loadIfPresent(Grubu_Rx, groupsPath());
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
    Grubu_Rx.first();
}

std::optional<std::string> GroupList::subGroupsRefusal() const {
    if (Grubu_Rx.editing())
        return std::string(kFinishRecord);
    return std::nullopt;
}

void GroupList::beforePost(RecordTable& t) {
    if (loading_)
        return;
    if (const auto r = checkGroupPost(t.asString(cols::GRUBU), t.asString(cols::ACIKLAMA)))
        refuse(dialogue_, t, *r);
}

void GroupList::beforeDelete(RecordTable& t) {
    if (loading_)
        return;
    if (dialogue_.ask && !dialogue_.ask(kDeleteGroupQuestion))
        throw store::Abort{};
    deleting_ = t.asString(cols::GRUBU);
}

void GroupList::save() {
    if (loading_)
        return;
    try {
        store::RxMemorySaveToFile(Grubu_Rx, groupsPath());
    } catch (const platform::WriteError&) {
        // The list goes back to what its file still holds, so that no refused change
        // is written later with another one.
        deleting_.reset();
        load();
        throw;
    }
}

// ---- the sub-group list of one group -------------------------------------------------

SubGroupList::SubGroupList(std::string group, Dialogue dialogue)
    : AltGrubu_Rx1(store::schemas::AltGrupF_AltGrubu_Rx1()),
      AltGrubu_Rx(store::schemas::AltGrupF_AltGrubu_Rx1()), group_(std::move(group)),
      dialogue_(std::move(dialogue)) {
    AltGrubu_Rx.beforePost = [this](RecordTable& t) { beforePost(t); };
    AltGrubu_Rx.afterPost = [this](RecordTable& t) { afterPost(t); };
    AltGrubu_Rx.beforeDelete = [this](RecordTable& t) { beforeDelete(t); };
    AltGrubu_Rx.afterDelete = [this](RecordTable&) { save(); };
}

void SubGroupList::load() {
    loading_ = true;
    entries_.clear();
    try {
        loadIfPresent(AltGrubu_Rx1, subGroupsPath());
        AltGrubu_Rx.clearFilter();
        AltGrubu_Rx.close();
        AltGrubu_Rx.open();
        const int anagrup = AltGrubu_Rx1.requireField(cols::ANAGRUP);
        const int altgrup = AltGrubu_Rx1.requireField(cols::ALTGRUP);
        const int aciklama = AltGrubu_Rx1.requireField(cols::ACIKLAMA);
        AltGrubu_Rx.disableControls();
        for (const auto& r : AltGrubu_Rx1.records()) {
            if (store::cellText(r, anagrup) != group_)
                continue;
            AltGrubu_Rx.append();
            AltGrubu_Rx.setString(cols::ANAGRUP, store::cellText(r, anagrup));
            AltGrubu_Rx.setString(cols::ALTGRUP, store::cellText(r, altgrup));
            AltGrubu_Rx.setString(cols::ACIKLAMA, store::cellText(r, aciklama));
            AltGrubu_Rx.post();
            entries_[AltGrubu_Rx.bookmark()] = r.id;
        }
        AltGrubu_Rx.enableControls();
        // Only this group's rows are ever shown.
        AltGrubu_Rx.setFilter(cols::ANAGRUP, group_);
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
}

void SubGroupList::beforePost(RecordTable& t) {
    if (loading_)
        return;
    if (const auto r =
            checkSubGroupPost(group_, t.asString(cols::ALTGRUP), t.asString(cols::ACIKLAMA)))
        refuse(dialogue_, t, *r);
    t.setString(cols::ANAGRUP, group_);
    // An edited row takes the place of its entry in the full table, so the file does
    // not keep the name it had; a new row goes to the end.
    auto& full = AltGrubu_Rx1;
    const auto entry = entries_.find(t.bookmark());
    if (t.state() == RecordTable::State::Edit && entry != entries_.end() &&
        full.gotoBookmark(entry->second))
        full.edit();
    else
        full.append();
    for (const auto column : {cols::ANAGRUP, cols::ALTGRUP, cols::ACIKLAMA})
        full.setString(column, t.asString(column));
    full.post();
    postedEntry_ = full.bookmark();
}

void SubGroupList::afterPost(RecordTable& t) {
    if (loading_)
        return;
    if (postedEntry_)
        entries_[t.bookmark()] = *postedEntry_;
    postedEntry_.reset();
    save();
}

void SubGroupList::beforeDelete(RecordTable& t) {
    if (loading_)
        return;
    if (dialogue_.ask && !dialogue_.ask(kDeleteSubGroupQuestion))
        throw store::Abort{};
    const std::string group = t.asString(cols::ANAGRUP);
    const std::string name = t.asString(cols::ALTGRUP);
    const int anagrup = AltGrubu_Rx1.requireField(cols::ANAGRUP);
    const int altgrup = AltGrubu_Rx1.requireField(cols::ALTGRUP);
    AltGrubu_Rx1.removeRecords(
        [&](const store::Record& r) { return sameSubGroup(r, anagrup, altgrup, group, name); });
    entries_.erase(t.bookmark());
}

void SubGroupList::save() {
    if (loading_)
        return;
    try {
        store::RxMemorySaveToFile(AltGrubu_Rx1, subGroupsPath());
    } catch (const platform::WriteError&) {
        load(); // back to what the file still holds, as the group list does
        throw;
    }
}

} // namespace kartavel::reg
