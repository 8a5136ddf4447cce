#pragma once

#include "Cli.h"

#include <optional>
#include <string>
#include <string_view>

namespace kartavel::cli {

// One line of a password: the next line of standard input with --password-stdin,
// otherwise typed at the terminal after `prompt`, without echo. A CR before the
// line end is dropped. Nothing when no line comes.
std::optional<std::string> readPasswordLine(Console& con, bool fromStdin, std::string_view prompt);

// Where a password can come from: standard input with --password-stdin, or a person
// at the terminal. False, with the reason written, when there is neither.
bool passwordCanBeRead(Cli& cli, bool fromStdin);

// The message for a password line that did not come.
inline constexpr std::string_view kNoPasswordLine =
    "Parola okunamadı: standart girdide satır yok...";

} // namespace kartavel::cli
