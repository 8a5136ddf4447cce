#include "CliRunner.h"
#include "TestSupport.h"

#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <thread>

using kartavel::test::runCli;
using kartavel::test::TempDir;
using kartavel::test::utf8;

// Two writers on one data folder at the same moment: each registration either lands
// whole or is refused with the busy message; no registered archive is lost.
TEST(CliRace, TwoWritersLoseNoRecordAndEveryLoserIsTold) {
    TempDir data, src;
    kartavel::test::writeFile(src / "f.txt", "1");
    constexpr int kEach = 8;
    std::set<std::string> registered[2];
    std::vector<std::string> unexpected[2];
    auto writer = [&](int w) {
        for (int i = 0; i < kEach; ++i) {
            const std::string name = std::string(w == 0 ? "A" : "B") + std::to_string(i);
            const auto r =
                runCli({"--data", utf8(data.path()), "register", utf8(src.path()), "--name", name});
            if (r.code == 0)
                registered[w].insert(name);
            else if (r.code != 1 || r.err != "Veri klasörü başka bir Kartavel tarafından "
                                             "kullanılıyor. Önce onu kapatınız...\n")
                unexpected[w].push_back(name + ": " + r.err);
        }
    };
    std::thread first(writer, 0), second(writer, 1);
    first.join();
    second.join();
    EXPECT_TRUE(unexpected[0].empty() && unexpected[1].empty());

    std::set<std::string> listed;
    std::istringstream lines(runCli({"--data", utf8(data.path()), "list"}).out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string date, code, name;
        std::getline(fields, date, '\t');
        std::getline(fields, code, '\t');
        std::getline(fields, name, '\t');
        listed.insert(name);
        EXPECT_TRUE(kartavel::platform::fileExists(data / (name + ".ADS"))) << name;
    }
    std::set<std::string> expected(registered[0]);
    expected.insert(registered[1].begin(), registered[1].end());
    EXPECT_EQ(listed, expected);
    EXPECT_FALSE(expected.empty());
    // A refused registration left no content file behind either.
    std::size_t contentFiles = 0;
    for (const auto& e : std::filesystem::directory_iterator(data.path()))
        contentFiles += e.path().extension() == ".ADS" ? 1u : 0u;
    EXPECT_EQ(contentFiles, expected.size());
}
