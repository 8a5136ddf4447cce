#pragma once

#include "ContentFile.h"
#include "Progress.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kartavel::store {
class RecordTable;
}

// The content search: stored file and folder names tested against a search text,
// in one open archive or in every archive of the main window's current place.
namespace kartavel::capture {

struct NameIndexUse; // NameIndexCache.h

inline constexpr std::string_view kEmptySearchText = "Aranacak Kelimeyi girin.";

// The name test, with the search window's two check boxes.
class NameTest {
public:
    // wholeName: "Tam Kelime Ara"; caseSensitive: "Büyük Küçük Harf Ayır", which
    // counts only together with wholeName.
    NameTest(std::string_view text, bool wholeName, bool caseSensitive);

    // Whole name and case: the name equals the text byte for byte. Whole name
    // without case: their Turkish upper-casings are equal. Otherwise the text's
    // Turkish upper-casing occurs anywhere in the name's. A test is used by one
    // search at a time: it folds each name into a buffer of its own.
    bool matches(std::string_view name) const;

private:
    std::string text_;
    std::string folded_; // TurkishUpperCase of the text
    bool wholeName_, caseSensitive_;
    mutable std::string scratch_;
};

// The main window's place in the register: navigation level 0 to 4, current group
// and current sub-group.
struct SearchPlace {
    int level = 0;
    std::string currentGroup;
    std::string currentSubGroup;
};

// Whether a register record with group G and sub-group S belongs to the place:
// level 0 every record; 1 and 4 G equals the current group; 2 G and S equal the
// current group and sub-group; 3 G and S are both blank. Comparisons are exact.
bool Konum(std::string_view G, std::string_view S, int level, std::string_view currentGroup,
           std::string_view currentSubGroup);
bool Konum(std::string_view G, std::string_view S, const SearchPlace& place);

struct SearchRow {
    std::string archive; // ARSIV_ADI; empty in the active-archive search
    std::size_t node = 0;
    std::string name;
    std::string path; // the node's place on the medium (TracePath)
};

struct SearchResult {
    std::vector<SearchRow> rows;
    bool stopped = false;
    // An archive whose content file broke off while loading ("Invalid level ..."):
    // its archive name and the reader's message. What loaded was still searched.
    std::vector<std::pair<std::string, std::string>> loadErrors;
    // The text for the information box: the finish message, or kEmptySearchText
    // when the search text was empty and nothing was searched.
    std::string message;
};

// Called for every match as it is found, so a window can list rows during the search.
using MatchSink = std::function<void(const SearchRow&)>;

// "Arama Durduruldu." or "Arama tamamlandı.", followed by CR LF and "Aranan
// kelime bulunamadı..." when nothing matched.
std::string searchFinishMessage(bool stopped, bool anyMatch);

// The active archive: every node of `tree`, root included, in top-to-bottom order.
// `nodes` is told after each node; a stop request ends the search after it.
SearchResult searchActiveArchive(const ArchiveTree& tree, std::string_view text, bool wholeName,
                                 bool caseSensitive, Progress& nodes = noProgress(),
                                 const MatchSink& onMatch = {});

// The active-archive search over an archive's content file, straight from its
// bytes: the same rows, progress and messages as loading the file into a tree and
// searching that. A file that broke off or could not be read is searched as far as
// it was read, with the reader's message in loadErrors (archive name empty).
SearchResult searchArchiveFile(const std::filesystem::path& contentFile, std::string_view text,
                               bool wholeName, bool caseSensitive, Progress& nodes = noProgress(),
                               const MatchSink& onMatch = {});

// Every archive of the register in register order whose group and sub-group are
// at `place` (Konum) and whose content file exists: its nodes are searched as
// above, with the rows, order and node progress of loading its tree and searching
// that, but straight from the file's bytes, or through the file's name index
// (NameIndexCache.h) where that is fresh and helps. `archives` shows
// "<name> -> Hazırlanıyor..." before the file is read and "<name> -> Aranıyor..."
// before its nodes are reported, and is told after every record; a stop request
// from either progress ends the search. The register's current record is left
// where it was.
SearchResult searchAllArchives(const store::RecordTable& KayitOrj_T, const SearchPlace& place,
                               std::string_view text, bool wholeName, bool caseSensitive,
                               Progress& archives = noProgress(), Progress& nodes = noProgress(),
                               const MatchSink& onMatch = {});

// The same search with the name indexes used as `index` says.
SearchResult searchAllArchives(const store::RecordTable& KayitOrj_T, const SearchPlace& place,
                               std::string_view text, bool wholeName, bool caseSensitive,
                               Progress& archives, Progress& nodes, const MatchSink& onMatch,
                               const NameIndexUse& index);

} // namespace kartavel::capture
