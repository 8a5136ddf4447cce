#pragma once

#include "RecordTable.h"

#include <optional>
#include <string>
#include <string_view>

// The text form of a column value in a table file, and its conversion back.
namespace kartavel::store {

// Text as stored; integers and day numbers in decimal; reals in the shortest
// general form of up to 15 significant digits with "." as the decimal point
// (1E20 and 1.5E-6 for large and small ones); booleans "-1" and "0"; null empty.
std::string valueText(FieldType type, const Value& value);

// Converts a table file's value text for a column, or nothing when it cannot be
// converted (a date or integer text that is no number, an integer out of range).
// Text is cut to the column's size. Empty text gives null.
std::optional<Value> parseValueText(const FieldDef& field, std::string_view text);

// A decimal number with "." as the decimal point and an optional exponent.
std::optional<double> parseDecimal(std::string_view text);

// A number as a whole number of the integer and date columns: its fraction cut
// off, held within the 32-bit range (a value beyond it becomes the nearest end, not
// a number becomes 0). A hand-edited file may hold any number.
std::int32_t wholeNumber(double v);

// FieldValueText: the value text of one column of the table's current record.
std::string FieldValueText(const RecordTable& table, int field);

} // namespace kartavel::store
