#include "platform/FileSystem.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kartavel::platform;
using kartavel::test::FileSizeLimit;
using kartavel::test::readFile;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

TEST(AtomicReplace, WritesNewAndReplacesOldFiles) {
    TempDir dir;
    const auto p = dir / "ARSIV_Y.DB";
    replaceFileAtomically(p, "first");
    EXPECT_EQ(readFile(p), "first");
    replaceFileAtomically(p, "second, longer");
    EXPECT_EQ(readFile(p), "second, longer");
    replaceFileAtomically(p, "");
    EXPECT_TRUE(fileExists(p));
    EXPECT_EQ(readFile(p), "");
    // No temporary file is left beside it.
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(AtomicReplace, KeepsThePermissionsOfTheOldFile) {
    TempDir dir;
    const auto p = dir / "GRUB.DB";
    writeFile(p, "old");
    ::chmod(p.c_str(), 0640);
    replaceFileAtomically(p, "new");
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicReplace, AFullDiskLeavesTheOldFileWhole) {
    TempDir dir;
    const auto p = dir / "ARSIV_Y.DB";
    const std::string old = "[RecNo1]\r\nARSIV_ADI=Yedek\r\n";
    writeFile(p, old);
    try {
        FileSizeLimit limit(8);
        replaceFileAtomically(p, std::string(100'000, 'x'));
        FAIL() << "the write should have failed";
    } catch (const WriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + p.string());
    }
    EXPECT_EQ(readFile(p), old);
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1) << "the temporary file was left behind";
}

TEST(AtomicReplace, AMissingFolderIsAWriteError) {
    TempDir dir;
    EXPECT_THROW(replaceFileAtomically(dir / "no/such/folder/x.DB", "x"), WriteError);
}

TEST(FileOps, RenameNeverReplacesAnotherFile) {
    TempDir dir;
    writeFile(dir / "Yedek.ADS", "a");
    writeFile(dir / "Arsiv.ADS", "b");
    EXPECT_FALSE(renameFile(dir / "Yedek.ADS", dir / "Arsiv.ADS"));
    EXPECT_EQ(readFile(dir / "Arsiv.ADS"), "b");
    EXPECT_TRUE(renameFile(dir / "Yedek.ADS", dir / "Yedek 2.ADS"));
    EXPECT_FALSE(fileExists(dir / "Yedek.ADS"));
    EXPECT_EQ(readFile(dir / "Yedek 2.ADS"), "a");
}

TEST(FileOps, RemoveAndExistenceTests) {
    TempDir dir;
    writeFile(dir / "a", "x");
    EXPECT_TRUE(fileExists(dir / "a"));
    EXPECT_FALSE(directoryExists(dir / "a"));
    EXPECT_TRUE(directoryExists(dir.path()));
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_TRUE(removeFile(dir / "a"));
    EXPECT_FALSE(fileExists(dir / "a"));
    EXPECT_TRUE(removeFile(dir / "a")) << "a file that is already gone counts as removed";
}

TEST(FileOps, ReadWholeFile) {
    TempDir dir;
    std::string bytes(200'000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 31);
    writeFile(dir / "b", bytes);
    EXPECT_EQ(readWholeFile(dir / "b"), bytes);
    EXPECT_FALSE(readWholeFile(dir / "missing"));
    EXPECT_FALSE(readWholeFile(dir.path()));
}

TEST(FileOps, Utf8PathsRoundTrip) {
    const std::string name = "Arşiv Çığ.ADS";
    EXPECT_EQ(utf8FromPath(pathFromUtf8(name)), name);
}
