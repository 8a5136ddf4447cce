#include "register/Lending.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "store/Catalogue.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"

#include <gtest/gtest.h>

using namespace kartavel;
using reg::LendInput;
using test::crlfLines;
using test::readFile;
using test::ScopedDataFolder;
using test::writeFile;

TEST(Lending, TheCommandsTakeOnlyTheirArchives) {
    struct Case {
        int icon;
        std::optional<std::string> lend, takeBack;
    };
    const std::string lent = "Bu arşiv emanet verilmiştir...";
    const std::string notLent = "Bu arşiv emanet verilmemiştir...";
    const Case cases[] = {
        {27, std::nullopt, notLent},                           // DVD
        {29, std::nullopt, notLent},                           // CD
        {26, "Klasör arşivleri emanet verilemez...", notLent}, // folder
        {30, lent, std::nullopt},                              // lent DVD
        {28, lent, std::nullopt},                              // lent CD
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reg::lendRefusal(c.icon), c.lend) << c.icon;
        EXPECT_EQ(reg::takeBackRefusal(c.icon), c.takeBack) << c.icon;
    }
}

TEST(Lending, TheLendChecksInTheirOrder) {
    struct Case {
        LendInput input;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {{"Ali", 46366, {}, ""}, std::nullopt},
        {{"", std::nullopt, {}, ""}, "Emanet verilenin adını girmediniz..."},
        {{"Ali", std::nullopt, {}, ""}, "Verilme tarihini girmediniz..."},
        {{"Ali", 0, 46300, ""}, "Verilme tarihini girmediniz..."},
        {{"Ali/Veli?", 46366, 46300, ""}, std::nullopt}, // neither the order of the dates
                                                         // nor the name is looked at
        {{"Ali", 46366, {}, "ā"}, "Açıklama alanında kaydedilemeyen karakter var..."},
        {{"A\nB", 46366, {}, ""},
         "Emanet Verilenin Adı Soyadı alanında kaydedilemeyen karakter var..."},
        {{"'Ali'", 46366, {}, ""},
         "Emanet Verilenin Adı Soyadı tırnak işaretleri arasında olamaz..."},
        {{"Ali", 46366, {}, "not "}, "Açıklama alanının başında ya da sonunda boşluk olamaz..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reg::checkLend(c.input, "Yedek"), c.message) << c.message.value_or("passes");
    // The archive's name is written with the lending, and must come back whole.
    EXPECT_EQ(reg::checkLend({"Ali", 46366, {}, ""}, " Yedek"),
              "Arşiv Adı alanının başında ya da sonunda boşluk olamaz...");

    for (char ch : std::string("\"*/:<>?\\|"))
        EXPECT_TRUE(reg::isFilteredDescriptionCharacter(ch)) << ch;
    for (char ch : std::string("aZ 0.-_'!"))
        EXPECT_FALSE(reg::isFilteredDescriptionCharacter(ch)) << ch;
}

namespace {

class LendingFile : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(data / "EMANET.DB",
                  crlfLines({"[RecNo1]", "ARSIV=Eski",
                             "VERILENIADI=Ay\xFE"
                             "e",
                             "VERILMETARIHI=46000", "TESLIMTARIHI=46100", "ACIKLAMA=kutulu"}));
        load();
    }
    void load() { store::RxMemoryLoadFromFile(Emenet_Rx, store::Catalogue::lendingPath()); }

    ScopedDataFolder data;
    store::RecordTable Emenet_Rx{store::schemas::Emenet_Rx()};
};

} // namespace

TEST_F(LendingFile, LendingAppendsTheRecordWithDayZeroForNoReturnDate) {
    reg::lendArchive(Emenet_Rx, "Yedek", {"Ali Veli", 46366, std::nullopt, "iki disk"});
    EXPECT_EQ(readFile(data / "EMANET.DB"),
              crlfLines({"[RecNo1]", "ARSIV=Eski",
                         "VERILENIADI=Ay\xFE"
                         "e",
                         "VERILMETARIHI=46000", "TESLIMTARIHI=46100", "ACIKLAMA=kutulu", "[RecNo2]",
                         "ARSIV=Yedek", "VERILENIADI=Ali Veli", "VERILMETARIHI=46366",
                         "TESLIMTARIHI=0", "ACIKLAMA=iki disk"}));
    load();
    const auto r = reg::findLending(Emenet_Rx, "Yedek");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->person, "Ali Veli");
    EXPECT_EQ(r->given, 46366);
    EXPECT_EQ(r->due, std::nullopt) << "day 0 shows as an empty date";
    EXPECT_EQ(r->note, "iki disk");
    EXPECT_EQ(reg::findLending(Emenet_Rx, "Eski")->due, 46100);
}

TEST_F(LendingFile, TakingBackDeletesOnlyThatRecord) {
    reg::lendArchive(Emenet_Rx, "Yedek", {"Ali", 46366, 46400, ""});
    const std::string before = readFile(data / "EMANET.DB");
    EXPECT_FALSE(reg::takeBackArchive(Emenet_Rx, "yedek")) << "names match exactly";
    EXPECT_FALSE(reg::takeBackArchive(Emenet_Rx, "Yok"));
    EXPECT_EQ(readFile(data / "EMANET.DB"), before);

    EXPECT_TRUE(reg::takeBackArchive(Emenet_Rx, "Eski"));
    EXPECT_EQ(readFile(data / "EMANET.DB").find("Eski"), std::string::npos);
    EXPECT_TRUE(reg::findLending(Emenet_Rx, "Yedek"));
    EXPECT_TRUE(reg::takeBackArchive(Emenet_Rx, "Yedek"));
    EXPECT_FALSE(platform::fileExists(data / "EMANET.DB")) << "an empty table leaves no file";
}

TEST_F(LendingFile, AFailedWriteChangesNothing) {
    std::filesystem::remove(data / "EMANET.DB");
    std::filesystem::create_directory(data / "EMANET.DB"); // cannot be replaced
    EXPECT_THROW(reg::lendArchive(Emenet_Rx, "Yedek", {"Ali", 46366, {}, ""}),
                 platform::WriteError);
    EXPECT_EQ(Emenet_Rx.recordCount(), 1);
    EXPECT_FALSE(reg::findLending(Emenet_Rx, "Yedek"));
    EXPECT_THROW(reg::takeBackArchive(Emenet_Rx, "Eski"), platform::WriteError);
    EXPECT_TRUE(reg::findLending(Emenet_Rx, "Eski"));
}
