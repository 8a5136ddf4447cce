#include "OutlineScan.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kartavel::capture {

namespace {

#if defined(__SSE2__)
// The positions in the 16 bytes at `p` that hold `a` or `b`, one bit each.
unsigned maskOfEither(const char* p, __m128i a, __m128i b) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, a), _mm_cmpeq_epi8(v, b))));
}
#endif

} // namespace

const char* findLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        if (const unsigned mask = maskOfEither(p, cr, lf))
            return p + std::countr_zero(mask);
    }
#endif
    while (p < end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

bool containsEither(const char* p, const char* end, const char* readable, char a, char b) {
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(a), vb = _mm_set1_epi8(b);
    for (; p < end && readable - p >= 16; p += 16) {
        unsigned mask = maskOfEither(p, va, vb);
        if (end - p < 16)
            mask &= (1u << static_cast<unsigned>(end - p)) - 1;
        if (mask)
            return true;
    }
#else
    (void)readable;
#endif
    for (; p < end; ++p) {
        if (*p == a || *p == b)
            return true;
    }
    return false;
}

std::string invalidLevelMessage(std::size_t depth, std::string_view name) {
    return "Invalid level (" + std::to_string(depth) + ") for item \"" + std::string(name) + "\"";
}

void OutlineScanner::resume(std::size_t offset, std::size_t node,
                            std::span<const std::string_view> path) {
    offset_ = offset;
    path_.assign(path.begin(), path.end());
    // The first line of the file is the only one that is not checked.
    started_ = node > 0;
    node_ = node > 0 ? node - 1 : 0;
    failed_ = false;
}

} // namespace kartavel::capture
