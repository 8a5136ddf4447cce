#include "Commands.h"

#include "capture/ArchiveDetails.h"
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

int loadArchiveWithDetails(Cli& cli, const std::string& name, capture::ArchiveLoad& load) {
    std::filesystem::path file;
    if (const int rc = findArchiveFile(cli, name, file))
        return rc;
    load = capture::loadArchive(file);
    return kDone;
}

namespace {

// A node's size and last-write time for show --long: a folder's size is the sum
// below it and it has no time; without details both are empty.
std::string longFields(const capture::ArchiveDetails* d, const capture::ArchiveTree& tree,
                       std::size_t node) {
    if (!d)
        return "\t";
    if (tree.hasChildren(node) || node == 0)
        return std::to_string(d->bytes(node)) + "\t";
    if (!d->known(node))
        return "\t";
    return std::to_string(d->bytes(node)) + "\t" + capture::localTimeText(d->lastWrite(node));
}

} // namespace

int runShow(Cli& cli, const Arguments& args) {
    const bool outline = args.has("--outline"), details = args.has("--long");
    if (outline && details)
        return cli.fail(kUsage, "--long ile --outline birlikte kullanılamaz...");
    if (const int rc = cli.openCatalogue(false))
        return rc;
    capture::ArchiveLoad load;
    if (const int rc = loadArchiveWithDetails(cli, args.positionals.at(0), load))
        return rc;
    const auto& tree = load.load.tree;
    const capture::ArchiveDetails* d = load.details ? &*load.details : nullptr;
    auto& out = cli.console().out;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        if (outline)
            out << std::string(tree.level(i), '\t') << fieldText(tree.name(i)) << '\n';
        else if (details)
            out << longFields(d, tree, i) << '\t' << fieldText(tree.TracePath(i)) << '\n';
        else
            out << fieldText(tree.TracePath(i)) << '\n';
    }
    if (!load.load.ok())
        return cli.fail(kFileError, load.load.error);
    return kDone;
}

int runInfo(Cli& cli, const Arguments& args) {
    if (const int rc = cli.openCatalogue(false))
        return rc;
    capture::ArchiveLoad load;
    if (const int rc = loadArchiveWithDetails(cli, args.positionals.at(0), load))
        return rc;
    if (!load.load.ok())
        return cli.fail(kFileError, load.load.error);
    const capture::ArchiveDetails* d = load.details ? &*load.details : nullptr;
    const auto summary = capture::summarizeArchive(load.load.tree, d, 0);
    const capture::ArchiveFacts none;
    const capture::ArchiveFacts& f = d ? d->facts() : none;
    const auto number = [](const std::optional<std::uint64_t>& n) {
        return n ? std::to_string(*n) : std::string();
    };
    const std::pair<const char*, std::string> lines[] = {
        {"files", std::to_string(summary.files)},
        {"folders", std::to_string(summary.folders)},
        {"bytes", number(summary.bytes)},
        {"root", f.root},
        {"scanned", f.scanned ? capture::localTimeText(*f.scanned) : std::string()},
        {"label", f.label},
        {"serial", f.serial},
        {"filesystem", f.fileSystem},
        {"total", number(f.totalBytes)},
        {"free", number(f.freeBytes)},
        {"details", d ? "yes" : "no"},
    };
    auto& out = cli.console().out;
    for (const auto& [key, value] : lines)
        out << key << '\t' << fieldText(value) << '\n';
    return kDone;
}

} // namespace kartavel::cli
