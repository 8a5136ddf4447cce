#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Dates as the catalogue stores them: serial day numbers, whole days counted from
// 30 December 1899 (day 0). Date-times carry the time of day as the fraction.
namespace kartavel::store {

struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The range of dates a date column takes: 1 January 0001 to 31 December 9999.
inline constexpr std::int32_t kMinSerialDay = -693593;
inline constexpr std::int32_t kMaxSerialDay = 2958465;

std::int32_t serialFromCivil(const CivilDate& date);
CivilDate civilFromSerial(std::int32_t serialDay);

// Today's date on the local clock.
std::int32_t todaySerial();

// "YYYY-MM-DD".
std::string isoDateText(std::int32_t serialDay);

// A "YYYY-MM-DD" text that names a real day, or nothing.
std::optional<std::int32_t> parseIsoDate(std::string_view text);

} // namespace kartavel::store
