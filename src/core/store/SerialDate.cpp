#include "SerialDate.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace kartavel::store {

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daysFromEpoch(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = static_cast<int>(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// 1899-12-30 is 25569 days before 1970-01-01.
constexpr std::int64_t kEpochOffset = 25569;

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

} // namespace

std::int32_t serialFromCivil(const CivilDate& date) {
    return static_cast<std::int32_t>(daysFromEpoch(date.year, date.month, date.day) + kEpochOffset);
}

CivilDate civilFromSerial(std::int32_t serialDay) {
    std::int64_t z = serialDay - kEpochOffset + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

std::int32_t todaySerial() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return serialFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

std::string isoDateText(std::int32_t serialDay) {
    const CivilDate c = civilFromSerial(serialDay);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buf;
}

std::optional<std::int32_t> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto number = [&](std::size_t pos, std::size_t len) -> std::optional<int> {
        int v = 0;
        for (std::size_t i = pos; i < pos + len; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    const auto y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (!y || !m || !d || *y < 1 || *m < 1 || *m > 12 || *d < 1 || *d > daysInMonth(*y, *m))
        return std::nullopt;
    return serialFromCivil({*y, *m, *d});
}

} // namespace kartavel::store
