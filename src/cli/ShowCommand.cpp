#include "Commands.h"

#include "register/ArchiveCommands.h"
#include "store/CatalogueSchemas.h"

#include <ostream>

namespace kartavel::cli {

bool selectArchive(Cli& cli, const std::string& name) {
    auto& t = cli.catalogue().KayitOrj_T;
    if (t.locate(store::columns::ARSIV_ADI, name, false) ||
        t.locate(store::columns::ARSIV_ADI, name, true))
        return true;
    cli.fail(kRefused, name + " adında arşiv bulunamadı...");
    return false;
}

int findArchiveFile(Cli& cli, const std::string& name, std::filesystem::path& file) {
    if (!selectArchive(cli, name))
        return kRefused;
    const reg::ViewTarget view = reg::viewCurrentArchive(cli.catalogue());
    if (!view.file)
        return cli.fail(kRefused, view.message);
    file = *view.file;
    return kDone;
}

int loadArchive(Cli& cli, const std::string& name, capture::TreeLoad& load) {
    std::filesystem::path file;
    if (const int rc = findArchiveFile(cli, name, file))
        return rc;
    load = capture::loadContentFile(file);
    return kDone;
}

int runShow(Cli& cli, const Arguments& args) {
    if (const int rc = cli.openCatalogue(false))
        return rc;
    capture::TreeLoad load;
    if (const int rc = loadArchive(cli, args.positionals.at(0), load))
        return rc;
    const auto& tree = load.tree;
    auto& out = cli.console().out;
    const bool outline = args.has("--outline");
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (outline)
            out << std::string(tree.level(i), '\t') << fieldText(tree.name(i)) << '\n';
        else
            out << fieldText(tree.TracePath(i)) << '\n';
    }
    if (!load.ok())
        return cli.fail(kFileError, load.error);
    return kDone;
}

} // namespace kartavel::cli
