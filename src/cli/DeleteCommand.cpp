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

int runDelete(Cli& cli, const Arguments& args) {
    auto& con = cli.console();
    const bool confirmed = args.has("--yes");
    if (!confirmed && !con.inIsTerminal)
        return cli.fail(kRefused, "Silme onaylanmadı. Onaylamak için --yes kullanınız...");
    if (const int rc = cli.openCatalogue(true))
        return rc;
    if (!selectArchive(cli, args.positionals.at(0)))
        return kRefused;
    if (!confirmed) {
        con.err << "Bu Arşivi Silmek istediğinizden eminmisiniz? (E/H) ";
        con.err.flush();
        std::string answer;
        std::getline(con.in, answer);
        if (!isYes(answer))
            return cli.fail(kRefused, "Arşiv silinmedi.");
    }
    reg::deleteCurrentArchive(cli.catalogue());
    return kDone;
}

} // namespace kartavel::cli
