#include "register/ArchiveCommands.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"

#include <gtest/gtest.h>

using namespace kartavel;
using test::readFile;
using test::ScopedDataFolder;
using test::writeFile;

namespace {

class ArchiveCommands : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(data / "ARSIV_Y.DB",
                  "[RecNo1]\r\nARSIV_ADI=Yedek\r\n[RecNo2]\r\nARSIV_ADI=Son\r\n");
        writeFile(data / "Yedek.ADS", "D:\r\n");
        catalogue.open();
    }
    ScopedDataFolder data;
    store::Catalogue catalogue;
};

} // namespace

TEST_F(ArchiveCommands, ViewingOpensTheCurrentArchivesContentFile) {
    auto& t = catalogue.KayitOrj_T;
    t.first();
    auto v = reg::viewCurrentArchive(catalogue);
    EXPECT_EQ(v.file, data / "Yedek.ADS");
    EXPECT_EQ(v.message, "");
    t.next();
    v = reg::viewCurrentArchive(catalogue);
    EXPECT_EQ(v.file, std::nullopt);
    EXPECT_EQ(v.message, "Arşiv Dosyası bulunamıyor. Silinmiş olabilir");
    EXPECT_EQ(reg::viewArchive("../Yedek").message, v.message) << "no way out of the data folder";

    t.close();
    t.open();
    v = reg::viewCurrentArchive(catalogue);
    EXPECT_EQ(v.file, std::nullopt);
    EXPECT_EQ(v.message, "Arşiv kaydı yapılmamış...");
}

TEST_F(ArchiveCommands, DeleteRemovesRecordFileAndRewritesTheRegister) {
    catalogue.KayitOrj_T.first();
    reg::deleteCurrentArchive(catalogue);
    EXPECT_FALSE(platform::fileExists(data / "Yedek.ADS"));
    EXPECT_EQ(catalogue.KayitOrj_T.recordCount(), 1);
    EXPECT_EQ(readFile(data / "ARSIV_Y.DB").find("Yedek"), std::string::npos);
    // A missing content file is no matter.
    reg::deleteCurrentArchive(catalogue);
    EXPECT_FALSE(platform::fileExists(data / "ARSIV_Y.DB"));
}

TEST_F(ArchiveCommands, AFailedDeleteChangesNothing) {
    std::filesystem::remove(data / "ARSIV_Y.DB");
    std::filesystem::create_directory(data / "ARSIV_Y.DB"); // cannot be replaced
    catalogue.KayitOrj_T.first();
    EXPECT_THROW(reg::deleteCurrentArchive(catalogue), platform::WriteError);
    EXPECT_TRUE(platform::fileExists(data / "Yedek.ADS"));
    EXPECT_EQ(catalogue.KayitOrj_T.recordCount(), 2);
    EXPECT_EQ(catalogue.KayitOrj_T.asString("ARSIV_ADI"), "Yedek");
}

TEST_F(ArchiveCommands, AnEditedNameTakesItsContentFileAlong) {
    auto& t = catalogue.KayitOrj_T;
    t.afterPost = [this](store::RecordTable&) { reg::afterEditPost(catalogue); };
    t.first();
    t.edit();
    t.setString("OZEL_KODU", "K");
    t.post();
    EXPECT_TRUE(platform::fileExists(data / "Yedek.ADS")) << "only the code changed";
    EXPECT_NE(readFile(data / "ARSIV_Y.DB").find("OZEL_KODU=K"), std::string::npos);

    t.edit();
    t.setString("ARSIV_ADI", "Yedek 2");
    t.post();
    EXPECT_FALSE(platform::fileExists(data / "Yedek.ADS"));
    EXPECT_TRUE(platform::fileExists(data / "Yedek 2.ADS"));
    EXPECT_EQ(t.asString("ARSIV_ADI"), "Yedek 2");
    EXPECT_NE(readFile(data / "ARSIV_Y.DB").find("ARSIV_ADI=Yedek 2"), std::string::npos);

    // A name whose file belongs to another archive does not take that file's place.
    writeFile(data / "Son.ADS", "E:\r\n");
    t.edit();
    t.setString("ARSIV_ADI", "Son");
    t.post();
    EXPECT_EQ(readFile(data / "Son.ADS"), "E:\r\n");
    EXPECT_TRUE(platform::fileExists(data / "Yedek 2.ADS"));
}
