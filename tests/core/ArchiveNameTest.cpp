#include "capture/ArchiveName.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace kartavel::capture;

TEST(ArchiveName, OnlyPlainFileNamesBecomeContentFilePaths) {
    kartavel::test::ScopedDataFolder data;
    for (const char* ok : {"Yedek 2005", "İş Arşivi", "a.b", "...", "x-y_z(1)", "CONSOLE", "COM10",
                           "Con Yedek", "LPT0"}) {
        EXPECT_TRUE(isPlainFileName(ok)) << ok;
        EXPECT_EQ(contentFilePath(ok), data / (std::string(ok) + ".ADS")) << ok;
    }
    for (const char* bad :
         {"",    ".",   "..",        "../x", "a/b",   "a\\b",      "C:x",       "a*",
          "a?",  "a<b", "a>b",       "a|b",  "a\"b",  "tab\there", "line\nend", "del\x7f",
          "CON", "nul", "Aux.yedek", "com1", "LPT9 ", "prn . x"}) {
        EXPECT_FALSE(isPlainFileName(bad)) << bad;
        EXPECT_FALSE(contentFilePath(bad).has_value()) << bad;
    }
}
