#include "DirectoryEnum.h"

#include <ctime>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kartavel::platform {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Length of the UTF-8 sequence that starts at `pos`, so "?" takes one character.
std::size_t characterLength(std::string_view s, std::size_t pos) {
    std::size_t end = pos + 1;
    while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80 && end - pos < 4)
        ++end;
    return end - pos;
}

// "*" and "?" with one backtracking point: linear for the usual masks.
bool globMatch(std::string_view name, std::string_view mask) {
    std::size_t n = 0, m = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '?') {
            n += characterLength(name, n);
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && lowerAscii(mask[m]) == lowerAscii(name[n])) {
            ++n;
            ++m;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

bool matchesFileMask(std::string_view name, std::string_view mask) {
    if (mask == "*" || mask == "*.*")
        return true;
    if (globMatch(name, mask))
        return true;
    return mask.ends_with(".*") && name.find('.') == std::string_view::npos &&
           globMatch(name, mask.substr(0, mask.size() - 2));
}

LocalDateTime localDateTime(std::int64_t secondsSinceEpoch) {
    const std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm tm{};
#ifdef _WIN32
    if (::localtime_s(&tm, &t) != 0) {
        // The C library takes no moment before 1970; the system's own conversion
        // takes every file time from 1601 on.
        const long long ticks =
            (static_cast<long long>(secondsSinceEpoch) + 11644473600LL) * 10000000LL;
        FILETIME ft{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
        SYSTEMTIME utc{}, local{};
        if (ticks < 0 || !::FileTimeToSystemTime(&ft, &utc) ||
            !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
            return {};
        return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
    }
#else
    if (!::localtime_r(&t, &tm))
        return {};
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

} // namespace kartavel::platform
