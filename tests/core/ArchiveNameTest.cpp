#include "capture/ArchiveName.h"
#include "platform/DataFolder.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kartavel::capture;
namespace platform = kartavel::platform;

TEST(ArchiveName, OnlyArchiveNamesBecomeContentFilePaths) {
    kartavel::test::ScopedDataFolder data;
    // A trailing blank or dot is no harm here: the extension follows it.
    for (const std::string& ok : std::vector<std::string>{
             "Yedek 2005", "İş Arşivi", "a.b", "...", "x-y_z(1)", "CONSOLE", "COM10", "Con Yedek",
             "LPT0", "Yedek.", "Yedek ", std::string(251, 'a')}) {
        EXPECT_TRUE(isArchiveName(ok)) << ok;
        EXPECT_EQ(contentFilePath(ok), data / (ok + ".ADS")) << ok;
    }
    for (const std::string& bad : std::vector<std::string>{"",
                                                           ".",
                                                           "..",
                                                           "../x",
                                                           "a/b",
                                                           "a\\b",
                                                           "C:x",
                                                           "a*",
                                                           "a?",
                                                           "a<b",
                                                           "a>b",
                                                           "a|b",
                                                           "a\"b",
                                                           "tab\there",
                                                           "line\nend",
                                                           "del\x7f",
                                                           "CON",
                                                           "nul",
                                                           "Aux.yedek",
                                                           "com1",
                                                           "LPT9 ",
                                                           "prn . x",
                                                           "/etc/passwd",
                                                           "C:\\Windows\\x",
                                                           "\\\\server\\share",
                                                           std::string(252, 'a'),
                                                           std::string(300, 'a')}) {
        EXPECT_FALSE(isArchiveName(bad)) << bad;
        EXPECT_FALSE(contentFilePath(bad).has_value()) << bad;
    }
}

// The data folder's own gate: no second way around the archive-name rule.
TEST(ArchiveName, DataFileTakesOnlyPlainFileNames) {
    kartavel::test::ScopedDataFolder data;
    for (const std::string& ok :
         std::vector<std::string>{"ARSIV_Y.DB", "dosya.ini", ".ADS", std::string(255, 'b')})
        EXPECT_EQ(platform::dataFile(ok), data / ok) << ok;
    for (const std::string& bad : std::vector<std::string>{
             "", ".", "..", "../ARSIV_Y.DB", "sub/x", "sub\\x", "C:x", "/tmp/x", "CON", "NUL.DB",
             "COM1", "x.", "x ", std::string(256, 'b')}) {
        EXPECT_FALSE(platform::isPlainFileName(bad)) << bad;
        EXPECT_THROW(platform::dataFile(bad), platform::FileNameError) << bad;
    }
}
