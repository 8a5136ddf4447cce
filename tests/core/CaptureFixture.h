#pragma once

#include "TestSupport.h"
#include "platform/FileSystem.h"

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

} // namespace kartavel::test
