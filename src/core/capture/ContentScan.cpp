#include "ContentScan.h"

#include "text/Cp1254.h"
#include "text/TurkishUpperCase.h"

#include <array>
#include <bit>
#include <limits>

namespace kartavel::capture {

namespace {

// How often a byte turns up in file names, roughly: the filter takes the rarest
// byte of the text, so that most names are passed over without being folded.
int commonness(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return std::string_view("aeinorstl").find(static_cast<char>(c)) != std::string_view::npos
                   ? 9
                   : 6;
    if (c >= '0' && c <= '9')
        return 5;
    if (c >= 'A' && c <= 'Z')
        return 3;
    switch (c) {
    case '.':
        return 8;
    case ' ':
        return 6;
    case '_':
    case '-':
        return 3;
    default:
        return c >= 0x80 ? 2 : 1;
    }
}

// The places of `folded` that can filter names, rarest first. In a UTF-8 file only
// ASCII bytes that no other character folds to qualify.
std::vector<FilterByte> filterChoices(std::string_view folded, bool utf8) {
    const auto& fold = text::cp1254TurkishUpperCase();
    std::vector<FilterByte> choices;
    for (std::size_t at = 0; at < folded.size(); ++at) {
        const auto c = static_cast<unsigned char>(folded[at]);
        if (utf8 && c >= 0x80)
            continue;
        std::array<unsigned char, 2> forms{};
        std::size_t n = 0;
        bool usable = true;
        for (unsigned x = 0; x < 256 && usable; ++x) {
            if (fold[x] != c)
                continue;
            usable = n < forms.size() && !(utf8 && x >= 0x80);
            if (usable)
                forms[n++] = static_cast<unsigned char>(x);
        }
        if (usable && n > 0)
            choices.push_back({at, static_cast<char>(forms[0]), static_cast<char>(forms[n - 1]),
                               commonness(forms[0]) + (n > 1 ? commonness(forms[1]) : 0)});
    }
    std::stable_sort(choices.begin(), choices.end(),
                     [](const FilterByte& x, const FilterByte& y) { return x.score < y.score; });
    return choices;
}

// True when some start among the `starts` from `p` has the first filter byte at
// its place and the second at its own (the same one twice tests one byte). Bytes
// up to `readable` may be read, so a short name is tested sixteen starts at once.
bool holdsPair(const char* p, std::size_t starts, const char* readable, const FilterByte& x,
               const FilterByte& y) {
#if defined(KARTAVEL_SSE2)
    const std::size_t reach = std::max(x.at, y.at) + 16;
    for (; starts > 0 && static_cast<std::size_t>(readable - p) >= reach; p += 16) {
        const unsigned both =
            bytes::eitherMask16(p + x.at, x.a, x.b) & bytes::eitherMask16(p + y.at, y.a, y.b);
        if (starts < 16)
            return (both & ((1u << starts) - 1)) != 0;
        if (both)
            return true;
        starts -= 16;
    }
#else
    (void)readable;
#endif
    for (; starts > 0; --starts, ++p) {
        if ((p[x.at] == x.a || p[x.at] == x.b) && (p[y.at] == y.a || p[y.at] == y.b))
            return true;
    }
    return false;
}

std::string foldCp1254(std::string_view bytes) {
    const auto& fold = text::cp1254TurkishUpperCase();
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>(fold[static_cast<unsigned char>(c)]);
    return out;
}

} // namespace

FileNameTest::FileNameTest(std::string_view text, bool wholeName, bool caseSensitive, bool utf8File)
    : rule_(text, wholeName, caseSensitive), mode_(Mode::Utf8Rule), wholeName_(wholeName),
      utf8_(utf8File) {
    const bool exact = wholeName && caseSensitive;
    if (utf8File) {
        folded_ = text::TurkishUpperCase(text);
        mode_ = exact ? Mode::Exact : Mode::Utf8Rule;
        exact_ = std::string(text);
    } else if (auto encoded = text::encodeCp1254(text)) {
        folded_ = foldCp1254(*encoded);
        mode_ = exact ? Mode::Exact : wholeName ? Mode::FoldedEqual : Mode::FoldedFind;
        exact_ = std::move(*encoded);
    } else {
        mode_ = Mode::Decoded;
    }
    if (folded_) {
        const auto choices = filterChoices(*folded_, utf8File);
        filter_ = !choices.empty();
        if (filter_) {
            first_ = choices[0];
            anywhere_ = first_;
            anywhere_.at = 0;
        }
        // A code page name folds byte for byte, so two bytes can be tested at
        // their distance in the text.
        pair_ = mode_ == Mode::FoldedFind && choices.size() > 1;
        if (pair_)
            second_ = choices[1];
    }
}

bool FileNameTest::matches(std::string_view name, const char* readable) const {
    switch (mode_) {
    case Mode::Exact:
        return name == exact_;
    case Mode::FoldedEqual: {
        if (name.size() != folded_->size())
            return false;
        const auto& fold = text::cp1254TurkishUpperCase();
        for (std::size_t i = 0; i < name.size(); ++i) {
            if (fold[static_cast<unsigned char>(name[i])] !=
                static_cast<unsigned char>((*folded_)[i]))
                return false;
        }
        return true;
    }
    case Mode::FoldedFind: {
        if (name.size() < folded_->size())
            return false;
        const std::size_t starts = name.size() - folded_->size() + 1;
        if (pair_ ? !holdsPair(name.data(), starts, readable, first_, second_)
                  : filter_ && !holdsPair(name.data(), starts, readable, first_, first_))
            return false;
        const auto& fold = text::cp1254TurkishUpperCase();
        scratch_.resize(name.size());
        for (std::size_t i = 0; i < name.size(); ++i)
            scratch_[i] = static_cast<char>(fold[static_cast<unsigned char>(name[i])]);
        return scratch_.find(*folded_) != std::string::npos;
    }
    case Mode::Utf8Rule:
        if (filter_ && !holdsPair(name.data(), name.size(), readable, anywhere_, anywhere_))
            return false;
        return rule_.matches(name);
    case Mode::Decoded:
        return rule_.matches(text::decodeCp1254(name));
    }
    return false;
}

void FileNameTest::placesOf(std::string_view bytes, std::size_t from,
                            std::vector<std::size_t>& places) const {
    places.clear();
    if (bytes.size() < folded_->size())
        return;
    const FilterByte& x = first_;
    const FilterByte& y = pair_ ? second_ : first_;
    const std::size_t end = bytes.size() - folded_->size() + 1; // one past the last start
    std::size_t p = from;
#if defined(KARTAVEL_SSE2)
    // Sixty-four starts a step while all their bytes can be read, then sixteen.
    const char* const d = bytes.data();
    const std::size_t reach = std::max(x.at, y.at) + 16;
    const __m128i xa = _mm_set1_epi8(x.a), xb = _mm_set1_epi8(x.b);
    const __m128i ya = _mm_set1_epi8(y.a), yb = _mm_set1_epi8(y.b);
    const auto starts16 = [&](std::size_t at) {
        const unsigned first = bytes::eitherMask16(d + at + x.at, xa, xb);
        return pair_ ? first & bytes::eitherMask16(d + at + y.at, ya, yb) : first;
    };
    const auto give = [&](std::size_t at, std::uint64_t mask) {
        for (; mask; mask &= mask - 1)
            places.push_back(at + static_cast<std::size_t>(std::countr_zero(mask)));
    };
    for (; p + 64 <= end && bytes.size() - p >= reach + 48; p += 64) {
        std::uint64_t mask = 0;
        for (unsigned k = 0; k < 64; k += 16)
            mask |= std::uint64_t{starts16(p + k)} << k;
        give(p, mask);
    }
    for (; p < end && bytes.size() - p >= reach; p += 16) {
        unsigned mask = starts16(p);
        if (end - p < 16)
            mask &= (1u << (end - p)) - 1;
        give(p, mask);
    }
#endif
    for (; p < end; ++p) {
        const char* q = bytes.data() + p;
        if ((q[x.at] == x.a || q[x.at] == x.b) && (q[y.at] == y.a || q[y.at] == y.b))
            places.push_back(p);
    }
}

void scanNames(OutlineScanner& lines, const FileNameTest& test, std::string_view archive,
               std::size_t count, std::vector<SearchRow>& rows) {
    const std::string_view all = lines.lines();
    const char* const readable = all.data() + all.size();
    // Where the text can start, found in the whole bytes at once: most lines are
    // then passed over without a look at their names.
    const bool byPlace = test.testsPlaces();
    std::vector<std::size_t> places;
    if (byPlace)
        test.placesOf(all, lines.nextOffset(), places);
    places.push_back(~std::size_t{0}); // after the last place: none
    const std::size_t textSize = byPlace ? test.foldedText()->size() : 0;
    const std::size_t* place = places.data();
    std::vector<std::string_view> decodedFrom; // the raw names `decoded` holds
    std::vector<std::string> decoded;
    std::vector<std::string_view> path;
    for (std::size_t n = 0; n < count && lines.next(); ++n) {
        if (byPlace) {
            const std::string_view name = lines.name();
            const auto start = static_cast<std::size_t>(name.data() - all.data());
            while (*place < start)
                ++place;
            if (name.size() < textSize || *place > start + name.size() - textSize)
                continue;
        }
        if (!test.matches(lines.name(), readable))
            continue;
        SearchRow row;
        row.archive = std::string(archive);
        row.node = lines.node();
        if (test.utf8()) {
            row.name = std::string(lines.name());
            row.path = nodePath(lines.path());
        } else {
            // Matches in one folder share their way down: a name is decoded once
            // for as long as the same line stands at its level.
            const auto raw = lines.path();
            decodedFrom.resize(raw.size());
            decoded.resize(raw.size());
            path.resize(raw.size());
            for (std::size_t level = 0; level < raw.size(); ++level) {
                if (decodedFrom[level].data() != raw[level].data() ||
                    decodedFrom[level].size() != raw[level].size()) {
                    decodedFrom[level] = raw[level];
                    decoded[level] = text::decodeCp1254(raw[level]);
                }
                path[level] = decoded[level];
            }
            row.name = decoded.back();
            row.path = nodePath(path);
        }
        rows.push_back(std::move(row));
    }
}

std::string walkError(const OutlineScanner& lines, bool utf8File) {
    if (!lines.failed())
        return {};
    return invalidLevelMessage(lines.failedDepth(), utf8File
                                                        ? std::string(lines.failedName())
                                                        : text::decodeCp1254(lines.failedName()));
}

ArchiveHits scanContentFile(std::string_view bytes, std::string_view text, bool wholeName,
                            bool caseSensitive, std::string_view archive) {
    return scanContentFile(
        bytes, [&](bool utf8) { return FileNameTest(text, wholeName, caseSensitive, utf8); },
        archive);
}

} // namespace kartavel::capture
