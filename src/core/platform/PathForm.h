#pragma once

#include <string>
#include <string_view>
#include <vector>

// The shapes of a full path: a root and the names below it. Catalogues travel
// between systems, so every form is understood on every system: a drive ("D:")
// or a UNC root ("\\server\share"), whose names are separated by "\" (or "/"),
// and the POSIX root "/", whose names are separated by "/" only, a backslash
// being an ordinary character of a POSIX name.
namespace kartavel::platform {

enum class RootForm {
    None,  // a relative path: no root, names separated by this system's separator
    Drive, // "D:"
    Unc,   // "\\server\share"
    Posix, // "/"
};

// The separator of paths made on this system.
#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

struct PathParts {
    RootForm form = RootForm::None;
    std::string_view root;                    // as written in the path; empty for None
    std::vector<std::string_view> components; // the names below the root; never empty ones
};

// Splits `path` into `out`, reusing its storage. The views point into `path`.
void splitPath(std::string_view path, PathParts& out);
PathParts splitPath(std::string_view path);

// The form of a root text as it stands on the first line of a content file.
RootForm rootForm(std::string_view rootText);

// The separator that joins names below a root of that form: "/" below the POSIX
// root, "\" below a drive or a UNC root (and below any other text, as the
// catalogue has always joined them).
char separatorOf(RootForm form);

// Appends `name` to `path` with `separator`, without doubling a separator that
// `path` already ends in.
void appendName(std::string& path, std::string_view name, char separator);

// The position of the path's last separator (as splitPath sees separators), or
// npos when it has none.
std::size_t lastSeparator(std::string_view path);

// The folder part of a full path: up to and including the last separator, or up
// to the colon of a bare drive; empty when there is neither.
std::string_view folderPart(std::string_view path);

} // namespace kartavel::platform
