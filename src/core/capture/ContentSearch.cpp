#include "ContentSearch.h"

#include "ArchiveName.h"
#include "ContentScan.h"
#include "NameIndexCache.h"
#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "store/RecordTable.h"
#include "text/TurkishUpperCase.h"

namespace kartavel::capture {

namespace {

// Blanks, as the register's texts are trimmed: every character of code 32 or less.
bool isBlank(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) > 32)
            return false;
    }
    return true;
}

// Tests every node of one tree; true when a stop was requested.
bool searchTree(const ArchiveTree& tree, const NameTest& test, std::string_view archive,
                Progress& nodes, const MatchSink& onMatch, SearchResult& result) {
    nodes.begin(tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (test.matches(tree.name(i))) {
            result.rows.push_back(
                {std::string(archive), i, std::string(tree.name(i)), tree.TracePath(i)});
            if (onMatch)
                onMatch(result.rows.back());
        }
        if (nodes.step(i + 1))
            return true;
    }
    return false;
}

// Reports an archive's matches as searching its tree node by node does: the
// progress told after every node, each row given before the step of its node,
// and a stop request honoured after the node it came with. True on a stop.
bool report(ArchiveHits& hits, Progress& nodes, const MatchSink& onMatch, SearchResult& result) {
    nodes.begin(hits.nodes);
    const auto give = [&](SearchRow& row) {
        result.rows.push_back(std::move(row));
        if (onMatch)
            onMatch(result.rows.back());
    };
    // Nobody listens to the silent progress, and it never stops.
    if (&nodes == &noProgress()) {
        for (auto& row : hits.rows)
            give(row);
        return false;
    }
    std::size_t next = 0;
    for (std::size_t i = 0; i < hits.nodes; ++i) {
        for (; next < hits.rows.size() && hits.rows[next].node == i; ++next)
            give(hits.rows[next]);
        if (nodes.step(i + 1))
            return true;
    }
    return false;
}

void finish(SearchResult& result) {
    result.message = searchFinishMessage(result.stopped, !result.rows.empty());
}

} // namespace

NameTest::NameTest(std::string_view text, bool wholeName, bool caseSensitive)
    : text_(text), folded_(text::TurkishUpperCase(text)), wholeName_(wholeName),
      caseSensitive_(caseSensitive) {}

bool NameTest::matches(std::string_view name) const {
    if (wholeName_ && caseSensitive_)
        return name == text_;
    scratch_.clear();
    text::appendTurkishUpperCase(scratch_, name);
    return wholeName_ ? scratch_ == folded_ : scratch_.find(folded_) != std::string::npos;
}

bool Konum(std::string_view G, std::string_view S, int level, std::string_view currentGroup,
           std::string_view currentSubGroup) {
    switch (level) {
    case 0:
        return true;
    case 1:
    case 4:
        return G == currentGroup;
    case 2:
        return G == currentGroup && S == currentSubGroup;
    case 3:
        return isBlank(G) && isBlank(S);
    default:
        return false;
    }
}

bool Konum(std::string_view G, std::string_view S, const SearchPlace& place) {
    return Konum(G, S, place.level, place.currentGroup, place.currentSubGroup);
}

std::string searchFinishMessage(bool stopped, bool anyMatch) {
    std::string message = stopped ? "Arama Durduruldu." : "Arama tamamlandı.";
    if (!anyMatch)
        message += "\r\nAranan kelime bulunamadı...";
    return message;
}

SearchResult searchActiveArchive(const ArchiveTree& tree, std::string_view text, bool wholeName,
                                 bool caseSensitive, Progress& nodes, const MatchSink& onMatch) {
    SearchResult result;
    if (text.empty()) {
        result.message = kEmptySearchText;
        return result;
    }
    const NameTest test(text, wholeName, caseSensitive);
    result.stopped = searchTree(tree, test, {}, nodes, onMatch, result);
    finish(result);
    return result;
}

SearchResult searchArchiveFile(const std::filesystem::path& contentFile, std::string_view text,
                               bool wholeName, bool caseSensitive, Progress& nodes,
                               const MatchSink& onMatch) {
    SearchResult result;
    if (text.empty()) {
        result.message = kEmptySearchText;
        return result;
    }
    NameIndexUse linear;
    linear.enabled = false;
    ArchiveHits hits =
        ContentFileSearch(text, wholeName, caseSensitive, linear).search(contentFile, {});
    if (!hits.error.empty())
        result.loadErrors.emplace_back(std::string(), hits.error);
    result.stopped = report(hits, nodes, onMatch, result);
    finish(result);
    return result;
}

SearchResult searchAllArchives(const store::RecordTable& KayitOrj_T, const SearchPlace& place,
                               std::string_view text, bool wholeName, bool caseSensitive,
                               Progress& archives, Progress& nodes, const MatchSink& onMatch) {
    return searchAllArchives(KayitOrj_T, place, text, wholeName, caseSensitive, archives, nodes,
                             onMatch, NameIndexUse{});
}

SearchResult searchAllArchives(const store::RecordTable& KayitOrj_T, const SearchPlace& place,
                               std::string_view text, bool wholeName, bool caseSensitive,
                               Progress& archives, Progress& nodes, const MatchSink& onMatch,
                               const NameIndexUse& index) {
    SearchResult result;
    if (text.empty()) {
        result.message = kEmptySearchText;
        return result;
    }
    const int fName = KayitOrj_T.requireField(store::columns::ARSIV_ADI);
    const int fGroup = KayitOrj_T.requireField(store::columns::GRUBU);
    const int fSubGroup = KayitOrj_T.requireField(store::columns::ALTGRUB);
    // The records are read in place: the main window's commands act on the
    // register's current record, which a search must not move.
    const auto& records = KayitOrj_T.records();
    ContentFileSearch files(text, wholeName, caseSensitive, index);
    archives.begin(records.size());
    for (std::size_t r = 0; r < records.size(); ++r) {
        const auto& record = records[r];
        const std::string name(cellText(record, fName));
        const auto file = Konum(cellText(record, fGroup), cellText(record, fSubGroup), place)
                              ? contentFilePath(name)
                              : std::nullopt;
        if (file && capture::somethingAt(*file)) {
            archives.statement(name + " -> Hazırlanıyor...");
            ArchiveHits hits = files.search(*file, name);
            if (!hits.error.empty())
                result.loadErrors.emplace_back(name, hits.error);
            archives.statement(name + " -> Aranıyor...");
            result.stopped = report(hits, nodes, onMatch, result);
        }
        if (archives.step(r + 1) || result.stopped) {
            result.stopped = true;
            break;
        }
    }
    // Something changed since the last search: an index may have lost its archive.
    if (files.wroteIndex())
        removeOrphanNameIndexes(index);
    finish(result);
    return result;
}

} // namespace kartavel::capture
