#include "Commands.h"
#include "TerminalProgress.h"

#include "browse/Navigation.h"
#include "capture/ContentSearch.h"
#include "capture/NameIndexCache.h"
#include "store/CatalogueSchemas.h"

#include <ostream>

namespace kartavel::cli {

int runSearch(Cli& cli, const Arguments& args) {
    const std::string& text = args.positionals.at(0);
    const bool whole = args.has("--whole");
    const bool caseSensitive = args.has("--case");
    if (args.option("--sub") && !args.option("--group"))
        return cli.fail(kUsage, "--sub yalnız --group ile birlikte kullanılır");
    if (args.option("--archive") && args.option("--group"))
        return cli.fail(kUsage, "--archive ile --group birlikte kullanılmaz");
    if (text.empty())
        return cli.fail(kRefused, std::string(capture::kEmptySearchText));
    if (const int rc = cli.openCatalogue(false))
        return rc;

    auto& con = cli.console();
    auto print = [&](const std::string& archive) {
        return [&con, archive](const capture::SearchRow& row) {
            con.out << fieldText(row.archive.empty() ? archive : row.archive) << '\t'
                    << fieldText(row.name) << '\t' << fieldText(row.path) << '\n';
        };
    };
    TerminalProgress archives(con.err, con.errIsTerminal, "Aranıyor");
    capture::SearchResult result;
    if (const std::string* name = args.option("--archive")) {
        std::filesystem::path file;
        if (const int rc = findArchiveFile(cli, *name, file))
            return rc;
        const std::string archive = cli.catalogue().KayitOrj_T.asString(store::columns::ARSIV_ADI);
        result =
            capture::searchArchiveFile(file, text, whole, caseSensitive, archives, print(archive));
    } else {
        browse::BrowseState state;
        const std::string* group = args.option("--group");
        const std::string* sub = args.option("--sub");
        if (group) {
            const auto place =
                browse::openPlace(cli.catalogue(), state, *group, sub ? *sub : std::string());
            if (!place.error.empty())
                return cli.fail(kRefused, place.error);
        }
        const capture::SearchPlace place{state.level, state.currentGroup, state.currentSubGroup};
        capture::NameIndexUse index;
        index.enabled = !args.has("--no-index");
        result = capture::searchAllArchives(cli.catalogue().KayitOrj_T, place, text, whole,
                                            caseSensitive, archives, capture::noProgress(),
                                            print({}), index);
    }
    archives.finish();
    con.err << result.message << '\n';
    // A content file that broke off while loading is told as show tells it; what
    // loaded of it was searched.
    for (const auto& [archive, error] : result.loadErrors)
        con.err << (archive.empty() ? error : archive + ": " + error) << '\n';
    return result.loadErrors.empty() ? kDone : kFileError;
}

} // namespace kartavel::cli
