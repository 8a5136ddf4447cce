#include "Commands.h"
#include "TerminalProgress.h"

#include "register/NewArchive.h"
#include "store/SerialDate.h"

#include <ostream>

namespace kartavel::cli {

int runRegister(Cli& cli, const Arguments& args) {
    reg::NewArchiveInput in;
    in.path = reg::registrationFolder(args.positionals.at(0));
    in.name = args.option("--name") ? *args.option("--name") : std::string();
    in.code = args.option("--code") ? *args.option("--code") : std::string();
    in.group = args.option("--group") ? *args.option("--group") : std::string();
    in.subGroup = args.option("--sub") ? *args.option("--sub") : std::string();
    in.date = store::todaySerial();
    if (const int rc = dateOption(cli, args, "--date", in.date))
        return rc;
    if (const int rc = choiceOption(cli, args, "--media", {"dvd", "cd", "folder"}, in.mediaKind))
        return rc;
    // The window's name field never takes these characters; a command line cannot
    // drop them as they are typed, so it refuses them.
    for (char c : in.name)
        if (reg::isFilteredNameCharacter(c))
            return cli.fail(kRefused, "Arşiv Adında \" * / : < > ? \\ | karakterleri "
                                      "kullanılamaz...");

    if (const int rc = cli.openCatalogue(true))
        return rc;
    if (const auto refusal = reg::checkNewArchive(cli.catalogue().KayitOrj_T, in))
        return cli.fail(kRefused, *refusal);

    auto& con = cli.console();
    TerminalProgress scan(con.err, con.errIsTerminal, "Taranıyor: klasör");
    TerminalProgress write(con.err, con.errIsTerminal, "Lütfen Bekleyiniz.");
    const auto result = reg::registerNewArchive(cli.catalogue(), in, scan, write);
    scan.finish();
    write.finish();
    if (!result.registered)
        return cli.fail(kRefused, result.message);
    con.err << result.message << '\n';
    return kDone;
}

} // namespace kartavel::cli
