#include "CaseFold.h"

#include "WideText.h"

#include <windows.h>

namespace kartavel::text {

std::string foldCaseBySystem(std::string_view text) {
    const std::wstring w = wideFromUtf8(text);
    if (w.empty())
        return {};
    // Turkish casing whatever the user's locale: I goes to ı and İ to i.
    const wchar_t* turkish = L"tr-TR";
    const DWORD flags = LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING;
    const int length = static_cast<int>(w.size());
    const int need =
        ::LCMapStringEx(turkish, flags, w.c_str(), length, nullptr, 0, nullptr, nullptr, 0);
    if (need <= 0)
        return std::string(text);
    std::wstring lower(static_cast<std::size_t>(need), L'\0');
    const int got =
        ::LCMapStringEx(turkish, flags, w.c_str(), length, lower.data(), need, nullptr, nullptr, 0);
    if (got <= 0)
        return std::string(text);
    lower.resize(static_cast<std::size_t>(got));
    return utf8FromWide(lower);
}

} // namespace kartavel::text
