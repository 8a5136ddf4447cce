#include "Shell.h"

#include "Win32Support.h"
#include "text/WideText.h"

#include <shellapi.h>

namespace kartavel::platform {

bool SystemShell::launch(std::string_view verb, const std::string& path) {
    std::wstring w = text::wideFromUtf8(verb);
    for (wchar_t& c : w)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c + 32);
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, w.c_str(), win32::widePathFromUtf8(path).c_str(), nullptr, nullptr,
                        SW_SHOWNORMAL));
    return result > 32; // smaller values are the shell's error codes
}

} // namespace kartavel::platform
