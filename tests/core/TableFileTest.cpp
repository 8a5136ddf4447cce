#include "store/TableFile.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"

#include <gtest/gtest.h>

using namespace kartavel::store;
using kartavel::platform::WriteError;
using kartavel::test::crlfLines;
using kartavel::test::readFile;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

namespace {

RecordTable registerTable() {
    RecordTable t(schemas::KayitOrj_T());
    t.open();
    return t;
}

void addArchive(RecordTable& t, std::optional<int> date, std::string_view code,
                std::string_view name, int kodu, std::string_view cddvd, std::string_view group,
                std::string_view sub) {
    t.append();
    t.setDate(0, date);
    t.setString(1, code);
    t.setString(2, name);
    t.setInteger(3, kodu);
    t.setString(4, cddvd);
    t.setString(5, group);
    t.setString(6, sub);
    t.post();
}

// Every record as "v1|v2|..." with value texts.
std::vector<std::string> dump(RecordTable& t) {
    std::vector<std::string> rows;
    for (t.first(); !t.eof(); t.next()) {
        std::string row;
        for (std::size_t i = 0; i < t.fields().size(); ++i)
            row += (i ? "|" : "") + t.asString(static_cast<int>(i));
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(TableFile, ARegisterOfTwoRecordsHasItsExactBytes) {
    TempDir dir;
    auto t = registerTable();
    addArchive(t, 38353, "A-12", "Yedek 2005", 1, "0", "Belgeler", "");
    addArchive(t, std::nullopt, "", "Arşiv Çığ", 2, "2", "Müzik", "Türkü");
    RxMemorySaveToFile(t, dir / "ARSIV_Y.DB");
    EXPECT_EQ(readFile(dir / "ARSIV_Y.DB"),
              crlfLines({"[RecNo1]", "TARIHI=38353", "OZEL_KODU=A-12", "ARSIV_ADI=Yedek 2005",
                         "KODU=1", "CDDVD=0", "GRUBU=Belgeler", "ALTGRUB=", "[RecNo2]",
                         "TARIHI=", "OZEL_KODU=", "ARSIV_ADI=Ar\xFEiv \xC7\xFD\xF0", "KODU=2",
                         "CDDVD=2", "GRUBU=M\xFCzik", "ALTGRUB=T\xFCrk\xFC"}));

    auto back = registerTable();
    RxMemoryLoadFromFile(back, dir / "ARSIV_Y.DB");
    EXPECT_EQ(dump(back), dump(t));
    back.first();
    EXPECT_TRUE(back.isNull(6)) << "ALTGRUB= loads as null";
}

TEST(TableFile, SaveReturnsToTheCurrentRecordAndLoadEndsOnTheFirst) {
    TempDir dir;
    auto t = registerTable();
    for (int i = 1; i <= 3; ++i)
        addArchive(t, i, "", "A" + std::to_string(i), i, "0", "", "");
    t.first();
    t.next();
    RxMemorySaveToFile(t, dir / "R.DB");
    EXPECT_EQ(t.recNo(), 2);
    RxMemoryLoadFromFile(t, dir / "R.DB");
    EXPECT_EQ(t.recNo(), 1);
    EXPECT_EQ(t.recordCount(), 3);
}

TEST(TableFile, AFilteredTableIsSavedWhole) {
    TempDir dir;
    RecordTable t(schemas::AltGrupF_AltGrubu_Rx1());
    t.open();
    for (auto [g, s] : {std::pair{"Film", "Yerli"}, {"Müzik", "Pop"}}) {
        t.append();
        t.setString("ANAGRUP", g);
        t.setString("ALTGRUP", s);
        t.post();
    }
    t.setFilter("ANAGRUP", "Müzik");
    RxMemorySaveToFile(t, dir / "A.DB");
    EXPECT_EQ(readFile(dir / "A.DB"),
              crlfLines({"[RecNo1]", "ANAGRUP=Film", "ALTGRUP=Yerli", "ACIKLAMA=", "[RecNo2]",
                         "ANAGRUP=M\xFCzik", "ALTGRUP=Pop", "ACIKLAMA="}));
    EXPECT_EQ(t.recordCount(), 1) << "the filter stays";
    EXPECT_EQ(t.asString("ALTGRUP"), "Pop");
}

TEST(TableFile, AnEmptyTableDeletesTheFileAndWritesNone) {
    TempDir dir;
    writeFile(dir / "GRUB.DB", "[RecNo1]\r\nGRUBU=x\r\n");
    RecordTable t(schemas::Grubu_Rx());
    t.open();
    RxMemorySaveToFile(t, dir / "GRUB.DB");
    EXPECT_FALSE(kartavel::platform::fileExists(dir / "GRUB.DB"));
    RxMemorySaveToFile(t, dir / "GRUB.DB");
    EXPECT_FALSE(kartavel::platform::fileExists(dir / "GRUB.DB"));
}

TEST(TableFile, LoadingFollowsTheFileWhateverItsShape) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> rows; // GRUBU|ACIKLAMA|EXTRA
    };
    const Case cases[] = {
        {"sections in file order, names ignored",
         crlfLines({"[B]", "GRUBU=b", "[A]", "GRUBU=a"}),
         {"b||", "a||"}},
        {"quoted values and trailing blanks",
         crlfLines({"[RecNo1]", "GRUBU=\"Yedek \"", "ACIKLAMA=son   ", "[RecNo2]", "GRUBU='x'"}),
         {"Yedek |son|", "x||"}},
        {"a foreign column is ignored, a missing one stays null",
         crlfLines({"[RecNo1]", "YABANCI=1", "GRUBU=g"}),
         {"g||"}},
        {"names ignore case", crlfLines({"[recno1]", "grubu=g", "Aciklama=a"}), {"g|a|"}},
        {"lines ending in LF alone", "[RecNo1]\nGRUBU=g\n[RecNo2]\nGRUBU=h\n", {"g||", "h||"}},
        {"a CR alone ends a line", "[RecNo1]\rGRUBU=g\rACIKLAMA=bir\riki\r\n", {"g|bir|"}},
        {"blank lines between sections",
         crlfLines({"[RecNo1]", "GRUBU=g", "", "[RecNo2]", "", "GRUBU=h", ""}),
         {"g||", "h||"}},
        {"a truncated last line", "[RecNo1]\r\nGRUBU=g\r\n[RecNo2]\r\nGRUBU=hal", {"g||", "hal||"}},
        {"no section at all", crlfLines({"GRUBU=g", "ACIKLAMA=a"}), {}},
        {"an empty section is a record",
         crlfLines({"[RecNo1]", "[RecNo2]", "GRUBU=g"}),
         {"||", "g||"}},
        {"a long text is cut to the column",
         crlfLines({"[RecNo1]", "GRUBU=123456789012345678901234567890"}),
         {"12345678901234567890||"}},
        {"code page letters",
         crlfLines({"[RecNo1]", "GRUBU=\xDE\xDD\xDE"
                                "E"}),
         {"ŞİŞE||"}},
        {"utf-8 with a byte-order mark",
         "\xEF\xBB\xBF" + crlfLines({"[RecNo1]", "GRUBU=ŞİŞE"}),
         {"ŞİŞE||"}},
    };
    for (const auto& c : cases) {
        RecordTable t({"T",
                       {FieldDef::text("GRUBU", 20), FieldDef::text("ACIKLAMA", 100),
                        FieldDef::text("EXTRA", 10)}});
        loadTableFromBytes(t, c.bytes);
        EXPECT_EQ(dump(t), c.rows) << c.name;
    }
}

TEST(TableFile, DatesThatAreNoNumbersLeaveNullAndTheRestIsRead) {
    auto t = registerTable();
    loadTableFromBytes(t, crlfLines({"[RecNo1]", "TARIHI=0", "ARSIV_ADI=a", "[RecNo2]",
                                     "TARIHI=abc", "ARSIV_ADI=b", "KODU=12x", "CDDVD=1"}));
    ASSERT_EQ(t.recordCount(), 2);
    t.first();
    EXPECT_EQ(t.asDate(0), 0) << "30 December 1899";
    t.next();
    EXPECT_FALSE(t.asDate(0));
    EXPECT_EQ(t.asString(2), "b");
    EXPECT_TRUE(t.isNull(3));
    EXPECT_EQ(t.asString(4), "1");
}

TEST(TableFile, ADamagedFileNeverStopsTheReader) {
    std::string binary = "[RecNo1]\r\nGRUBU=ok\r\n";
    for (int i = 0; i < 100'000; ++i)
        binary.push_back(static_cast<char>((i * 2654435761u) >> 24));
    binary += "\r\n[RecNo9]\r\nGRUBU=son\r\n";
    RecordTable t(schemas::Grubu_Rx());
    loadTableFromBytes(t, binary);
    ASSERT_GE(t.recordCount(), 2);
    t.first();
    EXPECT_EQ(t.asString(0), "ok");
    t.last();
    EXPECT_EQ(t.asString(0), "son");

    const std::string huge =
        "[RecNo1]\r\nACIKLAMA=" + std::string(3'000'000, 'x') + "\r\nGRUBU=g\r\n";
    loadTableFromBytes(t, huge);
    ASSERT_EQ(t.recordCount(), 1);
    EXPECT_EQ(t.asString(0), "g");
    EXPECT_EQ(t.asString(1).size(), 100u);
}

TEST(TableFile, AMissingFileGivesAnEmptyTable) {
    TempDir dir;
    auto t = registerTable();
    addArchive(t, 1, "", "x", 1, "0", "", "");
    RxMemoryLoadFromFile(t, dir / "none.DB");
    EXPECT_TRUE(t.isEmpty());
}

TEST(TableFile, TextsThatTheFileCannotHoldAreRefusedAndTheOldFileStays) {
    TempDir dir;
    const auto path = dir / "GRUB.DB";
    const std::string old = crlfLines({"[RecNo1]", "GRUBU=eski", "ACIKLAMA="});
    writeFile(path, old);
    for (const char* bad : {"日本", "iki\r\nsatır", "a\nb"}) {
        RecordTable t(schemas::Grubu_Rx());
        t.open();
        t.append();
        t.setString(0, "yeni");
        t.setString(1, bad);
        t.post();
        try {
            RxMemorySaveToFile(t, path);
            ADD_FAILURE() << "saved " << bad;
        } catch (const WriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + kartavel::test::utf8(path));
        }
        EXPECT_EQ(readFile(path), old);
    }
}

// A hand-edited register whose value holds a stray CR: what loads must save again,
// or every later registration in that folder would fail.
TEST(TableFile, AFileWithAStrayCarriageReturnLoadsIntoWhatSavesAgain) {
    TempDir dir;
    const auto path = dir / "ARSIV_Y.DB";
    writeFile(path, "[RecNo1]\r\nARSIV_ADI=Yaz\rbozuk\r\nKODU=3\r\n");
    auto t = registerTable();
    RxMemoryLoadFromFile(t, path);
    ASSERT_EQ(t.recordCount(), 1);
    EXPECT_EQ(t.asString(2), "Yaz");
    EXPECT_EQ(t.asString(3), "3");
    addArchive(t, 1, "", "yeni", 4, "0", "", "");
    ASSERT_NO_THROW(RxMemorySaveToFile(t, path));
    RecordTable again = registerTable();
    RxMemoryLoadFromFile(again, path);
    EXPECT_EQ(dump(again), dump(t));
}

TEST(TableFile, AFailedWriteLeavesTheRegisterWhole) {
    TempDir dir;
    const auto path = dir / "ARSIV_Y.DB";
    auto t = registerTable();
    addArchive(t, 1, "", "ilk", 1, "0", "", "");
    RxMemorySaveToFile(t, path);
    const std::string old = readFile(path);
    for (int i = 0; i < 2000; ++i)
        addArchive(t, i, "kod", "arsiv " + std::to_string(i), i, "1", "G", "S");

    {
        kartavel::test::WriteBlocked fullDisk(path, 4096);
        EXPECT_THROW(RxMemorySaveToFile(t, path), WriteError);
    }

    EXPECT_EQ(readFile(path), old);
}
