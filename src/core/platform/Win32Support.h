#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

// What the Win32 implementations of the platform services share. Windows builds
// only.
namespace kartavel::platform::win32 {

// A kernel handle, closed with the object.
class Handle {
public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    // Closes it now; false when closing failed (a write that did not reach the file).
    bool close();
    void reset(HANDLE h) {
        close();
        h_ = h;
    }
    // Gives up ownership: the caller closes it.
    HANDLE release() {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return h;
    }

private:
    HANDLE h_;
};

// A path for the W functions. A bare drive ("D:") means the drive's root ("D:\"),
// as the catalogue has always meant it, not the drive's current folder.
std::wstring widePathFromUtf8(std::string_view utf8);
std::wstring widePath(const std::filesystem::path& path);

// GetFileAttributesW, or INVALID_FILE_ATTRIBUTES.
DWORD attributesOf(const std::wstring& path);

} // namespace kartavel::platform::win32
