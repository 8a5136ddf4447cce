#include "ReliabilityFixture.h"

#include "access/Password.h"
#include "platform/FileSystem.h"
#include "register/ArchiveCommands.h"
#include "register/Groups.h"
#include "register/Lending.h"
#include "register/NewArchive.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

using namespace kartavel;
using test::readFile;
using test::utf8;
using test::writeFile;
namespace cols = store::columns;
using platform::WriteStep;

namespace {

constexpr WriteStep kSteps[] = {WriteStep::Create, WriteStep::Write, WriteStep::Flush,
                                WriteStep::Rename};

const char* stepName(WriteStep s) {
    switch (s) {
    case WriteStep::Create:
        return "create";
    case WriteStep::Write:
        return "write";
    case WriteStep::Flush:
        return "flush";
    case WriteStep::Rename:
        return "rename";
    }
    return "?";
}

// A catalogue with three archives, two of them lent (so that taking one back
// rewrites the lending file), and a stored-values file.
// Public: each change's core call acts on it.
class WriteFaults : public ::testing::Test {
public:
    void SetUp() override {
        std::filesystem::create_directories(src / "a");
        writeFile(src / "a/f.txt", "1");
        for (const char* name : {"Eski", "Ödünç", "Üçüncü"})
            ASSERT_EQ(
                test::runCliHere(data.path(), {"register", utf8(src.path()), "--name", name}).code,
                0);
        for (const char* name : {"Ödünç", "Üçüncü"})
            ASSERT_EQ(
                test::runCliHere(data.path(), {"lend", name, "--to", "Ali", "--date", "2026-12-10"})
                    .code,
                0);
        // Two groups, so that deleting one still writes the file (an empty list has none).
        for (const char* group : {"Müzik", "Yedek"})
            ASSERT_EQ(test::runCliHere(data.path(), {"groups", "add", group}).code, 0);
        ASSERT_EQ(test::runCliHere(data.path(), {"subgroups", "Müzik", "add", "Türkü"}).code, 0);
        writeFile(data / "dosya.ini", "[IloStored]\r\nSIFRE=\r\n");
        catalogue.open();
        storage = access::makeIloStorage1();
        access::openStoredValues(storage);
    }

    // What the user sees of the catalogue in memory.
    std::string memory() {
        return store::tableFileBytes(catalogue.KayitOrj_T, "ARSIV_Y.DB") + "|" +
               store::tableFileBytes(catalogue.Emenet_Rx, "EMANET.DB") + "|" +
               catalogue.KayitOrj_T.asString(cols::ARSIV_ADI) + "|" +
               storage.ReadValue(access::kPasswordKey);
    }

    test::ScopedDataFolder data;
    test::TempDir src;
    store::Catalogue catalogue;
    access::TIloStorage storage;
};

// One change the user makes, through the command line and through the core calls
// the windows make, and the file it writes.
struct Change {
    const char* file;
    std::vector<std::string> cli;
    std::string input;
    std::function<void(WriteFaults&, const std::filesystem::path& src)> core;
};

reg::NewArchiveInput newArchive(const std::filesystem::path& src) {
    reg::NewArchiveInput in;
    in.path = utf8(src);
    in.date = 46366;
    in.name = "Yeni";
    return in;
}

// A group-list change made as the windows make it; when its save fails, the list in
// memory must be what its file still holds.
template <typename List, typename Table>
void changeList(List& list, Table table, const std::function<void(store::RecordTable&)>& act) {
    list.load();
    store::RecordTable& t = list.*table;
    const auto before = t.records().size();
    try {
        act(t);
    } catch (const platform::WriteError&) {
        EXPECT_EQ(t.records().size(), before);
        EXPECT_FALSE(t.editing());
        throw;
    }
}

const reg::Dialogue kYes{[](std::string_view) {}, [](std::string_view) { return true; }};

const Change kChanges[] = {
    {"ARSIV_Y.DB",
     {"register", "SRC", "--name", "Yeni"},
     {},
     [](WriteFaults& f, const std::filesystem::path& src) {
         reg::registerNewArchive(f.catalogue, newArchive(src));
     }},
    {"Yeni.ADS",
     {"register", "SRC", "--name", "Yeni"},
     {},
     [](WriteFaults& f, const std::filesystem::path& src) {
         reg::registerNewArchive(f.catalogue, newArchive(src));
     }},
    {"Yeni.ADT",
     {"register", "SRC", "--name", "Yeni"},
     {},
     [](WriteFaults& f, const std::filesystem::path& src) {
         reg::registerNewArchive(f.catalogue, newArchive(src));
     }},
    {"ARSIV_Y.DB",
     {"delete", "Eski", "--yes"},
     {},
     [](WriteFaults& f, const std::filesystem::path&) {
         ASSERT_TRUE(f.catalogue.KayitOrj_T.locate(cols::ARSIV_ADI, "Eski", false));
         reg::deleteCurrentArchive(f.catalogue);
     }},
    {"EMANET.DB",
     {"lend", "Eski", "--to", "Can", "--date", "2026-12-10"},
     {},
     [](WriteFaults& f, const std::filesystem::path&) {
         reg::LendInput in;
         in.person = "Can";
         in.given = 46366;
         reg::lendArchive(f.catalogue.Emenet_Rx, "Eski", in);
     }},
    {"EMANET.DB",
     {"return", "Ödünç"},
     {},
     [](WriteFaults& f, const std::filesystem::path&) {
         reg::takeBackArchive(f.catalogue.Emenet_Rx, "Ödünç");
     }},
    {"ARSIV_Y.DB",
     {"edit", "Üçüncü", "--new-name", "Dördüncü"},
     {},
     [](WriteFaults& f, const std::filesystem::path&) {
         // The test's own move to the archive is put back, so memory is compared
         // with what the user saw.
         auto& t = f.catalogue.KayitOrj_T;
         const auto here = t.bookmark();
         ASSERT_TRUE(t.locate(cols::ARSIV_ADI, "Üçüncü", false));
         reg::ArchiveEdit e;
         e.name = "Dördüncü";
         try {
             reg::editCurrentArchive(f.catalogue, e);
         } catch (...) {
             t.gotoBookmark(here);
             throw;
         }
     }},
    {"GRUB.DB",
     {"groups", "add", "Film"},
     {},
     [](WriteFaults&, const std::filesystem::path&) {
         reg::GroupList list(kYes);
         changeList(list, &reg::GroupList::Grubu_Rx, [](store::RecordTable& t) {
             t.append();
             t.setString(cols::GRUBU, "Film");
             t.post();
         });
     }},
    {"GRUB.DB",
     {"groups", "delete", "Müzik", "--yes"},
     {},
     [](WriteFaults&, const std::filesystem::path&) {
         reg::GroupList list(kYes);
         changeList(list, &reg::GroupList::Grubu_Rx, [](store::RecordTable& t) {
             ASSERT_TRUE(t.locate(cols::GRUBU, "Müzik", false));
             t.remove();
         });
     }},
    {"ALTGRUB.DB",
     {"subgroups", "Müzik", "add", "Halk"},
     {},
     [](WriteFaults&, const std::filesystem::path&) {
         reg::SubGroupList list("Müzik", kYes);
         changeList(list, &reg::SubGroupList::AltGrubu_Rx, [](store::RecordTable& t) {
             t.append();
             t.setString(cols::ALTGRUP, "Halk");
             t.post();
         });
     }},
    {"dosya.ini",
     {"passwd", "--password-stdin"},
     "\nyeni1\nyeni1\n",
     [](WriteFaults& f, const std::filesystem::path&) {
         access::changePassword(f.storage, "", "yeni1", "yeni1");
     }},
};

} // namespace

// Each file the catalogue writes, failed at each step of its replacement: the files
// stay byte for byte as they were, the user reads the write error, and memory
// holds what the user saw before.
TEST_F(WriteFaults, AFailedStepChangesNothing) {
    for (const Change& change : kChanges) {
        for (const WriteStep step : kSteps) {
            SCOPED_TRACE(std::string(change.cli[0]) + " -> " + change.file + " at " +
                         stepName(step));
            const auto before = test::treeOf(data.path());
            const std::string seen = memory();
            const std::string message = "Unable to write to " + utf8(data / change.file);
            {
                test::FileFault fault(step, change.file);
                std::vector<std::string> args = change.cli;
                for (auto& a : args)
                    if (a == "SRC")
                        a = utf8(src.path());
                const auto r = test::runCliHere(data.path(), args, change.input);
                EXPECT_EQ(r.code, 3);
                EXPECT_NE(r.err.find(message + "\n"), std::string::npos) << r.err;
                EXPECT_EQ(test::treeOf(data.path()), before);

                try {
                    change.core(*this, src.path());
                    ADD_FAILURE() << "no write error";
                } catch (const platform::WriteError& e) {
                    EXPECT_EQ(e.what(), message);
                }
                EXPECT_EQ(test::treeOf(data.path()), before);
                EXPECT_EQ(memory(), seen);
            }
        }
    }
    // Without the fault each change goes through: the rows test real writes.
    for (std::size_t i = 0; i < std::size(kChanges); ++i) {
        const Change& change = kChanges[i];
        if (i > 0 && kChanges[i - 1].cli == change.cli)
            continue; // done already
        SCOPED_TRACE(std::string(change.cli[0]) + " -> " + change.file);
        const auto before = test::treeOf(data.path());
        change.core(*this, src.path());
        EXPECT_NE(test::treeOf(data.path()), before);
    }
}

// An archive's details file goes where its content file goes: renamed with it, or
// neither is when either cannot move, and deleted with it.
TEST_F(WriteFaults, TheDetailsFileMovesWithItsArchive) {
    const auto rename = [this](const char* to, const char* from = "Üçüncü") {
        auto& t = catalogue.KayitOrj_T;
        EXPECT_TRUE(t.locate(cols::ARSIV_ADI, from, false));
        reg::ArchiveEdit e;
        e.name = to;
        reg::editCurrentArchive(catalogue, e);
    };
    ASSERT_TRUE(std::filesystem::exists(data / "Üçüncü.ADT"));
    {
        // The details file cannot follow: the content file comes back, and the
        // record keeps its name.
        const auto before = test::treeOf(data.path());
        test::FileFault fault(WriteStep::Rename, "Dördüncü.ADT");
        const auto r = test::runCliHere(data.path(), {"edit", "Üçüncü", "--new-name", "Dördüncü"});
        EXPECT_EQ(r.code, 3);
        EXPECT_NE(r.err.find("Unable to write to " + utf8(data / "Dördüncü.ADT") + "\n"),
                  std::string::npos)
            << r.err;
        EXPECT_EQ(test::treeOf(data.path()), before);
        EXPECT_THROW(rename("Dördüncü"), platform::WriteError);
        EXPECT_EQ(test::treeOf(data.path()), before);
        EXPECT_TRUE(catalogue.KayitOrj_T.locate(cols::ARSIV_ADI, "Üçüncü", false));
    }
    {
        // The content file does not move: neither does its details file.
        test::FileFault fault(WriteStep::Rename, "Dördüncü.ADS");
        rename("Dördüncü");
        EXPECT_TRUE(std::filesystem::exists(data / "Üçüncü.ADS"));
        EXPECT_TRUE(std::filesystem::exists(data / "Üçüncü.ADT"));
        EXPECT_FALSE(std::filesystem::exists(data / "Dördüncü.ADT"));
    }
    const std::string details = test::readFile(data / "Ödünç.ADT");
    rename("Beşinci", "Ödünç");
    EXPECT_FALSE(std::filesystem::exists(data / "Ödünç.ADT"));
    EXPECT_EQ(test::readFile(data / "Beşinci.ADT"), details);
    ASSERT_TRUE(catalogue.KayitOrj_T.locate(cols::ARSIV_ADI, "Eski", false));
    reg::deleteCurrentArchive(catalogue);
    EXPECT_FALSE(std::filesystem::exists(data / "Eski.ADS"));
    EXPECT_FALSE(std::filesystem::exists(data / "Eski.ADT"));
}

// An error no one foresaw, in the middle of a registration: the command line tells
// it and ends with the file-error code, and no half of the registration stays.
TEST_F(WriteFaults, AnUnexpectedErrorIsToldAndLeavesNoHalfChange) {
    struct Case {
        std::function<void()> fail;
        std::string err;
    };
    const Case cases[] = {
        {[] { throw std::bad_alloc(); }, "std::bad_alloc\n"},
        {[] { throw std::logic_error("beklenmedik durum"); }, "beklenmedik durum\n"},
        {[] { throw 42; }, "Beklenmeyen bir hata oluştu...\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err);
        const auto before = test::treeOf(data.path());
        // The content file is written; the register's write fails.
        platform::setWriteFault([&c](WriteStep, const std::filesystem::path& p) {
            if (p.filename() == "ARSIV_Y.DB")
                c.fail();
            return false;
        });
        const auto r =
            test::runCliHere(data.path(), {"register", utf8(src.path()), "--name", "Yeni"});
        platform::setWriteFault({});
        EXPECT_EQ(r.code, 3);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(test::treeOf(data.path()), before);
    }
}
