#include "Volume.h"

#include "FileSystem.h"

#include <fstream>
#include <system_error>

namespace kartavel::platform {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Undoes the four-character escapes of system tables: "\ooo" in octal, as
// mountinfo writes space, tab, newline and backslash, or "\xhh", as udev writes
// the unsafe bytes of a label.
std::string unescape(std::string_view s, bool hex) {
    const auto digit = [hex](char c) {
        return hex ? hexValue(c) : (c >= '0' && c <= '7' ? c - '0' : -1);
    };
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            const int a = digit(s[i + (hex ? 2 : 1)]);
            const int b = digit(s[i + (hex ? 3 : 2)]);
            const int c = hex ? 0 : digit(s[i + 3]);
            if ((!hex || s[i + 1] == 'x') && a >= 0 && b >= 0 && c >= 0) {
                out.push_back(static_cast<char>(hex ? a * 16 + b : a * 64 + b * 8 + c));
                i += 3;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ' ') {
            if (i > start)
                out.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

bool isBelow(const std::string& path, const std::string& mountPoint) {
    if (mountPoint == "/")
        return path.starts_with('/');
    return path == mountPoint || (path.starts_with(mountPoint) && path[mountPoint.size()] == '/');
}

} // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const auto f = fields(text.substr(start, end - start));
        start = end + 1;
        // id parent major:minor root mount-point options [optional...] - type source ...
        std::size_t dash = 6;
        while (dash < f.size() && f[dash] != "-")
            ++dash;
        if (f.size() < 5 || dash + 2 >= f.size())
            continue;
        out.push_back(
            {unescape(f[4], false), unescape(f[dash + 1], false), unescape(f[dash + 2], false)});
    }
    return out;
}

const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, const std::string& path) {
    const MountEntry* best = nullptr;
    for (const auto& m : mounts) {
        if (isBelow(path, m.mountPoint) &&
            (!best || m.mountPoint.size() >= best->mountPoint.size()))
            best = &m;
    }
    return best;
}

std::string labelFromFolder(const std::filesystem::path& byLabelFolder, const std::string& device) {
    std::error_code ec;
    const std::string target = resolvedPath(device);
    for (std::filesystem::directory_iterator it(byLabelFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (resolvedPath(it->path()) == target)
            return unescape(it->path().filename().string(), true);
    }
    return {};
}

std::string iso9660Label(const std::filesystem::path& device) {
    // The primary volume descriptor is sector 16 of 2048 bytes: "\1CD001", then
    // at byte 40 the 32-byte volume identifier, padded with spaces.
    std::ifstream in(device, std::ios::binary);
    char sector[72] = {};
    if (!in.seekg(16 * 2048) || !in.read(sector, sizeof sector))
        return {};
    if (std::string_view(sector, 6) != std::string_view("\1CD001", 6))
        return {};
    std::string_view id(sector + 40, 32);
    while (!id.empty() && (id.back() == ' ' || id.back() == '\0'))
        id.remove_suffix(1);
    return std::string(id);
}

std::vector<std::string> cdromRootsIn(const std::vector<MountEntry>& mounts) {
    std::vector<std::string> roots;
    for (const auto& m : mounts) {
        if (m.fsType == "iso9660" || m.fsType == "udf")
            roots.push_back(m.mountPoint);
    }
    return roots;
}

std::string resolvedPath(const std::filesystem::path& p) {
    std::error_code ec;
    const auto c = std::filesystem::weakly_canonical(p, ec);
    return utf8FromPath(ec ? p : c);
}

} // namespace kartavel::platform
