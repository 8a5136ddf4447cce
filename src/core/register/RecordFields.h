#pragma once

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

// What the register keeps of a group or sub-group text: its first 30 characters,
// as the window's field does.
std::string groupText(std::string_view group);

} // namespace kartavel::reg
