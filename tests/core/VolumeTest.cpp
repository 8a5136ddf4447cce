#include "platform/Volume.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#ifndef _WIN32
#include <unistd.h>
#endif

using namespace kartavel::platform;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

namespace {

constexpr const char* kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "30 22 0:25 / /proc rw - proc proc rw\n"
    "41 22 11:0 / /media/cd rw,nosuid master:7 - iso9660 /dev/sr0 ro\n"
    "42 22 8:17 / /mnt/My\\040Disk rw - vfat /dev/sdb1 rw\n"
    "43 22 7:0 / /mnt/dvd ro - udf /dev/loop0 ro\n"
    "44 22 8:2 / /media/cd rw - ext4 /dev/sda2 rw\n" // mounted over the CD
    "bad line\n";

} // namespace

TEST(Volume, ReadsMountsWithTheirEscapes) {
    const auto mounts = parseMountInfo(kMountInfo);
    ASSERT_EQ(mounts.size(), 6u);
    EXPECT_EQ(mounts[2].mountPoint, "/media/cd");
    EXPECT_EQ(mounts[2].fsType, "iso9660");
    EXPECT_EQ(mounts[2].source, "/dev/sr0");
    EXPECT_EQ(mounts[3].mountPoint, "/mnt/My Disk");
}

TEST(Volume, FindsTheDeepestLatestMountAboveAPath) {
    const auto mounts = parseMountInfo(kMountInfo);
    const struct {
        const char* path;
        const char* source;
    } cases[] = {
        {"/home/me", "/dev/sda1"},         {"/mnt/My Disk/x", "/dev/sdb1"},
        {"/mnt/My Diskette", "/dev/sda1"}, {"/media/cd", "/dev/sda2"},
        {"/mnt/dvd", "/dev/loop0"},
    };
    for (const auto& c : cases) {
        const auto* m = mountHolding(mounts, c.path);
        ASSERT_NE(m, nullptr) << c.path;
        EXPECT_EQ(m->source, c.source) << c.path;
    }
    EXPECT_EQ(mountHolding({}, "/x"), nullptr);
}

TEST(Volume, CdromRootsAreTheOpticalFileSystems) {
    EXPECT_EQ(cdromRootsIn(parseMountInfo(kMountInfo)),
              (std::vector<std::string>{"/media/cd", "/mnt/dvd"}));
}

TEST(Volume, LabelComesFromTheLabelFolderOrTheIsoDescriptor) {
    TempDir dir;
#ifndef _WIN32 // udev's folder of links
    std::filesystem::create_directories(dir / "by-label");
    writeFile(dir / "sr0", "");
    writeFile(dir / "sdb1", "");
    ::symlink("../sr0", (dir / "by-label" / "YEDEK\\x202005").c_str());
    EXPECT_EQ(labelFromFolder(dir / "by-label", (dir / "sr0").string()), "YEDEK 2005");
    EXPECT_EQ(labelFromFolder(dir / "by-label", (dir / "sdb1").string()), "");
    EXPECT_EQ(labelFromFolder(dir / "missing", (dir / "sr0").string()), "");
#endif

    std::string image(16 * 2048 + 2048, '\0');
    image.replace(16 * 2048, 6, "\1CD001");
    image.replace(16 * 2048 + 40, 32, "ARSIV_CD                        ");
    writeFile(dir / "image.iso", image);
    EXPECT_EQ(iso9660Label(dir / "image.iso"), "ARSIV_CD");
    writeFile(dir / "short.iso", "CD001");
    EXPECT_EQ(iso9660Label(dir / "short.iso"), "");
}

TEST(Volume, SystemQueriesAnswerForAnyPath) {
    // This machine's mounts are whatever they are; the calls must simply answer.
    (void)volumeLabel("/");
    (void)volumeLabel("/no/such/folder");
    for (const auto& root : cdromDriveRoots())
        EXPECT_FALSE(root.empty());
}

#ifdef _WIN32
TEST(Volume, ACdromDriveGivesItsRootAndLabel) {
    const char* drive = std::getenv("KARTAVEL_TEST_CDROM");
    const char* label = std::getenv("KARTAVEL_TEST_CDROM_LABEL");
    if (!drive || !label)
        GTEST_SKIP() << "no CD-ROM drive for tests (./test.sh --windows makes one under Wine)";
    const std::string root = std::string(drive) + "\\";
    const auto roots = cdromDriveRoots();
    EXPECT_NE(std::find(roots.begin(), roots.end(), root), roots.end()) << root;
    for (const auto& r : roots)
        EXPECT_TRUE(r.size() == 3 && r[1] == ':' && r[2] == '\\') << r;
    EXPECT_EQ(std::find(roots.begin(), roots.end(), "C:\\"), roots.end()) << "a fixed drive";
    EXPECT_EQ(volumeLabel(drive), label); // a bare drive means its root
    EXPECT_EQ(volumeLabel(root + "no\\such\\file.txt"), label);
}
#endif
