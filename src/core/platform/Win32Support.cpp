#include "Win32Support.h"

#include "text/WideText.h"

namespace kartavel::platform::win32 {

bool Handle::close() {
    bool ok = true;
    if (valid())
        ok = ::CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
}

namespace {

bool isBareDrive(std::wstring_view p) {
    return p.size() == 2 && p[1] == L':' &&
           ((p[0] >= L'A' && p[0] <= L'Z') || (p[0] >= L'a' && p[0] <= L'z'));
}

} // namespace

std::wstring widePath(const std::filesystem::path& path) {
    std::wstring w = path.native();
    if (isBareDrive(w))
        w.push_back(L'\\');
    return w;
}

std::wstring widePathFromUtf8(std::string_view utf8) {
    return widePath(std::filesystem::path(text::wideFromUtf8(utf8)));
}

DWORD attributesOf(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str());
}

} // namespace kartavel::platform::win32
