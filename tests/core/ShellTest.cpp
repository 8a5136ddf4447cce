#include "platform/Shell.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

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
