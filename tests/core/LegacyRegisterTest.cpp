#include "store/TableFile.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"

#include <gtest/gtest.h>

using namespace kartavel::store;
using kartavel::test::putLE32;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

namespace {

std::vector<std::string> dump(RecordTable& t) {
    std::vector<std::string> rows;
    for (t.first(); !t.eof(); t.next())
        rows.push_back(t.asString(0) + "|" + t.asString(1) + "|" + t.asString(2) + "|" +
                       t.asString(3));
    return rows;
}

} // namespace

TEST(LegacyRegister, ReadsFixedRecordsWithPresenceBytes) {
    TempDir dir;
    std::string file = kartavel::test::legacyRecordBytes({38353, "A-12", "Yedek 2005", 5});
    file += kartavel::test::legacyRecordBytes(
        {std::nullopt, std::nullopt, std::string("Ar\xFEiv"), std::nullopt});
    ASSERT_EQ(file.size(), 148u);
    writeFile(dir / "ARSIV.DB", file);
    RecordTable t(schemas::KayitOrj_T_());
    LoadLegacyRegister(t, dir / "ARSIV.DB");
    EXPECT_EQ(dump(t), (std::vector<std::string>{"38353|A-12|Yedek 2005|5", "||Arşiv|"}));
    t.next();
    EXPECT_TRUE(t.isNull(1)) << "a presence byte 0 before a non-empty text gives null";
}

TEST(LegacyRegister, TextsEndAtTheirFirstZeroByteAndFillTheirSlots) {
    TempDir dir;
    std::string rec =
        kartavel::test::legacyRecordBytes({1, std::string(20, 'K'), std::string(40, 'N'), 1});
    rec[6 + 3] = '\0'; // "KKK\0KKK..." reads as "KKK"
    writeFile(dir / "ARSIV.DB",
              rec + kartavel::test::legacyRecordBytes({2, std::string(""), std::string("n"), 2}));
    RecordTable t(schemas::KayitOrj_T_());
    LoadLegacyRegister(t, dir / "ARSIV.DB");
    t.first();
    EXPECT_EQ(t.asString(1), "KKK");
    EXPECT_EQ(t.asString(2), std::string(40, 'N'));
    t.next();
    EXPECT_TRUE(t.isNull(1)) << "present but empty reads as null";
}

TEST(LegacyRegister, TrailingBytesThatMakeNoRecordAreIgnored) {
    TempDir dir;
    writeFile(dir / "ARSIV.DB",
              kartavel::test::legacyRecordBytes({1, "a", "b", 1}) + std::string(73, '\x01'));
    RecordTable t(schemas::KayitOrj_T_());
    LoadLegacyRegister(t, dir / "ARSIV.DB");
    EXPECT_EQ(t.recordCount(), 1);
}

TEST(LegacyRegister, DayNumbersCountFromYearOne) {
    TempDir dir;
    std::string rec = kartavel::test::legacyRecordBytes({0, "a", "b", 1});
    putLE32(rec, 1, 693594); // 30 December 1899
    std::string rec2 = kartavel::test::legacyRecordBytes({0, "a", "c", 2});
    putLE32(rec2, 1, 1); // 1 January 0001
    std::string rec3 = kartavel::test::legacyRecordBytes({0, "a", "d", 3});
    putLE32(rec3, 1, -5); // before year one: no date
    writeFile(dir / "ARSIV.DB", rec + rec2 + rec3);
    RecordTable t(schemas::KayitOrj_T_());
    LoadLegacyRegister(t, dir / "ARSIV.DB");
    t.first();
    EXPECT_EQ(t.asDate(0), 0);
    t.next();
    EXPECT_EQ(t.asDate(0), -693593);
    t.next();
    EXPECT_FALSE(t.asDate(0));
}

TEST(LegacyRegister, AnUnreadableFileIsAnError) {
    TempDir dir;
    RecordTable t(schemas::KayitOrj_T_());
    EXPECT_THROW(LoadLegacyRegister(t, dir / "ARSIV.DB"), kartavel::platform::ReadError);
}
