#include "CliRunner.h"
#include "TestSupport.h"

#include "platform/DataFolderLock.h"
#include "platform/FileSystem.h"
#include "platform/PathForm.h"

#include <gtest/gtest.h>

#include <sstream>

using kartavel::test::crlfLines;
using kartavel::test::readFile;
using kartavel::test::runCli;
using kartavel::test::TempDir;
using kartavel::test::utf8;
using kartavel::test::writeFile;

namespace {

class Cli : public ::testing::Test {
protected:
    kartavel::test::CliResult run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {"--data", utf8(data.path())});
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
    writeFile(data / "ARSIV.DB", kartavel::test::legacyRecordBytes({46366, "K-1", "Eski", 9}));
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

namespace {

// The outline lines of the folders from the root ("/", or a drive on Windows) down
// to `folder`, at depths 0..n.
std::string outlineTo(const std::filesystem::path& folder, int& depth) {
    const std::string path = utf8(folder);
    const auto parts = kartavel::platform::splitPath(path);
    std::string out = std::string(parts.root) + "\r\n";
    depth = 0;
    for (const auto part : parts.components) {
        ++depth;
        out += std::string(static_cast<std::size_t>(depth), '\t') + std::string(part) + "\r\n";
    }
    return out;
}

// A node path below the scanned folder: "a/b" joined with the system's separator.
std::string below(const std::string& base, std::string_view rel) {
    std::string path = base;
    for (char c : rel)
        path.push_back(c == '/' ? kartavel::platform::kNativeSeparator : c);
    return path;
}

class CliRegister : public Cli {
protected:
    void SetUp() override {
        std::filesystem::create_directories(src.path() / "a/b");
        writeFile(src / "a/f1.txt", "1");
        writeFile(src / "a/b/g.txt", "2");
        writeFile(src / "Ağaç.txt", "3");
    }
    TempDir src;
};

} // namespace

TEST_F(CliRegister, RegistersAFolderAndWritesBothFiles) {
    const auto r =
        run({"register", utf8(src.path()), "--name", "Yedek", "--code", "K-1", "--date",
             "2026-12-10", "--group", "Belgeler", "--sub", "Vergi", "--media", "folder"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Kayıt İşlem Tamamlandı...\n");
    int d = 0;
    std::string expected = outlineTo(src.path(), d);
    auto line = [&](int depth, const std::string& name) {
        expected += std::string(static_cast<std::size_t>(d + depth), '\t') + name + "\r\n";
    };
    line(1, "a");
    line(2, "b");
    line(3, "g.txt");
    line(2, "f1.txt");
    line(1, "A\xF0"
            "a\xE7.txt"); // code page 1254
    EXPECT_EQ(readFile(data / "Yedek.ADS"), expected);
    EXPECT_EQ(readFile(data / "ARSIV_Y.DB"),
              crlfLines({"[RecNo1]", "TARIHI=46366", "OZEL_KODU=K-1", "ARSIV_ADI=Yedek", "KODU=1",
                         "CDDVD=2", "GRUBU=Belgeler", "ALTGRUB=Vergi"}));

    // A second archive follows it, with the defaults: today and "Dvd"; the group is cut
    // to 30 characters.
    const std::string longGroup(35, 'G');
    const auto r2 = run({"register", utf8(src.path()), "--name", "İkinci", "--group", longGroup});
    EXPECT_EQ(r2.code, 0) << r2.err;
    const auto list = run({"list"});
    std::istringstream lines(list.out);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first, "2026-12-10\tK-1\tYedek\t1\t2\tBelgeler\tVergi\t0");
    EXPECT_NE(second.find("\tİkinci\t2\t0\t" + std::string(30, 'G') + "\t\t0"), std::string::npos)
        << second;
}

TEST_F(CliRegister, RefusalsComeInTheWindowsOrder) {
    writeRegister({"[RecNo1]", "ARSIV_ADI=I\xFE\xFDk", "CDDVD=0"}); // Işık
    const std::string before = readFile(data / "ARSIV_Y.DB");
    const std::string folder = utf8(src.path());
    const std::string missing = utf8(src.path() / "yok");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {{"register", "", "--name", ""}, 1, "Arşive Alınacak Yolu belirleyiniz...\n"},
        {{"register", folder, "--date", "", "--name", ""}, 1, "Kayıt Tarihini giriniz...\n"},
        {{"register", folder}, 1, "Arşiv Adını Giriniz...\n"},
        {{"register", missing, "--name", "x"}, 1, missing + "\r\n Arşiv yolu bulunamadı...\n"},
        {{"register", folder, "--name", "IŞIK"},
         1,
         "IŞIK adında arşiv daha önceden kaydedilmiş...\n"},
        {{"register", folder, "--name", "a/b"},
         1,
         "Arşiv Adında \" * / : < > ? \\ | karakterleri kullanılamaz...\n"},
        {{"register", folder, "--name", "x", "--date", "2026-02-30"},
         2,
         "--date YYYY-AA-GG biçiminde bir gün olmalı: 2026-02-30\n"},
        {{"register", folder, "--name", "x", "--media", "tape"},
         2,
         "--media dvd, cd ya da folder olmalı: tape\n"},
        {{"register", folder, "--name", "日本"},
         1,
         "Arşiv Adı alanında kaydedilemeyen karakter var...\n"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.code, c.code) << c.err;
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(readFile(data / "ARSIV_Y.DB"), before);
    for (const auto& e : std::filesystem::directory_iterator(data.path()))
        EXPECT_NE(e.path().extension(), ".ADS") << e.path();
}

TEST_F(CliRegister, AForeignFileOfTheSameNameIsNeverReplaced) {
    writeFile(data / "Yedek.ADS", "başka bir arşiv");
    const auto r = run({"register", utf8(src.path()), "--name", "Yedek"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Yedek adında arşiv dosyası veri klasöründe zaten var...\n");
    EXPECT_EQ(readFile(data / "Yedek.ADS"), "başka bir arşiv");
}

TEST_F(CliRegister, WritingCommandsWaitForTheProgramToClose) {
    kartavel::platform::DataFolderLock program;
    ASSERT_TRUE(program.tryLock(data.path()));
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"register", utf8(src.path()), "--name", "x"}, {"delete", "x", "--yes"}}) {
        const auto r = run(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "Veri klasörü başka bir Kartavel tarafından kullanılıyor. Önce onu "
                         "kapatınız...\n");
    }
    EXPECT_FALSE(kartavel::platform::fileExists(data / "ARSIV_Y.DB"));
    EXPECT_EQ(run({"list"}).code, 0) << "reading goes on meanwhile";
}

TEST_F(CliRegister, AFolderThatCannotBeLockedIsAFileErrorNotABusyProgram) {
    // The lock file's name is taken by a folder: nobody holds the lock, it cannot be made.
    std::filesystem::create_directory(data / kartavel::platform::DataFolderLock::kFileName);
    const auto r = run({"register", src.path().string(), "--name", "x"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.err, "Unable to write to " + data.path().string() + "\n");
    EXPECT_FALSE(kartavel::platform::fileExists(data / "ARSIV_Y.DB"));
}

TEST_F(Cli, CommandsListsEveryCommandWithItsOptions) {
    const auto r = runCli({"--commands"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    // Options that take a value end in "=".
    for (const char* line :
         {"register --name= --code= --date= --group= --sub= --media=\n", "list\n",
          "show --outline --long\n", "info\n",
          "search --archive= --group= --sub= --whole --case --no-index\n", "delete --yes\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
}

TEST_F(CliRegister, ShowPrintsNodePathsOrTheOutline) {
    ASSERT_EQ(run({"register", utf8(src.path()), "--name", "Yedek"}).code, 0);
    auto r = run({"show", "yedek"});
    EXPECT_EQ(r.code, 0);
    const std::string base = utf8(src.path());
    EXPECT_NE(r.out.find(below(base, "/a/b/g.txt\n") + below(base, "/a/f1.txt\n") +
                         below(base, "/Ağaç.txt\n")),
              std::string::npos)
        << r.out;
    const std::string root(kartavel::platform::splitPath(base).root);
    EXPECT_EQ(r.out.substr(0, root.size() + 1), root + "\n");
    r = run({"show", "Yedek", "--outline"});
    EXPECT_EQ(r.code, 0);
    int d = 0;
    std::string outline = outlineTo(src.path(), d);
    for (std::size_t p; (p = outline.find("\r\n")) != std::string::npos;)
        outline.replace(p, 2, "\n");
    EXPECT_EQ(r.out.substr(0, outline.size()), outline);
    EXPECT_NE(r.out.find(std::string(static_cast<std::size_t>(d + 1), '\t') + "Ağaç.txt\n"),
              std::string::npos);

    r = run({"show", "Yok"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Yok adında arşiv bulunamadı...\n");
    std::filesystem::remove(data / "Yedek.ADS");
    r = run({"show", "Yedek"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Arşiv Dosyası bulunamıyor. Silinmiş olabilir\n");
}

// show --long: every node with its size and time, folders with the sum below them;
// info: the archive's and the medium's facts. A content file edited by hand has no
// details any more: the fields go empty, the tree stays.
TEST_F(CliRegister, ShowLongAndInfoTellTheDetails) {
    kartavel::test::ScopedEnv tz("TZ", "UTC");
    kartavel::test::setLastWriteTime(src / "a/f1.txt", 1781049600);      // 2026-06-10
    kartavel::test::setLastWriteTime(src / "a/b/g.txt", -315619200);     // 1960-01-01
    kartavel::test::setLastWriteTime(src / "Ağaç.txt", 4102444800 + 61); // 2100-01-01 00:01:01
    writeFile(src / "Ağaç.txt", "üç bayt");                              // 9 bytes
    kartavel::test::setLastWriteTime(src / "Ağaç.txt", 4102444800 + 61);
    ASSERT_EQ(run({"register", utf8(src.path()), "--name", "Yedek"}).code, 0);
    const std::string base = utf8(src.path());
    auto r = run({"show", "Yedek", "--long"});
    EXPECT_EQ(r.code, 0) << r.err;
    const std::string root(kartavel::platform::splitPath(base).root);
    EXPECT_EQ(r.out.substr(0, root.size() + 5), "11\t\t" + root + "\n");
    const std::string files = "1\t\t" + below(base, "/a/b\n") + "1\t1960-01-01 00:00:00\t" +
                              below(base, "/a/b/g.txt\n") + "1\t2026-06-10 00:00:00\t" +
                              below(base, "/a/f1.txt\n") + "9\t2100-01-01 00:01:01\t" +
                              below(base, "/Ağaç.txt\n");
    EXPECT_NE(r.out.find("2\t\t" + below(base, "/a\n") + files), std::string::npos) << r.out;

    r = run({"info", "Yedek"});
    EXPECT_EQ(r.code, 0) << r.err;
    const auto value = [&r](const std::string& key) {
        const auto at = r.out.find(key + "\t");
        return at == std::string::npos
                   ? std::string("?")
                   : r.out.substr(at + key.size() + 1, r.out.find('\n', at) - at - key.size() - 1);
    };
    EXPECT_EQ(value("files"), "3");
    EXPECT_EQ(value("folders"), "2");
    EXPECT_EQ(value("bytes"), "11");
    EXPECT_EQ(value("root"), base);
    EXPECT_EQ(value("details"), "yes");
    EXPECT_EQ(value("scanned").size(), 19u);
    EXPECT_NE(value("filesystem"), "");
    EXPECT_NE(value("total"), "");
    EXPECT_EQ(r.out.substr(0, 6), "files\t");
    EXPECT_NE(r.out.find("\nlabel\t"), std::string::npos);
    EXPECT_NE(r.out.find("\nserial\t"), std::string::npos);
    EXPECT_NE(r.out.find("\nfree\t"), std::string::npos);

    std::string edited = readFile(data / "Yedek.ADS");
    edited.replace(edited.find("f1.txt"), 6, "f2.txt");
    writeFile(data / "Yedek.ADS", edited);
    r = run({"show", "Yedek", "--long"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("\t\t" + below(base, "/a/f2.txt\n")), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\t2026"), std::string::npos);
    r = run({"info", "Yedek"});
    EXPECT_EQ(value("details"), "no");
    EXPECT_EQ(value("files"), "3");
    EXPECT_EQ(value("bytes"), "");
    EXPECT_EQ(value("root"), "");

    EXPECT_EQ(run({"show", "Yedek", "--long", "--outline"}).code, 2);
}

TEST_F(Cli, ShowReportsABrokenOutlineAfterWhatLoaded) {
    writeRegister({"[RecNo1]", "ARSIV_ADI=Bozuk"});
    writeFile(data / "Bozuk.ADS", "D:\r\n\ta\r\n\t\t\tderin\r\n");
    const auto r = run({"show", "Bozuk"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.out, "D:\nD:\\a\n");
    EXPECT_EQ(r.err, "Invalid level (3) for item \"derin\"\n");
}

TEST_F(Cli, SearchGoesThroughTheArchivesOfAPlace) {
    writeRegister({"[RecNo1]", "ARSIV_ADI=A1", "GRUBU=Muzik", "ALTGRUB=Pop", "[RecNo2]",
                   "ARSIV_ADI=A2", "GRUBU=Muzik", "[RecNo3]", "ARSIV_ADI=A3", "[RecNo4]",
                   "ARSIV_ADI=Kayip", "GRUBU=Muzik", "ALTGRUB=Pop"});
    writeFile(data / "A1.ADS", "D:\r\n\t\xFE"
                               "ark\xFD.mp3\r\n\tREADME.TXT\r\n");
    writeFile(data / "A2.ADS", "E:\r\n\tbelge\r\n\t\treadme.txt\r\n");
    writeFile(data / "A3.ADS", "F:\r\n\t\xDDNDEX.HTM\r\n\tINDEX.HTM\r\n");
    struct Case {
        std::vector<std::string> args;
        std::string out, err;
    };
    const Case cases[] = {
        {{"search", "readme"},
         "A1\tREADME.TXT\tD:\\README.TXT\nA2\treadme.txt\tE:\\belge\\readme.txt\n",
         "Arama tamamlandı.\n"},
        {{"search", "readme.txt", "--whole", "--case"},
         "A2\treadme.txt\tE:\\belge\\readme.txt\n",
         "Arama tamamlandı.\n"},
        {{"search", "readme", "--group", "Muzik", "--sub", "Pop"},
         "A1\tREADME.TXT\tD:\\README.TXT\n",
         "Arama tamamlandı.\n"},
        {{"search", "readme", "--group", "Muzik", "--sub", "Diger"},
         "A2\treadme.txt\tE:\\belge\\readme.txt\n",
         "Arama tamamlandı.\n"},
        {{"search", "index", "--group", "Diger"},
         "A3\tİNDEX.HTM\tF:\\İNDEX.HTM\n",
         "Arama tamamlandı.\n"},
        {{"search", "E:", "--whole"}, "A2\tE:\tE:\n", "Arama tamamlandı.\n"},
        {{"search", "yok"}, "", "Arama tamamlandı.\r\nAranan kelime bulunamadı...\n"},
        {{"search", "README", "--archive", "a2"},
         "A2\treadme.txt\tE:\\belge\\readme.txt\n",
         "Arama tamamlandı.\n"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.code, 0) << c.args[1];
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_EQ(r.err, c.err) << c.args[1];
    }
    auto r = run({"search", ""});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Aranacak Kelimeyi girin.\n");
    r = run({"search", "x", "--group", "Yok"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Yok adında grup bulunamadı...\n");
    r = run({"search", "x", "--sub", "Pop"});
    EXPECT_EQ(r.code, 2);
}

TEST_F(Cli, IndexBuildsChecksAndRepairsTheNameIndex) {
    // Büyük, Küçük and Kayıp in the register's code page.
    writeRegister({"[RecNo1]", "ARSIV_ADI=B\xFCy\xFCk", "[RecNo2]", "ARSIV_ADI=K\xFC\xE7\xFCk",
                   "[RecNo3]", "ARSIV_ADI=Kay\xFDp"});
    // Large enough to be given an index; the small one is always read whole.
    std::string big = "D:\r\n\tbelgeler\r\n";
    for (int i = 0; i < 20000; ++i)
        big += "\t\trapor_" + std::to_string(i) + ".doc\r\n";
    writeFile(data / "B\xC3\xBCy\xC3\xBCk.ADS", big);
    writeFile(data / "K\xC3\xBC\xC3\xA7\xC3\xBCk.ADS", "E:\r\n\trapor_1.doc\r\n");
    const auto index = data / "AdDizini/Büyük.adx";

    auto r = run({"index", "--check"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Büyük\tyok\nKüçük\tgerekmez (küçük arşiv)\nKayıp\tarşiv dosyası yok\n");
    EXPECT_EQ(r.err, "Ad dizini: 1 güncel değil, 0 güncel, 0 artık dizin var.\n");
    EXPECT_FALSE(std::filesystem::exists(data / "AdDizini"));

    r = run({"index"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "Büyük\tyok -> yazıldı\nKüçük\tgerekmez (küçük arşiv)\nKayıp\tarşiv dosyası yok\n");
    EXPECT_EQ(r.err, "Ad dizini: 1 yazıldı, 0 güncel, 0 artık dizin silindi.\n");
    ASSERT_TRUE(std::filesystem::exists(index));
    EXPECT_LE(std::filesystem::file_size(index), big.size());
    const std::string rest = "Küçük\tgerekmez (küçük arşiv)\nKayıp\tarşiv dosyası yok\n";
    EXPECT_EQ(run({"index", "--check"}).out, "Büyük\tgüncel\n" + rest);

    // The search gives the same rows through the index as without it.
    const std::string wanted = "Büyük\trapor_1999.doc\tD:\\belgeler\\rapor_1999.doc\n";
    EXPECT_EQ(run({"search", "RAPOR_1999.DOC"}).out, wanted);
    EXPECT_EQ(run({"search", "RAPOR_1999.DOC", "--no-index"}).out, wanted);
    EXPECT_EQ(run({"search", "rapor_1999.doc", "--whole", "--archive", "büyük"}).out, wanted);

    // A damaged index and an orphan are found, then mended.
    writeFile(index, "damaged");
    writeFile(data / "AdDizini" / "Eski.adx", "left by a deleted archive");
    r = run({"index", "--check"});
    EXPECT_EQ(r.out, "Büyük\tbozuk\n" + rest);
    EXPECT_EQ(r.err, "Ad dizini: 1 güncel değil, 0 güncel, 1 artık dizin var.\n");
    EXPECT_EQ(run({"search", "RAPOR_1999.DOC"}).out, wanted);
    r = run({"index"});
    // The search wrote it anew, and took the orphan away as it did.
    EXPECT_EQ(r.out, "Büyük\tgüncel\n" + rest);
    EXPECT_EQ(r.err, "Ad dizini: 0 yazıldı, 1 güncel, 0 artık dizin silindi.\n");
    EXPECT_FALSE(std::filesystem::exists(data / "AdDizini" / "Eski.adx"));

    // An index that cannot be written is reported; the search still answers.
    std::filesystem::remove_all(data / "AdDizini");
    writeFile(data / "AdDizini", "");
    r = run({"index"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.out, "Büyük\tyok -> yazılamadı\n" + rest);
    EXPECT_NE(r.err.find("Unable to write to " + (data / "AdDizini").string()), std::string::npos);
    EXPECT_EQ(run({"search", "RAPOR_1999.DOC"}).out, wanted);
}

TEST_F(Cli, DeleteNeedsAConfirmationAndRemovesRecordAndFile) {
    writeRegister({"[RecNo1]", "ARSIV_ADI=Yedek", "KODU=1", "[RecNo2]", "ARSIV_ADI=yedek", "KODU=2",
                   "[RecNo3]", "ARSIV_ADI=Son", "KODU=3"});
    writeFile(data / "yedek.ADS", "D:\r\n");
    const std::string before = readFile(data / "ARSIV_Y.DB");
    auto r = run({"delete", "yedek"});
    EXPECT_EQ(r.code, 1) << "no terminal to ask";
    EXPECT_EQ(r.err, "Silme onaylanmadı. Onaylamak için --yes kullanınız...\n");
    EXPECT_EQ(readFile(data / "ARSIV_Y.DB"), before);

    r = run({"delete", "yedek", "--yes"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(kartavel::platform::fileExists(data / "yedek.ADS"));
    EXPECT_EQ(run({"list"}).out, "\t\tYedek\t1\t\t\t\t0\n\t\tSon\t3\t\t\t\t0\n")
        << "the exact name wins over the one that differs in case";

    r = run({"delete", "SON", "--yes"});
    EXPECT_EQ(r.code, 0);
    r = run({"delete", "Yok", "--yes"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Yok adında arşiv bulunamadı...\n");
    r = run({"delete", "Yedek", "--yes"});
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(kartavel::platform::fileExists(data / "ARSIV_Y.DB"));
}
