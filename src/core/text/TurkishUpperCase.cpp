#include "TurkishUpperCase.h"

#include "Cp1254.h"
#include "Utf8.h"

namespace kartavel::text {

namespace {

char32_t foldTurkish(char32_t cp) {
    switch (cp) {
    case 0x0131: // ı
        return U'I';
    case U'i':
        return 0x0130; // İ
    case 0x00E7:       // ç
        return 0x00C7;
    case 0x011F: // ğ
        return 0x011E;
    case 0x00F6: // ö
        return 0x00D6;
    case 0x00FC: // ü
        return 0x00DC;
    case 0x015F: // ş
        return 0x015E;
    default:
        return cp >= U'a' && cp <= U'z' ? cp - (U'a' - U'A') : cp;
    }
}

} // namespace

std::string TurkishUpperCase(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 4);
    appendTurkishUpperCase(out, text);
    return out;
}

void appendTurkishUpperCase(std::string& out, std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        if (lead < 0x80 && lead != 'i') {
            out.push_back(lead >= 'a' && lead <= 'z' ? static_cast<char>(lead - 32)
                                                     : static_cast<char>(lead));
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        const char32_t cp = nextCodePoint(text, pos);
        if (cp == kInvalidCodePoint) {
            out.append(text.substr(start, pos - start));
            continue;
        }
        const char32_t folded = foldTurkish(cp);
        if (folded == cp)
            out.append(text.substr(start, pos - start));
        else
            appendUtf8(out, folded);
    }
}

const std::array<unsigned char, 256>& cp1254TurkishUpperCase() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (unsigned b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            const auto folded = unicodeToCp1254(foldTurkish(cp1254ToUnicode(byte)));
            t[b] = folded ? *folded : byte;
        }
        return t;
    }();
    return table;
}

} // namespace kartavel::text
