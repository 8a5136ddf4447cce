#include "Volume.h"

#include "Win32Support.h"
#include "text/WideText.h"

#include <cstdio>

namespace kartavel::platform {

namespace {

// An empty drive answers with an error, never with a "no disk" box.
class QuietDriveErrors {
public:
    QuietDriveErrors() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &old_); }
    ~QuietDriveErrors() { ::SetThreadErrorMode(old_, nullptr); }

private:
    DWORD old_ = 0;
};

// The label of the volume at `root` ("E:\"); nothing when no medium answers.
bool readLabel(const wchar_t* root, std::string& label) {
    wchar_t name[MAX_PATH + 1] = {};
    if (!::GetVolumeInformationW(root, name, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        return false;
    label = text::utf8FromWide(name);
    return true;
}

} // namespace

std::string volumeLabel(const std::string& path) {
    QuietDriveErrors quiet;
    wchar_t root[MAX_PATH + 1] = {};
    if (!::GetVolumePathNameW(win32::widePathFromUtf8(path).c_str(), root, MAX_PATH + 1))
        return {};
    std::string label;
    readLabel(root, label);
    return label;
}

VolumeFacts volumeFacts(const std::string& path) {
    QuietDriveErrors quiet;
    VolumeFacts v;
    wchar_t root[MAX_PATH + 1] = {};
    if (!::GetVolumePathNameW(win32::widePathFromUtf8(path).c_str(), root, MAX_PATH + 1))
        return v;
    wchar_t name[MAX_PATH + 1] = {}, fileSystem[MAX_PATH + 1] = {};
    DWORD serial = 0;
    if (::GetVolumeInformationW(root, name, MAX_PATH + 1, &serial, nullptr, nullptr, fileSystem,
                                MAX_PATH + 1)) {
        v.label = text::utf8FromWide(name);
        v.fileSystem = text::utf8FromWide(fileSystem);
        char text[10];
        std::snprintf(text, sizeof text, "%04X-%04X", static_cast<unsigned>(serial >> 16),
                      static_cast<unsigned>(serial & 0xFFFF));
        v.serial = text;
    }
    ULARGE_INTEGER freeToCaller{}, total{};
    if (::GetDiskFreeSpaceExW(root, &freeToCaller, &total, nullptr)) {
        v.totalBytes = total.QuadPart;
        v.freeBytes = freeToCaller.QuadPart;
    }
    return v;
}

std::vector<std::string> cdromDriveRoots() {
    QuietDriveErrors quiet;
    std::wstring drives(256, L'\0');
    DWORD n = ::GetLogicalDriveStringsW(static_cast<DWORD>(drives.size()), drives.data());
    if (n > drives.size()) {
        drives.resize(n);
        n = ::GetLogicalDriveStringsW(static_cast<DWORD>(drives.size()), drives.data());
    }
    std::vector<std::string> roots;
    std::string label;
    // "C:\", "D:\", ... one after another, each ended by a zero.
    for (const wchar_t* root = drives.c_str(); n > 0 && *root; root += wcslen(root) + 1) {
        if (::GetDriveTypeW(root) == DRIVE_CDROM && readLabel(root, label))
            roots.push_back(text::utf8FromWide(root));
    }
    return roots;
}

} // namespace kartavel::platform
