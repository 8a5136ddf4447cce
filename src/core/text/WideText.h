#pragma once

#include "Utf8.h"

#include <string>
#include <string_view>

// The Win32 edge: core's UTF-8 text as the wide strings of the W functions, and
// back. Windows builds only, where wchar_t is a UTF-16 unit.
namespace kartavel::text {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Win32 edge needs 16-bit wchar_t");

inline std::wstring wideFromUtf8(std::string_view utf8) {
    const std::u16string u = utf16FromUtf8(utf8);
    return std::wstring(u.begin(), u.end());
}

inline std::string utf8FromWide(std::wstring_view wide) {
    return utf8FromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

} // namespace kartavel::text
