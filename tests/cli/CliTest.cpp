#include "CliRunner.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using kartavel::test::crlfLines;
using kartavel::test::readFile;
using kartavel::test::runCli;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

namespace {

class Cli : public ::testing::Test {
protected:
    kartavel::test::CliResult run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {"--data", data.path().string()});
        return runCli(args, input);
    }
    void writeRegister(std::initializer_list<std::string_view> lines) {
        writeFile(data / "ARSIV_Y.DB", crlfLines(lines));
    }
    TempDir data;
};

} // namespace

TEST_F(Cli, VersionHelpAndUsageErrors) {
    auto r = runCli({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "TAVRIS Kartavel s1.06.01f\n");
    r = runCli({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("Kullanım: kartavel-cli"), std::string::npos);
    for (const auto& bad : std::vector<std::vector<std::string>>{
             {}, {"nosuch"}, {"list", "--bogus"}, {"list", "extra"}, {"--data"}}) {
        r = runCli(bad);
        EXPECT_EQ(r.code, 2) << (bad.empty() ? "" : bad[0]);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Kullanım:"), std::string::npos);
    }
}

TEST_F(Cli, ListPrintsEveryRecordInRegisterOrder) {
    writeRegister({"[RecNo1]", "TARIHI=46366", "OZEL_KODU=A\tB", "ARSIV_ADI=Yedek", "KODU=3",
                   "CDDVD=0", "GRUBU=M\xFCzik", "ALTGRUB=Pop", "[RecNo2]", "TARIHI=", "OZEL_KODU=",
                   "ARSIV_ADI=Eski", "KODU=", "CDDVD=", "GRUBU=", "ALTGRUB="});
    writeFile(data / "EMANET.DB", crlfLines({"[RecNo1]", "ARSIV=Yedek", "VERILENIADI=Ali"}));
    const auto r = run({"list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "2026-12-10\tA B\tYedek\t3\t0\tMüzik\tPop\t1\n"
                     "\t\tEski\t2\t\t\t\t0\n");
}

TEST_F(Cli, ListOfAnEmptyFolderPrintsNothingAndWritesNoTable) {
    const auto r = run({"list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    for (const auto& e : std::filesystem::directory_iterator(data.path()))
        EXPECT_EQ(e.path().extension(), ".lock") << e.path();
}

TEST_F(Cli, ALegacyRegisterIsConvertedOnFirstUse) {
    std::string rec(74, '\0');
    rec[0] = 1;
    const std::int32_t day = 46366 + 693594;
    for (int i = 0; i < 4; ++i)
        rec[1 + i] = static_cast<char>((day >> (8 * i)) & 0xFF);
    rec[5] = 1;
    rec.replace(6, 3, "K-1");
    rec[27] = 1;
    rec.replace(28, 4, "Eski");
    rec[69] = 1;
    rec[70] = 9;
    writeFile(data / "ARSIV.DB", rec);
    const auto r = run({"list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "2026-12-10\tK-1\tEski\t9\t\t\t\t0\n");
    EXPECT_EQ(readFile(data / "ARSIV_Y.DB"),
              crlfLines({"[RecNo1]", "TARIHI=46366", "OZEL_KODU=K-1", "ARSIV_ADI=Eski", "KODU=9",
                         "CDDVD=", "GRUBU=", "ALTGRUB="}));
}

TEST_F(Cli, BrowseWalksGroupsAndSubGroups) {
    writeRegister({"[RecNo1]", "TARIHI=46366", "OZEL_KODU=K1", "ARSIV_ADI=a", "KODU=1", "CDDVD=0",
                   "GRUBU=Muzik", "ALTGRUB=Pop", "[RecNo2]", "ARSIV_ADI=b", "CDDVD=2",
                   "GRUBU=Muzik", "[RecNo3]", "ARSIV_ADI=c", "CDDVD=1", "GRUBU=Film"});
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"browse"}, "24\tMuzik\t\t\n24\tFilm\t\t\n"},
        {{"browse", "Muzik"}, "14\tPop\t\t\n14\tDiger\t\t\n"},
        {{"browse", "Muzik", "Pop"}, "27\ta\tK1\t2026-12-10\n"},
        {{"browse", "Muzik", "Diger"}, "26\tb\t\t\n"},
        {{"browse", "Film"}, "29\tc\t\t\n"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out, c.out) << c.args.size();
    }
    auto r = run({"browse", "Yok"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Yok adında grup bulunamadı...\n");
}
