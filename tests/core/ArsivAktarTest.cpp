#include "capture/ArsivAktar.h"

#include "capture/ContentFile.h"
#include "capture/IloFindFile.h"

#include "CaptureFixture.h"
#include "platform/PathForm.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kartavel::capture;
using kartavel::test::makeTree;

#ifdef _WIN32
// Windows names are UTF-16: any of them has a UTF-8 form.
constexpr const char* kOddName = "日本/ğ😀.bin";
#else
constexpr const char* kOddName = "日本/\xFF\xFE.bin"; // not UTF-8 at all
#endif

TEST(ArsivAktar, ScansWritesAndReadsBackTheFolder) {
    kartavel::test::ScopedDataFolder data;
    kartavel::test::TempDir media;
    // Names outside the code page, and odd ones, survive too.
    makeTree(media.path(), {"Ödevler/ödev 1.doc", "Ödevler/şema.png", "müzik/a.mp3", "boş/",
                            ".config/x", "kök.txt", kOddName});
    const std::string folder = kartavel::test::scanRoot(media);
    const auto result = ArsivAktar(folder, "Yedek Disk", noProgress(), noProgress());
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.message, "Kayıt İşlem Tamamlandı...");
    EXPECT_EQ(result.files, 5u);
    const std::string root(kartavel::platform::splitPath(folder).root); // "/" or a drive
    EXPECT_TRUE(kartavel::test::readFile(data / "Yedek Disk.ADS")
                    .starts_with("\xEF\xBB\xBF" + root + "\r\n"));

    const auto load = loadContentFile(data / "Yedek Disk.ADS");
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.tree.name(0), root);
    std::vector<std::string> leaves;
    for (std::size_t i = 0; i < load.tree.size(); ++i) {
        if (!load.tree.hasChildren(i))
            leaves.push_back(load.tree.TracePath(i));
    }
    TIloFindFile scan = TIloFindFile::IloFindFile1();
    scan.CurDirectory = folder;
    scan.ScanFiles(false, true);
    EXPECT_EQ(leaves, scan.FileList);
}

TEST(ArsivAktar, AnEmptyFolderWritesAnEmptyFileAndABadNameWritesNothing) {
    kartavel::test::ScopedDataFolder data;
    kartavel::test::TempDir media;
    EXPECT_TRUE(ArsivAktar(media.path().string(), "Boş", noProgress(), noProgress()).written);
    EXPECT_EQ(kartavel::test::readFile(data / "Boş.ADS"), "");

    const auto refused = ArsivAktar(std::vector<std::string>{"D:\\a.txt"}, "..");
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(refused.message, ".. adı dosya adı olarak kullanılamaz...");
    EXPECT_FALSE(std::filesystem::exists(data.path().parent_path() / "..ADS"));
}

#ifdef _WIN32
TEST(ArsivAktar, ADriveRootWritesTheDriveAsTheFirstLine) {
    const char* drive = std::getenv("KARTAVEL_TEST_CDROM");
    if (!drive)
        GTEST_SKIP() << "no drive for tests (./test.sh --windows makes one under Wine)";
    kartavel::test::ScopedDataFolder data;
    // A folder of the test's own on the drive, beside whatever else it holds.
    struct Scratch {
        std::filesystem::path path;
        ~Scratch() { std::filesystem::remove_all(path); }
    } mine{kartavel::platform::pathFromUtf8(std::string(drive) + "\\kartavel-test")};
    makeTree(mine.path, {"a/f1.txt", "b/c/g.txt", "b/h.txt"});
    for (const std::string& root : {std::string(drive), std::string(drive) + "\\"}) {
        ASSERT_TRUE(ArsivAktar(root, "Sürücü", noProgress(), noProgress()).written) << root;
        const std::string text = kartavel::test::readFile(data / "Sürücü.ADS");
        EXPECT_TRUE(text.starts_with(std::string(drive) + "\r\n")) << root;
        EXPECT_NE(text.find(kartavel::test::crlfLines({"\tkartavel-test", "\t\ta", "\t\t\tf1.txt",
                                                       "\t\tb", "\t\t\tc", "\t\t\t\tg.txt",
                                                       "\t\t\th.txt"})),
                  std::string::npos)
            << root << "\n"
            << text;
        const auto load = loadContentFile(data / "Sürücü.ADS");
        ASSERT_TRUE(load.ok()) << load.error;
        EXPECT_EQ(load.tree.TracePath(load.tree.size() - 1).substr(0, 3),
                  std::string(drive) + "\\");
    }
}
#endif
