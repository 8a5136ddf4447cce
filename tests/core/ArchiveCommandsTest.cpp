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

    // Only the letter case changes: the archive keeps its own file under the new form.
    t.edit();
    t.setString("ARSIV_ADI", "YEDEK 2");
    t.post();
    EXPECT_EQ(t.asString("ARSIV_ADI"), "YEDEK 2");
    EXPECT_EQ(readFile(data / "YEDEK 2.ADS"), "D:\r\n");
}

TEST_F(ArchiveCommands, EditChecksLengthsAndWhatTheRegisterGivesBack) {
    using reg::ArchiveField;
    struct Case {
        reg::ArchiveEdit edit;
        std::optional<std::string> message;
        ArchiveField field = ArchiveField::Name;
    };
    const std::string name40(40, 'a'), code50(50, 'k');
    const Case cases[] = {
        {{name40, code50, {}, {}, {}, {}}, std::nullopt},
        {{"ğüşıöçĞÜŞİÖÇ" + std::string(28, 'a'), {}, {}, {}, {}, {}}, std::nullopt}, // 40 letters
        {{name40 + "a", {}, {}, {}, {}, {}}, "Arşiv Adı en fazla 40 karakter olabilir..."},
        {{{}, code50 + "k", {}, {}, {}, {}},
         "Özel Kodu en fazla 50 karakter olabilir...",
         ArchiveField::Code},
        {{" Yedek", {}, {}, {}, {}, {}},
         "Arşiv Adı alanının başında ya da sonunda boşluk olamaz..."},
        {{"'q'", {}, {}, {}, {}, {}}, "Arşiv Adı tırnak işaretleri arasında olamaz..."},
        {{"q'", "\"K\"", {}, {}, {}, {}},
         "Özel Kodu tırnak işaretleri arasında olamaz...",
         ArchiveField::Code},
        {{{}, {}, {}, "ā", {}, {}},
         "Grubu alanında kaydedilemeyen karakter var...",
         ArchiveField::Group},
        {{{}, {}, {}, {}, "Pop\t", {}},
         "Alt Grubu alanının başında ya da sonunda boşluk olamaz...",
         ArchiveField::SubGroup},
        {{{}, {}, {}, {}, std::string(40, 'g'), {}}, std::nullopt}, // cut to 30 when stored
        // What the cut keeps must come back too.
        {{{}, {}, {}, std::string(29, 'g') + " x", {}, {}},
         "Grubu alanının başında ya da sonunda boşluk olamaz...",
         ArchiveField::Group},
    };
    for (const auto& c : cases) {
        const auto refusal = reg::checkArchiveEdit(c.edit);
        EXPECT_EQ(refusal ? std::optional(refusal->message) : std::nullopt, c.message)
            << c.message.value_or("passes");
        if (refusal) {
            EXPECT_EQ(refusal->field, c.field) << c.message.value_or("passes");
        }
    }
}

TEST_F(ArchiveCommands, AnEditChangesOnlyTheFieldsGiven) {
    catalogue.KayitOrj_T.first();
    reg::ArchiveEdit e;
    e.code = "K-1";
    e.date = 46000;
    e.group = std::string(35, 'g');
    e.mediaKind = 2;
    reg::editCurrentArchive(catalogue, e);
    EXPECT_EQ(
        readFile(data / "ARSIV_Y.DB"),
        "[RecNo1]\r\nTARIHI=46000\r\nOZEL_KODU=K-1\r\nARSIV_ADI=Yedek\r\nKODU=1\r\nCDDVD=2\r\n"
        "GRUBU=" +
            std::string(30, 'g') +
            "\r\nALTGRUB=\r\n"
            "[RecNo2]\r\nTARIHI=\r\nOZEL_KODU=\r\nARSIV_ADI=Son\r\nKODU=2\r\nCDDVD=\r\n"
            "GRUBU=\r\nALTGRUB=\r\n");
    EXPECT_TRUE(platform::fileExists(data / "Yedek.ADS"));
}

TEST_F(ArchiveCommands, ARenameThatWouldLoseOrShareAContentFileIsRefused) {
    // Names that are no plain file names, another archive's name, or a name whose
    // file is already in the data folder: the record keeps its name, nothing moves,
    // and the register on disk is untouched.
    writeFile(data / "Baska.ADS", "E:\r\n");
    const std::string registerBefore = readFile(data / "ARSIV_Y.DB");
    struct Case {
        std::string name, message;
    };
    const Case cases[] = {
        {"../Disari", "../Disari adı dosya adı olarak kullanılamaz..."},
        {"a/b", "a/b adı dosya adı olarak kullanılamaz..."},
        {"x\\y", "x\\y adı dosya adı olarak kullanılamaz..."},
        {"CON", "CON adı dosya adı olarak kullanılamaz..."},
        {"..", ".. adı dosya adı olarak kullanılamaz..."},
        {"SON", "SON adında arşiv daha önceden kaydedilmiş..."},
        {"Baska", "Baska adında arşiv dosyası veri klasöründe zaten var..."},
        {"", "Arşiv Adını Giriniz..."},
    };
    auto& t = catalogue.KayitOrj_T;
    t.afterPost = [this](store::RecordTable&) { reg::afterEditPost(catalogue); };
    for (const auto& c : cases) {
        t.locate("ARSIV_ADI", "Yedek", false);
        EXPECT_EQ(reg::checkArchiveRename(t, "Yedek", c.name), c.message);
        // The window's path: the record is posted, and the hook takes it back.
        t.edit();
        t.setString("ARSIV_ADI", c.name);
        try {
            t.post();
            ADD_FAILURE() << c.name << " was taken";
        } catch (const reg::EditRefused& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(t.asString("ARSIV_ADI"), "Yedek") << c.name;
        EXPECT_EQ(readFile(data / "Yedek.ADS"), "D:\r\n") << c.name;
        EXPECT_EQ(readFile(data / "Baska.ADS"), "E:\r\n") << c.name;
        EXPECT_EQ(readFile(data / "ARSIV_Y.DB"), registerBefore) << c.name;
        EXPECT_FALSE(std::filesystem::exists(data.path().parent_path() / "Disari.ADS"));
    }
    // A change of letter case only is the same archive, and its own file follows.
    EXPECT_EQ(reg::checkArchiveRename(t, "Yedek", "YEDEK"), std::nullopt);
    EXPECT_EQ(reg::checkArchiveRename(t, "Yedek", "Yedek"), std::nullopt);
}

TEST_F(ArchiveCommands, ARenameWhoseRegisterCannotBeWrittenMovesTheFileBack) {
    catalogue.KayitOrj_T.first();
    std::filesystem::remove(data / "ARSIV_Y.DB");
    std::filesystem::create_directory(data / "ARSIV_Y.DB"); // cannot be replaced
    reg::ArchiveEdit e;
    e.name = "Yeni";
    EXPECT_THROW(reg::editCurrentArchive(catalogue, e), platform::WriteError);
    EXPECT_TRUE(platform::fileExists(data / "Yedek.ADS"));
    EXPECT_FALSE(platform::fileExists(data / "Yeni.ADS"));
    // The record in memory is what the stored register still says, so a later save
    // cannot write the refused name after all.
    EXPECT_EQ(catalogue.KayitOrj_T.asString(store::columns::ARSIV_ADI), "Yedek");
}
