#pragma once

#include "Cli.h"
#include "TestSupport.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kartavel::test {

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

// The command-line program run in this process on the data folder, so that the
// file seams of this process reach it.
inline CliRun runCliHere(const std::filesystem::path& data, std::vector<std::string> args,
                         const std::string& input = {}) {
    std::ostringstream out, err;
    std::istringstream in(input);
    cli::Cli c({out, err, in, false, false});
    args.insert(args.begin(), {"--data", utf8(data)});
    const int code = c.run(args);
    return {code, out.str(), err.str()};
}

// Every file below the folder, by its path relative to it, with its bytes ("<dir>"
// for a folder).
inline std::map<std::string, std::string> treeOf(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string rel = utf8(e.path().lexically_relative(folder));
        files[rel] = e.is_directory()      ? "<dir>"
                     : e.is_regular_file() ? readFile(e.path())
                                           : "<other>";
    }
    return files;
}

// Fails one file of the data folder while it lives: its reads (as without read
// permission, or on a failing disk; the tests may run with every permission), or
// one step of each of its replacements.
class FileFault {
public:
    explicit FileFault(std::string fileName) {
        platform::setReadFault(
            [fileName](const std::filesystem::path& p) { return utf8(p.filename()) == fileName; });
    }
    FileFault(platform::WriteStep step, std::string fileName) {
        platform::setWriteFault(
            [step, fileName](platform::WriteStep s, const std::filesystem::path& p) {
                return s == step && utf8(p.filename()) == fileName;
            });
    }
    ~FileFault() {
        platform::setReadFault({});
        platform::setWriteFault({});
    }
    FileFault(const FileFault&) = delete;
    FileFault& operator=(const FileFault&) = delete;
};

} // namespace kartavel::test
