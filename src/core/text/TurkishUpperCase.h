#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kartavel::text {

// Folds UTF-8 text for archive-name comparisons, the register filters and the
// content search: ı and I become I, i and İ become İ, ç ğ ö ü ş become Ç Ğ Ö Ü Ş,
// and the ASCII letters a-z become A-Z. Every other character (é, ß, digits,
// ill-formed bytes) is left exactly as it is.
std::string TurkishUpperCase(std::string_view text);

// The same fold, appended to `out`: a loop over many names reuses one buffer.
void appendTurkishUpperCase(std::string& out, std::string_view text);

// The fold of each code page 1254 byte, as a byte: the pairs above never leave the
// code page, so text in that code page folds byte by byte through this table and
// gives the code page form of the UTF-8 fold.
const std::array<unsigned char, 256>& cp1254TurkishUpperCase();

} // namespace kartavel::text
