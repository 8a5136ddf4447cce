#include "text/Cp1254.h"

#include <gtest/gtest.h>

#include <set>
#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/ucnv.h>
#endif

using namespace kartavel::text;

namespace {

#ifdef _WIN32
// The code page's mapping as Windows itself converts it; nothing when Windows has
// the byte unassigned.
std::optional<char32_t> systemMapping(unsigned char byte) {
    const char in = static_cast<char>(byte);
    wchar_t out[2] = {};
    if (::MultiByteToWideChar(1254, MB_ERR_INVALID_CHARS, &in, 1, out, 2) != 1)
        return std::nullopt;
    return out[0];
}
#else
// The code page's published mapping, as ICU carries it, for one byte; nothing when
// ICU has the byte unassigned.
std::optional<char32_t> systemMapping(unsigned char byte) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* cnv = ucnv_open("windows-1254", &status);
    EXPECT_TRUE(U_SUCCESS(status));
    ucnv_setToUCallBack(cnv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    UChar out[4];
    const char in = static_cast<char>(byte);
    const int32_t n = ucnv_toUChars(cnv, out, 4, &in, 1, &status);
    ucnv_close(cnv);
    if (U_FAILURE(status) || n != 1 || out[0] == 0xFFFD || out[0] == 0x1A)
        return std::nullopt;
    return out[0];
}
#endif

} // namespace

TEST(Cp1254, EveryAssignedByteMatchesThePublishedMapping) {
    int assigned = 0;
    for (int b = 0; b < 256; ++b) {
        const auto expected = systemMapping(static_cast<unsigned char>(b));
        if (!expected)
            continue;
        ++assigned;
        EXPECT_EQ(cp1254ToUnicode(static_cast<unsigned char>(b)), *expected) << "byte " << b;
    }
    EXPECT_GE(assigned, 249);
}

TEST(Cp1254, UnassignedBytesDecodeToTheirC1Control) {
    for (unsigned char b : {0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x9D, 0x9E})
        EXPECT_EQ(cp1254ToUnicode(b), static_cast<char32_t>(b)) << int(b);
}

TEST(Cp1254, TheTableIsABijectionOnAllBytes) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = cp1254ToUnicode(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(cp).second) << "byte " << b;
        EXPECT_EQ(unicodeToCp1254(cp), static_cast<unsigned char>(b));
    }
}

TEST(Cp1254, EveryByteSequenceRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const auto back = encodeCp1254(decodeCp1254(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Cp1254, TurkishLettersHaveTheirBytes) {
    EXPECT_EQ(decodeCp1254("\xD0\xDD\xDE\xF0\xFD\xFE"), "ĞİŞğış");
    EXPECT_EQ(encodeCp1254("Arşiv Çığ €"), std::string("Ar\xFEiv \xC7\xFD\xF0 \x80"));
}

TEST(Cp1254, EncodingReportsCharactersThatDoNotFit) {
    struct Case {
        const char* text;
        bool fits;
    };
    const Case cases[] = {
        {"", true},        {"Yedek 2005", true}, {"ÂÊÎ", true},   {"日本", false}, {"ā", false},
        {"Ağaç ŋ", false}, {"\xC3", false},      {"\xFF", false}, {"😀", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fitsCp1254(c.text), c.fits) << c.text;
        EXPECT_EQ(encodeCp1254(c.text).has_value(), c.fits) << c.text;
    }
}
