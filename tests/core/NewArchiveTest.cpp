#include "register/NewArchive.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "platform/PathForm.h"
#include "store/CatalogueSchemas.h"
#include "text/Cp1254.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kartavel;
using reg::NewArchiveInput;
using test::ScopedDataFolder;
using test::TempDir;
using test::writeFile;

namespace {

class NewArchive : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(src.path() / "d");
        writeFile(src / "d/a.txt", "a");
        catalogue.open();
    }
    NewArchiveInput input(std::string name) {
        NewArchiveInput in;
        in.path = src.path().string();
        in.date = 46366;
        in.name = std::move(name);
        return in;
    }
    void add(const std::string& name) {
        auto& t = catalogue.KayitOrj_T;
        t.append();
        t.setString("ARSIV_ADI", name);
        t.post();
    }

    ScopedDataFolder data;
    TempDir src;
    store::Catalogue catalogue;
};

} // namespace

TEST_F(NewArchive, TheChecksRunInOrder) {
    add("Işık");
    struct Case {
        std::function<void(NewArchiveInput&)> change;
        std::optional<std::string> message;
    };
    const std::string missing = (src.path() / "yok").string();
    const Case cases[] = {
        {[](auto&) {}, std::nullopt},
        {[](auto& i) { i.path.clear(), i.name.clear(); }, "Arşive Alınacak Yolu belirleyiniz..."},
        {[](auto& i) { i.date.reset(), i.name.clear(); }, "Kayıt Tarihini giriniz..."},
        {[](auto& i) { i.date = 0; }, "Kayıt Tarihini giriniz..."},
        {[](auto& i) { i.name.clear(); }, "Arşiv Adını Giriniz..."},
        {[&](auto& i) { i.path = missing; }, missing + "\r\n Arşiv yolu bulunamadı..."},
        {[](auto& i) { i.name = "IŞIK"; }, "IŞIK adında arşiv daha önceden kaydedilmiş..."},
        {[](auto& i) { i.name = "ışık"; }, "ışık adında arşiv daha önceden kaydedilmiş..."},
        {[](auto& i) { i.name = "ISIK"; }, std::nullopt},
        {[](auto& i) { i.code = "ā"; }, "Özel Kodu alanında kaydedilemeyen karakter var..."},
        {[](auto& i) { i.group = "a\nb"; }, "Grubu alanında kaydedilemeyen karakter var..."},
        {[](auto& i) { i.name = "'Tek Tırnak'"; },
         "Arşiv Adı tırnak işaretleri arasında olamaz..."},
        {[](auto& i) { i.subGroup = "\"Yerli\""; },
         "Alt Grubu tırnak işaretleri arasında olamaz..."},
        {[](auto& i) { i.name = "'Tek"; }, std::nullopt}, // no pair: read back as written
        {[](auto& i) { i.name = ".."; }, ".. adı dosya adı olarak kullanılamaz..."},
        // The register holds 40 characters of a name and 50 of a code, not bytes.
        {[](auto& i) { i.name = std::string(40, 'a'); }, std::nullopt},
        {[](auto& i) { i.name = "Ğ" + std::string(39, 'a'); }, std::nullopt},
        {[](auto& i) { i.name = std::string(41, 'a'); },
         "Arşiv Adı en fazla 40 karakter olabilir..."},
        {[](auto& i) { i.code = std::string(50, 'k'); }, std::nullopt},
        {[](auto& i) { i.code = std::string(51, 'k'); },
         "Özel Kodu en fazla 50 karakter olabilir..."},
        {[](auto& i) { i.group = std::string(31, 'g'); }, std::nullopt}, // cut to 30 instead
        {[](auto& i) { i.name = "Yeni "; },
         "Arşiv Adı alanının başında ya da sonunda boşluk olamaz..."},
        {[](auto& i) { i.name = "Ye ni"; }, std::nullopt},
    };
    for (const auto& c : cases) {
        NewArchiveInput in = input("Yeni");
        c.change(in);
        EXPECT_EQ(reg::checkNewArchive(catalogue.KayitOrj_T, in), c.message)
            << c.message.value_or("passes");
    }
}

// Registering itself refuses what the register cannot hold whole, before anything is
// written: a name cut to 40 characters would no longer lead to its content file.
TEST_F(NewArchive, ANameOrCodeTooLongIsRefusedBeforeAnythingIsWritten) {
    for (auto [name, code] : {std::pair{std::string(41, 'a'), std::string()},
                              std::pair{std::string("Yedek"), std::string(51, 'k')}}) {
        NewArchiveInput in = input(name);
        in.code = code;
        const auto result = reg::registerNewArchive(catalogue, in);
        EXPECT_FALSE(result.registered);
        EXPECT_EQ(result.message, *reg::checkNewArchive(catalogue.KayitOrj_T, in));
        EXPECT_TRUE(catalogue.KayitOrj_T.isEmpty());
        EXPECT_TRUE(std::filesystem::is_empty(data.path()));
    }
}

TEST_F(NewArchive, RegisteringAppendsTheRecordAndWritesBothFiles) {
    NewArchiveInput in = input("Yedek");
    in.code = "K";
    in.group = std::string(31, 'g');
    in.subGroup = "Alt";
    in.mediaKind = 1;
    const auto r = reg::registerNewArchive(catalogue, in);
    EXPECT_TRUE(r.registered);
    EXPECT_EQ(r.files, 1u);
    EXPECT_EQ(r.message, "Kayıt İşlem Tamamlandı...");
    EXPECT_TRUE(platform::fileExists(data / "Yedek.ADS"));
    store::Catalogue again;
    again.open();
    auto& t = again.KayitOrj_T;
    ASSERT_EQ(t.recordCount(), 1);
    EXPECT_EQ(t.asString("ARSIV_ADI"), "Yedek");
    EXPECT_EQ(t.asString("GRUBU"), std::string(30, 'g'));
    EXPECT_EQ(t.asString("ALTGRUB"), "Alt");
    EXPECT_EQ(t.asString("CDDVD"), "1");
    EXPECT_EQ(t.asString("KODU"), "1");
    EXPECT_EQ(t.asDate(0), 46366);
}

TEST_F(NewArchive, AnEmptyFolderStillRegistersWithAnEmptyContentFile) {
    TempDir empty;
    NewArchiveInput in = input("Bos");
    in.path = empty.path().string();
    EXPECT_TRUE(reg::registerNewArchive(catalogue, in).registered);
    EXPECT_EQ(test::readFile(data / "Bos.ADS"), "");
}

TEST_F(NewArchive, AFailedRegisterWriteLeavesNothingBehind) {
    add("Eski");
    catalogue.saveRegister();
    // The register's folder entry is taken by a folder, so it cannot be replaced.
    std::filesystem::remove(data / "ARSIV_Y.DB");
    std::filesystem::create_directory(data / "ARSIV_Y.DB");
    EXPECT_THROW(reg::registerNewArchive(catalogue, input("Yedek")), platform::WriteError);
    EXPECT_FALSE(platform::fileExists(data / "Yedek.ADS"));
    EXPECT_EQ(catalogue.KayitOrj_T.recordCount(), 1);
    EXPECT_FALSE(catalogue.KayitOrj_T.locate("ARSIV_ADI", "Yedek", false));
}

TEST_F(NewArchive, TheFolderFieldIsTakenAbsoluteAndWithoutATrailingSeparator) {
    const std::string top = test::utf8(src.path());
    const std::string s(1, platform::kNativeSeparator);
    const struct {
        std::string typed, taken;
    } cases[] = {
        {"", ""},
        {top, top},
        {top + s, top},
        {top + s + "d" + s + ".." + s + s, top},
        {top + s + "." + s + "d", top + s + "d"},
#ifdef _WIN32
        // A drive is taken at its root, as the content file writes it.
        {"K:\\", "K:"},
        {"K:", "K:"},
#else
        {"/", "/"},
#endif
    };
    for (const auto& c : cases)
        EXPECT_EQ(reg::registrationFolder(c.typed), c.taken) << c.typed;
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(src.path());
    EXPECT_EQ(reg::registrationFolder("d"), top + s + "d");
    std::filesystem::current_path(cwd);
}

TEST_F(NewArchive, TheGroupChoicesComeFromTheGroupFilesInFileOrder) {
    EXPECT_TRUE(reg::groupChoices().empty());
    EXPECT_TRUE(reg::subGroupChoices("Müzik").empty());
    // Table files are code page 1254.
    const auto table = [](std::initializer_list<std::string_view> lines) {
        return *text::encodeCp1254(test::crlfLines(lines));
    };
    writeFile(data / "GRUB.DB", table({"[RecNo1]", "GRUBU=Müzik", "[RecNo2]", "GRUBU=Film",
                                       "[RecNo3]", "GRUBU=müzik"}));
    writeFile(data / "ALTGRUB.DB",
              table({"[RecNo1]", "ANAGRUP=Müzik", "ALTGRUP=Rock", "[RecNo2]", "ANAGRUP=Film",
                     "ALTGRUP=Dram", "[RecNo3]", "ANAGRUP=müzik", "ALTGRUP=Caz", "[RecNo4]",
                     "ANAGRUP=Müzik", "ALTGRUP=Pop"}));
    using V = std::vector<std::string>;
    EXPECT_EQ(reg::groupChoices(), (V{"Müzik", "Film", "müzik"}));
    EXPECT_EQ(reg::subGroupChoices("Müzik"), (V{"Rock", "Pop"}));
    EXPECT_EQ(reg::subGroupChoices("müzik"), (V{"Caz"}));
    EXPECT_EQ(reg::subGroupChoices(""), V{});
    EXPECT_EQ(reg::subGroupChoices("Yok"), V{});
}
