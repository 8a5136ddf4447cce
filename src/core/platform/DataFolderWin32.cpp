#include "DataFolder.h"

#include "Win32Support.h"

#include <cstdlib>
#include <string>

namespace kartavel::platform {

bool canWriteFolder(const std::filesystem::path& folder) {
    // Access rights on Windows are more than a mode: making a file is the test.
    const std::wstring probe = win32::widePath(folder / L".kartavel-write-test");
    win32::Handle h(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return h.valid() || ::GetLastError() == ERROR_FILE_EXISTS;
}

std::filesystem::path userDataHome() {
    if (const wchar_t* appData = ::_wgetenv(L"APPDATA"); appData && *appData)
        return appData;
    return std::filesystem::temp_directory_path();
}

std::filesystem::path programFolder() {
    std::wstring exe(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
        if (n == 0) {
            std::error_code ec;
            return std::filesystem::current_path(ec);
        }
        if (n < exe.size()) {
            exe.resize(n);
            return std::filesystem::path(exe).parent_path();
        }
        exe.resize(exe.size() * 2); // a longer path than the buffer
    }
}

} // namespace kartavel::platform
