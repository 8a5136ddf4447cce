// A table file loaded into the register's and the lending table's column sets.
#include "FuzzSupport.h"

#include "platform/FileSystem.h"
#include "store/CatalogueSchemas.h"
#include "store/TableFile.h"

using namespace kartavel;

namespace {

// A text as the profile-string reader gives it back: without blanks at its ends and
// one pair of quotes around it, taken off until none is left.
std::string_view asReadBack(std::string_view s) {
    for (;;) {
        const auto b = s.find_first_not_of(" \t\r\v\f\x1a");
        s = b == std::string_view::npos ? std::string_view() : s.substr(b);
        s = s.substr(0, s.find_last_not_of(" \t\r\v\f\x1a") + 1);
        if (s.size() < 2 || (s.front() != '"' && s.front() != '\'') || s.back() != s.front())
            return s;
        s = s.substr(1, s.size() - 2);
    }
}

// The records read back from the saved form: the same records, dates and numbers
// exactly, texts as the reader gives them back.
bool sameRecords(const store::RecordTable& a, const store::RecordTable& b) {
    if (a.records().size() != b.records().size())
        return false;
    for (std::size_t r = 0; r < a.records().size(); ++r) {
        for (std::size_t f = 0; f < a.fields().size(); ++f) {
            const auto& x = a.records()[r].cells[f];
            const auto& y = b.records()[r].cells[f];
            const int field = static_cast<int>(f);
            if (a.fields()[f].type == store::FieldType::String
                    ? asReadBack(store::cellText(a.records()[r], field)) !=
                          asReadBack(store::cellText(b.records()[r], field))
                    : x != y)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile file("table.db");
    file.write(fuzz::bytesOf(data, size));
    for (const store::TableSchema* schema :
         {&store::schemas::KayitOrj_T(), &store::schemas::Emenet_Rx()}) {
        store::RecordTable table(*schema);
        store::RxMemoryLoadFromFile(table, file.path());
        fuzz::check(table.active() && !table.editing(), "a loaded table is open and browsing");
        fuzz::check(table.recNo() == (table.isEmpty() ? 0 : 1),
                    "a loaded table is on its first record");

        // What was loaded saves to a form that loads back to the same records.
        // A loaded value never holds a line break, and a code page file holds only code
        // page letters: only a UTF-8 file can bring a letter the saved form cannot hold.
        const bool utf8 = fuzz::bytesOf(data, size).starts_with("\xEF\xBB\xBF");
        std::string saved;
        try {
            saved = store::tableFileBytes(table, file.path());
        } catch (const platform::WriteError&) {
            fuzz::check(utf8, "a table loaded from a code page file saves again");
            continue;
        }
        store::RecordTable again(*schema);
        store::loadTableFromBytes(again, saved);
        fuzz::check(sameRecords(table, again), "a saved table loads back");
    }
    return 0;
}
