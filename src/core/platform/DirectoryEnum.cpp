#include "DirectoryEnum.h"

#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kartavel::platform {

namespace {

// Closes the stream however the enumeration ends.
struct DirCloser {
    DIR* dir;
    ~DirCloser() { ::closedir(dir); }
};

std::uint32_t kindBits(mode_t mode) {
    if (S_ISDIR(mode))
        return attr::Directory;
    if (S_ISREG(mode))
        return attr::Archive;
    return attr::System;
}

bool isDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

bool enumerateDirectory(const std::string& folder, std::uint32_t admitted, unsigned wanted,
                        const std::function<void(const DirectoryEntry&)>& onEntry) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    DirCloser closer{dir};
    const std::uint32_t refused = attr::Special & ~admitted;

    while (const dirent* d = ::readdir(dir)) {
        if (isDot(d->d_name))
            continue;
        DirectoryEntry e;
        e.name = d->d_name;
        struct stat st {};
        bool haveStat = false;
        switch (d->d_type) {
        case DT_DIR:
            e.attributes = attr::Directory;
            break;
        case DT_REG:
            e.attributes = attr::Archive;
            break;
        case DT_LNK:
            // Only a link to a regular file counts, and it counts as that file.
            if (::fstatat(::dirfd(dir), d->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                continue;
            haveStat = true;
            e.attributes = attr::Archive;
            break;
        case DT_UNKNOWN:
            if (::fstatat(::dirfd(dir), d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISLNK(st.st_mode)) {
                if (::fstatat(::dirfd(dir), d->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                    continue;
            }
            haveStat = true;
            e.attributes = kindBits(st.st_mode);
            break;
        default: // devices, pipes, sockets
            e.attributes = attr::System;
            break;
        }
        if (e.name.front() == '.')
            e.attributes |= attr::Hidden;
        if (e.attributes & refused)
            continue;

        const bool isFolder = (e.attributes & attr::Directory) != 0;
        e.regularFile = (e.attributes & attr::Archive) != 0;
        if (!isFolder && wanted != want::Nothing) {
            if (!haveStat && ::fstatat(::dirfd(dir), d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since it was listed
            if ((wanted & want::ReadOnly) && !(st.st_mode & S_IWUSR))
                e.attributes |= attr::ReadOnly;
            e.size = static_cast<std::uint64_t>(st.st_size);
            e.lastWrite = st.st_mtim.tv_sec;
        }
        onEntry(e);
    }
    return true;
}

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Length of the UTF-8 sequence that starts at `pos`, so "?" takes one character.
std::size_t characterLength(std::string_view s, std::size_t pos) {
    std::size_t end = pos + 1;
    while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80 && end - pos < 4)
        ++end;
    return end - pos;
}

// "*" and "?" with one backtracking point: linear for the usual masks.
bool globMatch(std::string_view name, std::string_view mask) {
    std::size_t n = 0, m = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '?') {
            n += characterLength(name, n);
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && lowerAscii(mask[m]) == lowerAscii(name[n])) {
            ++n;
            ++m;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

bool matchesFileMask(std::string_view name, std::string_view mask) {
    if (mask == "*" || mask == "*.*")
        return true;
    if (globMatch(name, mask))
        return true;
    return mask.ends_with(".*") && name.find('.') == std::string_view::npos &&
           globMatch(name, mask.substr(0, mask.size() - 2));
}

LocalDateTime localDateTime(std::int64_t secondsSinceEpoch) {
    const std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

} // namespace kartavel::platform
