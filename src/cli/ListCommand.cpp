#include "Commands.h"

#include "store/CatalogueSchemas.h"
#include "store/SerialDate.h"

#include <ostream>

namespace kartavel::cli {

int runList(Cli& cli, const Arguments&) {
    if (const int rc = cli.openCatalogue(false))
        return rc;
    auto& c = cli.catalogue();
    auto& t = c.KayitOrj_T;
    namespace col = store::columns;
    const int tarihi = t.requireField(col::TARIHI);
    auto& out = cli.console().out;
    for (t.first(); !t.eof(); t.next()) {
        const auto date = t.asDate(tarihi);
        const std::string name = t.asString(col::ARSIV_ADI);
        out << (date ? store::isoDateText(*date) : "") << '\t'
            << fieldText(t.asString(col::OZEL_KODU)) << '\t' << fieldText(name) << '\t'
            << t.asString(col::KODU) << '\t' << fieldText(t.asString(col::CDDVD)) << '\t'
            << fieldText(t.asString(col::GRUBU)) << '\t' << fieldText(t.asString(col::ALTGRUB))
            << '\t' << (c.isLent(name) ? '1' : '0') << '\n';
    }
    return kDone;
}

} // namespace kartavel::cli
