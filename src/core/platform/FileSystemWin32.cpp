#include "FileSystem.h"

#include "Win32Support.h"
#include "text/WideText.h"

#include <atomic>

namespace kartavel::platform {

using win32::Handle;
using win32::widePath;

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(text::wideFromUtf8(utf8));
}

std::string utf8FromPath(const fs::path& path) {
    return text::utf8FromWide(path.native());
}

namespace {

// Opens a regular file for reading into `h`, or tells why not.
ReadStatus openRegular(const fs::path& path, Handle& h) {
    const std::wstring wide = widePath(path);
    const DWORD attributes = win32::attributesOf(wide);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD e = ::GetLastError();
        return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? ReadStatus::Missing
                                                                      : ReadStatus::Failed;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return ReadStatus::NotAFile;
    if (readFaultAt(path))
        return ReadStatus::Failed;
    h.reset(::CreateFileW(wide.c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!h.valid())
        return ReadStatus::Failed;
    // A device name (CON, NUL, COM1) or a pipe opens too, as no file on a disk.
    if (::GetFileType(h.get()) != FILE_TYPE_DISK) {
        h.close();
        return ReadStatus::NotAFile;
    }
    return ReadStatus::Read;
}

} // namespace

ReadStatus readRegularFile(const fs::path& path, std::string& out) {
    out.clear();
    Handle h;
    if (const ReadStatus status = openRegular(path, h); status != ReadStatus::Read)
        return status;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(h.get(), &size) && size.QuadPart > 0)
        out.reserve(static_cast<std::size_t>(size.QuadPart));
    char buf[1 << 16];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(h.get(), buf, sizeof buf, &n, nullptr)) {
            out.clear();
            return ReadStatus::Failed;
        }
        if (n == 0)
            break;
        out.append(buf, n);
    }
    return ReadStatus::Read;
}

namespace {

bool writeAll(HANDLE h, std::string_view data) {
    while (!data.empty()) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1u << 30));
        DWORD n = 0;
        if (!::WriteFile(h, data.data(), piece, &n, nullptr) || n == 0)
            return false;
        data.remove_prefix(n);
    }
    return true;
}

// A new, empty file beside `path` that no other writer shares: ".NAME.XXXXXX".
std::wstring createTemporaryBeside(const fs::path& path, Handle& h) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(L".");
    const std::wstring stem = L"." + path.filename().native() + L".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned long long seed =
            ::GetTickCount64() * 2654435761u ^ ::GetCurrentProcessId() * 40503u ^ counter++ * 97u;
        wchar_t suffix[7];
        for (int i = 0; i < 6; ++i)
            suffix[i] = L"abcdefghijklmnopqrstuvwxyz0123456789"[(seed >> (i * 5)) % 36];
        suffix[6] = L'\0';
        const std::wstring tmp = widePath(folder / (stem + suffix));
        HANDLE created = ::CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created != INVALID_HANDLE_VALUE) {
            h.reset(created);
            return tmp;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    return {};
}

// Puts the finished temporary file in the place of `target` in one rename. The
// old file's attributes pass to the new one, as the POSIX build keeps the old
// file's mode. A read-only file is not replaced, and a folder in the file's place
// never is. (ReplaceFileW would keep the old file's permissions as well, but
// where it fails halfway it may leave the old file gone or a copy of it behind.)
bool moveIntoPlace(const std::wstring& tmp, const std::wstring& target) {
    const DWORD old = win32::attributesOf(target);
    if (old != INVALID_FILE_ATTRIBUTES) {
        if (old & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return false;
        constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if ((old & kKept) && !::SetFileAttributesW(tmp.c_str(), old & kKept))
            return false;
    }
    return ::MoveFileExW(tmp.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

} // namespace

void replaceFileAtomically(const fs::path& path, std::string_view contents, bool durable) {
    {
        Handle old;
        const ReadStatus status = openRegular(path, old);
        if (status != ReadStatus::Read && status != ReadStatus::Missing)
            throw WriteError(path);
    }
    Handle h;
    const std::wstring tmp =
        writeFaultAt(WriteStep::Create, path) ? std::wstring() : createTemporaryBeside(path, h);
    if (tmp.empty())
        throw WriteError(path);
    const bool written =
        !writeFaultAt(WriteStep::Write, path) && writeAll(h.get(), contents) &&
        (!durable || (!writeFaultAt(WriteStep::Flush, path) && ::FlushFileBuffers(h.get())));
    if (!h.close() || !written || writeFaultAt(WriteStep::Rename, path) ||
        !moveIntoPlace(tmp, widePath(path))) {
        ::DeleteFileW(tmp.c_str());
        throw WriteError(path);
    }
}

bool removeFile(const fs::path& path) {
    if (::DeleteFileW(widePath(path).c_str()))
        return true;
    const DWORD e = ::GetLastError();
    return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND;
}

bool renameFile(const fs::path& from, const fs::path& to) {
    if (writeFaultAt(WriteStep::Rename, to))
        return false;
    // Without MOVEFILE_REPLACE_EXISTING an existing `to` is never replaced.
    return ::MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), 0) != 0;
}

bool fileExists(const fs::path& path) {
    const DWORD a = win32::attributesOf(widePath(path));
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool directoryExists(const fs::path& path) {
    const DWORD a = win32::attributesOf(widePath(path));
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

ReadOnlyFile::ReadOnlyFile(const fs::path& path) {
    Handle h;
    status_ = openRegular(path, h);
    if (status_ == ReadStatus::Read)
        handle_ = reinterpret_cast<std::intptr_t>(h.release());
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ != kNone)
        ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::optional<FileIdentity> ReadOnlyFile::identity() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle_ == kNone ||
        !::GetFileInformationByHandle(reinterpret_cast<HANDLE>(handle_), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<std::uint64_t>(high) << 32) | low;
    };
    // FILETIME counts 100 ns steps; only equality matters here.
    FileIdentity id;
    id.size = join(info.nFileSizeHigh, info.nFileSizeLow);
    id.modified = static_cast<std::int64_t>(
        join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    id.changed = static_cast<std::int64_t>(
        join(info.ftCreationTime.dwHighDateTime, info.ftCreationTime.dwLowDateTime));
    id.inode = join(info.nFileIndexHigh, info.nFileIndexLow) ^
               (static_cast<std::uint64_t>(info.dwVolumeSerialNumber) << 48);
    return id;
}

bool ReadOnlyFile::readAt(std::uint64_t offset, char* out, std::size_t size) const {
    while (size > 0) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD n = 0;
        if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), out, piece, &n, &at) || n == 0)
            return false;
        out += n;
        size -= n;
        offset += n;
    }
    return true;
}

} // namespace kartavel::platform
