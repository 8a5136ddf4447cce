#include "capture/NameIndexCache.h"

#include "capture/ContentFile.h"
#include "capture/ContentSearch.h"
#include "store/CatalogueSchemas.h"
#include "store/RecordTable.h"

#include "CaptureFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

using namespace kartavel::capture;
using kartavel::platform::FileIdentity;
using kartavel::platform::ReadOnlyFile;
using kartavel::test::readFile;
using kartavel::test::writeFile;
namespace columns = kartavel::store::columns;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kFilms = {"D:\\film\\Film 1990.avi", "D:\\film\\ışık.mkv",
                                         "D:\\müzik\\film.mp3",     "D:\\müzik\\şarkı.mp3",
                                         "D:\\yedek\\a\\b.txt",     "D:\\yedek\\Fİlm.doc"};
const std::vector<std::string> kOthers = {"E:\\belgeler\\rapor.doc", "E:\\belgeler\\film.txt",
                                          "E:\\x\\y\\z"};

// Two archives with indexes for even the smallest content file, four lines a block.
class NameIndexCache : public ::testing::Test {
protected:
    kartavel::test::ScopedDataFolder data;
    kartavel::store::RecordTable reg{kartavel::store::schemas::KayitOrj_T()};
    NameIndexUse use;

    void SetUp() override {
        use.minContentBytes = 0;
        use.blockLines = 4;
        reg.open();
        for (const char* name : {"Filmler", "Belgeler"}) {
            reg.append();
            reg.setString(columns::ARSIV_ADI, name);
            reg.post();
        }
        writeContentFile(data / "Filmler.ADS", kFilms);
        writeContentFile(data / "Belgeler.ADS", kOthers);
    }

    std::vector<std::string> search(const std::string& text, const NameIndexUse& with) {
        std::vector<std::string> out;
        for (const auto& row :
             searchAllArchives(reg, {}, text, false, false, noProgress(), noProgress(), {}, with)
                 .rows)
            out.push_back(row.archive + ":" + std::to_string(row.node) + ":" + row.path);
        return out;
    }
    std::vector<std::string> search(const std::string& text) { return search(text, use); }

    std::vector<std::string> withoutIndex(const std::string& text) {
        NameIndexUse linear;
        linear.enabled = false;
        return search(text, linear);
    }

    fs::path indexOf(const char* archive) { return *nameIndexPath(archive); }

    NameIndexState state(const char* archive) {
        const auto id = ReadOnlyFile(data / (std::string(archive) + ".ADS")).identity();
        return NameIndexReader(indexOf(archive), *id).state();
    }
};

} // namespace

TEST_F(NameIndexCache, ASearchWritesTheIndexAndLaterSearchesReadIt) {
    EXPECT_FALSE(fs::exists(data / "AdDizini"));
    const auto expected = withoutIndex("film");
    ASSERT_EQ(expected.size(), 5u);
    EXPECT_EQ(search("film"), expected);
    EXPECT_EQ(state("Filmler"), NameIndexState::Fresh);
    EXPECT_EQ(state("Belgeler"), NameIndexState::Fresh);
    EXPECT_EQ(search("film"), expected);

    // A fresh index is trusted: one made from other names but carrying the content
    // file's identity hides the films, which shows the search went by it.
    const auto id = *ReadOnlyFile(data / "Filmler.ADS").identity();
    writeFile(indexOf("Filmler"), buildNameIndex(contentFileText({"D:\\x.txt"}), id, 4));
    EXPECT_EQ(search("film"), (std::vector<std::string>{"Belgeler:3:E:\\belgeler\\film.txt"}));
    // A text too short for it goes the linear way.
    EXPECT_EQ(search("fi"), withoutIndex("fi"));
}

TEST_F(NameIndexCache, AnyIndexThatCannotServeGivesTheSameRowsAndIsWrittenAnew) {
    const auto expected = withoutIndex("film");
    const auto flip = [](std::size_t from) {
        return [from](std::string& bytes) {
            for (std::size_t i = from; i < bytes.size(); ++i)
                bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
        };
    };
    const struct {
        const char* what;
        std::function<void(std::string&)> damage; // of the index bytes
        NameIndexState state;
    } cases[] = {
        {"truncated", [](std::string& b) { b.resize(b.size() / 2); }, NameIndexState::Damaged},
        {"header", [](std::string& b) { b[40] = static_cast<char>(b[40] ^ 1); },
         NameIndexState::Damaged},
        {"checkpoints and rows", flip(128), NameIndexState::Fresh}, // found once read
        {"last row", [](std::string& b) { b.back() = static_cast<char>(b.back() ^ 1); },
         NameIndexState::Fresh}, // harmless until a search reads that row
        {"garbage", [](std::string& b) { b = "not an index"; }, NameIndexState::Damaged},
        {"empty", [](std::string& b) { b.clear(); }, NameIndexState::Damaged},
        // The format's version number follows its eight-byte mark.
        {"other version", [](std::string& b) { b[8] = 99; }, NameIndexState::OtherVersion},
    };
    for (const auto& c : cases) {
        search("film");
        ASSERT_EQ(state("Filmler"), NameIndexState::Fresh);
        std::string bytes = readFile(indexOf("Filmler"));
        c.damage(bytes);
        writeFile(indexOf("Filmler"), bytes);
        EXPECT_EQ(state("Filmler"), c.state) << c.what;
        EXPECT_EQ(search("film"), expected) << c.what;
        EXPECT_EQ(state("Filmler"), NameIndexState::Fresh) << c.what;
        EXPECT_EQ(search("film"), expected) << c.what;
    }
}

TEST_F(NameIndexCache, AContentFileChangedBehindItsBackMakesItStale) {
    search("film");
    const auto content = data / "Filmler.ADS";
    // The same size, another name: only the times tell.
    std::string bytes = readFile(content);
    const auto at = bytes.find("film.mp3");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 4, "roll");
    const auto before = fs::last_write_time(content);
    writeFile(content, bytes);
    fs::last_write_time(content, before + std::chrono::seconds(2));
    EXPECT_EQ(state("Filmler"), NameIndexState::Stale);
    EXPECT_EQ(search("film"), withoutIndex("film"));
    EXPECT_EQ(search("film").size(), 4u);
    EXPECT_EQ(state("Filmler"), NameIndexState::Fresh);

    // Replaced by another archive's file, as a registration under a freed name does.
    writeContentFile(content, {"F:\\film.avi"});
    EXPECT_EQ(state("Filmler"), NameIndexState::Stale);
    EXPECT_EQ(search("film"), withoutIndex("film"));
    EXPECT_EQ(search("roll"), withoutIndex("roll"));
}

TEST_F(NameIndexCache, DeletingTheIndexesChangesNoResult) {
    const auto expected = search("film");
    fs::remove_all(data / "AdDizini");
    EXPECT_EQ(search("film"), expected);
    fs::remove(indexOf("Belgeler"));
    EXPECT_EQ(search("film"), expected);
    EXPECT_EQ(state("Belgeler"), NameIndexState::Fresh);
}

TEST_F(NameIndexCache, AnIndexThatCannotBeWrittenIsNoFailureOfTheSearch) {
    writeFile(data / "AdDizini", "a file where the folder would be");
    EXPECT_EQ(search("film"), withoutIndex("film"));
    const auto report = refreshNameIndexes(reg, false, use);
    ASSERT_EQ(report.archives.size(), 2u);
    EXPECT_TRUE(report.archives[0].writeFailed);
    EXPECT_FALSE(report.archives[0].written);
    EXPECT_EQ(readFile(data / "AdDizini"), "a file where the folder would be");
}

TEST_F(NameIndexCache, RefreshReportsWritesAndRemovesOrphans) {
    reg.append();
    reg.setString(columns::ARSIV_ADI, "Kayıp"); // registered, but without a content file
    reg.post();

    auto report = refreshNameIndexes(reg, true, use);
    ASSERT_EQ(report.archives.size(), 3u);
    EXPECT_EQ(report.archives[0].archive, "Filmler");
    EXPECT_EQ(report.archives[0].before, NameIndexState::Missing);
    EXPECT_FALSE(report.archives[0].written);
    EXPECT_FALSE(report.archives[2].contentFile);
    EXPECT_FALSE(fs::exists(data / "AdDizini")); // a check writes nothing

    report = refreshNameIndexes(reg, false, use);
    EXPECT_TRUE(report.archives[0].written);
    EXPECT_TRUE(report.archives[1].written);
    EXPECT_EQ(state("Filmler"), NameIndexState::Fresh);
    report = refreshNameIndexes(reg, false, use);
    EXPECT_EQ(report.archives[0].before, NameIndexState::Fresh);
    EXPECT_FALSE(report.archives[0].written);

    // A deleted archive leaves an orphan, and a small archive needs no index.
    fs::remove(data / "Belgeler.ADS");
    NameIndexUse usual = use;
    usual.minContentBytes = 1000;
    report = refreshNameIndexes(reg, true, usual);
    EXPECT_EQ(report.orphans, 2u);
    EXPECT_TRUE(report.archives[0].small);
    EXPECT_FALSE(report.archives[1].contentFile);
    report = refreshNameIndexes(reg, false, usual);
    EXPECT_EQ(report.orphansRemoved, 2u);
    EXPECT_FALSE(fs::exists(indexOf("Filmler")));
    EXPECT_FALSE(fs::exists(indexOf("Belgeler")));
}

TEST_F(NameIndexCache, ASearchThatWritesAnIndexRemovesTheOrphans) {
    search("film");
    fs::rename(data / "Belgeler.ADS", data / "Yeni.ADS"); // the archive was renamed
    reg.last();
    reg.edit();
    reg.setString(columns::ARSIV_ADI, "Yeni");
    reg.post();
    EXPECT_EQ(search("rapor"), withoutIndex("rapor"));
    EXPECT_FALSE(fs::exists(indexOf("Belgeler")));
    EXPECT_TRUE(fs::exists(indexOf("Yeni")));
}
