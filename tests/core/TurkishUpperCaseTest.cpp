#include "text/TurkishUpperCase.h"

#include "text/Cp1254.h"

#include <gtest/gtest.h>

using kartavel::text::TurkishUpperCase;

TEST(TurkishUpperCase, FoldsExactlyTheTurkishPairsAndAsciiLetters) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"", ""},
        {"disk", "DİSK"},
        {"DİSK", "DİSK"},
        {"ışık", "IŞIK"},
        {"IŞIK", "IŞIK"},
        {"istanbul", "İSTANBUL"},
        {"ISTANBUL", "ISTANBUL"},
        {"çğöüş", "ÇĞÖÜŞ"},
        {"ÇĞÖÜŞ", "ÇĞÖÜŞ"},
        {"index.htm", "İNDEX.HTM"},
        {"café ßâ", "CAFé ßâ"}, // é, ß and â are not among the pairs
        {"a-z 0-9 _.", "A-Z 0-9 _."},
        {"ärger", "äRGER"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TurkishUpperCase(c.in), c.out) << c.in;
}

TEST(TurkishUpperCase, LeavesIllFormedBytesAlone) {
    EXPECT_EQ(TurkishUpperCase("a\xFFi\xC3"), "A\xFF"
                                              "İ\xC3");
}

TEST(TurkishUpperCase, CodePageTableIsTheFoldOfEachByte) {
    using namespace kartavel::text;
    const auto& table = cp1254TurkishUpperCase();
    for (unsigned b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(encodeCp1254(TurkishUpperCase(decodeCp1254(byte))),
                  std::string(1, static_cast<char>(table[b])))
            << b;
    }
    EXPECT_EQ(table['i'], 0xDD); // İ
    EXPECT_EQ(table[0xFD], 'I'); // ı
}
