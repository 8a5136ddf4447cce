#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Walking a content file's lines straight from its bytes, by the reader's rules,
// without building a tree: the search and the name index pass over every line
// this way and pay for a node's path only when they need it.
namespace kartavel::capture {

// A content file that begins with these bytes is UTF-8; any other is code page 1254.
inline constexpr std::string_view kContentFileBom = "\xEF\xBB\xBF";

// The first CR or LF at or after `p`, or `end` when there is none.
const char* findLineEnd(const char* p, const char* end);

// True when [p, end) holds the byte `a` or the byte `b`. The bytes up to
// `readable` (at least `end`) may be read, which lets short texts be tested a
// whole block of bytes at a time.
bool containsEither(const char* p, const char* end, const char* readable, char a, char b);

// The reader's message for a line that is too deep: Invalid level (3) for item "x".
std::string invalidLevelMessage(std::size_t depth, std::string_view name);

// The lines of a content file (its bytes after any byte-order mark), one node each.
// Lines end at CR LF, CR or LF; a line's depth is its leading TABs and spaces. The
// first line is a top-level node whatever its depth; a later line takes the level
// equal to its depth, and one more than a level deeper than the line before it
// ends the walk.
class OutlineScanner {
public:
    explicit OutlineScanner(std::string_view lines) : lines_(lines) {}

    // Goes on from the line that starts at `offset`, which is node `node`, the
    // names on the way down to the node before it being `path` (the top-level
    // node's first). The views must outlive the walk.
    void resume(std::size_t offset, std::size_t node, std::span<const std::string_view> path);

    // Moves to the next line. False at the end, or when that line is too deep
    // (failed() then tells so, and the line is no node).
    bool next() {
        const char* const end = lines_.data() + lines_.size();
        const char* p = lines_.data() + offset_;
        if (p >= end)
            return false;
        const char* text = p;
        while (text < end && (*text == '\t' || *text == ' '))
            ++text;
        const char* lineEnd = findLineEnd(text, end);
        const auto depth = static_cast<std::size_t>(text - p);
        const std::string_view name(text, static_cast<std::size_t>(lineEnd - text));
        std::size_t level = 0;
        if (started_) {
            if (depth > path_.size()) { // more than one level below the line before
                failedDepth_ = depth;
                failedName_ = name;
                failed_ = true;
                return false;
            }
            level = depth;
            ++node_;
        }
        started_ = true;
        path_.resize(level);
        path_.push_back(name);
        lineOffset_ = offset_;
        if (lineEnd < end && *lineEnd++ == '\r' && lineEnd < end && *lineEnd == '\n')
            ++lineEnd; // CR LF
        offset_ = static_cast<std::size_t>(lineEnd - lines_.data());
        return true;
    }

    // The nodes walked so far, those before a resumed walk's start included.
    std::size_t nodeCount() const { return started_ ? node_ + 1 : 0; }
    // The current node's index in the tree's top-to-bottom order.
    std::size_t node() const { return node_; }
    // Its level: the number of its ancestors.
    std::size_t level() const { return path_.size() - 1; }
    // Its name as the file holds it.
    std::string_view name() const { return path_.back(); }
    // The names from its top-level ancestor down to itself.
    std::span<const std::string_view> path() const { return path_; }
    // Where its line starts, and where the next one does.
    std::size_t lineOffset() const { return lineOffset_; }
    std::size_t nextOffset() const { return offset_; }
    // The bytes walked; what may be read around a name.
    std::string_view lines() const { return lines_; }

    bool failed() const { return failed_; }
    std::size_t failedDepth() const { return failedDepth_; }
    std::string_view failedName() const { return failedName_; }

private:
    std::string_view lines_;
    std::size_t offset_ = 0, lineOffset_ = 0, node_ = 0;
    bool started_ = false, failed_ = false;
    std::size_t failedDepth_ = 0;
    std::string_view failedName_;
    std::vector<std::string_view> path_;
};

} // namespace kartavel::capture
