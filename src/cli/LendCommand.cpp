#include "Commands.h"

#include "browse/MainList.h"
#include "register/Lending.h"
#include "register/NewArchive.h"
#include "store/CatalogueSchemas.h"

namespace kartavel::cli {

namespace {

// The icon the lists show for the register's current archive: its medium and
// whether it is lent.
int currentIcon(store::Catalogue& c) {
    const std::string name = c.KayitOrj_T.asString(store::columns::ARSIV_ADI);
    return browse::archiveIcon(c.KayitOrj_T.asString(store::columns::CDDVD), c.isLent(name));
}

} // namespace

int runLend(Cli& cli, const Arguments& args) {
    reg::LendInput in;
    if (const std::string* to = args.option("--to"))
        in.person = *to;
    if (const std::string* note = args.option("--note"))
        in.note = *note;
    if (const int rc = dateOption(cli, args, "--date", in.given))
        return rc;
    if (const int rc = dateOption(cli, args, "--due", in.due))
        return rc;
    // The window's description field never takes these characters; a command line
    // cannot drop them as they are typed, so it refuses them.
    for (char ch : in.note)
        if (reg::isFilteredDescriptionCharacter(ch))
            return cli.fail(kRefused, "Açıklamada \" * / : < > ? \\ | karakterleri "
                                      "kullanılamaz...");

    if (const int rc = cli.openCatalogue(true))
        return rc;
    if (!selectArchive(cli, args.positionals.at(0)))
        return kRefused;
    auto& c = cli.catalogue();
    if (const auto refusal = reg::lendRefusal(currentIcon(c)))
        return cli.fail(kRefused, *refusal);
    const std::string name = c.KayitOrj_T.asString(store::columns::ARSIV_ADI);
    if (const auto refusal = reg::checkLend(in, name))
        return cli.fail(kRefused, *refusal);
    reg::lendArchive(c.Emenet_Rx, name, in);
    return kDone;
}

int runReturn(Cli& cli, const Arguments& args) {
    if (const int rc = cli.openCatalogue(true))
        return rc;
    if (!selectArchive(cli, args.positionals.at(0)))
        return kRefused;
    auto& c = cli.catalogue();
    if (const auto refusal = reg::takeBackRefusal(currentIcon(c)))
        return cli.fail(kRefused, *refusal);
    if (!reg::takeBackArchive(c.Emenet_Rx, c.KayitOrj_T.asString(store::columns::ARSIV_ADI)))
        return cli.fail(kRefused, reg::kNotLent);
    return kDone;
}

} // namespace kartavel::cli
