// The details file of an archive: registering a folder with its details, the
// details file's size per node, and the time and memory of loading the details of
// its tree. Each time is the best of five warm runs.
//   bench_details DIR [WORKDIR=/tmp]
#include "capture/ArchiveDetails.h"
#include "capture/ArchiveName.h"
#include "capture/ArsivAktar.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

using namespace kartavel;
using Clock = std::chrono::steady_clock;

namespace {

double bestOfFive(const std::function<void()>& run) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto t0 = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_details DIR [WORKDIR]\n");
        return 2;
    }
    const std::string dir = argv[1];
    const std::filesystem::path data =
        std::filesystem::path(argc > 2 ? argv[2] : "/tmp") / "kartavel-bench-details";
    std::filesystem::remove_all(data);
    std::filesystem::create_directories(data);
    platform::setDataFolder(data);

    const auto t0 = Clock::now();
    const auto written =
        capture::ArsivAktar(dir, "Ayrinti", capture::noProgress(), capture::noProgress());
    const double tRegister = std::chrono::duration<double>(Clock::now() - t0).count();
    if (!written.written)
        return 1;
    const auto contentFile = *capture::contentFilePath("Ayrinti");
    const auto detailsFile = *capture::detailsFilePath("Ayrinti");

    std::string content, details;
    platform::readRegularFile(contentFile, content);
    const auto load = capture::parseContentFile(content);
    const auto& tree = load.tree;
    std::optional<capture::ArchiveDetails> d;
    // What the details add to a load: reading their file, checking its hashes and
    // the content file's, copying the entries and summing the folders.
    const double tDetails = bestOfFive([&] {
        details.clear();
        platform::readRegularFile(detailsFile, details);
        d = capture::parseDetailsFile(details, content, tree);
    });
    const double tTree = bestOfFive([&] { (void)capture::loadContentFile(contentFile); });
    const double tBoth = bestOfFive([&] { (void)capture::loadArchive(contentFile); });
    if (!d)
        return 1;
    const std::size_t n = std::max<std::size_t>(1, tree.size());
    const auto size = std::filesystem::file_size(detailsFile);
    const auto factsAndHeader = capture::detailsFileBytes({}, d->facts(), {}, {}).size();
    std::printf("tree %s: %zu files, %zu nodes\n", dir.c_str(), written.files, tree.size());
    std::printf("scan, content and details files   %8.3f s\n", tRegister);
    std::printf("details file     %ju bytes: %zu header and facts + %.2f bytes per node\n",
                static_cast<std::uintmax_t>(size), factsAndHeader,
                static_cast<double>(size - factsAndHeader) / static_cast<double>(n));
    std::printf("load the details %8.4f s  (%.1f ms per 500,000 nodes)\n", tDetails,
                tDetails * 1000 * 500000 / static_cast<double>(n));
    std::printf("details memory   %.2f bytes per node\n",
                static_cast<double>(d->heldBytes()) / static_cast<double>(n));
    std::printf("load the tree    %8.4f s;  tree and details %8.4f s\n", tTree, tBoth);
    std::filesystem::remove_all(data);
    return 0;
}
