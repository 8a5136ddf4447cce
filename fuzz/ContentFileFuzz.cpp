// The archive content file reader, code page 1254 and UTF-8 with a byte-order mark.
#include "FuzzSupport.h"

#include "capture/ContentFile.h"

#include <vector>

using namespace kartavel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto load = capture::parseContentFile(fuzz::bytesOf(data, size));
    const auto& tree = load.tree;

    // The outline's shape: each subtree right after its node, inside its parent's.
    std::vector<std::size_t> level(tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const std::int32_t p = tree.parent(i);
        fuzz::check(tree.subtreeEnd(i) > i && tree.subtreeEnd(i) <= tree.size(),
                    "a subtree follows its node");
        if (p == capture::ArchiveTree::kNone) {
            fuzz::check(i == 0 || tree.subtreeEnd(i - 1) == i, "a top-level node ends the last");
            level[i] = 0;
        } else {
            const auto parent = static_cast<std::size_t>(p);
            fuzz::check(parent < i && tree.subtreeEnd(i) <= tree.subtreeEnd(parent),
                        "a node lies inside its parent's subtree");
            level[i] = level[parent] + 1;
        }
        // Asking each node for its depth and path walks up the tree: a few are enough.
        if (i < 64) {
            fuzz::check(tree.level(i) == level[i], "a node's level counts its ancestors");
            (void)tree.TracePath(i);
            (void)tree.kind(i);
        }
    }
    // Rows number the children of the top level and of the root.
    for (const std::int32_t node : {capture::ArchiveTree::kNone, std::int32_t{0}}) {
        if (node == 0 && tree.empty())
            break;
        const auto children = tree.children(node);
        for (std::size_t r = 0; r < children.size(); ++r)
            fuzz::check(tree.row(children[r]) == r && tree.parent(children[r]) == node,
                        "children in order of their rows");
    }
    return 0;
}
