#include "Utf8.h"

namespace kartavel::text {

namespace {

std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

} // namespace

char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    const std::size_t len = sequenceLength(lead);
    if (len == 1) {
        ++pos;
        return lead;
    }
    if (len == 0 || pos + len > s.size()) {
        ++pos;
        return kInvalidCodePoint;
    }
    char32_t cp = lead & (0x7F >> len);
    for (std::size_t i = 1; i < len; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return kInvalidCodePoint;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    // Reject overlong forms, surrogates and values above the Unicode range.
    const bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
    if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        ++pos;
        return kInvalidCodePoint;
    }
    pos += len;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::size_t characterCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < s.size(); ++n)
        nextCodePoint(s, pos);
    return n;
}

std::string_view leftCharacters(std::string_view s, std::size_t maxChars) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < maxChars && pos < s.size(); ++n)
        nextCodePoint(s, pos);
    return s.substr(0, pos);
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size();)
        if (nextCodePoint(s, pos) == kInvalidCodePoint)
            return false;
    return true;
}

namespace {

// The generalised three-byte form of a lone surrogate at `pos`, or 0.
char32_t loneSurrogateAt(std::string_view s, std::size_t pos) {
    if (pos + 3 > s.size() || static_cast<unsigned char>(s[pos]) != 0xED)
        return 0;
    const auto b1 = static_cast<unsigned char>(s[pos + 1]);
    const auto b2 = static_cast<unsigned char>(s[pos + 2]);
    if (b1 < 0xA0 || b1 > 0xBF || (b2 & 0xC0) != 0x80)
        return 0;
    return 0xD000 | ((b1 & 0x3F) << 6) | (b2 & 0x3F);
}

} // namespace

std::u16string utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = nextCodePoint(utf8, pos);
        if (cp == kInvalidCodePoint) {
            if (const char32_t lone = loneSurrogateAt(utf8, pos - 1)) {
                cp = lone;
                pos += 2;
            } else {
                cp = 0xFFFD;
            }
        }
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        }
        appendUtf8(out, cp); // a lone surrogate takes the three-byte form
    }
    return out;
}

} // namespace kartavel::text
