#include "Cp1254.h"

#include "Utf8.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kartavel::text {

namespace {

// 80..9F hex. Unassigned positions hold the C1 control of the same value.
constexpr std::array<char32_t, 32> kHigh80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178, // 98-9F
};

// A0..FF hex follow Latin-1 except for the six Turkish letters.
constexpr char32_t latinOrTurkish(unsigned byte) {
    switch (byte) {
    case 0xD0:
        return 0x011E; // Ğ
    case 0xDD:
        return 0x0130; // İ
    case 0xDE:
        return 0x015E; // Ş
    case 0xF0:
        return 0x011F; // ğ
    case 0xFD:
        return 0x0131; // ı
    case 0xFE:
        return 0x015F; // ş
    default:
        return byte;
    }
}

constexpr std::array<char32_t, 256> makeTable() {
    std::array<char32_t, 256> t{};
    for (unsigned b = 0; b < 256; ++b) {
        if (b < 0x80)
            t[b] = b;
        else if (b < 0xA0)
            t[b] = kHigh80[b - 0x80];
        else
            t[b] = latinOrTurkish(b);
    }
    return t;
}

constexpr std::array<char32_t, 256> kToUnicode = makeTable();

// Reverse map for the characters above 7F, sorted by code point.
struct ReverseEntry {
    char32_t cp;
    unsigned char byte;
};

std::array<ReverseEntry, 128> makeReverse() {
    std::array<ReverseEntry, 128> r{};
    for (unsigned b = 0x80; b < 0x100; ++b)
        r[b - 0x80] = {kToUnicode[b], static_cast<unsigned char>(b)};
    std::sort(r.begin(), r.end(), [](auto& a, auto& b) { return a.cp < b.cp; });
    return r;
}

const std::array<ReverseEntry, 128>& reverseTable() {
    static const auto table = makeReverse();
    return table;
}

} // namespace

char32_t cp1254ToUnicode(unsigned char byte) {
    return kToUnicode[byte];
}

std::optional<unsigned char> unicodeToCp1254(char32_t cp) {
    if (cp < 0x80)
        return static_cast<unsigned char>(cp);
    const auto& r = reverseTable();
    auto it = std::lower_bound(r.begin(), r.end(), cp,
                               [](const ReverseEntry& e, char32_t v) { return e.cp < v; });
    if (it != r.end() && it->cp == cp)
        return it->byte;
    return std::nullopt;
}

std::string decodeCp1254(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out.push_back(c);
        else
            appendUtf8(out, kToUnicode[b]);
    }
    return out;
}

bool appendCp1254(std::string& out, std::string_view utf8) {
    const std::size_t start = out.size();
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++pos;
            continue;
        }
        const char32_t cp = nextCodePoint(utf8, pos);
        const auto byte = cp == kInvalidCodePoint ? std::nullopt : unicodeToCp1254(cp);
        if (!byte) {
            out.resize(start);
            return false;
        }
        out.push_back(static_cast<char>(*byte));
    }
    return true;
}

std::optional<std::string> encodeCp1254(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    if (!appendCp1254(out, utf8))
        return std::nullopt;
    return out;
}

bool fitsCp1254(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const char32_t cp = nextCodePoint(utf8, pos);
        if (cp == kInvalidCodePoint || !unicodeToCp1254(cp))
            return false;
    }
    return true;
}

} // namespace kartavel::text
