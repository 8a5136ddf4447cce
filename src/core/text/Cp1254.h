#pragma once

#include <optional>
#include <string>
#include <string_view>

// Code page 1254 (Turkish ANSI), the byte form of every table file, of the legacy
// register and of the stored-values file.
namespace kartavel::text {

// The code point of each byte. Bytes that the code page leaves unassigned
// (81, 8D, 8E, 8F, 90, 9D, 9E hex) map to the C1 control of the same value,
// so any byte sequence decodes and encodes back unchanged.
char32_t cp1254ToUnicode(unsigned char byte);

// The byte for a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> unicodeToCp1254(char32_t cp);

// Bytes to UTF-8. Never fails.
std::string decodeCp1254(std::string_view bytes);

// UTF-8 to bytes, or nothing when a character does not fit (or the text is not
// well-formed UTF-8). Nothing is ever replaced silently.
std::optional<std::string> encodeCp1254(std::string_view utf8);

// Appends the bytes of the UTF-8 text to `out`. False, with `out` cut back to its
// old length, when a character does not fit.
bool appendCp1254(std::string& out, std::string_view utf8);

// True when every character of the UTF-8 text has a byte in the code page.
bool fitsCp1254(std::string_view utf8);

} // namespace kartavel::text
