#pragma once

#include "RecordTable.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_set>

namespace kartavel::store {

// The tables the main window owns for the whole run, the KODU counter, and the
// opening sequence that both the program and the CLI run.
class Catalogue {
public:
    Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    RecordTable KayitOrj_T;  // the archive register, "ARSIV_Y.DB"
    RecordTable KayitOrj_T_; // the legacy register, "ARSIV.DB"
    RecordTable Emenet_Rx;   // the lending table, "EMANET.DB"

    // Given to every record appended to the register, then raised by one.
    int koduCounter() const { return koduCounter_; }
    void setKoduCounter(int value) { koduCounter_ = value; }

    // What the main window does when first shown, from the KODU counter to the
    // lending table: the counter becomes 1; a missing "ARSIV_Y.DB" is built from a
    // legacy "ARSIV.DB"; the register and the lending table are loaded.
    // Throws platform::WriteError / ReadError from the legacy conversion.
    // With `mayWrite` false (another program holds the data folder) a legacy
    // register is converted in memory only.
    void open(bool mayWrite = true);

    // Builds "ARSIV_Y.DB" from "ARSIV.DB" (when there is one). The register table is
    // left closed; nothing is written when the legacy register holds no record.
    void buildRegisterFromLegacy();

    // Empties the register and loads "ARSIV_Y.DB" again, if it exists. A file that
    // cannot be read throws platform::ReadError; the register keeps its records
    // then, and is not written until a load succeeds (reloadTableFromFile).
    void reloadRegister();
    // The same for the lending table and "EMANET.DB".
    void reloadLending();
    // Writes the register to "ARSIV_Y.DB".
    void saveRegister();

    // True while the lending table holds a record whose ARSIV is exactly the name.
    bool isLent(std::string_view archiveName) const;

    static std::filesystem::path registerPath();
    static std::filesystem::path lendingPath();
    static std::filesystem::path legacyRegisterPath();

private:
    // Fills the register table from "ARSIV.DB" (when there is one), in memory.
    void convertLegacyRegister();

    int koduCounter_ = 1;
};

// The names of the archives a lending table holds (its ARSIV texts), for testing
// many archives at once: an archive is lent when its ARSIV_ADI is one of them.
std::unordered_set<std::string> lentNames(const RecordTable& Emenet_Rx);

} // namespace kartavel::store
