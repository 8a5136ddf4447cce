#include "capture/ArsivAktar.h"

#include "capture/ContentFile.h"
#include "capture/IloFindFile.h"

#include "CaptureFixture.h"

#include <gtest/gtest.h>

using namespace kartavel::capture;
using kartavel::test::makeTree;

TEST(ArsivAktar, ScansWritesAndReadsBackTheFolder) {
    kartavel::test::ScopedDataFolder data;
    kartavel::test::TempDir media;
    // Names outside the code page, and one that is not UTF-8 at all, survive too.
    makeTree(media.path(), {"Ödevler/ödev 1.doc", "Ödevler/şema.png", "müzik/a.mp3", "boş/",
                            ".config/x", "kök.txt", "日本/\xFF\xFE.bin"});
    const auto result = ArsivAktar(media.path().string(), "Yedek Disk", noProgress(), noProgress());
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.message, "Kayıt İşlem Tamamlandı...");
    EXPECT_EQ(result.files, 5u);
    EXPECT_TRUE(kartavel::test::readFile(data / "Yedek Disk.ADS").starts_with("\xEF\xBB\xBF/\r\n"));

    const auto load = loadContentFile(data / "Yedek Disk.ADS");
    ASSERT_TRUE(load.ok()) << load.error;
    EXPECT_EQ(load.tree.name(0), "/");
    std::vector<std::string> leaves;
    for (std::size_t i = 0; i < load.tree.size(); ++i) {
        if (!load.tree.hasChildren(i))
            leaves.push_back(load.tree.TracePath(i));
    }
    TIloFindFile scan = TIloFindFile::IloFindFile1();
    scan.CurDirectory = media.path().string();
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
