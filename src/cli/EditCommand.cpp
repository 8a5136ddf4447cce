#include "Commands.h"

#include "register/ArchiveCommands.h"

namespace kartavel::cli {

int runEdit(Cli& cli, const Arguments& args) {
    reg::ArchiveEdit edit;
    auto text = [&](std::string_view option, std::optional<std::string>& field) {
        if (const std::string* v = args.option(option))
            field = *v;
    };
    text("--new-name", edit.name);
    text("--code", edit.code);
    text("--group", edit.group);
    text("--sub", edit.subGroup);
    if (args.option("--date")) {
        std::optional<std::int32_t> date;
        if (const int rc = dateOption(cli, args, "--date", date))
            return rc;
        edit.date = date;
    }
    if (args.option("--media")) {
        int media = 0;
        if (const int rc = choiceOption(cli, args, "--media", {"dvd", "cd", "folder"}, media))
            return rc;
        edit.mediaKind = media;
    }
    if (const auto refusal = reg::checkArchiveEdit(edit))
        return cli.fail(kRefused, refusal->message);

    if (const int rc = cli.openCatalogue(true))
        return rc;
    if (!selectArchive(cli, args.positionals.at(0)))
        return kRefused;
    if (const auto refusal = reg::checkArchiveSave(cli.catalogue().KayitOrj_T, edit))
        return cli.fail(kRefused, refusal->message);
    reg::editCurrentArchive(cli.catalogue(), edit);
    return kDone;
}

} // namespace kartavel::cli
