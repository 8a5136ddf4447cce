#pragma once

#include "store/RecordTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the table files hold of the texts a user types: the one rule every command
// that writes a record (registering, editing, renaming, the group and sub-group
// lists, lending) follows.
namespace kartavel::reg {

// The longest archive name, special code and group or sub-group the register
// holds, in characters.
inline constexpr std::size_t kNameLength = 40;
inline constexpr std::size_t kCodeLength = 50;
inline constexpr std::size_t kGroupLength = 30;

// The fields as the refusals name them.
namespace labels {
inline constexpr std::string_view kName = "Arşiv Adı";
inline constexpr std::string_view kCode = "Özel Kodu";
inline constexpr std::string_view kGroup = "Grubu";
inline constexpr std::string_view kSubGroup = "Alt Grubu";
inline constexpr std::string_view kGroupName = "Grup Adı";
inline constexpr std::string_view kSubGroupName = "Alt Grup Adı";
inline constexpr std::string_view kNote = "Açıklama";
inline constexpr std::string_view kPerson = "Emanet Verilenin Adı Soyadı";
} // namespace labels

// The rule for every text that goes into a column of a table file: it is taken only
// when the file gives it back unchanged after a save and a load. A blank at either
// end, or one pair of enclosing quotes, would be lost on reading, and a line break
// or a character the code page lacks cannot be written; the refusal names the field
// by its label. Nothing when the text may be stored. A text is never trimmed or
// unquoted instead: a name read back as another would lose its content file, its
// lending record or its sub-groups, and two names could meet in one.
std::optional<std::string> tableTextRefusal(std::string_view label, std::string_view text);

// The message for a name or a special code longer than the register holds, or that
// the register would not give back (tableTextRefusal), or nothing. Such a name is
// refused, never cut: the name the register gives back would no longer lead to the
// archive's content file.
std::optional<std::string> checkRecordTexts(std::string_view name, std::string_view code);

// checkRecordTexts, then the group and the sub-group as the register keeps them
// (groupText) through tableTextRefusal.
std::optional<std::string> checkArchiveTexts(std::string_view name, std::string_view code,
                                             std::string_view group, std::string_view subGroup);

// The refusal when an archive of the register other than the record `self` (a
// bookmark; 0 for none) already has `name`, letter case aside: "<name> adında arşiv
// daha önceden kaydedilmiş...". One pass over the records, filter ignored.
std::optional<std::string> archiveNameTaken(const store::RecordTable& KayitOrj_T,
                                            std::string_view name,
                                            store::RecordTable::Bookmark self = 0);

// The refusal when `name` cannot be a content file's name in the data folder:
// "<name> adı dosya adı olarak kullanılamaz...".
std::optional<std::string> contentFileNameUnusable(std::string_view name);

// As contentFileNameUnusable, and also when a file (or a link) under the content
// file's name is already there: "<name> adında arşiv dosyası veri klasöründe zaten
// var..."; it belongs to somebody else and is never replaced.
std::optional<std::string> contentFileNameRefusal(std::string_view name);

// What the register keeps of a group or sub-group text: its first 30 characters,
// as the window's field does.
std::string groupText(std::string_view group);

} // namespace kartavel::reg
