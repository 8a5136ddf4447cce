#include "Collation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <cstdlib>
#include <mutex>
#include <vector>

namespace kartavel::text {

struct Collation::Impl {
    UCollator* collator = nullptr;
    std::mutex mutex; // ICU collators are not safe for concurrent use
};

std::string Collation::environmentLocale() {
    for (const char* var : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* v = std::getenv(var);
        if (v && *v)
            return v;
    }
    return {};
}

Collation::Collation(std::string_view localeName) : impl_(std::make_unique<Impl>()) {
    locale_ = baseName(localeName);
    UErrorCode status = U_ZERO_ERROR;
    impl_->collator = ucol_open(locale_.c_str(), &status);
    if (U_FAILURE(status) || !impl_->collator) {
        status = U_ZERO_ERROR;
        locale_.clear();
        impl_->collator = ucol_open("", &status);
    }
    if (impl_->collator) {
        // Secondary strength: accents count, letter case does not.
        ucol_setStrength(impl_->collator, UCOL_SECONDARY);
    }
}

Collation::~Collation() {
    if (impl_ && impl_->collator)
        ucol_close(impl_->collator);
}

int Collation::compare(std::string_view a, std::string_view b) const {
    UErrorCode status = U_ZERO_ERROR;
    std::lock_guard lock(impl_->mutex);
    const UCollationResult r =
        ucol_strcollUTF8(impl_->collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                         static_cast<int32_t>(b.size()), &status);
    if (U_FAILURE(status))
        return a.compare(b);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

std::string Collation::sortKey(std::string_view text) const {
    // UTF-8 to UTF-16 (ill-formed bytes become U+FFFD), then ICU's key.
    std::vector<UChar> u16(text.size() + 1);
    int32_t u16len = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(u16.data(), static_cast<int32_t>(u16.size()), &u16len, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status))
        return std::string(text);
    std::string key(static_cast<std::size_t>(u16len) * 4 + 16, '\0');
    std::lock_guard lock(impl_->mutex);
    int32_t need =
        ucol_getSortKey(impl_->collator, u16.data(), u16len, reinterpret_cast<uint8_t*>(key.data()),
                        static_cast<int32_t>(key.size()));
    if (need > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<std::size_t>(need));
        need = ucol_getSortKey(impl_->collator, u16.data(), u16len,
                               reinterpret_cast<uint8_t*>(key.data()), need);
    }
    // The key ends in a zero byte, which byte-wise comparison does not need.
    key.resize(need > 0 ? static_cast<std::size_t>(need - 1) : 0);
    return key;
}

} // namespace kartavel::text
