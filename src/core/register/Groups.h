#pragma once

#include "store/RecordTable.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The group and sub-group lists: the rules of their maintenance windows, which the
// CLI's commands run as well. Both tables are read from the data folder when they
// are opened, checked against the stored file at each post, and written whole
// after every accepted change.
namespace kartavel::reg {

inline constexpr std::string_view kNoGroupName = "Grup adını girmediniz...";
inline constexpr std::string_view kDigerReserved =
    "( Diger ) Grup adı varsayılan olarak tanımlıdır...";
inline constexpr std::string_view kGroupStored = "Bu grup adı kaydedilmiştir !";
inline constexpr std::string_view kFinishRecord = "Lütfen kaydı tamamlayınız...";
inline constexpr std::string_view kDeleteGroupQuestion = "Grubu Silmek istediğinizden eminmisiniz?";
inline constexpr std::string_view kDeleteSubGroupQuestion =
    "AltGrubu Silmek istediğinizden eminmisiniz?";
// The built-in group and sub-group, which neither list stores.
inline constexpr std::string_view kDefaultGroup = "Diger";

// Why a group or sub-group post is refused. With `keepEditing` the row stays in
// editing so that the name can be typed; otherwise its changes are cancelled.
struct PostRefusal {
    std::string message;
    bool keepEditing = false;
};

// The posting tests of a group and its description, in their order: no name,
// "Diger" (exactly), a name or a description that "GRUB.DB" would not give back as
// written (tableTextRefusal; the row stays in editing), a name already stored in
// "GRUB.DB" (exactly). Nothing when the post may proceed.
std::optional<PostRefusal> checkGroupPost(std::string_view name, std::string_view note = {});

// The same for a sub-group of `group`, whose name is tested too; the duplicate test
// looks for the pair in "ALTGRUB.DB" and is skipped while that file does not exist.
std::optional<PostRefusal> checkSubGroupPost(std::string_view group, std::string_view name,
                                             std::string_view note = {});

// How the lists talk to the user: the information box and the Yes/No question.
struct Dialogue {
    std::function<void(std::string_view)> inform;
    std::function<bool(std::string_view)> ask;
};

// Takes every sub-group of the group out of "ALTGRUB.DB" (exact comparison).
void removeSubGroupsOf(std::string_view group);

// The group window's table and its hooks. Posting runs the tests above (a refusal
// is told through `inform` and abandons the post with store::Abort) and writes
// "GRUB.DB"; deleting asks first, takes the group's sub-groups out of "ALTGRUB.DB",
// then writes "GRUB.DB". Write failures are platform::WriteError.
class GroupList {
public:
    explicit GroupList(Dialogue dialogue);
    GroupList(const GroupList&) = delete;
    GroupList& operator=(const GroupList&) = delete;

    store::RecordTable Grubu_Rx; // the groups as shown and edited

    // Empties the table and loads "GRUB.DB"; unsaved rows are dropped. The first row
    // is current.
    void load();
    bool loading() const { return loading_; }

    // "Alt Grup Ekle": the refusal while a row is being inserted or edited, else
    // nothing.
    std::optional<std::string> subGroupsRefusal() const;

private:
    void beforePost(store::RecordTable& t);
    void beforeDelete(store::RecordTable& t);
    void save();

    Dialogue dialogue_;
    bool loading_ = false;
    std::optional<std::string> deleting_; // the group a delete under way takes out
};

// The sub-group window's tables for one group: the full table of every group, and the
// working table that shows and edits only this group's sub-groups. A post is checked
// as above and reaches the full table (a new row at its end, an edited row in place of
// its earlier entry), which is then written to "ALTGRUB.DB"; a delete asks first and
// removes the pair from the full table.
class SubGroupList {
public:
    SubGroupList(std::string group, Dialogue dialogue);
    SubGroupList(const SubGroupList&) = delete;
    SubGroupList& operator=(const SubGroupList&) = delete;

    store::RecordTable AltGrubu_Rx1; // every group's sub-groups, saved whole
    store::RecordTable AltGrubu_Rx;  // this group's sub-groups, shown and edited

    const std::string& group() const { return group_; }
    void load();
    bool loading() const { return loading_; }

private:
    void beforePost(store::RecordTable& t);
    void afterPost(store::RecordTable& t);
    void beforeDelete(store::RecordTable& t);
    void save();

    std::string group_;
    Dialogue dialogue_;
    bool loading_ = false;
    // Which entry of the full table each shown row stands for, by bookmark.
    std::map<store::RecordTable::Bookmark, store::RecordTable::Bookmark> entries_;
    std::optional<store::RecordTable::Bookmark> postedEntry_;
};

} // namespace kartavel::reg
