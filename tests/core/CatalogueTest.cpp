#include "store/Catalogue.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace kartavel::store;
using kartavel::platform::fileExists;
using kartavel::test::crlfLines;
using kartavel::test::readFile;
using kartavel::test::ScopedDataFolder;
using kartavel::test::writeFile;

namespace {

std::string legacyRecord(std::optional<std::int32_t> day, const char* code, const char* name,
                         std::optional<std::int32_t> kodu) {
    return kartavel::test::legacyRecordBytes({day, code, name, kodu});
}

std::vector<std::string> rows(RecordTable& t) {
    std::vector<std::string> out;
    for (t.first(); !t.eof(); t.next()) {
        std::string r;
        for (std::size_t i = 0; i < t.fields().size(); ++i)
            r += (i ? "|" : "") + t.asString(static_cast<int>(i));
        out.push_back(r);
    }
    return out;
}

} // namespace

TEST(Catalogue, AnEmptyDataFolderOpensEmptyAndWritesNothing) {
    ScopedDataFolder data;
    Catalogue c;
    c.open();
    EXPECT_TRUE(c.KayitOrj_T.isEmpty());
    EXPECT_TRUE(c.Emenet_Rx.isEmpty());
    EXPECT_TRUE(std::filesystem::is_empty(data.path()));
}

TEST(Catalogue, ALegacyRegisterIsConvertedOnce) {
    ScopedDataFolder data;
    writeFile(data / "ARSIV.DB", legacyRecord(38353, "A-12", "Yedek", 7) +
                                     legacyRecord(std::nullopt, "", "Eski", std::nullopt) +
                                     legacyRecord(40000, "B", "Son", 3));
    Catalogue c;
    c.open();
    // A null date stays null; a null code keeps the counter's value (2: the second
    // record appended since the counter was set to 1).
    EXPECT_EQ(rows(c.KayitOrj_T), (std::vector<std::string>{"38353|A-12|Yedek|7|||", "||Eski|2|||",
                                                            "40000|B|Son|3|||"}));
    EXPECT_EQ(readFile(data / "ARSIV_Y.DB"),
              crlfLines({"[RecNo1]", "TARIHI=38353", "OZEL_KODU=A-12", "ARSIV_ADI=Yedek",
                         "KODU=7",   "CDDVD=",       "GRUBU=",         "ALTGRUB=",
                         "[RecNo2]", "TARIHI=",      "OZEL_KODU=",     "ARSIV_ADI=Eski",
                         "KODU=2",   "CDDVD=",       "GRUBU=",         "ALTGRUB=",
                         "[RecNo3]", "TARIHI=40000", "OZEL_KODU=B",    "ARSIV_ADI=Son",
                         "KODU=3",   "CDDVD=",       "GRUBU=",         "ALTGRUB="}));
    // The legacy file is only read.
    EXPECT_TRUE(fileExists(data / "ARSIV.DB"));

    // Once "ARSIV_Y.DB" exists the legacy register plays no part.
    writeFile(data / "ARSIV_Y.DB", crlfLines({"[RecNo1]", "ARSIV_ADI=Yeni"}));
    c.open();
    EXPECT_EQ(rows(c.KayitOrj_T), std::vector<std::string>{"||Yeni|1|||"});
}

TEST(Catalogue, WithoutTheRightToWriteALegacyRegisterIsConvertedInMemory) {
    ScopedDataFolder data;
    writeFile(data / "ARSIV.DB", legacyRecord(1, "k", "Eski", 4));
    Catalogue c;
    c.open(false);
    EXPECT_EQ(rows(c.KayitOrj_T), std::vector<std::string>{"1|k|Eski|4|||"});
    EXPECT_FALSE(fileExists(data / "ARSIV_Y.DB"));
}

TEST(Catalogue, AnEmptyLegacyRegisterWritesNoRegister) {
    ScopedDataFolder data;
    writeFile(data / "ARSIV.DB", "");
    Catalogue c;
    c.open();
    EXPECT_TRUE(c.KayitOrj_T.isEmpty());
    EXPECT_FALSE(fileExists(data / "ARSIV_Y.DB"));
}

TEST(Catalogue, TheCounterGivesCodesToEveryAppendedRecord) {
    ScopedDataFolder data;
    writeFile(data / "ARSIV_Y.DB",
              crlfLines({"[RecNo1]", "ARSIV_ADI=a", "KODU=", "[RecNo2]", "ARSIV_ADI=b", "KODU=50",
                         "[RecNo3]", "ARSIV_ADI=c"}));
    Catalogue c;
    c.setKoduCounter(40);
    c.open();
    const int kodu = c.KayitOrj_T.requireField("KODU");
    std::vector<int> codes;
    for (c.KayitOrj_T.first(); !c.KayitOrj_T.eof(); c.KayitOrj_T.next())
        codes.push_back(c.KayitOrj_T.asInteger(kodu));
    EXPECT_EQ(codes, (std::vector<int>{1, 50, 3})) << "the counter restarts at 1 on opening";
    c.KayitOrj_T.append();
    EXPECT_EQ(c.KayitOrj_T.asInteger(kodu), 4) << "a new archive gets 1 + records appended";
    c.KayitOrj_T.cancel();
    EXPECT_EQ(c.koduCounter(), 5);
}

TEST(Catalogue, DeletingTheLastArchiveLetsTheLegacyRegisterComeBack) {
    ScopedDataFolder data;
    writeFile(data / "ARSIV.DB", legacyRecord(1, "k", "Eski", 1));
    Catalogue c;
    c.open();
    c.KayitOrj_T.first();
    c.KayitOrj_T.remove();
    c.saveRegister();
    EXPECT_FALSE(fileExists(data / "ARSIV_Y.DB"));
    Catalogue next;
    next.open();
    EXPECT_EQ(next.KayitOrj_T.recordCount(), 1);
}

TEST(Catalogue, LendingStateIsAnExactNameMatch) {
    ScopedDataFolder data;
    writeFile(data / "EMANET.DB", crlfLines({"[RecNo1]", "ARSIV=Yedek", "VERILENIADI=Ali",
                                             "VERILMETARIHI=46000", "TESLIMTARIHI=", "ACIKLAMA="}));
    Catalogue c;
    c.open();
    EXPECT_TRUE(c.isLent("Yedek"));
    EXPECT_FALSE(c.isLent("yedek"));
    EXPECT_FALSE(c.isLent("Yedek 2"));
    EXPECT_FALSE(c.isLent(""));
}

TEST(CatalogueSchemas, EachWindowTableHasItsOwnWidths) {
    struct Case {
        const TableSchema& schema;
        std::vector<std::pair<std::string, int>> columns; // text size, or 0 for others
    };
    const Case cases[] = {
        {schemas::KayitOrj_T(),
         {{"TARIHI", 0},
          {"OZEL_KODU", 50},
          {"ARSIV_ADI", 40},
          {"KODU", 0},
          {"CDDVD", 1},
          {"GRUBU", 30},
          {"ALTGRUB", 30}}},
        {schemas::KayitOrj_T_(),
         {{"TARIHI", 0}, {"OZEL_KODU", 20}, {"ARSIV_ADI", 40}, {"KODU", 0}}},
        {schemas::Emenet_Rx(),
         {{"ARSIV", 75},
          {"VERILENIADI", 60},
          {"VERILMETARIHI", 0},
          {"TESLIMTARIHI", 0},
          {"ACIKLAMA", 100}}},
        {schemas::Kayit_T(),
         {{"TARIHI", 0},
          {"OZEL_KODU", 50},
          {"ARSIV_ADI", 40},
          {"KODU", 0},
          {"GRUBU", 30},
          {"ALTGRUB", 30},
          {"CDDVD", 1}}},
        {schemas::Grubu_Rx(), {{"GRUBU", 20}, {"ACIKLAMA", 100}}},
        {schemas::AltGrubu_Rx(), {{"ANAGRUP", 20}, {"ALTGRUP", 30}, {"ACIKLAMA", 100}}},
        {schemas::GrupF_Kontrol(), {{"GRUBU", 30}, {"ACIKLAMA", 100}}},
        {schemas::GrupF_AltGrubu_Rx(), {{"ANAGRUP", 30}, {"ALTGRUP", 30}, {"ACIKLAMA", 100}}},
        {schemas::AltGrupF_AltGrubu_Rx1(), {{"ANAGRUP", 30}, {"ALTGRUP", 30}, {"ACIKLAMA", 100}}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.schema.fields.size(), c.columns.size()) << c.schema.name;
        for (std::size_t i = 0; i < c.columns.size(); ++i) {
            const auto& f = c.schema.fields[i];
            EXPECT_EQ(f.name, c.columns[i].first) << c.schema.name;
            EXPECT_EQ(f.type == FieldType::String ? f.size : 0, c.columns[i].second)
                << c.schema.name << "." << f.name;
        }
    }
    EXPECT_EQ(schemas::KayitOrj_T().fields[0].type, FieldType::Date);
    EXPECT_EQ(schemas::KayitOrj_T().fields[3].type, FieldType::Integer);
}
