#include "Commands.h"

#include "register/ArchiveCommands.h"

#include <istream>
#include <ostream>

namespace kartavel::cli {

namespace {

bool isYes(std::string answer) {
    if (!answer.empty() && answer.back() == '\r') // a Windows console ends the line in CR LF
        answer.pop_back();
    for (char& c : answer)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return answer == "e" || answer == "evet" || answer == "y" || answer == "yes";
}

} // namespace

int deletionConfirmable(Cli& cli, const Arguments& args) {
    if (!args.has("--yes") && !cli.console().inIsTerminal)
        return cli.fail(kRefused, "Silme onaylanmadı. Onaylamak için --yes kullanınız...");
    return kDone;
}

bool confirmDeletion(Cli& cli, const Arguments& args, std::string_view question) {
    if (args.has("--yes"))
        return true;
    auto& con = cli.console();
    con.err << question << " (E/H) ";
    con.err.flush();
    std::string answer;
    std::getline(con.in, answer);
    return isYes(answer);
}

int runDelete(Cli& cli, const Arguments& args) {
    if (const int rc = deletionConfirmable(cli, args))
        return rc;
    if (const int rc = cli.openCatalogue(true))
        return rc;
    if (!selectArchive(cli, args.positionals.at(0)))
        return kRefused;
    if (!confirmDeletion(cli, args, "Bu Arşivi Silmek istediğinizden eminmisiniz?"))
        return cli.fail(kRefused, "Arşiv silinmedi.");
    reg::deleteCurrentArchive(cli.catalogue());
    return kDone;
}

} // namespace kartavel::cli
