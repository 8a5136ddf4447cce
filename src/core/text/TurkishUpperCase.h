#pragma once

#include <string>
#include <string_view>

namespace kartavel::text {

// Folds UTF-8 text for archive-name comparisons, the register filters and the
// content search: ı and I become I, i and İ become İ, ç ğ ö ü ş become Ç Ğ Ö Ü Ş,
// and the ASCII letters a-z become A-Z. Every other character (é, ß, digits,
// ill-formed bytes) is left exactly as it is.
std::string TurkishUpperCase(std::string_view text);

} // namespace kartavel::text
