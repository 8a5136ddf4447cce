#include "Collation.h"

namespace kartavel::text {

const Collation& Collation::user() {
    static const Collation instance(environmentLocale());
    return instance;
}

std::string Collation::baseName(std::string_view name) {
    // "tr_TR.UTF-8@euro" -> "tr_TR"; "C" and "POSIX" -> "" (root).
    const auto cut = name.find_first_of(".@");
    std::string base(name.substr(0, cut));
    if (base == "C" || base == "POSIX")
        return {};
    return base;
}

} // namespace kartavel::text
