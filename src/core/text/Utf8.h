#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Small UTF-8 helpers. Core text is UTF-8; a "character" is a code point.
// Ill-formed bytes are never dropped: each one counts as a character of its own
// and is copied unchanged, so text that came from a foreign file system survives.
namespace kartavel::text {

inline constexpr char32_t kInvalidCodePoint = 0xFFFFFFFF;

// Decodes the code point that starts at `pos` and advances `pos` past it.
// An ill-formed sequence yields kInvalidCodePoint and advances by one byte.
char32_t nextCodePoint(std::string_view s, std::size_t& pos);

// Appends the UTF-8 form of `cp` (which must be a valid scalar value).
void appendUtf8(std::string& out, char32_t cp);

// Number of characters in `s`.
std::size_t characterCount(std::string_view s);

// The first `maxChars` characters of `s`.
std::string_view leftCharacters(std::string_view s, std::size_t maxChars);

// True when `s` is well-formed UTF-8.
bool isValidUtf8(std::string_view s);

// UTF-16, the text of the Windows interfaces. A Windows file name may hold a lone
// surrogate: it becomes the three bytes of its generalised UTF-8 form (ED A0 80 to
// ED BF BF) and those bytes become it again, so every name the system gives opens
// again. Other ill-formed bytes become U+FFFD.
std::u16string utf16FromUtf8(std::string_view utf8);
std::string utf8FromUtf16(std::u16string_view utf16);

} // namespace kartavel::text
