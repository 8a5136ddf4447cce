#include "text/CaseFold.h"

#include <gtest/gtest.h>

using kartavel::text::equalIgnoringCase;

TEST(CaseFold, EqualIgnoringCaseFollowsTheTurkishPairs) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Yedek", "YEDEK", true},   {"disk", "DİSK", true},
        {"ışık", "IŞIK", true},     {"disk", "DISK", false},
        {"Çiğdem", "ÇİĞDEM", true}, {"café", "CAFÉ", true},
        {"Yedek", "Yedek ", false}, {"", "", true},
        {"a", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(equalIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
}
