#include "FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <stdio.h> // renameat2
#include <sys/stat.h>
#include <unistd.h>

namespace kartavel::platform {

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const fs::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

namespace {

// Opens a regular file for reading, or tells why not (-1). Look before opening:
// opening a pipe waits for a writer, opening a device may act on it.
int openRegular(const fs::path& path, struct stat& st, ReadStatus& status) {
    if (::stat(path.c_str(), &st) != 0) {
        status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed;
        return -1;
    }
    status = ReadStatus::NotAFile;
    if (!S_ISREG(st.st_mode))
        return -1;
    status = ReadStatus::Failed;
    if (readFaultAt(path))
        return -1;
    // Non-blocking, in case something else was put there meanwhile.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        status = ReadStatus::NotAFile;
        return -1;
    }
    status = ReadStatus::Read;
    return fd;
}

} // namespace

ReadStatus readRegularFile(const fs::path& path, std::string& out) {
    out.clear();
    struct stat st {};
    ReadStatus status;
    const int fd = openRegular(path, st, status);
    if (fd < 0)
        return status;
    if (st.st_size > 0)
        out.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            out.clear();
            return ReadStatus::Failed;
        }
        if (n == 0)
            break;
        out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadStatus::Read;
}

namespace {

bool writeAll(int fd, std::string_view data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

mode_t currentUmask() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}

} // namespace

void replaceFileAtomically(const fs::path& path, std::string_view contents, bool durable) {
    // Keep the old file's permissions; a new file gets the usual ones.
    struct stat old {};
    ReadStatus status;
    const int oldFd = openRegular(path, old, status);
    if (oldFd >= 0)
        ::close(oldFd);
    else if (status != ReadStatus::Missing)
        throw WriteError(path);
    const mode_t mode = oldFd >= 0 ? (old.st_mode & 07777) : (0666 & ~currentUmask());

    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string tmpl = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    if (writeFaultAt(WriteStep::Create, path))
        throw WriteError(path);
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        throw WriteError(path);

    const bool ok = ::fchmod(fd, mode) == 0 && !writeFaultAt(WriteStep::Write, path) &&
                    writeAll(fd, contents) &&
                    (!durable || (!writeFaultAt(WriteStep::Flush, path) && ::fsync(fd) == 0));
    if (::close(fd) != 0 || !ok || writeFaultAt(WriteStep::Rename, path) ||
        ::rename(tmpl.c_str(), path.c_str()) != 0) {
        ::unlink(tmpl.c_str());
        throw WriteError(path);
    }
    if (!durable)
        return;
    // Make the rename itself durable.
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

bool removeFile(const fs::path& path) {
    if (::unlink(path.c_str()) == 0)
        return true;
    return errno == ENOENT;
}

bool renameFile(const fs::path& from, const fs::path& to) {
    if (writeFaultAt(WriteStep::Rename, to))
        return false;
    // Never replace a file that is already there: it belongs to another archive.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without that flag: a hard link fails on an existing name too.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

bool fileExists(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool directoryExists(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

ReadOnlyFile::ReadOnlyFile(const fs::path& path) {
    struct stat st {};
    if (const int fd = openRegular(path, st, status_); fd >= 0)
        handle_ = fd;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ != kNone)
        ::close(static_cast<int>(handle_));
}

std::optional<FileIdentity> ReadOnlyFile::identity() const {
    struct stat st {};
    if (handle_ == kNone || ::fstat(static_cast<int>(handle_), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const auto ns = [](const timespec& t) {
        return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    };
    FileIdentity id;
    id.size = static_cast<std::uint64_t>(st.st_size);
    id.modified = ns(st.st_mtim);
    id.changed = ns(st.st_ctim);
    id.inode = static_cast<std::uint64_t>(st.st_ino);
    return id;
}

bool ReadOnlyFile::readAt(std::uint64_t offset, char* out, std::size_t size) const {
    while (size > 0) {
        const ssize_t n = ::pread(static_cast<int>(handle_), out, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        const auto got = static_cast<std::size_t>(n);
        out += got;
        size -= got;
        offset += got;
    }
    return true;
}

} // namespace kartavel::platform
