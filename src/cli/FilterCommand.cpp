#include "Commands.h"

#include "register/RegisterFilter.h"
#include "register/RegisterList.h"
#include "store/CatalogueSchemas.h"
#include "store/SerialDate.h"

#include <ostream>

namespace kartavel::cli {

int runFilter(Cli& cli, const Arguments& args) {
    reg::FilterCriteria f;
    auto text = [&](std::string_view name) {
        const std::string* v = args.option(name);
        return v ? *v : std::string();
    };
    f.name = text("--name");
    f.code = text("--code");
    f.group = text("--group");
    f.subGroup = text("--sub");
    f.reverse = args.has("--reverse");
    int media = static_cast<int>(f.media);
    int lent = 1;
    int sort = static_cast<int>(f.sort);
    if (const int rc = dateOption(cli, args, "--from", f.from))
        return rc;
    if (const int rc = dateOption(cli, args, "--to", f.to))
        return rc;
    if (const int rc = choiceOption(cli, args, "--media", {"dvd", "cd", "folder"}, media))
        return rc;
    if (const int rc = choiceOption(cli, args, "--lent", {"yes", "no"}, lent))
        return rc;
    if (const int rc = choiceOption(cli, args, "--sort", {"date", "name", "code"}, sort))
        return rc;
    f.media = static_cast<reg::MediaChoice>(media);
    if (args.option("--lent"))
        f.lending = lent == 0 ? reg::LendChoice::Lent : reg::LendChoice::NotLent;
    f.sort = static_cast<reg::SortKey>(sort);

    if (const int rc = cli.openCatalogue(false))
        return rc;
    auto& c = cli.catalogue();
    store::RecordTable Kayit_T(store::schemas::Kayit_T());
    reg::Filtreleme(c.KayitOrj_T, c.Emenet_Rx, f, Kayit_T);
    auto& out = cli.console().out;
    for (const auto& row : reg::registerRows(Kayit_T, c.Emenet_Rx))
        out << fieldText(row.caption) << '\t' << fieldText(row.ozelKodu) << '\t'
            << (row.tarihi ? store::isoDateText(*row.tarihi) : "") << '\t' << fieldText(row.grubu)
            << '\t' << fieldText(row.altGrubu) << '\t' << row.icon << '\n';
    return kDone;
}

} // namespace kartavel::cli
