#include "capture/ArchiveDetails.h"

#include "capture/ArchiveName.h"
#include "capture/ArsivAktar.h"

#include "CaptureFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#endif

using namespace kartavel::capture;
using kartavel::test::makeTree;
using kartavel::test::readFile;
using kartavel::test::writeFile;

namespace {

// Registers the folder as an archive and loads it back with its details.
ArchiveLoad registered(const kartavel::test::TempDir& media, const std::string& name) {
    EXPECT_TRUE(
        ArsivAktar(kartavel::test::scanRoot(media), name, noProgress(), noProgress()).written);
    return loadArchive(*contentFilePath(name));
}

} // namespace

#ifndef _WIN32
// Every stored file's details are what the file system says of it: a sparse file
// past 4 GiB, times before 1970 and after 2038, a read-only file, a hidden one, a
// name the code page cannot hold (the content file is then UTF-8), a link. Each
// folder's size is the sum below it, and the scan's own facts add up.
TEST(ArchiveDetails, AreWhatTheFileSystemSaysOfEveryFile) {
    kartavel::test::ScopedDataFolder data;
    kartavel::test::TempDir media;
    makeTree(media.path(), {"büyük/disk.img", "eski/1960.txt", "eski/yeni/2100.txt", "salt.txt",
                            ".gizli", "日本/ç.txt", "boş/"});
    writeFile(media / "日本/ç.txt", "on iki bayt");
    const auto at = [&](const char* rel) { return (media / rel).string(); };
    ASSERT_EQ(::truncate(at("büyük/disk.img").c_str(), 5LL << 30), 0); // 5 GiB, sparse
    const auto setTime = [&](const char* rel, std::int64_t seconds) {
        const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, at(rel).c_str(), times, 0), 0);
    };
    setTime("eski/1960.txt", -315619200);      // 1960-01-01
    setTime("eski/yeni/2100.txt", 4102444800); // 2100-01-01
    ASSERT_EQ(::chmod(at("salt.txt").c_str(), 0444), 0);
    ASSERT_EQ(::symlink("salt.txt", at("bağ").c_str()), 0);

    const ArchiveLoad a = registered(media, "Ayrıntı");
    ASSERT_TRUE(a.load.ok()) << a.load.error;
    ASSERT_TRUE(a.details);
    const auto& tree = a.load.tree;
    const auto& d = *a.details;
    ASSERT_EQ(d.size(), tree.size());
    EXPECT_TRUE(readFile(data / "Ayrıntı.ADS").starts_with("\xEF\xBB\xBF"));

    std::uint64_t total = 0;
    std::map<std::string, std::uint8_t> attributes;
    for (std::size_t n = 0; n < tree.size(); ++n) {
        if (tree.hasChildren(n))
            continue;
        const std::string path = tree.TracePath(n);
        SCOPED_TRACE(path);
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        ASSERT_TRUE(d.known(n));
        EXPECT_EQ(d.bytes(n), static_cast<std::uint64_t>(st.st_size));
        EXPECT_EQ(d.lastWrite(n), st.st_mtim.tv_sec);
        attributes[std::string(tree.name(n))] = d.attributes(n) & ~facts::Known;
        total += d.bytes(n);
    }
    EXPECT_EQ(attributes, (std::map<std::string, std::uint8_t>{{".gizli", facts::Hidden},
                                                               {"1960.txt", 0},
                                                               {"2100.txt", 0},
                                                               {"bağ", facts::ReadOnly},
                                                               {"disk.img", 0},
                                                               {"salt.txt", facts::ReadOnly},
                                                               {"ç.txt", 0}}));
    EXPECT_EQ(total, (5ULL << 30) + 11);

    // A folder holds the sum of what lies below it, the root all of it.
    for (std::size_t n = 0; n < tree.size(); ++n) {
        if (!tree.hasChildren(n))
            continue;
        std::uint64_t below = 0;
        for (std::size_t m = n + 1; m < tree.subtreeEnd(n); ++m)
            if (!tree.hasChildren(m))
                below += d.bytes(m);
        EXPECT_EQ(d.bytes(n), below) << tree.TracePath(n);
        EXPECT_FALSE(d.known(n));
        EXPECT_TRUE(d.folder(n));
    }
    EXPECT_EQ(d.bytes(0), total);

    const ArchiveFacts& f = d.facts();
    EXPECT_EQ(f.root, kartavel::test::scanRoot(media));
    EXPECT_EQ(f.files, 7u);
    EXPECT_EQ(f.folders, 5u); // büyük, eski, eski/yeni, 日本 and the empty boş
    EXPECT_EQ(f.bytes, total);
    ASSERT_TRUE(f.scanned);
    EXPECT_GT(*f.scanned, 1700000000);
    EXPECT_TRUE(f.totalBytes && f.freeBytes && *f.freeBytes <= *f.totalBytes);
    EXPECT_FALSE(f.fileSystem.empty());
}
#endif

// The details describe one version of the content file: one edited by hand, or a
// details file damaged anywhere, of another version or cut short, gives none, and
// the tree loads as without them.
TEST(ArchiveDetails, AreNoneForAnotherContentFileOrAnyDamage) {
    kartavel::test::ScopedDataFolder data;
    kartavel::test::TempDir media;
    makeTree(media.path(), {"a/b.txt", "c.txt"});
    writeFile(media / "c.txt", "üç");
    ASSERT_TRUE(registered(media, "Disk").details);
    const auto content = data / "Disk.ADS", details = data / "Disk.ADT";
    const std::string good = readFile(details), goodContent = readFile(content);

    struct Case {
        const char* what;
        std::function<void(std::string& contentBytes, std::string& detailsBytes)> change;
    };
    const Case cases[] = {
        {"content file edited", [](std::string& c, std::string&) { c[c.size() - 3] ^= 1; }},
        {"content file with a line more",
         [](std::string& c, std::string&) { c += "\tyeni.txt\r\n"; }},
        {"magic", [](std::string&, std::string& d) { d[0] = 'X'; }},
        {"version", [](std::string&, std::string& d) { d[8] = 2; }},
        {"a byte of the header", [](std::string&, std::string& d) { d[20] ^= 1; }},
        {"a byte of the facts", [](std::string&, std::string& d) { d[70] ^= 1; }},
        {"a byte of the entries", [](std::string&, std::string& d) { d[d.size() - 3] ^= 1; }},
        {"cut short", [](std::string&, std::string& d) { d.resize(d.size() - 16); }},
        {"longer", [](std::string&, std::string& d) { d += std::string(16, '\0'); }},
        {"empty", [](std::string&, std::string& d) { d.clear(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string contentBytes = goodContent, detailsBytes = good;
        c.change(contentBytes, detailsBytes);
        writeFile(content, contentBytes);
        writeFile(details, detailsBytes);
        const ArchiveLoad a = loadArchive(content);
        EXPECT_TRUE(a.load.ok());
        EXPECT_EQ(a.load.tree.size(), parseContentFile(contentBytes).tree.size());
        EXPECT_FALSE(a.details);
    }
    // Back as written, they are there again; without the file, not.
    writeFile(content, goodContent);
    writeFile(details, good);
    ASSERT_TRUE(loadArchive(content).details);
    std::filesystem::remove(details);
    EXPECT_FALSE(loadArchive(content).details);
}

// The facts read back as written, the ones the platform did not give still empty,
// and the form holds 16 bytes a node beside its header and facts.
TEST(ArchiveDetails, KeepTheArchiveFactsAndSixteenBytesANode) {
    const std::string content = "D:\r\n\ta\r\n\t\tb.txt\r\n\tc.txt\r\n";
    const auto tree = parseContentFile(content).tree;
    ArchiveFacts facts;
    facts.root = "D:\\";
    facts.scanned = -86400;
    facts.files = 2;
    facts.label = "YEDEK ŞUBAT";
    facts.totalBytes = 4700000000ULL;
    const std::vector<FileFacts> files = {{5000000000ULL, -1, facts::Known | facts::ReadOnly},
                                          {7, 4102444800, facts::Known | facts::Hidden}};
    const std::vector<std::uint32_t> owners = {kNoFile, kNoFile, 0, 1};
    const std::string bytes = detailsFileBytes(fingerprintOf(content), facts, files, owners);
    const std::string bare = detailsFileBytes(fingerprintOf(content), {}, files, owners);
    EXPECT_EQ(bare.size(), 64 + 16 * tree.size());

    const auto d = parseDetailsFile(bytes, content, tree);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->facts(), facts);
    EXPECT_EQ(d->bytes(2), 5000000000ULL);
    EXPECT_EQ(d->lastWrite(2), -1);
    EXPECT_EQ(d->attributes(2), facts::Known | facts::ReadOnly);
    EXPECT_EQ(d->lastWrite(3), 4102444800);
    EXPECT_EQ(d->bytes(1), 5000000000ULL);
    EXPECT_EQ(d->bytes(0), 5000000007ULL);
    EXPECT_EQ(d->heldBytes(), 16 * tree.size());
    // Another tree of the same size is not the one described.
    EXPECT_FALSE(parseDetailsFile(bytes, "D:\r\n\ta\r\n\t\tb.txt\r\n\tC.txt\r\n", tree));
}

TEST(ArchiveDetails, TextsOfSizesTimesAndTypes) {
    const std::pair<std::uint64_t, const char*> sizes[] = {
        {0, "0 bayt"},          {1023, "1023 bayt"},    {1024, "1,0 KB"},
        {1536, "1,5 KB"},       {1572864, "1,5 MB"},    {104857600, "100 MB"},
        {1073741824, "1,0 GB"}, {5ULL << 40, "5,0 TB"}, {1048575, "1024 KB"},
    };
    for (const auto& [bytes, text] : sizes)
        EXPECT_EQ(sizeText(bytes), text) << bytes;
    EXPECT_EQ(groupedBytes(1572864), "1.572.864");
    EXPECT_EQ(groupedBytes(999), "999");
    EXPECT_EQ(groupedBytes(1000), "1.000");
    const std::pair<const char*, const char*> types[] = {
        {"a.txt", "TXT"}, {"arşiv.tar.gz", "GZ"}, {".bashrc", ""}, {"README", ""}, {"x.", ""}};
    for (const auto& [name, type] : types)
        EXPECT_EQ(typeText(name), type) << name;
#ifndef _WIN32
    {
        kartavel::test::ScopedEnv tz("TZ", "UTC");
        ::tzset();
        EXPECT_EQ(localTimeText(-315619200), "1960-01-01 00:00:00");
        EXPECT_EQ(localTimeText(4102444800), "2100-01-01 00:00:00");
    }
    ::tzset();
#endif
}
