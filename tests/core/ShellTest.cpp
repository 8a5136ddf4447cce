#include "platform/Shell.h"

#include "TestSupport.h"

#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

using namespace kartavel::platform;
using kartavel::test::TempDir;
using kartavel::test::writeFile;

namespace {

class RecordingShell : public Shell {
public:
    bool answer = true;
    std::vector<std::pair<std::string, std::string>> launched;

protected:
    bool launch(std::string_view verb, const std::string& path) override {
        launched.emplace_back(verb, path);
        return answer;
    }
};

} // namespace

TEST(Shell, AsksTheDesktopOnlyForPathsThatExist) {
    TempDir dir;
    writeFile(dir / "a.txt", "");
    RecordingShell shell;
    EXPECT_TRUE(shell.execute("OPEN", (dir / "a.txt").string()));
    EXPECT_TRUE(shell.execute("EXPLORE", dir.path().string()));
    EXPECT_FALSE(shell.execute("OPEN", (dir / "gone.txt").string()));
    EXPECT_FALSE(shell.execute("EXPLORE", "D:\\"));
    EXPECT_FALSE(shell.execute("OPEN", ""));
    ASSERT_EQ(shell.launched.size(), 2u);
    EXPECT_EQ(shell.launched[0].first, "OPEN");
    EXPECT_EQ(shell.launched[1].second, dir.path().string());

    shell.answer = false; // the desktop refused
    EXPECT_FALSE(shell.execute("OPEN", (dir / "a.txt").string()));
}

TEST(Shell, TheSystemShellHandsThePathToTheOperatingSystem) {
    TempDir dir;
    SystemShell shell;
#ifdef _WIN32
    // The shell's "open" runs a batch file, which leaves a mark beside itself.
    writeFile(dir / "mark.bat", "@echo opened> \"%~dp0mark.txt\"\r\n");
    ASSERT_TRUE(shell.execute("OPEN", kartavel::test::utf8(dir / "mark.bat")));
    for (int i = 0; i < 600 && !fileExists(dir / "mark.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fileExists(dir / "mark.txt"));
    writeFile(dir / "a.kartavel-unknown", "");
    EXPECT_FALSE(shell.execute("OPEN", kartavel::test::utf8(dir / "a.kartavel-unknown")))
        << "no program opens this kind of file";
#else
    // A stand-in for xdg-open that notes the path it is given.
    writeFile(dir / "xdg-open",
              "#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/given\"\nexit ${KARTAVEL_EXIT:-0}\n");
    std::filesystem::permissions(dir / "xdg-open", std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    kartavel::test::ScopedEnv path("PATH", dir.path().c_str());
    writeFile(dir / "a b.txt", "");
    EXPECT_TRUE(shell.execute("OPEN", (dir / "a b.txt").string()));
    EXPECT_EQ(kartavel::test::readFile(dir / "given"), (dir / "a b.txt").string());
    kartavel::test::ScopedEnv fails("KARTAVEL_EXIT", "3");
    EXPECT_FALSE(shell.execute("EXPLORE", dir.path().string()));
#endif
}
