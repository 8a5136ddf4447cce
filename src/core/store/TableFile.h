#pragma once

#include "RecordTable.h"

#include <filesystem>
#include <optional>
#include <string>

// Moving whole tables between memory and the data folder.
namespace kartavel::store {

// The table file's bytes for the table: one "[RecNoN]" section per record (every
// record, also those a filter set on the table hides; an open edit is posted), one
// "NAME=value" line per column, code page 1254, CR LF. Throws platform::WriteError
// for `path` when a value cannot be stored in that form (a character outside the
// code page, or a line break inside a text).
std::string tableFileBytes(RecordTable& table, const std::filesystem::path& path);

// True when the text can stand as a value in a table file: every character has a
// byte in code page 1254, and there is no line break.
bool tableFileCanHold(std::string_view text);

// Why a text written into a table file would not be read back as it was, if it
// would not: the file form knows no quoting, and its reader takes values as the
// platform's profile-string reader does.
enum class TableTextFault {
    Character, // a line break, or a character code page 1254 lacks: it cannot be written
    Blank,     // a blank at either end, which the reader drops
    Quotes,    // enclosed in one pair of matching quotes, which the reader drops
};
std::optional<TableTextFault> tableTextFault(std::string_view text);

// Rewrites the table file from the table, replacing the old file in one step; an
// empty table deletes the file. Afterwards the table is on the record that was
// current before. On failure (platform::WriteError, "Unable to write to <path>")
// the old file is left whole. A table whose file could not be read
// (RecordTable::fileUnread) is not written at all: platform::ReadError for the path.
void RxMemorySaveToFile(RecordTable& table, const std::filesystem::path& path);

// Deletes the table's current record and rewrites the table file without it. The
// file is written first, from a copy: when that fails (platform::WriteError) the
// record stays, so the table and its file never disagree.
void deleteCurrentAndSave(RecordTable& table, const std::filesystem::path& path);

// Opens the table if closed, discards its records and fills it from the table
// file, one record per section in file order; the table ends on its first record.
// A missing file leaves the table empty; a damaged one loads what can be read. A
// file that is there but cannot be read, or is no regular file, throws
// platform::ReadError and leaves the table as it was, marked fileUnread until a
// load succeeds: taken for an empty table, its records would be gone with the
// next save.
void RxMemoryLoadFromFile(RecordTable& table, const std::filesystem::path& path);

// The same after closing and reopening the table; the file is read first, so a
// file that cannot be read leaves the table's records as they were.
void reloadTableFromFile(RecordTable& table, const std::filesystem::path& path);

// The same, from bytes already in memory.
void loadTableFromBytes(RecordTable& table, std::string_view bytes);

// Closes and reopens the table, then fills it from a legacy register file of
// 74-byte records. Trailing bytes that make no whole record are ignored. Throws
// platform::ReadError when the file cannot be read.
void LoadLegacyRegister(RecordTable& table, const std::filesystem::path& path);

} // namespace kartavel::store
