#include "Commands.h"

#include "browse/Navigation.h"
#include "store/SerialDate.h"

#include <ostream>

namespace kartavel::cli {

int runBrowse(Cli& cli, const Arguments& args) {
    if (const int rc = cli.openCatalogue(false))
        return rc;
    const auto& p = args.positionals;
    browse::BrowseState state;
    const auto place = browse::openPlace(cli.catalogue(), state, p.size() > 0 ? p[0] : "",
                                         p.size() > 1 ? p[1] : "");
    if (!place.error.empty())
        return cli.fail(kRefused, place.error);
    auto& out = cli.console().out;
    for (const auto& item : place.listing.items)
        out << item.icon << '\t' << fieldText(item.caption) << '\t' << fieldText(item.ozelKodu)
            << '\t' << (item.tarihi ? store::isoDateText(*item.tarihi) : "") << '\n';
    return kDone;
}

} // namespace kartavel::cli
