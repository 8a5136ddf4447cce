#include "CliRunner.h"
#include "TestSupport.h"

#include "platform/DataFolderLock.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

using kartavel::test::crlfLines;
using kartavel::test::readFile;
using kartavel::test::runCli;
using kartavel::test::storedPasswordFile;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

namespace {

class CliPassword : public ::testing::Test {
protected:
    kartavel::test::CliResult run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {"--data", data.path().string()});
        return runCli(args, input);
    }
    std::string dosyaIni() const { return readFile(data / "dosya.ini"); }
    TempDir data;
};

} // namespace

TEST_F(CliPassword, PasswdSetsTheFirstPasswordThenEveryCommandAsksForIt) {
    auto r = run({"list"});
    EXPECT_EQ(r.code, 0) << "no password, no question";

    r = run({"passwd", "--password-stdin"}, "abc\nabc\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Şifre değiştirilmiştir...\n");
    EXPECT_EQ(dosyaIni(), "[IloStored]\r\nSIFRE=\x9E\x9D\x9C\r\n");

    r = run({"list"});
    EXPECT_EQ(r.code, 2) << "no terminal and no --password-stdin";
    EXPECT_EQ(r.err, "Veri klasörü parola ile korunuyor. Parolayı uçbirimden yazınız ya da "
                     "--password-stdin ile standart girdiden veriniz...\n");
    r = run({"--password-stdin", "list"}, "abc\r\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
}

TEST_F(CliPassword, TheGateRefusesAWrongOrMissingPassword) {
    writeFile(data / "dosya.ini", storedPasswordFile("Gizli"));
    writeFile(data / "ARSIV_Y.DB", crlfLines({"[RecNo1]", "ARSIV_ADI=Yedek", "KODU=1"}));
    writeFile(data / "Yedek.ADS", "D:\r\n");
    const std::string registerBefore = readFile(data / "ARSIV_Y.DB");
    const struct {
        const char* input;
        int code;
        const char* err;
    } cases[] = {
        {"gizli\n", 1, "Şifre Dogrulanamadı...\n"},
        {"Gizli \n", 1, "Şifre Dogrulanamadı...\n"},
        {"\n", 1, "Şifre Dogrulanamadı...\n"},
        {"", 2, "Parola okunamadı: standart girdide satır yok...\n"},
        {"12345678901234567\n", 2, "Parola en fazla 16 karakter olabilir...\n"},
    };
    for (const auto& c : cases) {
        const auto r = run({"delete", "Yedek", "--yes", "--password-stdin"}, c.input);
        EXPECT_EQ(r.code, c.code) << c.input;
        EXPECT_EQ(r.err, c.err) << c.input;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(readFile(data / "ARSIV_Y.DB"), registerBefore) << c.input;
        EXPECT_TRUE(kartavel::platform::fileExists(data / "Yedek.ADS")) << c.input;
    }
    const auto r = run({"delete", "Yedek", "--yes", "--password-stdin"}, "Gizli\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_FALSE(kartavel::platform::fileExists(data / "Yedek.ADS"));
}

TEST_F(CliPassword, PasswdRunsTheWindowsStepsAndRefusesWithoutWriting) {
    const std::string before = storedPasswordFile("eski");
    writeFile(data / "dosya.ini", before);
    const struct {
        const char* input;
        int code;
        const char* err;
    } refusals[] = {
        {"eski\n\n\n", 1, "Yeni şifreyi girmelisiniz.\n"},
        {"ESKI\nyeni\nyeni\n", 1, "Eski şifre hatalı...\n"},
        {"eski\nyeni\nyenı\n", 1, "Yeni şifre uyumsuz...\n"},
        {"eski\n12345678901234567\n12345678901234567\n", 1,
         "Yeni şifre en fazla 16 karakter olabilir...\n"},
        {"eski\niki kelime\niki kelime\n", 1, "Yeni şifre boşluk içeremez...\n"},
        {"eski\nöõ\nöõ\n", 1, "Yeni şifrede kullanılamayan bir karakter var...\n"},
        {"eski\nyeni\n", 2, "Parola okunamadı: standart girdide satır yok...\n"},
    };
    for (const auto& c : refusals) {
        const auto r = run({"passwd", "--password-stdin"}, c.input);
        EXPECT_EQ(r.code, c.code) << c.input;
        EXPECT_EQ(r.err, c.err) << c.input;
        EXPECT_EQ(dosyaIni(), before) << c.input;
    }

    {
        kartavel::platform::DataFolderLock program;
        ASSERT_TRUE(program.tryLock(data.path()));
        const auto r = run({"passwd", "--password-stdin"}, "eski\nyeni\nyeni\n");
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "Veri klasörü başka bir Kartavel tarafından kullanılıyor. Önce onu "
                         "kapatınız...\n");
        EXPECT_EQ(dosyaIni(), before);
    }

    // Letters of the code page, scrambling to a quote and a blank at the line's ends.
    const auto r = run({"passwd", "--password-stdin"}, "eski\nİçerikß\nİçerikß\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(dosyaIni(), "[IloStored]\r\nSIFRE=\x22\x18\x9A\x8D\x96\x94\x20\r\n");
    EXPECT_EQ(run({"--password-stdin", "list"}, "İçerikß\n").code, 0);
}
