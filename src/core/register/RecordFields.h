#pragma once

#include "store/RecordTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What a register record holds of the texts a user types: the one rule every
// command that writes a record (registering, editing, renaming) follows.
namespace kartavel::reg {

// The longest archive name, special code and group or sub-group the register
// holds, in characters.
inline constexpr std::size_t kNameLength = 40;
inline constexpr std::size_t kCodeLength = 50;
inline constexpr std::size_t kGroupLength = 30;

// The message for a name or a special code longer than the register holds, or for
// a name with a blank at either end, or nothing. Such a name is refused, never cut
// or trimmed: the name the register gives back would no longer lead to the
// archive's content file, and two names could meet in one.
std::optional<std::string> checkRecordTexts(std::string_view name, std::string_view code);

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
