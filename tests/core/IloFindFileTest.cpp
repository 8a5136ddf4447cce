#include "capture/IloFindFile.h"

#include "capture/PathOrder.h"
#include "platform/PathForm.h"

#include "CaptureFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kartavel::capture;
using kartavel::test::makeTree;
using kartavel::test::relativePath;
using kartavel::test::TempDir;
using kartavel::test::utf8;
using kartavel::test::writeFile;

namespace {

using Paths = std::vector<std::string>;

// The new-archive window's scanner pointed at a folder.
TIloFindFile scannerAt(const std::filesystem::path& folder) {
    TIloFindFile f = TIloFindFile::IloFindFile1();
    f.CurDirectory = utf8(folder);
    return f;
}

Paths sortedScan(TIloFindFile f) {
    f.ScanFiles(false, true);
    return f.FileList;
}

std::string under(const TempDir& dir, std::string_view rel) {
    return utf8(dir.path() / relativePath(rel));
}

Paths under(const TempDir& dir, std::initializer_list<std::string_view> rels) {
    Paths out;
    for (auto r : rels)
        out.push_back(under(dir, r));
    return out;
}

class StopAt : public Progress {
public:
    explicit StopAt(std::size_t at) : at_(at) {}
    bool step(std::size_t done) override {
        steps.push_back(done);
        return done >= at_;
    }
    std::vector<std::size_t> steps;

private:
    std::size_t at_;
};

} // namespace

TEST(IloFindFile, StartsWithThePublishedValues) {
    const TIloFindFile f;
    EXPECT_EQ(f.CurDirectory, "C:");
    EXPECT_EQ(f.FileName, "*.*");
    EXPECT_EQ(f.FileOptions, TFileOpt{foAnyFile});
    EXPECT_EQ(f.FileSize, 0);
    EXPECT_EQ(f.FileContents, "");
    EXPECT_EQ(f.FileState, fsMax);
    EXPECT_EQ(f.FileDate, 0);
    EXPECT_FALSE(f.SubFiles);
    EXPECT_TRUE(f.FileList.empty());
    TIloFindFile g;
    g.setAbout("s9");
    EXPECT_EQ(g.About(), "s1.04");
    EXPECT_FALSE(g.GetTanim().empty());

    const TIloFindFile w = TIloFindFile::IloFindFile1();
    EXPECT_FALSE(w.FileOptions.contains(foAnyFile));
    EXPECT_EQ(w.AttributeMask(), 63u);
    EXPECT_TRUE(w.SubFiles);
}

TEST(IloFindFile, AttributeMaskAndQualification) {
    const struct {
        TFileOpt options;
        std::uint32_t mask;
    } masks[] = {
        {{foReadOnly}, 1}, {{foHidden}, 2},     {{foSysFile}, 4},  {{foVolumeID}, 8},
        {{foArchive}, 32}, {{foDirectory}, 16}, {{foAnyFile}, 63}, {{foArchive, foHidden}, 34},
        {{}, 0},
    };
    for (const auto& m : masks) {
        TIloFindFile f;
        f.FileOptions = m.options;
        EXPECT_EQ(f.AttributeMask(), m.mask);
    }
    EXPECT_TRUE(TIloFindFile::Qualifies(32, 63));
    EXPECT_TRUE(TIloFindFile::Qualifies(33, 33));
    EXPECT_FALSE(TIloFindFile::Qualifies(33, 32));  // read-only without foReadOnly
    EXPECT_FALSE(TIloFindFile::Qualifies(16, 63));  // a folder is never a file
    EXPECT_FALSE(TIloFindFile::Qualifies(128, 63)); // the normal bit alone
    EXPECT_FALSE(TIloFindFile::Qualifies(2048 | 32, 63));
}

TEST(IloFindFile, AMissingFolderGivesAnEmptyList) {
    TempDir dir;
    TIloFindFile f = scannerAt(dir / "missing");
    f.FileList = {"left over"};
    f.ScanFiles(false, true);
    EXPECT_TRUE(f.FileList.empty());
    f.FileList = {"left over"};
    f.ScanDirectories(false, false);
    EXPECT_TRUE(f.FileList.empty());
}

TEST(IloFindFile, UnsortedAFoldersFilesComeBeforeItsSubFoldersDepthFirst) {
    TempDir dir;
    makeTree(dir.path(), {"f1", "f2", "s1/g1", "s1/t/h1", "s2/k1", "empty/", "only/empty/"});
    TIloFindFile f = scannerAt(dir.path());
    f.ScanFiles(false, false);
    const Paths& l = f.FileList;
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(Paths(l.begin(), l.begin() + 2) == under(dir, {"f1", "f2"}) ||
                  Paths(l.begin(), l.begin() + 2) == under(dir, {"f2", "f1"}),
              true);
    const Paths s1 = under(dir, {"s1/g1", "s1/t/h1"});
    const Paths s2 = under(dir, {"s2/k1"});
    Paths rest(l.begin() + 2, l.end());
    Paths a = s1, b = s2;
    a.insert(a.end(), s2.begin(), s2.end());
    b.insert(b.end(), s1.begin(), s1.end());
    EXPECT_TRUE(rest == a || rest == b);
}

TEST(IloFindFile, SortedScanIsTheNameByNameOrderOfTheWholeList) {
    TempDir dir;
    makeTree(dir.path(), {"Photos/p1.jpg", "Photos 2005/p2.jpg", "a.txt", "B.txt", "b/x", "é/z",
                          "e/y", "E/w", "b.d/q", "Photos/Sub/s.jpg"});
    TIloFindFile f = scannerAt(dir.path());
    f.ScanFiles(false, false);
    Paths expected = f.FileList;
    sortPaths(expected);
    EXPECT_EQ(sortedScan(scannerAt(dir.path())), expected);
    ASSERT_EQ(expected.size(), 10u);

    // A trailing separator on the folder gives the same paths.
    TIloFindFile slash = scannerAt(dir.path());
    slash.CurDirectory += kartavel::platform::kNativeSeparator;
    EXPECT_EQ(sortedScan(slash), expected);
}

TEST(IloFindFile, DotFoldersAreNeverEnteredButDotFilesAreListed) {
    TempDir dir;
    makeTree(dir.path(), {".env", ".git/config", "src/.keep", "src/main.c"});
    for (const char* hidden : {".env", ".git", "src/.keep"})
        kartavel::test::markHidden(dir.path() / relativePath(hidden));
    EXPECT_EQ(sortedScan(scannerAt(dir.path())), under(dir, {".env", "src/.keep", "src/main.c"}));

    TIloFindFile noHidden = scannerAt(dir.path());
    noHidden.FileOptions = {foArchive, foDirectory, foReadOnly};
    EXPECT_EQ(sortedScan(noHidden), under(dir, {"src/main.c"}));

    TIloFindFile dirs = scannerAt(dir.path());
    dirs.ScanDirectories(false, true);
    EXPECT_EQ(dirs.FileList, under(dir, {"src"}));
}

TEST(IloFindFile, OptionsMaskAndSubFilesLimitWhatIsListed) {
    TempDir dir;
    makeTree(dir.path(), {"a.txt", "b.doc", "sub/c.txt"});
    writeFile(dir / "locked.txt", "");
    kartavel::test::makeReadOnly(dir / "locked.txt");

    TIloFindFile noFolders = scannerAt(dir.path());
    noFolders.FileOptions = {foReadOnly, foArchive};
    EXPECT_EQ(sortedScan(noFolders), under(dir, {"a.txt", "b.doc", "locked.txt"}));

    TIloFindFile noReadOnly = scannerAt(dir.path());
    noReadOnly.FileOptions = {foArchive, foDirectory};
    EXPECT_EQ(sortedScan(noReadOnly), under(dir, {"a.txt", "b.doc", "sub/c.txt"}));

    TIloFindFile onlyReadOnly = scannerAt(dir.path()); // every regular file carries bit 32
    onlyReadOnly.FileOptions = {foReadOnly, foDirectory};
    EXPECT_TRUE(sortedScan(onlyReadOnly).empty());

    TIloFindFile mask = scannerAt(dir.path());
    mask.FileName = "*.TXT";
    EXPECT_EQ(sortedScan(mask), under(dir, {"a.txt", "locked.txt", "sub/c.txt"}));

    TIloFindFile flat = scannerAt(dir.path());
    flat.SubFiles = false;
    EXPECT_EQ(sortedScan(flat), under(dir, {"a.txt", "b.doc", "locked.txt"}));
}

TEST(IloFindFile, SizeFilterInItsThreeStates) {
    TempDir dir;
    writeFile(dir / "k1023", std::string(1023, 'x'));
    writeFile(dir / "k1024", std::string(1024, 'x'));
    writeFile(dir / "k2048", std::string(2048, 'x'));
    // 4 GiB and 512 bytes: the low 32 bits alone would read as half a kilobyte.
    writeFile(dir / "huge", "");
    std::filesystem::resize_file(dir / "huge", (std::uintmax_t{4} << 30) + 512);
    const struct {
        TFileSt state;
        std::int32_t kb;
        std::vector<std::string_view> kept;
    } cases[] = {
        {fsEqual, 1, {"k1024"}},        {fsMax, 1, {"huge", "k1024", "k2048"}},
        {fsMin, 1, {"k1023", "k1024"}}, {fsMin, 2, {"k1023", "k1024", "k2048"}},
        {fsEqual, 4194304, {}}, // 4 GiB exactly is not 4 GiB and 512 bytes
        {fsMax, 4194304, {"huge"}},
    };
    for (const auto& c : cases) {
        TIloFindFile f = scannerAt(dir.path());
        f.FileSize = c.kb;
        f.FileState = c.state;
        Paths expected;
        for (auto k : c.kept)
            expected.push_back(under(dir, k));
        EXPECT_EQ(sortedScan(f), expected) << c.state << " " << c.kb;
    }
}

TEST(IloFindFile, DateFilterComparesLocalTimeAtTwoSeconds) {
    TempDir dir;
    writeFile(dir / "f.txt", "");
    std::tm local{};
    local.tm_year = 2021 - 1900;
    local.tm_mon = 5;
    local.tm_mday = 15;
    local.tm_hour = 10;
    local.tm_min = 20;
    local.tm_sec = 31;
    local.tm_isdst = -1;
    kartavel::test::setLastWriteTime(dir / "f.txt", std::mktime(&local));

    const double at30 = TIloFindFile::EncodeDateTime(2021, 6, 15, 10, 20, 30);
    const double at31 = TIloFindFile::EncodeDateTime(2021, 6, 15, 10, 20, 31);
    const double later = TIloFindFile::EncodeDateTime(2021, 6, 15, 10, 21, 0);
    const double earlier = TIloFindFile::EncodeDateTime(2021, 6, 14, 0, 0, 0);
    const struct {
        TFileSt state;
        double date;
        bool kept;
    } cases[] = {
        {fsEqual, at30, true},  {fsEqual, at31, false}, {fsMax, later, false},
        {fsMax, earlier, true}, {fsMin, later, true},   {fsMin, earlier, false},
        {fsEqual, -5, true}, // zero or less: no date filter
    };
    for (const auto& c : cases) {
        TIloFindFile f = scannerAt(dir.path());
        f.FileDate = c.date;
        f.FileState = c.state;
        EXPECT_EQ(sortedScan(f).size(), c.kept ? 1u : 0u) << c.state << " " << c.date;
    }
    EXPECT_DOUBLE_EQ(at30, 44362 + (10 * 3600 + 20 * 60 + 30) / 86400.0);
}

TEST(IloFindFile, ContentFilterLowerCasesAsciiAndReadsInPieces) {
    TempDir dir;
    writeFile(dir / "hello.txt", "first line\r\nHello World\r\n");
    writeFile(dir / "lines.txt", "foo\nbar");
    writeFile(dir / "turkish.txt", "\xC4\xB0stanbul"); // İstanbul
    writeFile(dir / "şarkı sözü.txt", "Merhaba");      // a name beyond ASCII opens too
    std::string big(65533, 'x');
    big += "NEEDLE";
    big += std::string(100000, 'y');
    writeFile(dir / "big.bin", big); // the text spans the first two pieces
#ifndef _WIN32
    ::mkfifo((dir / "pipe").c_str(), 0644); // never read: it would never end
#endif

    const struct {
        const char* text;
        std::vector<std::string_view> kept;
    } cases[] = {
        {"WORLD", {"hello.txt"}},
        {"needle", {"big.bin"}},
        {"foobar", {}},
        {"foo\nbar", {}}, // a line holds no line end
        {"o", {"hello.txt", "lines.txt"}},
        {"istanbul", {}}, // only ASCII letters are lowered
        {"\xC4\xB0stanbul", {"turkish.txt"}},
        {"merhaba", {"şarkı sözü.txt"}},
    };
    for (const auto& c : cases) {
        TIloFindFile f = scannerAt(dir.path());
        f.FileContents = c.text;
        Paths expected;
        for (auto k : c.kept)
            expected.push_back(under(dir, k));
        EXPECT_EQ(sortedScan(f), expected) << c.text;
    }
}

TEST(IloFindFile, LinksAreNotFollowedIntoFolders) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX symbolic links; the enumeration leaves Windows linked folders out";
#else
    TempDir dir;
    makeTree(dir.path(), {"sub/f.txt"});
    ::symlink("..", (dir / "sub" / "up").c_str());
    ::symlink("sub", (dir / "again").c_str());
    ::symlink("sub/f.txt", (dir / "link.txt").c_str());
    EXPECT_EQ(sortedScan(scannerAt(dir.path())), under(dir, {"link.txt", "sub/f.txt"}));
    TIloFindFile dirs = scannerAt(dir.path());
    dirs.ScanDirectories(false, false);
    EXPECT_EQ(dirs.FileList, under(dir, {"sub"}));
#endif
}

TEST(IloFindFile, ScanDirectoriesListsEachFolderBeforeItsContents) {
    TempDir dir;
    makeTree(dir.path(), {"a/b/c/", "a/x.txt", "Z/", ".hid/in/", "f.txt"});
    TIloFindFile f = scannerAt(dir.path());
    f.ScanDirectories(false, true);
    EXPECT_EQ(f.FileList, under(dir, {"a", "a/b", "a/b/c", "Z"}));
    f.ScanDirectories(true, true);
    EXPECT_EQ(f.FileList, (Paths{"a", "b", "c", "Z"}));
    f.SubFiles = false;
    f.ScanDirectories(false, true);
    EXPECT_EQ(f.FileList, under(dir, {"a", "Z"}));
}

TEST(IloFindFile, NamesOnlySortsNamesTogetherAndKeepsEqualOnes) {
    TempDir dir;
    makeTree(dir.path(), {"x/readme.txt", "y/readme.txt", "A.txt", "y/b.txt"});
    TIloFindFile f = scannerAt(dir.path());
    f.ScanFiles(true, true);
    EXPECT_EQ(f.FileList, (Paths{"A.txt", "b.txt", "readme.txt", "readme.txt"}));
}

TEST(IloFindFile, ProgressAtEveryFolderAndStopEndsTheWalk) {
    TempDir dir;
    makeTree(dir.path(), {"z.txt", "a/1.txt", "b/2.txt"});
    TIloFindFile f = scannerAt(dir.path());
    StopAt never(100);
    f.ScanFiles(false, false, never);
    EXPECT_EQ(never.steps, (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_FALSE(f.Stopped());
    EXPECT_EQ(f.FileList.size(), 3u);

    StopAt second(2);
    f.ScanFiles(false, false, second);
    EXPECT_TRUE(f.Stopped());
    EXPECT_EQ(f.FileList, under(dir, {"z.txt"}));

    f.ScanFiles(false, false);
    EXPECT_FALSE(f.Stopped());
}
