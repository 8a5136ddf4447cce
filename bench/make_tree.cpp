// Makes the synthetic disc tree the capture benchmarks run on.
//   make_tree DIR [FILES=500000] [SEED=1]
// DIR must not exist yet. Files are empty: the scan reads names, not contents.
#include "SyntheticTree.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_tree DIR [FILES] [SEED]\n");
        return 2;
    }
    const std::string top = argv[1];
    const std::size_t files = argc > 2 ? std::stoul(argv[2]) : 500000;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::stoul(argv[3])) : 1;
    if (std::filesystem::exists(top)) {
        std::fprintf(stderr, "%s exists; remove it first\n", top.c_str());
        return 2;
    }
    std::filesystem::create_directories(top);

    std::size_t made = 0, folders = 0;
    bool failed = false;
    kartavel::bench::SyntheticTree(seed).generate(files, [&](const std::string& rel, bool folder) {
        const std::string path = top + "/" + rel;
        if (folder) {
            failed |= ::mkdir(path.c_str(), 0755) != 0;
            ++folders;
            return;
        }
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        failed |= fd < 0;
        if (fd >= 0)
            ::close(fd);
        ++made;
    });
    std::printf("%zu files in %zu folders under %s\n", made, folders, top.c_str());
    return failed ? 1 : 0;
}
