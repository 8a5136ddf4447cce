#include "DirectoryEnum.h"

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

} // namespace kartavel::platform
