#pragma once

#include "ContentSearch.h"
#include "OutlineScan.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The content search straight over a content file's bytes: the names are tested
// in the file's own form, so a name costs no decoding and no copy, and only a
// match pays for its path.
namespace kartavel::capture {

// A place of a folded search text whose byte a raw name must hold for the text to
// match there, in one of at most two forms (the bytes that fold to it).
struct FilterByte {
    std::size_t at = 0;
    char a = 0, b = 0;
    int score = 0; // how common its forms are in names
};

// The name test (NameTest) for the names of one content file form: code page 1254
// bytes or UTF-8. A code page file is folded byte by byte through a table, and
// only names that hold a byte the match needs are folded at all. A search text
// that the code page cannot hold is tested on each decoded name instead.
class FileNameTest {
public:
    FileNameTest(std::string_view text, bool wholeName, bool caseSensitive, bool utf8File);

    // `name` as the file holds it; the bytes up to `readable` may be read.
    bool matches(std::string_view name, const char* readable) const;

    // The search text folded as this form's names are, in this form's bytes; nothing
    // when names are decoded before the test.
    const std::optional<std::string>& foldedText() const { return folded_; }

    // Whether matches can be looked for by place in the whole bytes before their
    // lines are walked (placesOf): a part of a name in a code page file.
    bool testsPlaces() const { return mode_ == Mode::FoldedFind && filter_; }
    // The places from `from` in `bytes` where the text may start, in order; every
    // match starts at one of them.
    void placesOf(std::string_view bytes, std::size_t from, std::vector<std::size_t>& places) const;
    bool wholeName() const { return wholeName_; }
    bool utf8() const { return utf8_; }

private:
    enum class Mode { Exact, FoldedEqual, FoldedFind, Utf8Rule, Decoded };

    NameTest rule_; // the test on UTF-8 names
    Mode mode_;
    bool wholeName_, utf8_;
    std::string exact_; // Exact: the text in this form's bytes
    std::optional<std::string> folded_;
    // A name can only match when it holds the first filter byte, and in a code
    // page file also the second at its distance from the first. A UTF-8 name may
    // hold it anywhere, as its folding can change the lengths before it.
    bool filter_ = false, pair_ = false;
    FilterByte first_, second_, anywhere_;
    mutable std::string scratch_;
};

// What a walk over an archive's lines found.
struct ArchiveHits {
    std::size_t nodes = 0; // the nodes the reader loads
    std::string error;     // the reader's message when the file broke off, else empty
    std::vector<SearchRow> rows;
};

// Tests the next `count` nodes of the walk (fewer at its end), appending a row
// named after `archive` for each match, with its UTF-8 name and its path.
void scanNames(OutlineScanner& lines, const FileNameTest& test, std::string_view archive,
               std::size_t count, std::vector<SearchRow>& rows);

// The walk's failure as the reader reports it, in UTF-8; empty when it did not fail.
std::string walkError(const OutlineScanner& lines, bool utf8File);

// Every node of a content file's bytes (with its byte-order mark, if any), tested
// with the test for the file's form: `test(true)` for a UTF-8 file, `test(false)`
// for a code page one.
template <typename TestOfForm>
ArchiveHits scanContentFile(std::string_view bytes, TestOfForm&& test, std::string_view archive) {
    const bool utf8 = bytes.starts_with(kContentFileBom);
    if (utf8)
        bytes.remove_prefix(kContentFileBom.size());
    ArchiveHits hits;
    OutlineScanner lines(bytes);
    scanNames(lines, test(utf8), archive, ~std::size_t{0}, hits.rows);
    hits.nodes = lines.nodeCount();
    hits.error = walkError(lines, utf8);
    return hits;
}

ArchiveHits scanContentFile(std::string_view bytes, std::string_view text, bool wholeName,
                            bool caseSensitive, std::string_view archive);

} // namespace kartavel::capture
