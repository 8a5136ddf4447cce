#include "platform/DataFolder.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

using namespace kartavel::platform;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

TEST(DataFolder, AnExplicitFolderIsCreatedWithItsParents) {
    TempDir dir;
    const auto folder = dir / "a/b/Data";
    setDataFolder(folder);
    EXPECT_EQ(DataFolder(), folder);
    EXPECT_TRUE(directoryExists(folder));
    EXPECT_EQ(dataFile("ARSIV_Y.DB"), folder / "ARSIV_Y.DB");
    setDataFolder({});
}

TEST(DataFolder, LiesBesideTheProgramWhenThatCanBeWritten) {
    TempDir dir;
    EXPECT_EQ(defaultDataFolderFor(dir.path(), [](auto&) { return true; }), dir / "Data");
}

TEST(DataFolder, FallsBackToTheUserDataFolder) {
    TempDir dir;
#ifdef _WIN32
    const char* userFolder = "APPDATA";
#else
    const char* userFolder = "XDG_DATA_HOME";
#endif
    kartavel::test::ScopedEnv env(userFolder, kartavel::test::utf8(dir.path()).c_str());
    EXPECT_EQ(defaultDataFolderFor("/usr/bin", [](auto&) { return false; }), dir / "Kartavel/Data");
    // An existing Data folder beside the program decides by its own writability.
    std::filesystem::create_directory(dir / "Data");
    EXPECT_EQ(defaultDataFolderFor(
                  dir.path(), [&](const std::filesystem::path& p) { return p == dir / "Data"; }),
              dir / "Data");
    // An installed program (its menu entry beside its bin folder) never keeps its data
    // in bin/, not even when root or the owner of that folder runs it.
    const auto bin = dir / "usr/bin";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(defaultDataFolderFor(bin, [](auto&) { return true; }), bin / "Data");
    std::filesystem::create_directories(dir / "usr/share/applications");
    writeFile(bin / installedMarker(), "[Desktop Entry]\n");
    EXPECT_EQ(defaultDataFolderFor(bin, [](auto&) { return true; }), dir / "Kartavel/Data");
}

TEST(DataFolder, BesideTheRunningProgramFile) {
#ifdef _WIN32
    const char* program = "platform_tests.exe";
#else
    const char* program = "platform_tests";
#endif
    const auto folder = programFolder();
    EXPECT_TRUE(fileExists(folder / program)) << kartavel::test::utf8(folder);
    EXPECT_EQ(defaultDataFolder(), folder / "Data");

    TempDir dir;
    EXPECT_TRUE(canWriteFolder(dir.path()));
    EXPECT_FALSE(canWriteFolder(dir / "missing"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "the write test left a file behind";
}
