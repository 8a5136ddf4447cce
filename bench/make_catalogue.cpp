// Makes a data folder for the search benchmarks: a register of ARCHIVES archives
// and their content files, each made from its own synthetic disc tree (another
// seed each) and holding LINES stored names.
//   make_catalogue DATADIR ARCHIVES LINES
// DATADIR must not exist yet.
#include "SyntheticTree.h"

#include "capture/ContentFile.h"
#include "platform/DataFolder.h"
#include "store/Catalogue.h"
#include "store/CatalogueSchemas.h"
#include "store/RecordTable.h"
#include "store/TableFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

using namespace kartavel;

namespace {

std::size_t lineCount(const std::string& bytes) {
    std::size_t n = 0;
    for (const char c : bytes)
        n += c == '\n' ? 1u : 0u;
    return n;
}

// The paths of a disc whose content file holds `lines` lines, or as few fewer as
// a whole path allows. The tree gives each folder's paths together, as sorting
// does, so the outline has one line per folder.
std::vector<std::string> discPaths(unsigned seed, std::size_t lines) {
    std::vector<std::string> paths;
    bench::SyntheticTree(seed).generate(lines, [&](const std::string& rel, bool folder) {
        if (!folder)
            paths.push_back("/media/disc/" + rel);
    });
    // The longest run of paths from the first that stays within the lines.
    std::size_t low = 0, high = paths.size();
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        const std::vector<std::string> head(paths.begin(),
                                            paths.begin() + static_cast<std::ptrdiff_t>(mid));
        if (lineCount(capture::contentFileText(head)) <= lines)
            low = mid;
        else
            high = mid - 1;
    }
    paths.resize(low);
    return paths;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: make_catalogue DATADIR ARCHIVES LINES\n");
        return 2;
    }
    const std::filesystem::path data = argv[1];
    const std::size_t archives = std::stoul(argv[2]);
    const std::size_t lines = std::stoul(argv[3]);
    if (std::filesystem::exists(data)) {
        std::fprintf(stderr, "%s exists; remove it first\n", data.c_str());
        return 2;
    }
    std::filesystem::create_directories(data);
    platform::setDataFolder(data);

    store::RecordTable reg(store::schemas::KayitOrj_T());
    reg.open();
    std::size_t total = 0, bytes = 0;
    for (std::size_t a = 1; a <= archives; ++a) {
        char name[32];
        std::snprintf(name, sizeof name, "Disk %03zu", a);
        const auto paths = discPaths(static_cast<unsigned>(a), lines);
        const std::string text = capture::contentFileText(paths);
        total += lineCount(text);
        bytes += text.size();
        capture::writeContentFile(data / (std::string(name) + ".ADS"), paths);
        reg.append();
        reg.setString(store::columns::ARSIV_ADI, name);
        reg.post();
    }
    store::RxMemorySaveToFile(reg, store::Catalogue::registerPath());
    std::printf("%zu archives, %zu stored names, %zu bytes of content files in %s\n", archives,
                total, bytes, data.c_str());
    return 0;
}
