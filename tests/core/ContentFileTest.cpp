#include "capture/ContentFile.h"

#include "capture/PathOrder.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace kartavel::capture;
using kartavel::test::crlfLines;

namespace {

using Paths = std::vector<std::string>;

const Paths kExample = {"D:\\a\\f1.txt", "D:\\a\\f2.txt", "D:\\b\\c\\g.txt", "D:\\b\\h.txt"};
const std::string kExampleFile = crlfLines(
    {"D:", "\ta", "\t\tf1.txt", "\t\tf2.txt", "\tb", "\t\tc", "\t\t\tg.txt", "\t\th.txt"});

// Every node as "level name", for comparing whole trees.
std::vector<std::string> outline(const ArchiveTree& t) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < t.size(); ++i)
        out.push_back(std::to_string(t.level(i)) + " " + std::string(t.name(i)));
    return out;
}

// The paths of the leaves, which are the files of the scan.
Paths leafPaths(const ArchiveTree& t) {
    Paths out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!t.hasChildren(i))
            out.push_back(t.TracePath(i));
    }
    return out;
}

} // namespace

TEST(ContentFileWriter, WritesTheDriveExampleByteForByte) {
    EXPECT_EQ(contentFileText(kExample), kExampleFile);
}

TEST(ContentFileWriter, WritesEachFolderOnceOnTheWayDown) {
    const struct {
        Paths paths;
        std::string file;
    } cases[] = {
        {{}, ""},
        {{"C:\\Users\\me\\Docs\\a.txt", "C:\\Users\\me\\Docs\\b\\c.txt"},
         crlfLines({"C:", "\tUsers", "\t\tme", "\t\t\tDocs", "\t\t\t\ta.txt", "\t\t\t\tb",
                    "\t\t\t\t\tc.txt"})},
        {{"D:\\Photos\\a.jpg", "D:\\Photos 2005\\b.jpg", "D:\\Photos 2005\\c.jpg"},
         crlfLines({"D:", "\tPhotos", "\t\ta.jpg", "\tPhotos 2005", "\t\tb.jpg", "\t\tc.jpg"})},
        // The POSIX root and a UNC root are the first line at depth 0.
        {{"/media/cd/x.txt", "/media/cd/y/z.txt"},
         crlfLines({"/", "\tmedia", "\t\tcd", "\t\t\tx.txt", "\t\t\ty", "\t\t\t\tz.txt"})},
        {{"\\\\srv\\share\\a\\b.txt"}, crlfLines({"\\\\srv\\share", "\ta", "\t\tb.txt"})},
        // Doubled separators do not make deeper lines.
        {{"D:\\\\a\\\\b.txt", "D:\\a\\c.txt"}, crlfLines({"D:", "\ta", "\t\tb.txt", "\t\tc.txt"})},
        // Names lose blanks at both ends; a line end inside a name becomes a space.
        {{"/ x /  y.txt ", "/m/a\nb"}, crlfLines({"/", "\tx", "\t\ty.txt", "\tm", "\t\ta b"})},
        // A folder given with its separator, then files in it.
        {{"D:\\a\\b\\", "D:\\a\\b\\c.txt", "D:\\a\\b\\d.txt"},
         crlfLines({"D:", "\ta", "\t\tb", "\t\t\tc.txt", "\t\t\td.txt"})},
        {{"\\\\srv\\a", "\\\\srv\\b", "\\\\srv\\b\\x", "\\\\srv\\b\\y"},
         crlfLines({"\\\\srv\\a", "\\\\srv\\b", "\tx", "\ty"})},
        // An equal path still writes its file.
        {{"D:\\a.txt", "D:\\a.txt"}, crlfLines({"D:", "\ta.txt", "\ta.txt"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(contentFileText(c.paths), c.file) << (c.paths.empty() ? "" : c.paths[0]);
}

TEST(ContentFileWriter, SortedPathsGiveOneLinePerFolder) {
    // A locale sort of whole strings would interleave e and é here.
    Paths paths{"/m/é/a.txt", "/m/e/z.txt", "/m/e/a.txt"};
    sortPaths(paths, kartavel::text::Collation(""));
    EXPECT_EQ(contentFileText(paths), crlfLines({"/", "\tm", "\t\te", "\t\t\ta.txt", "\t\t\tz.txt",
                                                 "\t\t\xE9", "\t\t\ta.txt"}));
}

TEST(ContentFileWriter, KeepsCodePage1254UnlessANameDoesNotFit) {
    // Turkish names fit: one byte each, no byte-order mark.
    EXPECT_EQ(contentFileText({"D:\\şarkı\\€.txt"}), crlfLines({"D:",
                                                                "\t\xFE"
                                                                "ark\xFD",
                                                                "\t\t\x80.txt"}));
    // A name the code page cannot hold makes the whole file UTF-8.
    EXPECT_EQ(contentFileText({"/ş/Ω.txt"}), "\xEF\xBB\xBF" + crlfLines({"/", "\tş", "\t\tΩ.txt"}));
    // So does a POSIX name that is not UTF-8; its bytes are kept.
    EXPECT_EQ(contentFileText({"/a/\xFF\xFEx"}),
              "\xEF\xBB\xBF" + crlfLines({"/", "\ta", "\t\t\xFF\xFEx"}));
}

TEST(ContentFileWriter, ReplacesTheFile) {
    kartavel::test::TempDir dir;
    kartavel::test::writeFile(dir / "A.ADS", "old");
    writeContentFile(dir / "A.ADS", kExample);
    EXPECT_EQ(kartavel::test::readFile(dir / "A.ADS"), kExampleFile);
}

TEST(ContentFileReader, BuildsTheFlatTreeOfTheExample) {
    const auto load = parseContentFile(kExampleFile);
    ASSERT_TRUE(load.ok()) << load.error;
    const ArchiveTree& t = load.tree;
    EXPECT_EQ(outline(t), (std::vector<std::string>{"0 D:", "1 a", "2 f1.txt", "2 f2.txt", "1 b",
                                                    "2 c", "3 g.txt", "2 h.txt"}));
    EXPECT_EQ(t.kind(0), NodeKind::Root);
    EXPECT_EQ(t.kind(1), NodeKind::Folder);
    EXPECT_EQ(t.kind(2), NodeKind::File);
    EXPECT_EQ(t.parent(0), ArchiveTree::kNone);
    EXPECT_EQ(t.parent(6), 5);
    EXPECT_EQ(t.children(4), (std::vector<std::size_t>{5, 7}));
    EXPECT_EQ(t.children(ArchiveTree::kNone), (std::vector<std::size_t>{0}));
    EXPECT_EQ(t.row(7), 1u);
    EXPECT_EQ(t.subtreeEnd(1), 4u);
    EXPECT_EQ(t.TracePath(0), "D:");
    EXPECT_EQ(t.TracePath(6), "D:\\b\\c\\g.txt");
    EXPECT_EQ(leafPaths(t), kExample);
}

TEST(ContentFileReader, EveryLineEndReadsTheSame) {
    const auto expected = outline(parseContentFile(kExampleFile).tree);
    for (const char* end : {"\n", "\r"}) {
        std::string file;
        for (std::string_view line :
             {"D:", "\ta", "\t\tf1.txt", "\t\tf2.txt", "\tb", "\t\tc", "\t\t\tg.txt", "\t\th.txt"})
            file.append(line).append(end);
        EXPECT_EQ(outline(parseContentFile(file).tree), expected);
        file.pop_back(); // no line end after the last line
        EXPECT_EQ(outline(parseContentFile(file).tree), expected);
    }
    std::string mixed = "D:\n\ta\r\t\tf1.txt\r\n";
    EXPECT_EQ(outline(parseContentFile(mixed).tree),
              (std::vector<std::string>{"0 D:", "1 a", "2 f1.txt"}));
}

TEST(ContentFileReader, LevelsFollowTheOutlineRules) {
    const struct {
        std::string file;
        std::vector<std::string> outline;
        std::string error;
    } cases[] = {
        {"", {}, ""},
        // Spaces count as depth; a shallower line climbs back up.
        {"R\r\n a\r\n  b\r\n\tc\r\n", {"0 R", "1 a", "2 b", "1 c"}, ""},
        // Several top-level nodes; the first line is top-level whatever its depth.
        {"\t\tD:\r\n\tx\r\nE:\r\n\ty\r\n", {"0 D:", "1 x", "0 E:", "1 y"}, ""},
        // An empty line is a node with an empty name at its depth.
        {"D:\r\n\r\n", {"0 D:", "0 "}, ""},
        // Two levels deeper than the line before fails, keeping what was built.
        {"D:\r\n\ta\r\n\t\t\tdeep name\r\n\tb\r\n",
         {"0 D:", "1 a"},
         "Invalid level (3) for item \"deep name\""},
        // Drive-less network paths as the old writer left them fail on the second line.
        {"\t\tsrv\r\n\t\t\tshare\r\n\t\t\t\tx\r\n",
         {"0 srv"},
         "Invalid level (3) for item \"share\""},
    };
    for (const auto& c : cases) {
        const auto load = parseContentFile(c.file);
        EXPECT_EQ(outline(load.tree), c.outline) << c.file;
        EXPECT_EQ(load.error, c.error) << c.file;
    }
}

TEST(ContentFileReader, DecodesCodePage1254OrUtf8BehindItsMark) {
    const auto cp = parseContentFile(crlfLines({"D:", "\t\xFE"
                                                      "ark\xFD"}));
    EXPECT_EQ(cp.tree.name(1), "şarkı");
    const auto utf8 = parseContentFile("\xEF\xBB\xBF" + crlfLines({"/", "\tΩ", "\t\t\xFF.bin"}));
    EXPECT_EQ(utf8.tree.name(1), "Ω");
    EXPECT_EQ(utf8.tree.TracePath(2), "/Ω/\xFF.bin");
    const auto bad = parseContentFile(crlfLines({"D:", "\t\t\xFE"}));
    EXPECT_EQ(bad.error, "Invalid level (2) for item \"ş\"");
}

TEST(ContentFileReader, RootsJoinWithTheirOwnSeparator) {
    const auto posix = parseContentFile(crlfLines({"/", "\tusr", "\t\tlib", "\t\t\tx.so"}));
    EXPECT_EQ(posix.tree.TracePath(0), "/");
    EXPECT_EQ(posix.tree.TracePath(3), "/usr/lib/x.so");
    const auto unc = parseContentFile(crlfLines({"\\\\srv\\share", "\ta", "\t\tb"}));
    EXPECT_EQ(unc.tree.TracePath(2), "\\\\srv\\share\\a\\b");
}

TEST(ContentFile, ScannedPathsReadBackAsTheirNodePaths) {
    Paths paths{"/m/Ünite 1/ödev.doc",
                "/m/Ünite 1/ek/şema.png",
                "/m/日本/x",
                "/m/a b/c",
                "/m/ab/\x81z",
                "/m/Ünite 10/son.txt",
                "/m/.git",
                "/m/e/é",
                "/m/E/x"};
    sortPaths(paths);
    const auto load = parseContentFile(contentFileText(paths));
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(leafPaths(load.tree), paths);
}

TEST(ContentFileReader, LoadsFromDisk) {
    kartavel::test::TempDir dir;
    writeContentFile(dir / "x.ADS", kExample);
    EXPECT_EQ(leafPaths(loadContentFile(dir / "x.ADS").tree), kExample);
    const auto missing = loadContentFile(dir / "none.ADS");
    EXPECT_TRUE(missing.tree.empty());
    EXPECT_NE(missing.error.find("none.ADS"), std::string::npos);
}

TEST(ContentFileReader, AFileOfMoreNodesThanATreeHoldsEndsWithAMessage) {
    const std::string bytes = "D:\r\n\ta\r\n\tb\r\n\tc\r\n";
    EXPECT_TRUE(parseContentFile(bytes, noProgress(), 4).ok());
    const auto load = parseContentFile(bytes, noProgress(), 3);
    EXPECT_EQ(load.error, kArchiveTooLarge);
    EXPECT_EQ(load.tree.size(), 3u);
    EXPECT_EQ(load.tree.subtreeEnd(0), 3u);
}
