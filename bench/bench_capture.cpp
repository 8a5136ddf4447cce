// Scanning, writing and reading an archive's content, against `find` on the same
// tree in the same run. Each figure is the best of three warm runs.
//   bench_capture DIR [WORKDIR=/tmp]
#include "capture/ContentFile.h"
#include "capture/IloFindFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

using namespace kartavel::capture;
using Clock = std::chrono::steady_clock;

namespace {

double bestOfThree(const std::function<void()>& run) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

// `find DIR -type f`, its output read to the end through a pipe.
std::size_t findFiles(const std::string& dir) {
    const std::string command = "find '" + dir + "' -type f";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return 0;
    std::size_t lines = 0;
    char buf[1 << 16];
    while (const std::size_t n = std::fread(buf, 1, sizeof buf, pipe))
        lines += static_cast<std::size_t>(std::count(buf, buf + n, '\n'));
    ::pclose(pipe);
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_capture DIR [WORKDIR]\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::filesystem::path work = argc > 2 ? argv[2] : "/tmp";
    const auto contentFile = work / "bench_capture.ADS";

    TIloFindFile scanner = TIloFindFile::IloFindFile1();
    scanner.CurDirectory = dir;
    std::size_t found = 0;
    findFiles(dir); // warm the cache
    scanner.ScanFiles(false, true);

    const double tFind = bestOfThree([&] { found = findFiles(dir); });
    const double tScan = bestOfThree([&] { scanner.ScanFiles(false, true); });
    const double tWrite = bestOfThree([&] { writeContentFile(contentFile, scanner.FileList); });
    TreeLoad load;
    const double tRead = bestOfThree([&] { load = loadContentFile(contentFile); });
    const auto& tree = load.tree;

    std::printf("tree %s\n", dir.c_str());
    std::printf("find -type f   %8.3f s  %zu files\n", tFind, found);
    std::printf("ScanFiles      %8.3f s  %zu files  (%.2f x find)\n", tScan,
                scanner.FileList.size(), tScan / tFind);
    std::printf("write content  %8.3f s  %ju bytes  (%.1f%% of the scan)\n", tWrite,
                static_cast<std::uintmax_t>(std::filesystem::file_size(contentFile)),
                100 * tWrite / tScan);
    std::printf("read into tree %8.3f s  %zu nodes%s\n", tRead, tree.size(),
                load.ok() ? "" : ("  ERROR " + load.error).c_str());
    std::printf("tree memory    %zu bytes per node beyond %zu name bytes (%.1f per node)\n",
                tree.nodeBytes() / std::max<std::size_t>(1, tree.size()), tree.nameBytes(),
                static_cast<double>(tree.nameBytes()) / std::max<std::size_t>(1, tree.size()));
    std::filesystem::remove(contentFile);
    return load.ok() ? 0 : 1;
}
