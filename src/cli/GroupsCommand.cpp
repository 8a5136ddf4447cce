#include "Commands.h"

#include "register/Groups.h"
#include "store/CatalogueSchemas.h"

#include <ostream>
#include <span>

namespace kartavel::cli {

namespace cols = store::columns;

namespace {

// The group and sub-group lists share their verbs: list, add NAME, delete NAME.
// `rest` holds the verb and its name.
struct Verb {
    std::string_view action;
    std::string name;
};

std::optional<Verb> verbOf(Cli& cli, std::span<const std::string> rest, std::string_view usage) {
    if (!rest.empty()) {
        const std::string_view action = rest[0];
        if (action == "list" && rest.size() == 1)
            return Verb{action, {}};
        if ((action == "add" || action == "delete") && rest.size() == 2)
            return Verb{action, rest[1]};
    }
    cli.fail(kUsage, usage);
    return std::nullopt;
}

reg::Dialogue dialogue(Cli& cli, const Arguments& args) {
    return {
        [&cli](std::string_view message) { cli.console().err << message << '\n'; },
        [&cli, &args](std::string_view question) { return confirmDeletion(cli, args, question); }};
}

// Runs a verb on a list's table: `key` is the column of its names.
int runVerb(Cli& cli, const Arguments& args, const Verb& verb, store::RecordTable& t,
            std::string_view key, std::string_view notFound, std::string_view notDeleted) {
    if (verb.action == "list") {
        const int name = t.requireField(key);
        const int note = t.requireField(cols::ACIKLAMA);
        for (t.first(); !t.eof(); t.next())
            cli.console().out << fieldText(t.asString(name)) << '\t' << fieldText(t.asString(note))
                              << '\n';
        return kDone;
    }
    if (verb.action == "add") {
        // The list's post tests every text, as the window's does.
        const std::string* note = args.option("--note");
        t.append();
        t.setString(key, verb.name);
        if (note)
            t.setString(cols::ACIKLAMA, *note);
        try {
            t.post(); // a refusal has been told by the list
        } catch (const store::Abort&) {
            t.cancel();
            return kRefused;
        }
        return kDone;
    }
    if (!t.locate(key, verb.name, false))
        return cli.fail(kRefused, verb.name + std::string(notFound));
    try {
        t.remove();
    } catch (const store::Abort&) {
        return cli.fail(kRefused, notDeleted);
    }
    return kDone;
}

// Reading needs no lock; a change needs the data folder to itself.
int prepare(Cli& cli, const Arguments& args, const Verb& verb) {
    if (verb.action == "delete")
        if (const int rc = deletionConfirmable(cli, args))
            return rc;
    if (verb.action != "list")
        return cli.lockDataFolder();
    return kDone;
}

} // namespace

int runGroups(Cli& cli, const Arguments& args) {
    const auto verb =
        verbOf(cli, args.positionals, "groups: list, add GRUP ya da delete GRUP bekleniyor.");
    if (!verb)
        return kUsage;
    if (const int rc = prepare(cli, args, *verb))
        return rc;
    reg::GroupList groups(dialogue(cli, args));
    groups.load();
    return runVerb(cli, args, *verb, groups.Grubu_Rx, cols::GRUBU, " adında grup bulunamadı...",
                   "Grup silinmedi.");
}

int runSubgroups(Cli& cli, const Arguments& args) {
    const auto verb = verbOf(cli, std::span(args.positionals).subspan(1),
                             "subgroups GRUP: list, add ALTGRUP ya da delete ALTGRUP bekleniyor.");
    if (!verb)
        return kUsage;
    if (const int rc = prepare(cli, args, *verb))
        return rc;
    reg::SubGroupList subGroups(args.positionals.at(0), dialogue(cli, args));
    subGroups.load();
    return runVerb(cli, args, *verb, subGroups.AltGrubu_Rx, cols::ALTGRUP,
                   " adında alt grup bulunamadı...", "Alt grup silinmedi.");
}

} // namespace kartavel::cli
