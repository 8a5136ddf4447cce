#include "PathForm.h"

namespace kartavel::platform {

namespace {

bool isDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool startsWithDrive(std::string_view s) {
    return s.size() >= 2 && isDriveLetter(s[0]) && s[1] == ':';
}

bool isWindowsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The separators of a relative path: this system's ("\" and "/" on Windows).
bool isNativeSeparator(char c) {
    return kNativeSeparator == '\\' ? isWindowsSeparator(c) : c == '/';
}

// Appends the non-empty names of `rest`, split at `isSeparator`.
template <typename IsSeparator>
void appendComponents(std::string_view rest, std::vector<std::string_view>& out,
                      IsSeparator isSeparator) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= rest.size(); ++i) {
        if (i == rest.size() || isSeparator(rest[i])) {
            if (i > start)
                out.push_back(rest.substr(start, i - start));
            start = i + 1;
        }
    }
}

// The end of the UNC root "\\server\share": after the share's name.
std::size_t uncRootEnd(std::string_view path) {
    std::size_t i = 2;
    for (int part = 0; part < 2; ++part) {
        if (part == 1 && i < path.size())
            ++i; // the separator between server and share
        while (i < path.size() && !isWindowsSeparator(path[i]))
            ++i;
    }
    return i;
}

} // namespace

void splitPath(std::string_view path, PathParts& out) {
    out.components.clear();
    if (startsWithDrive(path)) {
        out.form = RootForm::Drive;
        out.root = path.substr(0, 2);
        appendComponents(path.substr(2), out.components, isWindowsSeparator);
    } else if (path.starts_with("\\\\")) {
        out.form = RootForm::Unc;
        const std::size_t end = uncRootEnd(path);
        out.root = path.substr(0, end);
        appendComponents(path.substr(end), out.components, isWindowsSeparator);
    } else if (path.starts_with('/')) {
        out.form = RootForm::Posix;
        out.root = path.substr(0, 1);
        appendComponents(path.substr(1), out.components, [](char c) { return c == '/'; });
    } else {
        out.form = RootForm::None;
        out.root = {};
        appendComponents(path, out.components, isNativeSeparator);
    }
}

PathParts splitPath(std::string_view path) {
    PathParts parts;
    splitPath(path, parts);
    return parts;
}

RootForm rootForm(std::string_view rootText) {
    if (startsWithDrive(rootText))
        return RootForm::Drive;
    if (rootText.starts_with("\\\\"))
        return RootForm::Unc;
    if (rootText.starts_with('/'))
        return RootForm::Posix;
    return RootForm::None;
}

char separatorOf(RootForm form) {
    return form == RootForm::Posix ? '/' : '\\';
}

void appendName(std::string& path, std::string_view name, char separator) {
    if (!path.empty() && path.back() != separator)
        path.push_back(separator);
    path.append(name);
}

std::size_t lastSeparator(std::string_view path) {
    const RootForm form = rootForm(path);
    const bool windowsNames = form == RootForm::Drive || form == RootForm::Unc ||
                              (form == RootForm::None && kNativeSeparator == '\\');
    return windowsNames ? path.find_last_of("\\/") : path.rfind('/');
}

std::string_view folderPart(std::string_view path) {
    std::size_t cut = lastSeparator(path);
    if (cut == std::string_view::npos && startsWithDrive(path))
        cut = 1; // "D:" keeps its colon
    return cut == std::string_view::npos ? std::string_view{} : path.substr(0, cut + 1);
}

} // namespace kartavel::platform
