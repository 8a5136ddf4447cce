#include "ReliabilityFixture.h"

#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <map>

using namespace kartavel;
using test::utf8;
using test::writeFile;

namespace {

// A data folder inside a folder that holds files an escaping name could reach.
class NameSafety : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(data);
        writeFile(outer / "x.ADS", "dışarıdaki dosya");
        writeFile(outer / "abs.ADS", "dışarıdaki dosya");
        writeFile(src / "f.txt", "1");
    }
    // The command line pointed the data folder here.
    void TearDown() override { platform::setDataFolder({}); }

    test::CliRun cli(std::vector<std::string> args) {
        return test::runCliHere(data, std::move(args));
    }

    // The files outside the data folder.
    std::map<std::string, std::string> outside() {
        auto tree = test::treeOf(outer.path());
        std::erase_if(tree, [](const auto& e) { return e.first.starts_with("Data"); });
        return tree;
    }

    test::TempDir outer;
    test::TempDir src;
    std::filesystem::path data = outer / "Data";
};

std::vector<std::string> withSeparators(std::initializer_list<const char*> names) {
    return std::vector<std::string>(names.begin(), names.end());
}

} // namespace

TEST_F(NameSafety, RegisterRefusesNamesThatLeadOutOrNameNoFile) {
    const std::string badCharacters =
        "Arşiv Adında \" * / : < > ? \\ | karakterleri kullanılamaz...\n";
    const std::string tooLong = "Arşiv Adı en fazla 40 karakter olabilir...\n";
    const std::string noFile = " adı dosya adı olarak kullanılamaz...\n";
    struct Case {
        std::string name;
        std::string err;
    };
    const Case cases[] = {
        {"..", ".." + noFile},
        {".", "." + noFile},
        {"../x", badCharacters},
        {"..\\x", badCharacters},
        {"a/b", badCharacters},
        {"C:x", badCharacters},
        {"C:\\x", badCharacters},
        {"\\\\sunucu\\pay", badCharacters},
        {utf8(outer / "abs"), badCharacters},
        {"CON", "CON" + noFile},
        {"nul", "nul" + noFile},
        {"COM1", "COM1" + noFile},
        {"Aux.yedek", "Aux.yedek" + noFile},
        {std::string(255, 'a'), tooLong},
        {std::string(300, 'a'), tooLong},
        {std::string(41, 'a'), tooLong},
        // The register would give these back without the blank, or the quotes.
        {"Yedek ", "Arşiv Adı alanının başında ya da sonunda boşluk olamaz...\n"},
        {" Yedek", "Arşiv Adı alanının başında ya da sonunda boşluk olamaz...\n"},
        {"'Film'", "Arşiv Adı tırnak işaretleri arasında olamaz...\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = test::treeOf(outer.path());
        const auto r = cli({"register", utf8(src.path()), "--name", c.name});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, c.err);
        std::filesystem::remove(data / ".kartavel.lock");
        EXPECT_EQ(test::treeOf(outer.path()), before);
    }
}

// A dot at the end of a name is kept: the extension follows it, so the content file
// is a plain file of the data folder on every system.
TEST_F(NameSafety, NamesEndingInADotStayInTheDataFolder) {
    const auto before = outside();
    for (const std::string name : {"Yedek.", "Yedek..", "..Yedek"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(cli({"register", utf8(src.path()), "--name", name}).code, 0);
        EXPECT_TRUE(platform::fileExists(data / (name + ".ADS")));
        EXPECT_EQ(cli({"show", name}).code, 0);
        EXPECT_EQ(cli({"delete", name, "--yes"}).code, 0);
        EXPECT_FALSE(platform::fileExists(data / (name + ".ADS")));
    }
    EXPECT_EQ(outside(), before);
}

// A register edited by hand may hold any name: no command reads, writes or deletes
// a file outside the data folder through it.
TEST_F(NameSafety, ForeignNamesInTheRegisterReachNothingOutside) {
    const auto names = withSeparators({"../x", "..\\x", "..", ".", "CON", "C:\\x", "./../x"});
    std::vector<std::string> all(names);
    // An absolute path, where the register's 40 characters hold it.
    if (const std::string abs = utf8(outer / "abs"); abs.size() <= 40)
        all.push_back(abs);
    std::string reg;
    for (std::size_t i = 0; i < all.size(); ++i)
        reg += "[RecNo" + std::to_string(i + 1) + "]\r\nARSIV_ADI=" + all[i] + "\r\n";
    writeFile(data / "ARSIV_Y.DB", reg);
    const auto before = outside();
    for (const std::string& name : all) {
        SCOPED_TRACE(name);
        for (const auto& command : std::vector<std::vector<std::string>>{
                 {"show", name}, {"search", "x", "--archive", name}}) {
            const auto r = cli(command);
            EXPECT_EQ(r.code, 1);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, "Arşiv Dosyası bulunamıyor. Silinmiş olabilir\n");
        }
        EXPECT_EQ(cli({"search", "x"}).out, "");
        EXPECT_EQ(cli({"delete", name, "--yes"}).code, 0);
        EXPECT_EQ(outside(), before);
    }
    EXPECT_EQ(cli({"list"}).out, "");
}
