// A legacy register file of fixed-size records.
#include "FuzzSupport.h"

#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"

using namespace kartavel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile file("legacy.db");
    file.write(fuzz::bytesOf(data, size));
    store::RecordTable table(store::schemas::KayitOrj_T_());
    store::LoadLegacyRegister(table, file.path());
    fuzz::check(table.recordCount() == static_cast<int>(size / 74),
                "one record for each whole 74-byte slot");
    for (table.first(); !table.eof(); table.next())
        for (int f = 0; f < static_cast<int>(table.fields().size()); ++f)
            (void)table.asString(f);
    return 0;
}
