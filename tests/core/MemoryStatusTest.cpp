#include "platform/MemoryStatus.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

using namespace kartavel::platform;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

TEST(MemoryStatus, ReadsTotalAndLoadFromTheKernelsFigures) {
    struct Case {
        const char* name;
        std::string_view text;
        std::optional<MemoryStatus> expected;
    };
    const Case cases[] = {
        {"available memory",
         "MemTotal:       16314952 kB\nMemFree:          512000 kB\n"
         "MemAvailable:    8973000 kB\nBuffers:          100000 kB\nCached:          4000000 kB\n",
         MemoryStatus{16314952, 45}},
        {"load rounds down", "MemTotal: 300 kB\nMemAvailable: 101 kB\n", MemoryStatus{300, 66}},
        {"any line order, CR LF ends", "MemAvailable: 0 kB\r\nMemTotal: 2048 kB\r\n",
         MemoryStatus{2048, 100}},
        {"older kernel: free, buffers and cache",
         "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 250 kB\n",
         MemoryStatus{1000, 60}},
        {"more available than total", "MemTotal: 1000 kB\nMemAvailable: 4000 kB\n",
         MemoryStatus{1000, 0}},
        {"other lines are skipped",
         "HugePages_Total:       0\nMemTotal: 1000 kB\nCachedX: junk\nMemAvailable: 250 kB\n",
         MemoryStatus{1000, 75}},
        {"no final line end", "MemTotal: 1000 kB\nMemAvailable: 500 kB", MemoryStatus{1000, 50}},
        {"huge figures", "MemTotal: 18446744073709551615 kB\nMemAvailable: 0 kB\n",
         MemoryStatus{18446744073709551615ull, 100}},
        {"empty", "", std::nullopt},
        {"no total", "MemFree: 100 kB\nMemAvailable: 100 kB\n", std::nullopt},
        {"total of zero", "MemTotal: 0 kB\nMemAvailable: 0 kB\n", std::nullopt},
        {"total is no number", "MemTotal: lots\nMemAvailable: 10 kB\n", std::nullopt},
        {"negative figure", "MemTotal: 1000 kB\nMemAvailable: -5 kB\n", std::nullopt},
        {"figure too large", "MemTotal: 99999999999999999999999 kB\nMemAvailable: 1 kB\n",
         std::nullopt},
        {"unknown unit", "MemTotal: 1000 MB\nMemAvailable: 500 kB\n", std::nullopt},
        {"nothing about what is free", "MemTotal: 1000 kB\n", std::nullopt},
        {"binary garbage", std::string_view("\0\xff\xfe:\x01\n", 6), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseMemInfo(c.text), c.expected) << c.name;
}

TEST(MemoryStatus, ReadsAFileAndFailsHonestlyWhenItCannot) {
    TempDir dir;
    writeFile(dir / "meminfo", "MemTotal:        4000 kB\nMemAvailable:    1000 kB\n");
    EXPECT_EQ(memoryStatusFrom(dir / "meminfo"), (MemoryStatus{4000, 75}));
    writeFile(dir / "damaged", "MemTotal: \n");
    EXPECT_EQ(memoryStatusFrom(dir / "damaged"), std::nullopt);
    EXPECT_EQ(memoryStatusFrom(dir / "missing"), std::nullopt);
    EXPECT_EQ(memoryStatusFrom(dir.path()), std::nullopt); // a folder
}

TEST(MemoryStatus, ThisMachineAnswersWithSensibleFigures) {
    const auto status = memoryStatus();
    ASSERT_TRUE(status.has_value());
    EXPECT_GT(status->totalKb, 0u);
    EXPECT_LE(status->load, 100u);
}
