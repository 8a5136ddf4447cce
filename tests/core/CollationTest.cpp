#include "text/Collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using kartavel::text::Collation;

TEST(Collation, IgnoresLetterCaseButNotAccents) {
    const Collation c("tr_TR");
    EXPECT_EQ(c.compare("Belgeler", "BELGELER"), 0);
    EXPECT_NE(c.compare("e", "é"), 0);
    EXPECT_LT(c.compare("a", "B"), 0);
    EXPECT_GT(c.compare("b", "A"), 0);
}

TEST(Collation, TurkishOrderPutsTheTurkishLettersInPlace) {
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
    auto set = [](const char* var, const char* v) {
        if (v)
            setenv(var, v, 1);
        else
            unsetenv(var);
    };
    const std::string saved[] = {getenv("LC_ALL") ? getenv("LC_ALL") : "",
                                 getenv("LC_COLLATE") ? getenv("LC_COLLATE") : "",
                                 getenv("LANG") ? getenv("LANG") : ""};
    for (const auto& c : cases) {
        set("LC_ALL", c.lcAll);
        set("LC_COLLATE", c.lcCollate);
        set("LANG", c.lang);
        EXPECT_EQ(Collation::environmentLocale(), c.expected);
    }
    set("LC_ALL", saved[0].empty() ? nullptr : saved[0].c_str());
    set("LC_COLLATE", saved[1].empty() ? nullptr : saved[1].c_str());
    set("LANG", saved[2].empty() ? nullptr : saved[2].c_str());
}
