#include "ReliabilityFixture.h"

#include "platform/FileSystem.h"
#include "register/ArchiveCommands.h"
#include "register/Lending.h"
#include "register/NewArchive.h"
#include "store/Catalogue.h"
#include "store/CatalogueSchemas.h"

#include <gtest/gtest.h>

#include <optional>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace kartavel;
using test::utf8;
using test::writeFile;

namespace {

// What stands in the place of a catalogue file.
enum class Damage { Unreadable, Folder, Pipe };

const char* damageName(Damage d) {
    return d == Damage::Unreadable ? "unreadable" : d == Damage::Folder ? "folder" : "pipe";
}

class DamagedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(src / "a");
        writeFile(src / "a/f.txt", "1");
        ASSERT_EQ(cli({"register", utf8(src.path()), "--name", "Eski"}).code, 0);
        ASSERT_EQ(cli({"lend", "Eski", "--to", "Ali", "--date", "2026-12-10"}).code, 0);
        writeFile(data / "dosya.ini", "[IloStored]\r\nSIFRE=\r\n");
        writeFile(data / "GRUB.DB", "[RecNo1]\r\nGRUBU=Belgeler\r\n");
        writeFile(data / "ALTGRUB.DB", "[RecNo1]\r\nANAGRUP=Belgeler\r\nALTGRUP=Vergi\r\n");
    }

    test::CliRun cli(std::vector<std::string> args) {
        for (auto& a : args)
            if (a == "SRC")
                a = utf8(src.path());
        return test::runCliHere(data.path(), args);
    }

    // Puts the damage in the file's place; false where this system has no such thing.
    bool damage(const std::string& file, Damage how) {
        const auto path = data / file;
        if (how == Damage::Unreadable)
            return true;
#ifdef _WIN32
        if (how == Damage::Pipe)
            return false; // no named pipe stands in a folder there
#endif
        std::filesystem::remove(path);
        if (how == Damage::Folder)
            return std::filesystem::create_directory(path);
#ifdef _WIN32
        return false;
#else
        return ::mkfifo(path.c_str(), 0644) == 0;
#endif
    }

    test::ScopedDataFolder data;
    test::TempDir src;
};

} // namespace

// A catalogue file that is there but cannot be read, or is no file at all, is an
// error: the command says which file, ends with the file-error code, never waits on
// a pipe, and replaces nothing.
TEST_F(DamagedFiles, AreReportedAndNeverReplaced) {
    struct Case {
        std::string file;
        std::vector<std::string> command;
    };
    const Case cases[] = {
        {"ARSIV_Y.DB", {"list"}},
        {"ARSIV_Y.DB", {"register", "SRC", "--name", "Yeni"}},
        {"ARSIV_Y.DB", {"delete", "Eski", "--yes"}},
        {"EMANET.DB", {"list"}},
        {"EMANET.DB", {"return", "Eski"}},
        {"dosya.ini", {"list"}},
        {"dosya.ini", {"passwd", "--password-stdin"}},
        {"Eski.ADS", {"show", "Eski"}},
        {"Eski.ADS", {"search", "f.txt"}},
    };
    for (const Case& c : cases) {
        for (const Damage how : {Damage::Unreadable, Damage::Folder, Damage::Pipe}) {
            SCOPED_TRACE(c.file + " " + damageName(how) + ": " + c.command[0]);
            const std::string original = test::readFile(data / c.file);
            if (!damage(c.file, how))
                continue;
            const auto before = test::treeOf(data.path());
            test::CliRun r;
            {
                std::optional<test::FileFault> fault;
                if (how == Damage::Unreadable)
                    fault.emplace(c.file);
                r = cli(c.command);
            }
            EXPECT_EQ(r.code, 3);
            std::string message = utf8(data / c.file) + " okunamadı";
            if (how != Damage::Unreadable)
                message += ": bir dosya değil";
            EXPECT_NE(r.err.find(message + "\n"), std::string::npos) << r.err;
            EXPECT_EQ(test::treeOf(data.path()), before);
            // The file comes back for the next case.
            std::filesystem::remove(data / c.file);
            writeFile(data / c.file, original);
        }
    }
}

// A details file is the one file of the data folder whose damage is no error: in
// its place an unreadable file, a folder or a pipe (never waited on) leaves the
// archive without details, and nothing is written.
TEST_F(DamagedFiles, ADamagedDetailsFileIsNoDetails) {
    const std::string file = "Eski.ADT";
    const std::string original = test::readFile(data / file);
    for (const Damage how : {Damage::Unreadable, Damage::Folder, Damage::Pipe}) {
        SCOPED_TRACE(damageName(how));
        if (!damage(file, how))
            continue;
        const auto before = test::treeOf(data.path());
        test::CliRun show, info;
        {
            std::optional<test::FileFault> fault;
            if (how == Damage::Unreadable)
                fault.emplace(file);
            show = cli({"show", "Eski", "--long"});
            info = cli({"info", "Eski"});
        }
        EXPECT_EQ(show.code, 0) << show.err;
        EXPECT_EQ(show.err, "");
        EXPECT_NE(show.out.find("\t\t"), std::string::npos);
        EXPECT_EQ(show.out.find("\t1"), std::string::npos) << show.out; // no size of f.txt
        EXPECT_EQ(info.code, 0);
        EXPECT_NE(info.out.find("\ndetails\tno\n"), std::string::npos) << info.out;
        EXPECT_EQ(test::treeOf(data.path()), before);
        std::filesystem::remove(data / file);
        writeFile(data / file, original);
    }
    EXPECT_NE(cli({"info", "Eski"}).out.find("\ndetails\tyes\n"), std::string::npos);
}

// The group lists of the windows refuse the same way.
TEST_F(DamagedFiles, GroupListsThatCannotBeReadAreErrors) {
    for (const char* file : {"GRUB.DB", "ALTGRUB.DB"}) {
        test::FileFault fault(file);
        const std::string message = utf8(data / file) + " okunamadı";
        try {
            if (std::string(file) == "GRUB.DB")
                reg::groupChoices();
            else
                reg::subGroupChoices("Belgeler");
            ADD_FAILURE() << file;
        } catch (const platform::ReadError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

// The program opens the catalogue once and keeps it: a register that could not be
// read must not be taken for an empty one, or the next registration would write a
// register of one archive over it.
TEST_F(DamagedFiles, ARegisterThatCouldNotBeReadIsNeverWrittenOver) {
    const auto before = test::treeOf(data.path());
    store::Catalogue catalogue;
    {
        test::FileFault fault("ARSIV_Y.DB");
        EXPECT_THROW(catalogue.open(), platform::ReadError);
    }
    // The files can be read again a moment later, but this catalogue never saw
    // their records: neither the register nor the lending file is written.
    reg::NewArchiveInput in;
    in.path = utf8(src.path());
    in.date = 46366;
    in.name = "Yeni";
    EXPECT_THROW(reg::registerNewArchive(catalogue, in), platform::ReadError);
    EXPECT_TRUE(catalogue.KayitOrj_T.isEmpty());
    reg::LendInput lend;
    lend.person = "Can";
    lend.given = 46366;
    EXPECT_THROW(reg::lendArchive(catalogue.Emenet_Rx, "Yeni", lend), platform::ReadError);
    EXPECT_TRUE(catalogue.Emenet_Rx.isEmpty());
    EXPECT_EQ(test::treeOf(data.path()), before);

    // A reload that fails keeps what was loaded before, and writes nothing either.
    catalogue.open();
    ASSERT_EQ(catalogue.KayitOrj_T.recordCount(), 1);
    {
        test::FileFault fault("ARSIV_Y.DB");
        EXPECT_THROW(catalogue.reloadRegister(), platform::ReadError);
    }
    EXPECT_EQ(catalogue.KayitOrj_T.recordCount(), 1);
    EXPECT_TRUE(catalogue.isLent("Eski"));
    EXPECT_THROW(reg::deleteCurrentArchive(catalogue), platform::ReadError);
    EXPECT_EQ(test::treeOf(data.path()), before);
    // Once read, it is written again.
    catalogue.reloadRegister();
    reg::deleteCurrentArchive(catalogue);
    EXPECT_TRUE(catalogue.KayitOrj_T.isEmpty());
}

// A content file that breaks off: search reports it as show does, after the rows of
// what loaded.
TEST_F(DamagedFiles, SearchReportsABrokenContentFile) {
    writeFile(data / "Eski.ADS", "D:\r\n\tf.txt\r\n\t\t\tderin\r\n");
    for (const auto& command : std::vector<std::vector<std::string>>{
             {"search", "f.txt"}, {"search", "f.txt", "--archive", "Eski"}}) {
        const auto r = cli(command);
        EXPECT_EQ(r.code, 3);
        EXPECT_EQ(r.out, "Eski\tf.txt\tD:\\f.txt\n");
        EXPECT_NE(r.err.find("Invalid level (3) for item \"derin\"\n"), std::string::npos) << r.err;
    }
}
