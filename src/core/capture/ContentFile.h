#pragma once

#include "Progress.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The archive content file: the stored tree of one archive as an indented
// outline. Each line is TABs (the depth), one name and CR LF. The first line is
// the root at depth 0: a drive ("D:"), a UNC root ("\\server\share") or the POSIX
// root "/". A folder has a line only when a file lies somewhere below it.
//
// The file is code page 1254 without a byte-order mark when every name fits, as
// the catalogue has always written it; a name the code page cannot hold makes the
// whole file UTF-8 with a byte-order mark instead, so no scanned name is lost.
// A POSIX name that is not valid UTF-8 is kept byte for byte in such a file; it
// reads back as the same bytes, so the node path still opens the file.
namespace kartavel::capture {

// The file's bytes for a sorted list of full paths (PathOrder.h). Each path is
// split into its root and names; a line is written for each name from the first
// one that differs from the previous path's, and always for the last one (the
// file). Names lose their leading and trailing characters of code 32 or less, and
// a line end inside a name (possible on POSIX) becomes a space. The list's order
// is kept: an unsorted list can give a folder more than one line.
std::string contentFileText(const std::vector<std::string>& sortedPaths,
                            Progress& progress = noProgress());

// That text, and for each of its lines (each line is one node of the loaded tree)
// the index of the path whose file it is, or kNoFile for the root and the folders.
inline constexpr std::uint32_t kNoFile = 0xFFFFFFFF;
struct ContentText {
    std::string bytes;
    std::vector<std::uint32_t> fileOfNode;
};
ContentText contentFileLines(const std::vector<std::string>& sortedPaths,
                             Progress& progress = noProgress());

// Writes that text as `file`, replacing it atomically. Throws platform::WriteError.
// Progress goes per path; writing cannot be stopped halfway.
void writeContentFile(const std::filesystem::path& file,
                      const std::vector<std::string>& sortedPaths,
                      Progress& progress = noProgress());

enum class NodeKind { Root, Folder, File };

// A node's place on the medium from the UTF-8 names on the way down to it, its
// top-level ancestor's (the root's) first: joined with the root's separator ("/"
// below the POSIX root, "\" below a drive or a UNC root), never doubled.
std::string nodePath(std::span<const std::string_view> names);

// A loaded content file: a flat array of nodes in the outline's top-to-bottom
// (pre-order) order, each node's subtree directly after it. Node index 0 is the
// archive root; later lines at depth 0 make further top-level nodes.
class ArchiveTree {
public:
    static constexpr std::int32_t kNone = -1;

    std::size_t size() const { return nodes_.size(); }
    bool empty() const { return nodes_.empty(); }

    std::string_view name(std::size_t node) const {
        return std::string_view(names_).substr(nodes_[node].nameOffset, nodes_[node].nameLength);
    }
    // The parent's index, or kNone for a top-level node.
    std::int32_t parent(std::size_t node) const { return nodes_[node].parent; }
    // One past the last node of the node's subtree: its next sibling, when it has one.
    std::size_t subtreeEnd(std::size_t node) const { return nodes_[node].end; }
    // Its place among its parent's children (or among the top-level nodes).
    std::size_t row(std::size_t node) const { return nodes_[node].row; }
    bool hasChildren(std::size_t node) const { return subtreeEnd(node) > node + 1; }
    // The number of its ancestors.
    std::size_t level(std::size_t node) const;
    // The first node is the root; any other node with a child is a folder, and
    // without one a file.
    NodeKind kind(std::size_t node) const;

    // The children of `node` in order, or the top-level nodes for kNone.
    std::vector<std::size_t> children(std::int32_t node) const;

    // The node's place on the medium (nodePath of its ancestors' names and its own).
    std::string TracePath(std::size_t node) const;

    // Bytes held: the node array and the name bytes.
    std::size_t nodeBytes() const { return nodes_.capacity() * sizeof(Node); }
    std::size_t nameBytes() const { return names_.capacity(); }

private:
    friend class TreeBuilder;

    struct Node {
        std::uint64_t nameOffset;
        std::uint32_t nameLength;
        std::int32_t parent;
        std::uint32_t end;
        std::uint32_t row;
    };

    std::vector<Node> nodes_;
    std::string names_; // every name, UTF-8, one after another
};

// The most nodes a loaded tree holds, and the most bytes of one name.
inline constexpr std::size_t kMaxArchiveNodes = 0x7fffffff;
inline constexpr std::string_view kArchiveTooLarge =
    "Arşiv dosyası çok büyük: yalnız bir bölümü okundu...";

struct TreeLoad {
    ArchiveTree tree;
    // Empty on success; otherwise the tree holds what was read before the failure.
    std::string error;
    bool ok() const { return error.empty(); }
};

// Reads a content file's bytes in one pass. Lines end at CR LF, CR or LF; a line's
// depth is its leading TABs and spaces. The first line is a top-level node
// whatever its depth; a later line may be at most one level deeper than the one
// before it, else the load ends with "Invalid level (%d) for item "%s"".
// Progress goes per line; loading cannot be stopped halfway.
// A file of more nodes than `maxNodes` (never more than kMaxArchiveNodes) ends
// with kArchiveTooLarge after the first of them.
TreeLoad parseContentFile(std::string_view bytes, Progress& progress = noProgress(),
                          std::size_t maxNodes = kMaxArchiveNodes);

// Reads the file and parses it. A file that cannot be read gives an empty tree and
// the platform's read error.
TreeLoad loadContentFile(const std::filesystem::path& file, Progress& progress = noProgress());

} // namespace kartavel::capture
