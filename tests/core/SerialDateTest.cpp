#include "store/SerialDate.h"

#include <gtest/gtest.h>

using namespace kartavel::store;

TEST(SerialDate, DayNumbersCountFromTheEndOf1899) {
    struct Case {
        CivilDate date;
        std::int32_t serial;
    };
    const Case cases[] = {
        {{1899, 12, 30}, 0},  {{1899, 12, 31}, 1},       {{1900, 1, 1}, 2},
        {{1899, 12, 29}, -1}, {{2000, 1, 1}, 36526},     {{2026, 12, 10}, 46366},
        {{1, 1, 1}, -693593}, {{9999, 12, 31}, 2958465}, {{2024, 2, 29}, 45351},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(serialFromCivil(c.date), c.serial) << c.serial;
        EXPECT_EQ(civilFromSerial(c.serial), c.date) << c.serial;
    }
}

TEST(SerialDate, IsoTextsRoundTripAndImpossibleDaysAreRefused) {
    EXPECT_EQ(isoDateText(46366), "2026-12-10");
    EXPECT_EQ(parseIsoDate("2026-12-10"), 46366);
    EXPECT_EQ(parseIsoDate("2024-02-29"), 45351);
    for (const char* bad : {"", "2023-02-29", "2026-13-01", "2026-00-10", "2026-1-10", "26-12-10",
                            "2026/12/10", "abcd-ef-gh", "0000-01-01"})
        EXPECT_FALSE(parseIsoDate(bad)) << bad;
}
