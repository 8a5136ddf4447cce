#include "text/Collation.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#endif

using kartavel::text::Collation;

TEST(Collation, IgnoresLetterCaseButNotAccents) {
    const Collation c("tr_TR");
    EXPECT_EQ(c.compare("Belgeler", "BELGELER"), 0);
    EXPECT_NE(c.compare("e", "é"), 0);
    EXPECT_LT(c.compare("a", "B"), 0);
    EXPECT_GT(c.compare("b", "A"), 0);
}

TEST(Collation, TurkishOrderPutsTheTurkishLettersInPlace) {
    if (kartavel::test::runningUnderWine())
        GTEST_SKIP() << "Wine's collation has no Turkish letters of its own";
    const Collation tr("tr_TR.UTF-8");
    EXPECT_EQ(tr.localeName(), "tr_TR");
    EXPECT_LT(tr.compare("cam", "çam"), 0);
    EXPECT_LT(tr.compare("çam", "dam"), 0);
    EXPECT_LT(tr.compare("ılık", "ilik"), 0); // ı comes before i in Turkish
}

TEST(Collation, SortKeysOrderAsCompareDoes) {
    const Collation c("tr_TR");
    std::vector<std::string> words = {"Zeytin", "ağaç", "Ağaç", "çam", "Cam", "ılık", "ilik",
                                      "İlik",   "abc",  "ABD",  "a b", "",    "ö",    "o"};
    for (const auto& a : words)
        for (const auto& b : words) {
            const int byCompare = c.compare(a, b);
            const std::string ka = c.sortKey(a), kb = c.sortKey(b);
            const int byKey = ka < kb ? -1 : (kb < ka ? 1 : 0);
            EXPECT_EQ(byCompare, byKey) << a << " / " << b;
        }
}

TEST(Collation, UnknownAndPosixLocalesFallBackToRoot) {
    for (const char* name : {"C", "POSIX", "", "C.UTF-8"}) {
        const Collation c(name);
        EXPECT_EQ(c.localeName(), "") << name;
        EXPECT_EQ(c.compare("abc", "ABC"), 0) << name;
    }
}

#ifdef _WIN32
TEST(Collation, TheUsersLocaleIsWindowsOwn) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    ASSERT_GT(::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH), 0);
    std::string expected;
    for (const wchar_t* c = name; *c; ++c)
        expected.push_back(*c == L'-' ? '_' : static_cast<char>(*c));
    EXPECT_EQ(Collation::environmentLocale(), expected);
    EXPECT_EQ(Collation::user().localeName(), expected);
}
#else
TEST(Collation, TheEnvironmentNamesTheLocaleInItsOrder) {
    struct Case {
        const char* lcAll;
        const char* lcCollate;
        const char* lang;
        const char* expected;
    };
    const Case cases[] = {
        {"tr_TR.UTF-8", "de_DE", "en_US", "tr_TR.UTF-8"},
        {"", "de_DE.UTF-8", "en_US", "de_DE.UTF-8"},
        {nullptr, nullptr, "en_US.UTF-8", "en_US.UTF-8"},
        {nullptr, nullptr, nullptr, ""},
    };
    for (const auto& c : cases) {
        kartavel::test::ScopedEnv lcAll("LC_ALL", c.lcAll), lcCollate("LC_COLLATE", c.lcCollate),
            lang("LANG", c.lang);
        EXPECT_EQ(Collation::environmentLocale(), c.expected);
    }
}
#endif
