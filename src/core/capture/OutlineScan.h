#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Sixteen bytes at a time where the processor has SSE2 (every x86-64 one); byte
// by byte elsewhere.
#if defined(__SSE2__) || defined(_M_X64)
#define KARTAVEL_SSE2 1
#include <emmintrin.h>
#endif

// Walking a content file's lines straight from its bytes, by the reader's rules,
// without building a tree: the search and the name index pass over every line
// this way and pay for a node's path only when they need it.
// The walk's steps are made once per line: they are put in line in the loops
// that take them, whatever the compiler would weigh.
#if defined(__GNUC__)
#define KARTAVEL_HOT_INLINE [[gnu::always_inline]] inline
#elif defined(_MSC_VER)
#define KARTAVEL_HOT_INLINE __forceinline
#else
#define KARTAVEL_HOT_INLINE inline
#endif

namespace kartavel::capture {

// A content file that begins with these bytes is UTF-8; any other is code page 1254.
inline constexpr std::string_view kContentFileBom = "\xEF\xBB\xBF";

namespace bytes {

#if defined(KARTAVEL_SSE2)
// The bytes among the 16 at `p` that equal a byte of `a` or of `b` (each one byte
// sixteen times), one bit each.
inline unsigned eitherMask16(const char* p, __m128i a, __m128i b) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, a), _mm_cmpeq_epi8(v, b))));
}
inline unsigned eitherMask16(const char* p, char a, char b) {
    return eitherMask16(p, _mm_set1_epi8(a), _mm_set1_epi8(b));
}
#endif

// The bytes among the `n` (at most 64) at `p` that equal `a` or `b`, one bit each.
inline std::uint64_t eitherMask(const char* p, std::size_t n, char a, char b) {
    std::uint64_t mask = 0;
    std::size_t i = 0;
#if defined(KARTAVEL_SSE2)
    for (; i + 16 <= n; i += 16)
        mask |= std::uint64_t{eitherMask16(p + i, a, b)} << i;
#endif
    for (; i < n; ++i)
        mask |= std::uint64_t{p[i] == a || p[i] == b} << i;
    return mask;
}

} // namespace bytes

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

    // For bytes that arrive piece by piece: the walk covers the first `size` bytes
    // from where `lines` began; unless `final`, more follow, and a line that may
    // not be whole yet waits for them.
    void extend(std::size_t size, bool final) {
        lines_ = std::string_view(lines_.data(), size);
        final_ = final;
        window_ = ~std::size_t{0};
    }

    // Goes on from the line that starts at `offset`, which is node `node`, the
    // names on the way down to the node before it being `path` (the top-level
    // node's first). The views must outlive the walk.
    void resume(std::size_t offset, std::size_t node, std::span<const std::string_view> path);

    // Moves to the next line. False at the end, or when that line is too deep
    // (failed() then tells so, and the line is no node).
    KARTAVEL_HOT_INLINE bool next() {
        const std::size_t size = lines_.size();
        if (offset_ >= size)
            return false;
        const std::size_t text = afterBlanks(offset_);
        const std::size_t lineEnd = lineEndFrom(text);
        if (!final_ && lineEnd + 1 >= size)
            return false; // its end, or the LF after its CR, is still to come
        const std::size_t depth = text - offset_;
        const std::string_view name(lines_.data() + text, lineEnd - text);
        std::size_t level = 0;
        if (started_) [[likely]] {
            if (depth > pathSize_) [[unlikely]] { // more than one level below the line before
                failedDepth_ = depth;
                failedName_ = name;
                failed_ = true;
                return false;
            }
            level = depth;
            ++node_;
        }
        started_ = true;
        if (level >= path_.size()) [[unlikely]]
            path_.resize(level + 1);
        path_[level] = name;
        pathSize_ = level + 1;
        lineOffset_ = offset_;
        if (lineEnd == size)
            offset_ = size;
        else if (lines_[lineEnd] == '\r' && lineEnd + 1 < size && lines_[lineEnd + 1] == '\n')
            offset_ = lineEnd + 2; // CR LF
        else
            offset_ = lineEnd + 1;
        return true;
    }

    // The nodes walked so far, those before a resumed walk's start included.
    std::size_t nodeCount() const { return started_ ? node_ + 1 : 0; }
    // The current node's index in the tree's top-to-bottom order.
    std::size_t node() const { return node_; }
    // Its level: the number of its ancestors.
    std::size_t level() const { return pathSize_ - 1; }
    // Its name as the file holds it.
    std::string_view name() const { return path_[pathSize_ - 1]; }
    // The names from its top-level ancestor down to itself.
    std::span<const std::string_view> path() const { return {path_.data(), pathSize_}; }
    // Where its line starts, and where the next one does.
    std::size_t lineOffset() const { return lineOffset_; }
    std::size_t nextOffset() const { return offset_; }
    // The bytes walked; what may be read around a name.
    std::string_view lines() const { return lines_; }

    bool failed() const { return failed_; }
    std::size_t failedDepth() const { return failedDepth_; }
    std::string_view failedName() const { return failedName_; }

private:
    // The line ends and the blanks of 64 bytes at a time are kept as two masks,
    // which serve the two or three lines they hold.
    KARTAVEL_HOT_INLINE void toWindowOf(std::size_t at) {
        if ((at & ~std::size_t{63}) != window_) [[unlikely]]
            loadWindow(at & ~std::size_t{63});
    }

    void loadWindow(std::size_t window) {
        window_ = window;
        const std::size_t n = std::min<std::size_t>(64, lines_.size() - window);
        const char* p = lines_.data() + window;
#if defined(KARTAVEL_SSE2)
        if (n == 64) {
            const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
            const __m128i tab = _mm_set1_epi8('\t'), space = _mm_set1_epi8(' ');
            ends_ = blanks_ = 0;
            for (unsigned i = 0; i < 64; i += 16) {
                ends_ |= std::uint64_t{bytes::eitherMask16(p + i, cr, lf)} << i;
                blanks_ |= std::uint64_t{bytes::eitherMask16(p + i, tab, space)} << i;
            }
            return;
        }
#endif
        ends_ = bytes::eitherMask(p, n, '\r', '\n');
        blanks_ = bytes::eitherMask(p, n, '\t', ' ');
    }

    // Where the TABs and spaces from `at` end.
    KARTAVEL_HOT_INLINE std::size_t afterBlanks(std::size_t at) {
        while (at < lines_.size()) {
            toWindowOf(at);
            // Past the end of the bytes nothing counts as a blank.
            if (const std::uint64_t other = ~blanks_ >> (at & 63))
                return std::min(lines_.size(),
                                at + static_cast<std::size_t>(std::countr_zero(other)));
            at = window_ + 64;
        }
        return lines_.size();
    }

    // The first CR or LF from `at`, or the end.
    KARTAVEL_HOT_INLINE std::size_t lineEndFrom(std::size_t at) {
        while (at < lines_.size()) {
            toWindowOf(at);
            if (const std::uint64_t ahead = ends_ >> (at & 63))
                return at + static_cast<std::size_t>(std::countr_zero(ahead));
            at = window_ + 64;
        }
        return lines_.size();
    }

    std::string_view lines_;
    std::size_t offset_ = 0, lineOffset_ = 0, node_ = 0;
    std::size_t pathSize_ = 0; // the names of path_ in use
    std::size_t window_ = ~std::size_t{0};
    std::uint64_t ends_ = 0, blanks_ = 0;
    bool started_ = false, failed_ = false, final_ = true;
    std::size_t failedDepth_ = 0;
    std::string_view failedName_;
    std::vector<std::string_view> path_;
};

} // namespace kartavel::capture
