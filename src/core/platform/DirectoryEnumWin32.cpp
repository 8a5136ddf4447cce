#include "DirectoryEnum.h"

#include "Win32Support.h"
#include "text/WideText.h"

namespace kartavel::platform {

namespace {

// Closes the search however the enumeration ends.
struct FindCloser {
    HANDLE find;
    ~FindCloser() { ::FindClose(find); }
};

bool isDot(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// 100 ns ticks since 1601-01-01 to seconds since 1970-01-01, rounded down.
std::int64_t unixSeconds(const FILETIME& t) {
    const auto ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    const std::int64_t since1970 = ticks - 116444736000000000LL;
    return since1970 >= 0 ? since1970 / 10000000 : -((-since1970 + 9999999) / 10000000);
}

} // namespace

bool enumerateDirectory(const std::string& folder, std::uint32_t admitted, unsigned /*wanted*/,
                        const std::function<void(const DirectoryEntry&)>& onEntry) {
    std::wstring pattern = win32::widePathFromUtf8(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
        pattern.push_back(L'\\');
    pattern.push_back(L'*');
    WIN32_FIND_DATAW d{};
    const HANDLE find =
        ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &d, FindExSearchNameMatch, nullptr,
                           FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) { // a drive root with no entries, or no folder
        const DWORD error = ::GetLastError();
        const DWORD folderAttributes = win32::attributesOf(win32::widePathFromUtf8(folder));
        return error == ERROR_FILE_NOT_FOUND && folderAttributes != INVALID_FILE_ATTRIBUTES &&
               (folderAttributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    FindCloser closer{find};
    const std::uint32_t refused = attr::Special & ~admitted;
    std::string name;
    do {
        if (isDot(d.cFileName))
            continue;
        DirectoryEntry e;
        e.attributes = d.dwFileAttributes;
        // A junction or a linked folder is never entered: the tree may hold a cycle.
        if ((e.attributes & FILE_ATTRIBUTE_DIRECTORY) &&
            (e.attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        if (e.attributes & refused)
            continue;
        name = text::utf8FromWide(d.cFileName);
        e.name = name;
        e.regularFile = !(e.attributes & attr::Directory);
        if (e.regularFile) {
            // The search gives these with every entry.
            e.size = (static_cast<std::uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
            e.lastWrite = unixSeconds(d.ftLastWriteTime);
        }
        onEntry(e);
    } while (::FindNextFileW(find, &d));
    return true;
}

} // namespace kartavel::platform
