// Searching a million stored names through the all-archives path: content files
// written from synthetic disc trees, read from disk and searched in substring mode
// straight from their bytes (the name index left out), against `grep -c -i -F TEXT`
// over the same files.
//   bench_search [NAMES=1000000] [DATADIR=/tmp/kartavel-bench-search] [TEXT=rapor]
#include "SyntheticTree.h"

#include "capture/ContentFile.h"
#include "capture/ContentSearch.h"
#include "capture/NameIndexCache.h"
#include "capture/PathOrder.h"
#include "platform/DataFolder.h"
#include "store/CatalogueSchemas.h"
#include "store/RecordTable.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

using namespace kartavel;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
    const std::size_t wanted = argc > 1 ? std::stoul(argv[1]) : 1000000;
    const std::filesystem::path data = argc > 2 ? argv[2] : "/tmp/kartavel-bench-search";
    const std::string text = argc > 3 ? argv[3] : "rapor";
    std::filesystem::remove_all(data);
    std::filesystem::create_directories(data);
    platform::setDataFolder(data);

    // Archives of 250,000 files each, until their trees hold the names wanted.
    store::RecordTable reg(store::schemas::KayitOrj_T());
    reg.open();
    std::size_t names = 0;
    std::string files;
    for (unsigned seed = 1; names < wanted; ++seed) {
        std::vector<std::string> paths;
        bench::SyntheticTree(seed).generate(250000, [&](const std::string& rel, bool folder) {
            if (!folder)
                paths.push_back("/media/disc/" + rel);
        });
        capture::sortPaths(paths);
        std::string bytes = capture::contentFileText(paths);
        auto tree = capture::parseContentFile(bytes).tree;
        // The last archive keeps only about as many files as the count needs.
        if (names + tree.size() > wanted) {
            paths.resize(
                std::min(paths.size(), paths.size() * (wanted - names) / tree.size() + 100));
            bytes = capture::contentFileText(paths);
            tree = capture::parseContentFile(bytes).tree;
        }
        names += tree.size();
        const std::string name = "Disk " + std::to_string(seed);
        capture::writeContentFile(data / (name + ".ADS"), paths);
        files += " '" + (data / (name + ".ADS")).string() + "'";
        reg.append();
        reg.setString(store::columns::ARSIV_ADI, name);
        reg.post();
    }

    capture::SearchResult result;
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = Clock::now();
        capture::NameIndexUse linear;
        linear.enabled = false;
        result = capture::searchAllArchives(reg, {}, text, false, false, capture::noProgress(),
                                            capture::noProgress(), {}, linear);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }

    // Read through a pipe: with its output on /dev/null, grep stops at the first match.
    const std::string grep = "grep -c -i -F '" + text + "'" + files;
    const auto runGrep = [&] {
        std::size_t counted = 0;
        if (FILE* pipe = ::popen(grep.c_str(), "r")) {
            char line[4096];
            while (std::fgets(line, sizeof line, pipe)) {
                if (const char* colon = std::strrchr(line, ':'))
                    counted += std::strtoul(colon + 1, nullptr, 10);
            }
            ::pclose(pipe);
        }
        return counted;
    };
    runGrep(); // warm
    double grepBest = 1e9;
    std::size_t grepLines = 0;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = Clock::now();
        grepLines = runGrep();
        grepBest = std::min(grepBest, std::chrono::duration<double>(Clock::now() - t0).count());
    }

    std::printf("archives %d, stored names %zu, text \"%s\"\n", reg.recordCount(), names,
                text.c_str());
    std::printf("searchAllArchives %8.3f s  %zu matches\n", best, result.rows.size());
    std::printf("grep -c -i -F     %8.3f s  %zu lines  (search is %.1f x grep)\n", grepBest,
                grepLines, best / grepBest);
    return 0;
}
