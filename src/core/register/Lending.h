#pragma once

#include "store/RecordTable.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Lending a DVD or CD and taking it back: one lending record per lent archive in
// "EMANET.DB", appended when it is lent and deleted when it comes back. Both lists'
// commands and the lending window call these, and so does the CLI.
namespace kartavel::reg {

inline constexpr std::string_view kAlreadyLent = "Bu arşiv emanet verilmiştir...";
inline constexpr std::string_view kNotLent = "Bu arşiv emanet verilmemiştir...";
inline constexpr std::string_view kFolderNotLent = "Klasör arşivleri emanet verilemez...";

// "Emanet Ver" on a list row with this icon: nothing for a DVD or CD that is not
// lent, the folder refusal for a folder archive, else "Bu arşiv emanet
// verilmiştir...".
std::optional<std::string> lendRefusal(int icon);

// "Teslim Al" on a list row with this icon: nothing for a lent archive, else "Bu
// arşiv emanet verilmemiştir...".
std::optional<std::string> takeBackRefusal(int icon);

// The lending window's fields.
struct LendInput {
    std::string person;                // "Emanet Verilenin Adı Soyadı", at most 60 characters
    std::optional<std::int32_t> given; // "Verilme Tarihi"; a value not above 0 is empty
    std::optional<std::int32_t> due;   // "Teslim Tarihi"; may stay empty
    std::string note;                  // "Acıklama", at most 100 characters
};

// A character the description field discards as it is typed.
bool isFilteredDescriptionCharacter(char c);

// The widths of the lending table's text columns, in characters.
inline constexpr std::size_t kArchiveLength = 75;
inline constexpr std::size_t kPersonLength = 60;
inline constexpr std::size_t kNoteLength = 100;

// The checks of "Emanet Ver" for the archive of that name, in their order: the
// person, the lending date, then that the lending file gives every text back as it
// is written, the person, the note and the archive's name as the table keeps them
// (tableTextRefusal). The message of the first that fails, or nothing.
std::optional<std::string> checkLend(const LendInput& input, std::string_view archiveName);

// Appends the archive's lending record to the lending window's table (TESLIMTARIHI
// day 0 when no return date is given) and rewrites "EMANET.DB" from it. Call it only
// after the checks have passed. Throws platform::WriteError when the file cannot be
// written; the record is then taken out again.
void lendArchive(store::RecordTable& Emenet_Rx, std::string_view archiveName,
                 const LendInput& input);

// An archive's lending record, as the take-back window shows it.
struct LendingRecord {
    std::string archive;               // ARSIV
    std::string person;                // VERILENIADI
    std::optional<std::int32_t> given; // VERILMETARIHI
    std::optional<std::int32_t> due;   // TESLIMTARIHI; day 0 reads as empty
    std::string note;                  // ACIKLAMA
};

// Makes the first lending record whose ARSIV is exactly the archive's name current,
// and returns it; nothing (and the current record stays) when there is none.
std::optional<LendingRecord> findLending(store::RecordTable& Emenet_Rx,
                                         std::string_view archiveName);

// Deletes the archive's lending record from the lending window's table and rewrites
// "EMANET.DB". False, with nothing changed, when the table holds no record of that
// archive. Throws platform::WriteError when the file cannot be written; the record
// then stays.
bool takeBackArchive(store::RecordTable& Emenet_Rx, std::string_view archiveName);

} // namespace kartavel::reg
