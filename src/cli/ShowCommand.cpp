#include "Commands.h"

#include "capture/ArchiveName.h"
#include "capture/ContentFile.h"
#include "platform/FileSystem.h"
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

int runShow(Cli& cli, const Arguments& args) {
    if (const int rc = cli.openCatalogue(false))
        return rc;
    if (!selectArchive(cli, args.positionals.at(0)))
        return kRefused;
    const auto file =
        capture::contentFilePath(cli.catalogue().KayitOrj_T.asString(store::columns::ARSIV_ADI));
    if (!file || !platform::fileExists(*file))
        return cli.fail(kRefused, "Arşiv Dosyası bulunamıyor. Silinmiş olabilir");
    const capture::TreeLoad load = capture::loadContentFile(*file);
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
