// The group and sub-group lists and the record edit, from a terminal.
#include "CliRunner.h"
#include "TestSupport.h"

#include "platform/DataFolderLock.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

using kartavel::test::crlfLines;
using kartavel::test::readFile;
using kartavel::test::writeFile;

namespace {

class CliGroups : public ::testing::Test {
protected:
    kartavel::test::CliResult run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {"--data", data.path().string()});
        return kartavel::test::runCli(args, input);
    }
    std::string file(const char* name) const {
        return kartavel::platform::fileExists(data / name) ? readFile(data / name) : "-";
    }
    kartavel::test::TempDir data;
};

} // namespace

TEST_F(CliGroups, GroupsAreAddedListedAndRefusedAsInTheWindow) {
    struct Step {
        std::vector<std::string> args;
        int code;
        std::string out, err;
    };
    const Step steps[] = {
        {{"groups", "list"}, 0, "", ""},
        {{"groups", "add", "M\xC3\xBCzik", "--note",
          "\xC5\x9E"
          "ark\xC4\xB1"},
         0,
         "",
         ""},
        {{"groups", "add", "Film"}, 0, "", ""},
        {{"groups", "add", "Film"}, 1, "", "Bu grup adı kaydedilmiştir !\n"},
        {{"groups", "add", "Diger"}, 1, "", "( Diger ) Grup adı varsayılan olarak tanımlıdır...\n"},
        {{"groups", "add", ""}, 1, "", "Grup adını girmediniz...\n"},
        {{"groups", "add", "m\xC3\xBCzik"}, 0, "", ""},
        // GRUB.DB would give these back as "Film": a second row of that name.
        {{"groups", "add", "Film "},
         1,
         "",
         "Grup Adı alanının başında ya da sonunda boşluk olamaz...\n"},
        {{"groups", "add", "'Film'"}, 1, "", "Grup Adı tırnak işaretleri arasında olamaz...\n"},
        {{"groups", "add", "Dizi", "--note", "\"eski\""},
         1,
         "",
         "Açıklama tırnak işaretleri arasında olamaz...\n"},
        {{"groups", "list"}, 0, "Müzik\tŞarkı\nFilm\t\nmüzik\t\n", ""},
        {{"groups", "add"}, 2, "", "groups: list, add GRUP ya da delete GRUP bekleniyor.\n"},
        {{"groups", "show", "x"}, 2, "", "groups: list, add GRUP ya da delete GRUP bekleniyor.\n"},
    };
    for (const auto& s : steps) {
        const auto r = run(s.args);
        EXPECT_EQ(r.code, s.code) << s.args.back();
        EXPECT_EQ(r.out, s.out) << s.args.back();
        EXPECT_EQ(r.err, s.err) << s.args.back();
    }
    EXPECT_EQ(file("GRUB.DB"), crlfLines({"[RecNo1]", "GRUBU=M\xFCzik",
                                          "ACIKLAMA=\xDE"
                                          "ark\xFD",
                                          "[RecNo2]", "GRUBU=Film", "ACIKLAMA=", "[RecNo3]",
                                          "GRUBU=m\xFCzik", "ACIKLAMA="}));
}

TEST_F(CliGroups, SubGroupsAndDeletingAGroupWithThem) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"groups", "add", "Film"},
             {"groups", "add", "Dizi"},
             {"subgroups", "Film", "add", "Yerli"},
             {"subgroups", "Dizi", "add", "Yerli", "--note", "aynı ad"},
             {"subgroups", "Film", "add", "Yabanci"}}) {
        const auto r = run(args);
        ASSERT_EQ(r.code, 0) << r.err;
    }
    auto r = run({"subgroups", "Film", "add", "Yerli"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Bu grup adı kaydedilmiştir !\n");
    r = run({"subgroups", "Film", "add", " Yerli"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Alt Grup Adı alanının başında ya da sonunda boşluk olamaz...\n");
    r = run({"subgroups", "Film", "list"});
    EXPECT_EQ(r.out, "Yerli\t\nYabanci\t\n");
    r = run({"subgroups", "Dizi", "list"});
    EXPECT_EQ(r.out, "Yerli\taynı ad\n");

    // A delete asks, as deleting an archive does.
    r = run({"subgroups", "Film", "delete", "Yabanci"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Silme onaylanmadı. Onaylamak için --yes kullanınız...\n");
    r = run({"subgroups", "Film", "delete", "Yok", "--yes"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Yok adında alt grup bulunamadı...\n");
    r = run({"subgroups", "Film", "delete", "Yabanci", "--yes"});
    EXPECT_EQ(r.code, 0) << r.err;

    r = run({"groups", "delete", "Film", "--yes"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(file("GRUB.DB"), crlfLines({"[RecNo1]", "GRUBU=Dizi", "ACIKLAMA="}));
    EXPECT_EQ(file("ALTGRUB.DB"),
              crlfLines({"[RecNo1]", "ANAGRUP=Dizi", "ALTGRUP=Yerli", "ACIKLAMA=ayn\xFD ad"}));
    r = run({"groups", "delete", "Film", "--yes"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Film adında grup bulunamadı...\n");
}

TEST_F(CliGroups, ChangesWaitForTheProgramButListsDoNot) {
    ASSERT_EQ(run({"groups", "add", "Film"}).code, 0);
    kartavel::platform::DataFolderLock program;
    ASSERT_TRUE(program.tryLock(data.path()));
    const std::string refused =
        "Veri klasörü başka bir Kartavel tarafından kullanılıyor. Önce onu kapatınız...\n";
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"groups", "add", "Dizi"},
                                               {"subgroups", "Film", "add", "Yerli"},
                                               {"groups", "delete", "Film", "--yes"},
                                               {"edit", "Yedek", "--code", "K"}}) {
        const auto r = run(args);
        EXPECT_EQ(r.code, 1) << args[0];
        EXPECT_EQ(r.err, refused) << args[0];
    }
    EXPECT_EQ(run({"groups", "list"}).out, "Film\t\n");
}

TEST_F(CliGroups, EditChangesTheRecordAndMovesItsContentFile) {
    writeFile(data / "ARSIV_Y.DB",
              crlfLines({"[RecNo1]", "TARIHI=46366", "OZEL_KODU=A", "ARSIV_ADI=Yedek", "KODU=1",
                         "CDDVD=0", "GRUBU=", "ALTGRUB=", "[RecNo2]", "TARIHI=46366", "OZEL_KODU=B",
                         "ARSIV_ADI=Son", "KODU=2", "CDDVD=1", "GRUBU=", "ALTGRUB="}));
    writeFile(data / "Yedek.ADS", "D:\r\n");
    writeFile(data / "Son.ADS", "E:\r\n");
    const std::string before = file("ARSIV_Y.DB");

    // Refused before anything is written.
    for (const auto& [args, err] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"edit", "Yedek", "--new-name", std::string(41, 'a')},
              "Arşiv Adı en fazla 40 karakter olabilir...\n"},
             {{"edit", "Yedek", "--code", std::string(51, 'k')},
              "Özel Kodu en fazla 50 karakter olabilir...\n"},
             {{"edit", "Yedek", "--new-name", "'q'"},
              "Arşiv Adı tırnak işaretleri arasında olamaz...\n"},
             {{"edit", "Yedek", "--new-name", "Yedek "},
              "Arşiv Adı alanının başında ya da sonunda boşluk olamaz...\n"},
             {{"edit", "Yedek", "--sub", "\"Pop\""},
              "Alt Grubu tırnak işaretleri arasında olamaz...\n"},
             {{"edit", "Yok", "--code", "K"}, "Yok adında arşiv bulunamadı...\n"}}) {
        const auto r = run(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, err);
    }
    EXPECT_EQ(run({"edit", "Yedek", "--media", "tape"}).code, 2);
    EXPECT_EQ(file("ARSIV_Y.DB"), before);

    auto r = run({"edit", "yedek", "--new-name", "Yedek 2", "--date", "2026-01-02", "--group",
                  std::string(35, 'g'), "--sub", "Pop", "--media", "folder"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(file("Yedek.ADS"), "-");
    EXPECT_EQ(file("Yedek 2.ADS"), "D:\r\n");
    r = run({"list"});
    EXPECT_EQ(r.out, "2026-01-02\tA\tYedek 2\t1\t2\t" + std::string(30, 'g') +
                         "\tPop\t0\n"
                         "2026-12-10\tB\tSon\t2\t1\t\t\t0\n");

    // Onto another archive's name, or out of the data folder: refused, and nothing
    // moves or changes.
    const std::string edited = file("ARSIV_Y.DB");
    for (const auto& [name, err] : std::vector<std::pair<std::string, std::string>>{
             {"SON", "SON adında arşiv daha önceden kaydedilmiş...\n"},
             {"../Disari", "../Disari adı dosya adı olarak kullanılamaz...\n"}}) {
        r = run({"edit", "Yedek 2", "--new-name", name});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, err);
    }
    EXPECT_EQ(file("ARSIV_Y.DB"), edited);
    EXPECT_EQ(file("Yedek 2.ADS"), "D:\r\n");
    EXPECT_EQ(file("Son.ADS"), "E:\r\n");
    EXPECT_FALSE(std::filesystem::exists(data.path().parent_path() / "Disari.ADS"));
}
