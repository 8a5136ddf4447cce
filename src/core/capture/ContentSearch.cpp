#include "ContentSearch.h"

#include "ArchiveName.h"
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
    const std::string folded = text::TurkishUpperCase(name);
    return wholeName_ ? folded == folded_ : folded.find(folded_) != std::string::npos;
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

SearchResult searchAllArchives(const store::RecordTable& KayitOrj_T, const SearchPlace& place,
                               std::string_view text, bool wholeName, bool caseSensitive,
                               Progress& archives, Progress& nodes, const MatchSink& onMatch) {
    SearchResult result;
    if (text.empty()) {
        result.message = kEmptySearchText;
        return result;
    }
    const NameTest test(text, wholeName, caseSensitive);
    const int fName = KayitOrj_T.requireField(store::columns::ARSIV_ADI);
    const int fGroup = KayitOrj_T.requireField(store::columns::GRUBU);
    const int fSubGroup = KayitOrj_T.requireField(store::columns::ALTGRUB);
    // The records are read in place: the main window's commands act on the
    // register's current record, which a search must not move.
    const auto& records = KayitOrj_T.records();
    archives.begin(records.size());
    for (std::size_t r = 0; r < records.size(); ++r) {
        const auto& record = records[r];
        const std::string name(cellText(record, fName));
        const auto file = Konum(cellText(record, fGroup), cellText(record, fSubGroup), place)
                              ? contentFilePath(name)
                              : std::nullopt;
        if (file && platform::fileExists(*file)) {
            archives.statement(name + " -> Hazırlanıyor...");
            const TreeLoad load = loadContentFile(*file);
            if (!load.ok())
                result.loadErrors.emplace_back(name, load.error);
            archives.statement(name + " -> Aranıyor...");
            result.stopped = searchTree(load.tree, test, name, nodes, onMatch, result);
        }
        if (archives.step(r + 1) || result.stopped) {
            result.stopped = true;
            break;
        }
    }
    finish(result);
    return result;
}

} // namespace kartavel::capture
