#include "core/dates.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace kv {

namespace {

// Days from 1 March of year 0 of the proleptic Gregorian calendar to the given
// date; this form needs no table of month lengths.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

const std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

TDateTime EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return 0;
    return static_cast<TDateTime>(DaysFromCivil(year, month, day) - kEpoch);
}

DateParts DecodeDate(TDateTime date) {
    // Beyond year 9999 or before year 1 there is nothing a game could mean.
    if (!std::isfinite(date) || date < -693593.0 || date > 2958465.0) return {};
    std::int64_t z = static_cast<std::int64_t>(std::floor(date)) + kEpoch;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    DateParts p;
    p.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    p.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    p.year = static_cast<int>(yoe + era * 400 + (p.month <= 2));
    return p;
}

int DayOfWeek(TDateTime date) {
    if (!std::isfinite(date) || std::fabs(date) > 1e12) return 1;
    // Day 0 (30 December 1899) was a Saturday.
    std::int64_t d = static_cast<std::int64_t>(std::floor(date));
    int w = static_cast<int>(((d % 7) + 7 + 6) % 7);  // 0 = Sunday
    return w + 1;
}

std::string FormatDate(TDateTime date) {
    const DateParts p = DecodeDate(date);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", p.day, p.month, p.year);
    return buf;
}

}  // namespace kv
