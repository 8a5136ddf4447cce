#include "platform/DataFolder.h"

#include "TestSupport.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
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
    if (old)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}
