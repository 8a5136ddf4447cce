#pragma once

#include "TestSupport.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kartavel::test {

// Makes each entry below `root`, with its parent folders: a path ending in "/" is a
// folder, any other an empty file.
inline void makeTree(const std::filesystem::path& root,
                     std::initializer_list<std::string_view> entries) {
    for (auto e : entries) {
        const auto p = root / std::filesystem::path(std::string(e));
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
    return dir.path().string();
}

} // namespace kartavel::test
