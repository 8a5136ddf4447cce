#include "text/Utf8.h"

#include <gtest/gtest.h>

using namespace kartavel::text;

TEST(Utf8, CountsAndCutsByCharacters) {
    struct Case {
        std::string text;
        std::size_t count;
        std::size_t keep;
        std::string left;
    };
    const Case cases[] = {
        {"", 0, 3, ""},
        {"abc", 3, 2, "ab"},
        {"ŞİŞE", 4, 2, "Şİ"},
        {"a€b", 3, 2, "a€"},
        {"a\xFF"
         "b",
         3, 2, "a\xFF"}, // an ill-formed byte is one character
        {"日本語", 3, 5, "日本語"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(characterCount(c.text), c.count) << c.text;
        EXPECT_EQ(leftCharacters(c.text, c.keep), c.left) << c.text;
    }
}

TEST(Utf8, RejectsOverlongAndSurrogateForms) {
    EXPECT_TRUE(isValidUtf8("Arşiv 😀"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));         // truncated
}

TEST(Utf8, Utf16KeepsEveryNameTheSystemGives) {
    struct Case {
        std::u16string utf16;
        std::string utf8;
    };
    const Case cases[] = {
        {u"", ""},
        {u"Arşiv Çığ.ADS", "Arşiv Çığ.ADS"},
        {u"😀 日本", "😀 日本"},
        {u"a\xD800"
         "b",
         "a\xED\xA0\x80"
         "b"}, // a lone high surrogate
        {u"\xDC01", "\xED\xB0\x81"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8) << c.utf8;
        EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16) << c.utf8;
    }
    // Bytes no UTF-16 text gives become the replacement character.
    EXPECT_EQ(utf16FromUtf8("a\xFF\xC3"), u"a\xFFFD\xFFFD");
}
