#pragma once
// Dates are day counts with a fraction: day 0 is 30 December 1899, so
// 1 January 1900 is day 2. Only the whole part names the day.

#include <string>

namespace kv {

using TDateTime = double;

struct DateParts {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The day count of a calendar date (year 1..9999); 0 for a date that does not exist.
TDateTime EncodeDate(int year, int month, int day);

// The calendar date of a day count; the fraction is ignored.
DateParts DecodeDate(TDateTime date);

// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);

// "dd/mm/yyyy", as the game shows every date.
std::string FormatDate(TDateTime date);

}  // namespace kv
