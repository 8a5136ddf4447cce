#pragma once

#include "TestSupport.h"
#include "platform/FileSystem.h"

#include "capture/Progress.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kartavel::test {

// A relative UTF-8 path written with "/", in this system's form.
inline std::filesystem::path relativePath(std::string_view rel) {
    return platform::pathFromUtf8(rel).make_preferred();
}

// Makes each entry below `root`, with its parent folders: a path ending in "/" is a
// folder, any other an empty file.
inline void makeTree(const std::filesystem::path& root,
                     std::initializer_list<std::string_view> entries) {
    for (auto e : entries) {
        const auto p = root / relativePath(e);
        if (e.ends_with('/')) {
            std::filesystem::create_directories(p);
        } else {
            std::filesystem::create_directories(p.parent_path());
            writeFile(p, "");
        }
    }
}

// The folder as the scanner names it: a UTF-8 path without a trailing separator.
inline std::string scanRoot(const TempDir& dir) {
    return utf8(dir.path());
}

// A progress that records what it is told and asks to stop once `stopAt` steps are
// done (never when it is 0).
class ProgressRecorder : public capture::Progress {
public:
    explicit ProgressRecorder(std::size_t stopAt = 0) : stopAt_(stopAt) {}
    void begin(std::size_t total) override { totals.push_back(total); }
    bool step(std::size_t done) override {
        ++steps;
        dones.push_back(done);
        return stopAt_ != 0 && done >= stopAt_;
    }
    void statement(std::string_view text) override { statements.emplace_back(text); }
    std::vector<std::size_t> totals;
    std::size_t steps = 0;
    std::vector<std::size_t> dones; // every step's count, in order
    std::vector<std::string> statements;

private:
    std::size_t stopAt_;
};

} // namespace kartavel::test
