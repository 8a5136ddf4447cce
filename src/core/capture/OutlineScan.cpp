#include "OutlineScan.h"

namespace kartavel::capture {

std::string invalidLevelMessage(std::size_t depth, std::string_view name) {
    return "Invalid level (" + std::to_string(depth) + ") for item \"" + std::string(name) + "\"";
}

void OutlineScanner::resume(std::size_t offset, std::size_t node,
                            std::span<const std::string_view> path) {
    offset_ = offset;
    path_.assign(path.begin(), path.end());
    pathSize_ = path.size();
    // The first line of the file is the only one that is not checked.
    started_ = node > 0;
    node_ = node > 0 ? node - 1 : 0;
    failed_ = false;
    window_ = ~std::size_t{0};
}

} // namespace kartavel::capture
