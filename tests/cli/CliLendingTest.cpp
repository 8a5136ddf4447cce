// The register window's list and lending, from a terminal: filter, lend, return.
#include "CliRunner.h"
#include "TestSupport.h"

#include "platform/DataFolderLock.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

using kartavel::test::crlfLines;
using kartavel::test::readFile;
using kartavel::test::writeFile;

namespace {

class CliLending : public ::testing::Test {
protected:
    void SetUp() override {
        // name, code, date, kind, group, sub-group; "Odunc" is lent.
        writeFile(
            data / "ARSIV_Y.DB",
            crlfLines({"[RecNo1]",     "TARIHI=46366",  "OZEL_KODU=K-2",         "ARSIV_ADI=Yedek",
                       "CDDVD=0",      "GRUBU=Muzik",   "ALTGRUB=Pop",           "[RecNo2]",
                       "TARIHI=46300", "OZEL_KODU=k-1", "ARSIV_ADI=Ar\xFE\xDDv", "CDDVD=1",
                       "GRUBU=Muzik",  "[RecNo3]",      "ARSIV_ADI=Klasor",      "CDDVD=2",
                       "[RecNo4]",     "TARIHI=46366",  "OZEL_KODU=A",           "ARSIV_ADI=Odunc",
                       "CDDVD=1",      "GRUBU=Film",    "ALTGRUB=Yerli"}));
        writeFile(data / "EMANET.DB",
                  crlfLines({"[RecNo1]", "ARSIV=Odunc",
                             "VERILENIADI=Ay\xFE"
                             "e",
                             "VERILMETARIHI=46000", "TESLIMTARIHI=0", "ACIKLAMA="}));
    }
    kartavel::test::CliResult run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data", data.path().string()});
        return kartavel::test::runCli(args);
    }
    kartavel::test::TempDir data;
};

const std::string kYedek = "Yedek\tK-2\t2026-12-10\tMuzik\tPop\t27\n";
const std::string kArsiv = "Arşİv\tk-1\t2026-10-05\tMuzik\tDiger\t29\n";
const std::string kKlasor = "Klasor\t\t\tDiger\t\t26\n";
const std::string kOdunc = "Odunc\tA\t2026-12-10\tFilm\tYerli\t28\n";

} // namespace

TEST_F(CliLending, FilterPrintsTheRegisterWindowsRows) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"filter"}, kKlasor + kArsiv + kYedek + kOdunc},
        {{"filter", "--reverse"}, kOdunc + kYedek + kArsiv + kKlasor},
        {{"filter", "--name", "arşi"}, kArsiv},
        {{"filter", "--code", "K-"}, kArsiv + kYedek},
        {{"filter", "--from", "2026-12-10"}, kYedek + kOdunc},
        {{"filter", "--to", "2026-10-05"}, kKlasor + kArsiv},
        {{"filter", "--from", "", "--to", ""}, kKlasor + kArsiv + kYedek + kOdunc},
        {{"filter", "--group", "Muzik", "--sub", "Pop"}, kYedek},
        {{"filter", "--group", "Diger"}, ""},
        {{"filter", "--media", "folder"}, kKlasor},
        {{"filter", "--media", "cd"}, kArsiv + kOdunc},
        {{"filter", "--lent", "yes"}, kOdunc},
        {{"filter", "--lent", "no", "--media", "dvd"}, kYedek},
        {{"filter", "--sort", "code"}, kKlasor + kOdunc + kArsiv + kYedek},
        {{"filter", "--sort", "name", "--reverse"}, kYedek + kOdunc + kKlasor + kArsiv},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args.back();
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(CliLending, FilterRefusesMalformedOptions) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"filter", "--from", "2026-13-01"},
         "--from YYYY-AA-GG biçiminde bir gün olmalı: 2026-13-01\n"},
        {{"filter", "--media", "tape"}, "--media dvd, cd ya da folder olmalı: tape\n"},
        {{"filter", "--lent", "evet"}, "--lent yes ya da no olmalı: evet\n"},
        {{"filter", "--sort", "size"}, "--sort date, name ya da code olmalı: size\n"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(CliLending, LendAndReturnRewriteTheLendingFile) {
    auto r =
        run({"lend", "yedek", "--to", "Ali Veli", "--date", "2026-12-11", "--note", "iki disk"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string odunc = crlfLines({"[RecNo1]", "ARSIV=Odunc",
                                         "VERILENIADI=Ay\xFE"
                                         "e",
                                         "VERILMETARIHI=46000", "TESLIMTARIHI=0", "ACIKLAMA="});
    EXPECT_EQ(readFile(data / "EMANET.DB"),
              odunc + crlfLines({"[RecNo2]", "ARSIV=Yedek", "VERILENIADI=Ali Veli",
                                 "VERILMETARIHI=46367", "TESLIMTARIHI=0", "ACIKLAMA=iki disk"}));
    EXPECT_EQ(run({"filter", "--lent", "yes"}).out,
              "Yedek\tK-2\t2026-12-10\tMuzik\tPop\t30\n" + kOdunc);

    r = run({"return", "Yedek"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(readFile(data / "EMANET.DB"), odunc);
    EXPECT_EQ(run({"filter", "--name", "yedek"}).out, kYedek);

    // A return date is kept as given.
    EXPECT_EQ(
        run({"lend", "Arşİv", "--to", "Can", "--date", "2026-12-11", "--due", "2026-12-01"}).code,
        0);
    EXPECT_NE(readFile(data / "EMANET.DB").find("TESLIMTARIHI=46357\r\n"), std::string::npos);
    EXPECT_EQ(run({"return", "Odunc"}).code, 0);
    EXPECT_EQ(run({"return", "Arşİv"}).code, 0);
    EXPECT_FALSE(kartavel::platform::fileExists(data / "EMANET.DB")) << "nothing is lent";
}

TEST_F(CliLending, RefusalsChangeNothing) {
    const std::string before = readFile(data / "EMANET.DB");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {{"lend", "Odunc", "--to", "Ali", "--date", "2026-12-11"},
         1,
         "Bu arşiv emanet verilmiştir...\n"},
        {{"lend", "Klasor", "--to", "Ali", "--date", "2026-12-11"},
         1,
         "Klasör arşivleri emanet verilemez...\n"},
        {{"lend", "Yedek", "--date", "2026-12-11"}, 1, "Emanet verilenin adını girmediniz...\n"},
        {{"lend", "Yedek", "--to", "Ali"}, 1, "Verilme tarihini girmediniz...\n"},
        {{"lend", "Yedek", "--to", "Ali", "--date", ""}, 1, "Verilme tarihini girmediniz...\n"},
        {{"lend", "Yedek", "--to", "Ali", "--date", "2026-12-11", "--note", "a/b"},
         1,
         "Açıklamada \" * / : < > ? \\ | karakterleri kullanılamaz...\n"},
        {{"lend", "Yedek", "--to", "日本", "--date", "2026-12-11"},
         1,
         "Emanet Verilenin Adı Soyadı alanında kaydedilemeyen karakter var...\n"},
        {{"lend", "Yedek", "--to", "'Ali'", "--date", "2026-12-11"},
         1,
         "Emanet Verilenin Adı Soyadı tırnak işaretleri arasında olamaz...\n"},
        {{"lend", "Yedek", "--to", "Ali", "--date", "11.12.2026"},
         2,
         "--date YYYY-AA-GG biçiminde bir gün olmalı: 11.12.2026\n"},
        {{"lend", "Yok", "--to", "Ali", "--date", "2026-12-11"},
         1,
         "Yok adında arşiv bulunamadı...\n"},
        {{"return", "Yedek"}, 1, "Bu arşiv emanet verilmemiştir...\n"},
        {{"return", "Klasor"}, 1, "Bu arşiv emanet verilmemiştir...\n"},
        {{"return", "Yok"}, 1, "Yok adında arşiv bulunamadı...\n"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.code, c.code) << c.err;
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(readFile(data / "EMANET.DB"), before);
}

TEST_F(CliLending, LendingWaitsForTheProgramToClose) {
    const std::string before = readFile(data / "EMANET.DB");
    kartavel::platform::DataFolderLock program;
    ASSERT_TRUE(program.tryLock(data.path()));
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"lend", "Yedek", "--to", "Ali", "--date", "2026-12-11"}, {"return", "Odunc"}}) {
        const auto r = run(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "Veri klasörü başka bir Kartavel tarafından kullanılıyor. Önce onu "
                         "kapatınız...\n");
    }
    EXPECT_EQ(readFile(data / "EMANET.DB"), before);
    EXPECT_EQ(run({"filter"}).code, 0) << "the list is read meanwhile";
}
