#include "capture/PathOrder.h"

#include <gtest/gtest.h>

using namespace kartavel::capture;
using kartavel::text::Collation;

using Paths = std::vector<std::string>;

TEST(PathOrder, ComparesPathsNameByName) {
    const Collation root("");
    const struct {
        Paths input;
        Paths sorted;
    } cases[] = {
        // As whole strings e/a, é/a, e/z would interleave the folders e and é.
        {{"/m/é/a.txt", "/m/e/z.txt", "/m/e/a.txt"}, {"/m/e/a.txt", "/m/e/z.txt", "/m/é/a.txt"}},
        // Names equal but for case fall back to exact bytes, so "A" stays whole.
        {{"/r/a/y", "/r/A/z", "/r/A/x"}, {"/r/A/x", "/r/A/z", "/r/a/y"}},
        // Letter case is ignored before that; files and folders mix.
        {{"D:\\r\\c.txt", "D:\\r\\b\\c.txt", "D:\\r\\A.txt"},
         {"D:\\r\\A.txt", "D:\\r\\b\\c.txt", "D:\\r\\c.txt"}},
        // A folder's path comes before the paths below it.
        {{"/a/b", "/a", "/a b"}, {"/a", "/a/b", "/a b"}},
        {{"D:\\b", "C:\\z", "\\\\srv\\share\\a"}, {"\\\\srv\\share\\a", "C:\\z", "D:\\b"}},
    };
    for (const auto& c : cases) {
        Paths p = c.input;
        sortPaths(p, root);
        EXPECT_EQ(p, c.sorted);
    }
}

TEST(PathOrder, NamesSortByCollationAndKeepEqualOnes) {
    Paths names{"readme.txt", "B.txt", "readme.txt", "a.txt", "A.txt"};
    sortNames(names, Collation(""));
    EXPECT_EQ(names, (Paths{"A.txt", "a.txt", "B.txt", "readme.txt", "readme.txt"}));

    // The Turkish collation puts ı before i and ş after s.
    Paths turkish{"şu", "su", "ilk", "ılık"};
    sortNames(turkish, Collation("tr_TR"));
    EXPECT_EQ(turkish, (Paths{"ılık", "ilk", "su", "şu"}));
}
