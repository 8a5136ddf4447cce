#include "platform/FileSystem.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

using namespace kartavel::platform;
using kartavel::test::readFile;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

namespace {

int entriesIn(const std::filesystem::path& folder) {
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(folder))
        ++entries;
    return entries;
}

} // namespace

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
    EXPECT_EQ(entriesIn(dir.path()), 1) << "a temporary file was left beside it";
}

TEST(AtomicReplace, KeepsThePermissionsOfTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file modes; Windows keeps the old file's attributes (tested below)";
#else
    TempDir dir;
    const auto p = dir / "GRUB.DB";
    writeFile(p, "old");
    ::chmod(p.c_str(), 0640);
    replaceFileAtomically(p, "new");
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
#endif
}

TEST(AtomicReplace, AFullDiskLeavesTheOldFileWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "a full disk is made with a POSIX file size limit; Windows failures below";
#else
    TempDir dir;
    const auto p = dir / "ARSIV_Y.DB";
    const std::string old = "[RecNo1]\r\nARSIV_ADI=Yedek\r\n";
    writeFile(p, old);
    try {
        kartavel::test::FileSizeLimit limit(8);
        replaceFileAtomically(p, std::string(100'000, 'x'));
        FAIL() << "the write should have failed";
    } catch (const WriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + kartavel::test::utf8(p));
    }
    EXPECT_EQ(readFile(p), old);
    EXPECT_EQ(entriesIn(dir.path()), 1) << "the temporary file was left behind";
#endif
}

#ifdef _WIN32
TEST(AtomicReplace, AFileInUseOrReadOnlyIsLeftWhole) {
    TempDir dir;
    const auto p = dir / "ARSIV_Y.DB";
    const std::string old = "[RecNo1]\r\nARSIV_ADI=Yedek\r\n";
    writeFile(p, old);
    {
        kartavel::test::HeldOpen other(p);
        EXPECT_THROW(replaceFileAtomically(p, "new"), WriteError);
    }
    EXPECT_EQ(readFile(p), old);
    EXPECT_EQ(entriesIn(dir.path()), 1) << "the temporary file was left behind";

    kartavel::test::makeReadOnly(p);
    EXPECT_THROW(replaceFileAtomically(p, "new"), WriteError);
    EXPECT_EQ(readFile(p), old);
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(AtomicReplace, KeepsTheAttributesOfTheOldFile) {
    TempDir dir;
    const auto p = dir / "AnaF.ini";
    writeFile(p, "old");
    ASSERT_TRUE(::SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    replaceFileAtomically(p, "new");
    EXPECT_EQ(readFile(p), "new");
    EXPECT_TRUE(::GetFileAttributesW(p.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}
#endif

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

// Each step of a replacement failed in turn: the old file stays byte for byte, no
// temporary file is left, and the error names the file.
TEST(AtomicReplace, AFailureAtAnyStepLeavesTheOldFileWhole) {
    TempDir dir;
    const auto p = dir / "ARSIV_Y.DB";
    const std::string old = "[RecNo1]\r\nARSIV_ADI=Yedek\r\n";
    writeFile(p, old);
    for (const WriteStep step :
         {WriteStep::Create, WriteStep::Write, WriteStep::Flush, WriteStep::Rename}) {
        std::vector<WriteStep> asked;
        setWriteFault([&](WriteStep s, const std::filesystem::path& path) {
            EXPECT_EQ(path, p);
            asked.push_back(s);
            return s == step;
        });
        EXPECT_THROW(replaceFileAtomically(p, "yeni"), WriteError);
        setWriteFault({});
        EXPECT_EQ(asked.back(), step) << "the steps after a failed one are not taken";
        EXPECT_EQ(readFile(p), old);
        EXPECT_EQ(entriesIn(dir.path()), 1) << "the temporary file was left behind";
    }
    replaceFileAtomically(p, "yeni");
    EXPECT_EQ(readFile(p), "yeni");
}

// Only a regular file that can be read is ever replaced; a read refuses anything
// else and never waits on a pipe.
TEST(FileOps, WhatIsNoReadableFileIsRefused) {
    TempDir dir;
    std::filesystem::create_directory(dir / "klasor");
    writeFile(dir / "dosya", "eski");
    std::string bytes;
    EXPECT_EQ(readRegularFile(dir / "yok", bytes), ReadStatus::Missing);
    EXPECT_EQ(readRegularFile(dir / "yok/alt", bytes), ReadStatus::Missing);
    EXPECT_EQ(readRegularFile(dir / "klasor", bytes), ReadStatus::NotAFile);
    EXPECT_EQ(readRegularFile(dir / "dosya", bytes), ReadStatus::Read);
    EXPECT_EQ(bytes, "eski");
    EXPECT_FALSE(readFileIfPresent(dir / "yok"));
    setReadFault([](const std::filesystem::path& p) { return p.filename() == "dosya"; });
    EXPECT_EQ(readRegularFile(dir / "dosya", bytes), ReadStatus::Failed);
    EXPECT_FALSE(ReadOnlyFile(dir / "dosya").isOpen());
    EXPECT_THROW(replaceFileAtomically(dir / "dosya", "yeni"), WriteError);
    setReadFault({});
    EXPECT_EQ(readFile(dir / "dosya"), "eski");

    std::vector<std::string> others{"klasor"};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((dir / "boru").c_str(), 0644), 0);
    others.push_back("boru");
#endif
    for (const auto& name : others) {
        const auto p = dir / name;
        EXPECT_EQ(readRegularFile(p, bytes), ReadStatus::NotAFile) << name;
        EXPECT_FALSE(ReadOnlyFile(p).isOpen()) << name;
        try {
            readFileIfPresent(p);
            ADD_FAILURE() << name;
        } catch (const ReadError& e) {
            EXPECT_EQ(e.what(), kartavel::test::utf8(p) + " okunamadı: bir dosya değil");
        }
        EXPECT_THROW(replaceFileAtomically(p, "yeni"), WriteError) << name;
    }
#ifndef _WIN32
    struct stat st {};
    ASSERT_EQ(::stat((dir / "boru").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the pipe was replaced";
#endif
    EXPECT_TRUE(directoryExists(dir / "klasor"));
}

TEST(FileOps, Utf8PathsRoundTrip) {
    const std::string name = "Arşiv Çığ.ADS";
    EXPECT_EQ(utf8FromPath(pathFromUtf8(name)), name);
}
