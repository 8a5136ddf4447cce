#include "platform/DirectoryEnum.h"

#include "CaptureFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace kartavel::platform;
using kartavel::test::makeTree;
using kartavel::test::TempDir;
using kartavel::test::utf8;
using kartavel::test::writeFile;

namespace {

std::map<std::string, DirectoryEntry> entriesOf(const std::filesystem::path& folder,
                                                std::uint32_t admitted, unsigned wanted) {
    std::map<std::string, DirectoryEntry> out;
    const bool ok = enumerateDirectory(utf8(folder), admitted, wanted, [&](const auto& e) {
        auto copy = e;
        copy.name = {};
        out.emplace(std::string(e.name), copy);
    });
    EXPECT_TRUE(ok);
    return out;
}

#ifdef _WIN32
// Windows keeps the system bit on the entry.
constexpr const char* kSystemEntry = "system.dat";
constexpr std::uint32_t kSystemWord = attr::System | attr::Archive;

void addAttribute(const std::filesystem::path& p, DWORD bit) {
    ASSERT_TRUE(::SetFileAttributesW(p.c_str(), ::GetFileAttributesW(p.c_str()) | bit));
}
#else
// POSIX has no system bit: devices, pipes and sockets carry it.
constexpr const char* kSystemEntry = "pipe";
constexpr std::uint32_t kSystemWord = attr::System;
#endif

// A folder with one entry of each kind the attribute word tells apart.
struct KindsFolder {
    TempDir dir;
    KindsFolder() {
        makeTree(dir.path(), {"plain.txt", ".hidden", "sub/", ".dotdir/"});
        writeFile(dir / "locked.txt", "12345");
        kartavel::test::makeReadOnly(dir / "locked.txt");
        kartavel::test::markHidden(dir / ".hidden");
        kartavel::test::markHidden(dir / ".dotdir");
#ifdef _WIN32
        writeFile(dir / kSystemEntry, "");
        addAttribute(dir / kSystemEntry, FILE_ATTRIBUTE_SYSTEM);
#else
        ::mkfifo((dir / kSystemEntry).c_str(), 0644);
#endif
    }
};

} // namespace

TEST(DirectoryEnum, GivesTheWindowsAttributeWordOfEachKind) {
    KindsFolder f;
    const auto all = entriesOf(f.dir.path(), 63, want::ReadOnly | want::Size);
    ASSERT_EQ(all.size(), 6u); // never "." or ".."
    EXPECT_EQ(all.at("plain.txt").attributes, attr::Archive);
    EXPECT_EQ(all.at("locked.txt").attributes, attr::Archive | attr::ReadOnly);
    EXPECT_EQ(all.at("locked.txt").size, 5u);
    EXPECT_EQ(all.at(".hidden").attributes, attr::Archive | attr::Hidden);
    EXPECT_EQ(all.at("sub").attributes, attr::Directory);
    EXPECT_EQ(all.at(".dotdir").attributes, attr::Directory | attr::Hidden);
    EXPECT_EQ(all.at(kSystemEntry).attributes, kSystemWord);
    EXPECT_TRUE(all.at("plain.txt").regularFile);
#ifdef _WIN32
    // Windows gives the whole word with every entry.
    EXPECT_EQ(entriesOf(f.dir.path(), 63, want::Nothing).at("locked.txt").attributes,
              attr::Archive | attr::ReadOnly);
#else
    EXPECT_FALSE(all.at(kSystemEntry).regularFile);
    // Without a filter that needs it, the read-only bit is not looked up.
    EXPECT_EQ(entriesOf(f.dir.path(), 63, want::Nothing).at("locked.txt").attributes,
              attr::Archive);
#endif
}

TEST(DirectoryEnum, SkipsSpecialEntriesWhoseBitIsNotAdmitted) {
    KindsFolder f;
    const struct {
        std::uint32_t admitted;
        std::vector<std::string> names;
    } cases[] = {
        {attr::Archive, {"locked.txt", "plain.txt"}},
        {attr::Archive | attr::Hidden, {".hidden", "locked.txt", "plain.txt"}},
        {attr::Directory, {"locked.txt", "plain.txt", "sub"}},
        {attr::Directory | attr::Hidden, {".dotdir", ".hidden", "locked.txt", "plain.txt", "sub"}},
        {attr::System, {"locked.txt", "plain.txt", kSystemEntry}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> names;
        for (const auto& [name, e] : entriesOf(f.dir.path(), c.admitted, want::Nothing))
            names.push_back(name);
        auto expected = c.names;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names, expected) << "admitted " << c.admitted;
    }
}

TEST(DirectoryEnum, ALinkCountsOnlyWhenItLeadsToAFile) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX symbolic links; Windows reparse points have a test of their own";
#else
    TempDir dir;
    writeFile(dir / "target.bin", "abc");
    makeTree(dir.path(), {"folder/"});
    ::symlink("target.bin", (dir / "to-file").c_str());
    ::symlink("folder", (dir / "to-folder").c_str());
    ::symlink(".", (dir / "loop").c_str());
    ::symlink("nowhere", (dir / "dangling").c_str());

    const auto all = entriesOf(dir.path(), 63, want::Size);
    EXPECT_EQ(all.size(), 3u);
    ASSERT_TRUE(all.count("to-file"));
    EXPECT_EQ(all.at("to-file").attributes, attr::Archive);
    EXPECT_EQ(all.at("to-file").size, 3u);
    EXPECT_TRUE(all.count("folder"));
#endif
}

#ifdef _WIN32
TEST(DirectoryEnum, AReparsePointFolderIsNeverGiven) {
    TempDir dir;
    makeTree(dir.path(), {"folder/f.txt"});
    const auto link = dir / "loop";
    const DWORD flags = SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    const bool made = ::CreateSymbolicLinkW(link.c_str(), L".", flags);
    const DWORD a = ::GetFileAttributesW(link.c_str());
    if (!made || a == INVALID_FILE_ATTRIBUTES || !(a & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "this system makes no linked folders for this user (nor does Wine)";
    const auto all = entriesOf(dir.path(), 63, want::Nothing);
    EXPECT_EQ(all.size(), 1u);
    EXPECT_TRUE(all.count("folder"));
}
#endif

TEST(DirectoryEnum, GivesTheLastWriteTime) {
    TempDir dir;
    writeFile(dir / "old.txt", "");
    kartavel::test::setLastWriteTime(dir / "old.txt", 1234567890);
    EXPECT_EQ(entriesOf(dir.path(), 63, want::LastWrite).at("old.txt").lastWrite, 1234567890);
}

TEST(DirectoryEnum, AFolderThatCannotBeOpenedGivesNothing) {
    TempDir dir;
    int calls = 0;
    EXPECT_FALSE(enumerateDirectory(utf8(dir / "missing"), 63, 0, [&](auto&) { ++calls; }));
    writeFile(dir / "file", "");
    EXPECT_FALSE(enumerateDirectory(utf8(dir / "file"), 63, 0, [&](auto&) { ++calls; }));
    EXPECT_EQ(calls, 0);
}

TEST(FileMask, MatchesLikeTheWindowsEnumeration) {
    const struct {
        const char* name;
        const char* mask;
        bool match;
    } cases[] = {
        {"readme", "*.*", true},    {".profile", "*.*", true},     {"a.txt", "*.txt", true},
        {"A.TXT", "*.txt", true},   {"a.txt.bak", "*.txt", false}, {"a.txt", "?.txt", true},
        {"ab.txt", "?.txt", false}, {"ş.txt", "?.txt", true},      {"report", "rep*.*", true},
        {"rapor", "rep*.*", false}, {"data.tar.gz", "*.gz", true}, {"x", "*", true},
        {"abc", "a*c", true},       {"abcbc", "a*bc", true},       {"abd", "a*c", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesFileMask(c.name, c.mask), c.match) << c.name << " ~ " << c.mask;
}
