#include "Collation.h"

#include "WideText.h"

#include <windows.h>

#include <algorithm>

namespace kartavel::text {

namespace {

// Letter case ignored, accents and the locale's letters counted, as the scan sort
// has always compared names.
constexpr DWORD kFlags = NORM_IGNORECASE;

int clampedLength(const std::wstring& s) {
    return static_cast<int>(std::min<std::size_t>(s.size(), 0x7FFFFFFF));
}

} // namespace

// CompareStringEx and LCMapStringEx keep no state between calls, so one
// collation serves every thread.
struct Collation::Impl {
    std::wstring windowsName; // "tr-TR"; empty for the invariant (root) locale
};

std::string Collation::environmentLocale() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    if (::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) <= 0)
        return {};
    std::string s = utf8FromWide(name);
    std::replace(s.begin(), s.end(), '-', '_');
    return s;
}

Collation::Collation(std::string_view localeName) : impl_(std::make_unique<Impl>()) {
    locale_ = baseName(localeName);
    std::string windowsName = locale_;
    std::replace(windowsName.begin(), windowsName.end(), '_', '-');
    impl_->windowsName = wideFromUtf8(windowsName);
    if (locale_.empty() || !::IsValidLocaleName(impl_->windowsName.c_str())) {
        locale_.clear();
        impl_->windowsName.clear();
    }
}

Collation::~Collation() = default;

int Collation::compare(std::string_view a, std::string_view b) const {
    const std::wstring wa = wideFromUtf8(a), wb = wideFromUtf8(b);
    const int r =
        ::CompareStringEx(impl_->windowsName.c_str(), kFlags, wa.c_str(), clampedLength(wa),
                          wb.c_str(), clampedLength(wb), nullptr, nullptr, 0);
    if (r == 0)
        return a.compare(b);
    return r == CSTR_LESS_THAN ? -1 : (r == CSTR_GREATER_THAN ? 1 : 0);
}

std::string Collation::sortKey(std::string_view text) const {
    if (text.empty())
        return {}; // LCMapStringEx takes no empty source
    const std::wstring w = wideFromUtf8(text);
    const wchar_t* locale = impl_->windowsName.c_str();
    const DWORD flags = LCMAP_SORTKEY | kFlags;
    const int need = ::LCMapStringEx(locale, flags, w.c_str(), clampedLength(w), nullptr, 0,
                                     nullptr, nullptr, 0);
    if (need <= 0)
        return std::string(text);
    std::string key(static_cast<std::size_t>(need), '\0');
    // With LCMAP_SORTKEY the destination is bytes, whatever its declared type.
    const int got =
        ::LCMapStringEx(locale, flags, w.c_str(), clampedLength(w),
                        reinterpret_cast<LPWSTR>(key.data()), need, nullptr, nullptr, 0);
    // The key ends in a zero byte, which byte-wise comparison does not need.
    key.resize(got > 0 ? static_cast<std::size_t>(got) - 1 : 0);
    return key;
}

} // namespace kartavel::text
