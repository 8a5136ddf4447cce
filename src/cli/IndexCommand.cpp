#include "Commands.h"

#include "capture/NameIndexCache.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"

#include <ostream>

namespace kartavel::cli {

namespace {

std::string_view stateText(capture::NameIndexState state) {
    switch (state) {
    case capture::NameIndexState::Fresh:
        return "güncel";
    case capture::NameIndexState::Missing:
        return "yok";
    case capture::NameIndexState::Stale:
        return "eski";
    case capture::NameIndexState::Damaged:
        return "bozuk";
    case capture::NameIndexState::OtherVersion:
        return "başka sürüm";
    }
    return {};
}

} // namespace

int runIndex(Cli& cli, const Arguments& args) {
    const bool checkOnly = args.has("--check");
    if (const int rc = cli.openCatalogue(false))
        return rc;
    const auto report = capture::refreshNameIndexes(cli.catalogue().KayitOrj_T, checkOnly);
    auto& con = cli.console();
    std::size_t fresh = 0, notFresh = 0, written = 0;
    bool failed = false;
    for (const auto& entry : report.archives) {
        con.out << fieldText(entry.archive) << '\t';
        if (!entry.contentFile) {
            con.out << "arşiv dosyası yok\n";
            continue;
        }
        if (entry.small) {
            con.out << "gerekmez (küçük arşiv)\n";
            continue;
        }
        con.out << stateText(entry.before);
        if (entry.written)
            con.out << " -> yazıldı";
        else if (entry.writeFailed)
            con.out << " -> yazılamadı";
        con.out << '\n';
        fresh += entry.before == capture::NameIndexState::Fresh ? 1u : 0u;
        notFresh += entry.before == capture::NameIndexState::Fresh ? 0u : 1u;
        written += entry.written ? 1u : 0u;
        failed |= entry.writeFailed;
    }
    if (checkOnly)
        con.err << "Ad dizini: " << notFresh << " güncel değil, " << fresh << " güncel, "
                << report.orphans << " artık dizin var.\n";
    else
        con.err << "Ad dizini: " << written << " yazıldı, " << fresh << " güncel, "
                << report.orphansRemoved << " artık dizin silindi.\n";
    if (failed)
        return cli.fail(kFileError,
                        "Unable to write to " + platform::utf8FromPath(platform::DataFolder() /
                                                                       capture::kNameIndexFolder));
    return kDone;
}

} // namespace kartavel::cli
