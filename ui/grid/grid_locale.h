#pragma once
// How the grid's cells write numbers and dates as text and read them back. The game's windows
// write Brazilian texts into cells ("1.234,5", "31/12/2014"), so that is the locale every grid
// starts with; tests may switch to a neutral one. Dates are day counts from 30 December 1899
// with the time of day as the fraction, as everywhere in the game.
//
// Every reader refuses what is not wholly a value of its kind (and NaN, infinities and numbers
// too large for a double among them) with GridConvertError; every conversion of a double to an
// integer clamps to the range of int instead of overflowing.

#include <string>
#include <string_view>

namespace kv {

struct GridLocale {
    enum DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };
    char decimal_separator = ',';
    char thousand_separator = '.';  // 0: numbers are never grouped
    char date_separator = '/';
    char time_separator = ':';
    DateOrder date_order = DayMonthYear;
};

// Decimal ",", thousands ".", dd/mm/yyyy hh:nn:ss.
GridLocale BrazilianGridLocale();
// Decimal ".", no grouping, yyyy-mm-dd hh:nn:ss.
GridLocale NeutralGridLocale();

const GridLocale& CurrentGridLocale();
void SetGridLocale(const GridLocale& locale);

// Puts the locale back as it was when the scope ends (tests).
class ScopedGridLocale {
  public:
    explicit ScopedGridLocale(const GridLocale& locale) : saved_(CurrentGridLocale()) {
        SetGridLocale(locale);
    }
    ~ScopedGridLocale() { SetGridLocale(saved_); }
    ScopedGridLocale(const ScopedGridLocale&) = delete;
    ScopedGridLocale& operator=(const ScopedGridLocale&) = delete;

  private:
    GridLocale saved_;
};

std::string GridIntToText(int value);
// Plain decimal with an optional sign, blanks around it allowed.
int GridTextToInt(std::string_view text);

// The general format: up to 15 significant digits, the locale's decimal separator, an
// exponent ("1,5E20") only where the plain form would need more digits.
std::string GridFloatToText(double value);
// Digits with the locale's decimal separator, optionally grouped by its thousands separator in
// threes, an optional sign and exponent.
double GridTextToFloat(std::string_view text);

// The short date, then the time unless it is midnight.
std::string GridDateTimeToText(double date_time);
// A date, a date and a time, or a time alone; years of one or two digits fall in 1950..2049.
double GridTextToDateTime(std::string_view text);
// The same, false instead of an error.
bool TryGridTextToDateTime(std::string_view text, double& out);

// "True", "False"; reading takes those in any letter case, or a number (not 0 is true).
std::string GridBoolToText(bool value);
bool GridTextToBool(std::string_view text);

// Nearest integer, halves to the even neighbour, held to the range of int (NaN gives 0).
int GridRoundToInt(double value);
// The fraction dropped towards zero, held to the range of int (NaN gives 0).
int GridTruncToInt(double value);

// Day counts of calendar dates (years 1..9999); false for a date that does not exist.
bool GridEncodeDate(int year, int month, int day, double& out);
void GridDecodeDate(double date, int& year, int& month, int& day);

}  // namespace kv
