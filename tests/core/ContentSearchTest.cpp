#include "capture/ContentSearch.h"

#include "capture/ContentFile.h"
#include "store/CatalogueSchemas.h"
#include "store/RecordTable.h"

#include "CaptureFixture.h"

#include <gtest/gtest.h>

using namespace kartavel::capture;
using kartavel::store::RecordTable;
using kartavel::test::crlfLines;
namespace columns = kartavel::store::columns;

namespace {

ArchiveTree treeOf(const std::vector<std::string>& paths) {
    return parseContentFile(contentFileText(paths)).tree;
}

std::vector<std::string> names(const SearchResult& r) {
    std::vector<std::string> out;
    for (const auto& row : r.rows)
        out.push_back(row.archive.empty() ? row.name : row.archive + ":" + row.name);
    return out;
}

using Recorder = kartavel::test::ProgressRecorder;

const std::string kNotFound = "Arama tamamlandı.\r\nAranan kelime bulunamadı...";

} // namespace

TEST(ContentSearch, NameTestInItsThreeModes) {
    const struct {
        const char* text;
        bool whole, caseSensitive;
        const char* name;
        bool match;
    } cases[] = {
        {".txt", false, false, "Notes.TXT", true},
        {".txt", false, true, "Notes.TXT", true}, // the case box counts only for whole names
        {"readme.txt", true, false, "README.TXT", true},
        {"readme.txt", true, true, "README.TXT", false},
        {"readme.txt", true, true, "readme.txt", true},
        {"readme", true, false, "readme.txt", false},
        {"ışık", true, false, "IŞIK", true},
        {"istanbul", true, false, "İSTANBUL", true},
        {"istanbul", true, false, "ISTANBUL", false},
        {"index", false, false, "index.htm", true},
        {"index", false, false, "İNDEX.HTM", true},
        {"index", false, false, "INDEX.HTM", false},
        {"é", false, false, "CAFÉ", false}, // é has no pair in the Turkish fold
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameTest(c.text, c.whole, c.caseSensitive).matches(c.name), c.match)
            << c.text << " / " << c.name << " whole " << c.whole << " case " << c.caseSensitive;
    }
}

TEST(ContentSearch, KonumSelectsTheRecordsOfThePlace) {
    const struct {
        int level;
        const char* G;
        const char* S;
        bool in;
    } cases[] = {
        {0, "Any", "Thing", true},   {1, "Film", "", true},     {1, "Film", "Eski", true},
        {1, "film", "", false},      {2, "Film", "Yeni", true}, {2, "Film", "Eski", false},
        {2, "Müzik", "Yeni", false}, {3, "", "", true},         {3, "  ", " ", true},
        {3, "", "Yeni", false},      {4, "Film", "x", true},    {4, "Dizi", "", false},
        {5, "Film", "Yeni", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Konum(c.G, c.S, c.level, "Film", "Yeni"), c.in) << c.level << " " << c.G;
}

TEST(ContentSearch, ActiveArchiveTestsEveryNodeTopToBottom) {
    const auto tree = treeOf({"D:\\a\\x.txt", "D:\\b.TXT\\c.txt", "D:\\d\\e.doc"});
    Recorder nodes;
    std::vector<std::size_t> seen;
    const auto r = searchActiveArchive(tree, ".txt", false, false, nodes,
                                       [&](const SearchRow& row) { seen.push_back(row.node); });
    EXPECT_EQ(names(r), (std::vector<std::string>{"x.txt", "b.TXT", "c.txt"}));
    EXPECT_EQ(seen, (std::vector<std::size_t>{2, 3, 4}));
    EXPECT_EQ(r.rows[2].path, "D:\\b.TXT\\c.txt");
    EXPECT_EQ(r.rows[1].path, "D:\\b.TXT"); // a folder matches like a file
    EXPECT_EQ(r.message, "Arama tamamlandı.");
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(nodes.totals, (std::vector<std::size_t>{tree.size()}));
    EXPECT_EQ(nodes.steps, tree.size());

    // The root is a node like any other.
    EXPECT_EQ(names(searchActiveArchive(tree, "D:", true, true)), (std::vector<std::string>{"D:"}));
}

TEST(ContentSearch, FinishMessages) {
    const auto tree = treeOf({"D:\\a\\x.txt", "D:\\b\\y.txt", "D:\\c\\z.txt"});
    EXPECT_EQ(searchActiveArchive(tree, "nothing", false, false).message, kNotFound);
    EXPECT_EQ(searchActiveArchive(tree, "", false, false).message, "Aranacak Kelimeyi girin.");
    EXPECT_TRUE(searchActiveArchive(tree, "", false, false).rows.empty());

    // A stop ends the search after the node under test and keeps its rows.
    Recorder stopAtThird(3);
    const auto stopped = searchActiveArchive(tree, "x", false, false, stopAtThird);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopAtThird.steps, 3u);
    EXPECT_EQ(names(stopped), (std::vector<std::string>{"x.txt"}));
    EXPECT_EQ(stopped.message, "Arama Durduruldu.");
    Recorder stopAtFirst(1);
    EXPECT_EQ(searchActiveArchive(tree, "x", false, false, stopAtFirst).message,
              "Arama Durduruldu.\r\nAranan kelime bulunamadı...");
}

namespace {

// A register and its content files in a temporary data folder.
class AllArchives : public ::testing::Test {
protected:
    kartavel::test::ScopedDataFolder data;
    RecordTable reg{kartavel::store::schemas::KayitOrj_T()};

    void SetUp() override { reg.open(); }

    void add(const char* name, const char* group, const char* subGroup,
             const std::vector<std::string>& paths) {
        reg.append();
        reg.setString(columns::ARSIV_ADI, name);
        reg.setString(columns::GRUBU, group);
        reg.setString(columns::ALTGRUB, subGroup);
        reg.post();
        if (!paths.empty())
            writeContentFile(data / (std::string(name) + ".ADS"), paths);
    }

    SearchResult search(int level, const char* text, Progress& archives = noProgress(),
                        Progress& nodes = noProgress()) {
        return searchAllArchives(reg, {level, "Film", "Yeni"}, text, false, false, archives, nodes);
    }
};

} // namespace

TEST_F(AllArchives, SearchesTheArchivesOfThePlaceInRegisterOrder) {
    add("B", "Film", "Yeni", {"D:\\film.avi"});
    add("A", "Film", "Eski", {"E:\\film.mkv"});
    add("C", "", "", {"F:\\film.txt"});
    add("Gone", "Film", "Yeni", {}); // its content file is missing
    add("../outside", "Film", "Yeni", {});
    kartavel::test::writeFile(data.path().parent_path() / "outside.ADS",
                              crlfLines({"X:", "\tfilm"}));

    reg.first(); // the main window's current record stays put
    EXPECT_EQ(names(search(0, "film")),
              (std::vector<std::string>{"B:film.avi", "A:film.mkv", "C:film.txt"}));
    EXPECT_EQ(names(search(1, "film")), (std::vector<std::string>{"B:film.avi", "A:film.mkv"}));
    EXPECT_EQ(names(search(2, "film")), (std::vector<std::string>{"B:film.avi"}));
    EXPECT_EQ(names(search(3, "film")), (std::vector<std::string>{"C:film.txt"}));
    EXPECT_EQ(reg.recNo(), 1);

    const auto row = search(2, "film").rows.at(0);
    EXPECT_EQ(row.path, "D:\\film.avi");
    EXPECT_EQ(row.node, 1u);
    EXPECT_EQ(search(2, "nothing").message, kNotFound);
    EXPECT_EQ(search(2, "").message, "Aranacak Kelimeyi girin.");
}

TEST_F(AllArchives, ReportsProgressPerArchiveAndStops) {
    add("B", "Film", "Yeni", {"D:\\a.txt", "D:\\b.txt"});
    add("Gone", "Film", "Yeni", {});
    add("A", "Film", "Yeni", {"E:\\a.txt"});

    Recorder archives, nodes;
    const auto all = search(0, "a", archives, nodes);
    EXPECT_EQ(archives.totals, (std::vector<std::size_t>{3}));
    EXPECT_EQ(archives.steps, 3u); // a skipped archive still moves the gauge
    EXPECT_EQ(archives.statements,
              (std::vector<std::string>{"B -> Hazırlanıyor...", "B -> Aranıyor...",
                                        "A -> Hazırlanıyor...", "A -> Aranıyor..."}));
    EXPECT_EQ(nodes.totals, (std::vector<std::size_t>{3, 2}));
    EXPECT_EQ(names(all), (std::vector<std::string>{"B:a.txt", "A:a.txt"}));

    Recorder stopFirstArchive(1);
    const auto byArchive = search(0, "a", stopFirstArchive);
    EXPECT_TRUE(byArchive.stopped);
    EXPECT_EQ(names(byArchive), (std::vector<std::string>{"B:a.txt"}));

    Recorder stopSecondNode(2);
    const auto byNode = search(0, "b", noProgress(), stopSecondNode);
    EXPECT_TRUE(byNode.stopped);
    EXPECT_EQ(byNode.message, "Arama Durduruldu.\r\nAranan kelime bulunamadı...");
}

TEST_F(AllArchives, ABrokenContentFileIsSearchedAsFarAsItLoads) {
    add("Broken", "", "", {});
    kartavel::test::writeFile(data / "Broken.ADS",
                              crlfLines({"D:", "\tfilm.avi", "\t\t\tx", "\tfilm2"}));
    add("Good", "", "", {"E:\\film.mkv"});
    const auto r = search(0, "film");
    EXPECT_EQ(names(r), (std::vector<std::string>{"Broken:film.avi", "Good:film.mkv"}));
    ASSERT_EQ(r.loadErrors.size(), 1u);
    EXPECT_EQ(r.loadErrors[0].first, "Broken");
    EXPECT_EQ(r.loadErrors[0].second, "Invalid level (3) for item \"x\"");
}
