#include "platform/DirectoryEnum.h"

#include "CaptureFixture.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace kartavel::platform;
using kartavel::test::makeTree;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

namespace {

std::map<std::string, DirectoryEntry> entriesOf(const std::filesystem::path& folder,
                                                std::uint32_t admitted, unsigned wanted) {
    std::map<std::string, DirectoryEntry> out;
    const bool ok = enumerateDirectory(folder.string(), admitted, wanted, [&](const auto& e) {
        auto copy = e;
        copy.name = {};
        out.emplace(std::string(e.name), copy);
    });
    EXPECT_TRUE(ok);
    return out;
}

// A folder with one entry of each kind the attribute word tells apart.
struct KindsFolder {
    TempDir dir;
    KindsFolder() {
        makeTree(dir.path(), {"plain.txt", ".hidden", "sub/", ".dotdir/"});
        writeFile(dir / "locked.txt", "12345");
        ::chmod((dir / "locked.txt").c_str(), 0444);
        ::mkfifo((dir / "pipe").c_str(), 0644);
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
    EXPECT_EQ(all.at("pipe").attributes, attr::System);
    EXPECT_TRUE(all.at("plain.txt").regularFile);
    EXPECT_FALSE(all.at("pipe").regularFile);

    // Without a filter that needs it, the read-only bit is not looked up.
    EXPECT_EQ(entriesOf(f.dir.path(), 63, want::Nothing).at("locked.txt").attributes,
              attr::Archive);
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
        {attr::System, {"locked.txt", "pipe", "plain.txt"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> names;
        for (const auto& [name, e] : entriesOf(f.dir.path(), c.admitted, want::Nothing))
            names.push_back(name);
        EXPECT_EQ(names, c.names) << "admitted " << c.admitted;
    }
}

TEST(DirectoryEnum, ALinkCountsOnlyWhenItLeadsToAFile) {
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
}

TEST(DirectoryEnum, GivesTheLastWriteTime) {
    TempDir dir;
    writeFile(dir / "old.txt", "");
    const timespec times[2] = {{1000000000, 0}, {1234567890, 0}};
    ::utimensat(AT_FDCWD, (dir / "old.txt").c_str(), times, 0);
    EXPECT_EQ(entriesOf(dir.path(), 63, want::LastWrite).at("old.txt").lastWrite, 1234567890);
}

TEST(DirectoryEnum, AFolderThatCannotBeOpenedGivesNothing) {
    TempDir dir;
    int calls = 0;
    EXPECT_FALSE(enumerateDirectory((dir / "missing").string(), 63, 0, [&](auto&) { ++calls; }));
    writeFile(dir / "file", "");
    EXPECT_FALSE(enumerateDirectory((dir / "file").string(), 63, 0, [&](auto&) { ++calls; }));
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
