#include "ui/grid/grid_locale.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/base/ascii.h"
#include "ui/grid/grid_types.h"

namespace kv {
namespace {

GridLocale g_locale = BrazilianGridLocale();

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

[[noreturn]] void Fail(std::string_view text, const char* what) {
    throw GridConvertError("'" + std::string(text) + "' is not a valid " + what);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads digits from `s` at `i` into `value`; false when there is none or it overflows.
bool ReadNumber(std::string_view s, size_t& i, int& value, int max_digits = 9) {
    const size_t start = i;
    value = 0;
    while (i < s.size() && IsDigit(s[i]) && i - start < size_t(max_digits)) {
        value = value * 10 + (s[i] - '0');
        ++i;
    }
    return i > start && (i == s.size() || !IsDigit(s[i]));
}

// Days from 1 March of year 0 style civil calendar arithmetic, shifted to the game's day 0.
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;  // days since 1 January 1970
}

constexpr long long kDay0 = -25569;  // 30 December 1899, counted from 1 January 1970

bool ValidDate(int y, int m, int d) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

// "h:n[:s]" from `i` to the end of `s`; the fraction of a day.
bool ReadTime(std::string_view s, size_t i, double& out) {
    const char sep = g_locale.time_separator;
    int h = 0, n = 0, sec = 0;
    if (!ReadNumber(s, i, h, 2) || i >= s.size() || s[i] != sep) return false;
    ++i;
    if (!ReadNumber(s, i, n, 2)) return false;
    if (i < s.size()) {
        if (s[i] != sep) return false;
        ++i;
        if (!ReadNumber(s, i, sec, 2) || i != s.size()) return false;
    }
    if (h > 23 || n > 59 || sec > 59) return false;
    out = (h * 3600.0 + n * 60.0 + sec) / 86400.0;
    return true;
}

}  // namespace

GridLocale BrazilianGridLocale() {
    return {};
}

GridLocale NeutralGridLocale() {
    return {'.', 0, '-', ':', GridLocale::YearMonthDay};
}

const GridLocale& CurrentGridLocale() {
    return g_locale;
}

void SetGridLocale(const GridLocale& locale) {
    g_locale = locale;
}

std::string GridIntToText(int value) {
    return std::to_string(value);
}

int GridTextToInt(std::string_view text) {
    std::string_view s = Trim(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) Fail(text, "integer value");
    return value;
}

std::string GridFloatToText(double value) {
    if (!std::isfinite(value)) return value != value ? "NAN" : (value > 0 ? "INF" : "-INF");
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    std::string out;
    std::string_view s = buf;
    const size_t e = s.find('E');
    for (char c : s.substr(0, e)) out += c == '.' ? g_locale.decimal_separator : c;
    if (e != std::string_view::npos) {
        // "1.5E+020" style exponents become "1,5E20" and "1E-5".
        std::string_view exp = s.substr(e + 1);
        out += 'E';
        if (exp.front() == '-') out += '-';
        exp.remove_prefix(1);
        while (exp.size() > 1 && exp.front() == '0') exp.remove_prefix(1);
        out += exp;
    }
    return out;
}

double GridTextToFloat(std::string_view text) {
    const std::string_view s = Trim(text);
    const GridLocale& loc = g_locale;
    // Rebuilt in the C form for from_chars, checking the grouping on the way.
    std::string plain;
    size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        if (s[i] == '-') plain += '-';
        ++i;
    }
    int digits = 0, group = -1;  // group: digits since the last separator, -1 before any
    bool grouped = false;
    for (; i < s.size() &&
           (IsDigit(s[i]) || (loc.thousand_separator && s[i] == loc.thousand_separator));
         ++i) {
        if (s[i] == loc.thousand_separator) {
            if (digits == 0 || (grouped && group != 3) || (!grouped && digits > 3))
                Fail(text, "floating point value");
            grouped = true;
            group = 0;
        } else {
            plain += s[i];
            ++digits;
            if (grouped) ++group;
        }
    }
    if (grouped && group != 3) Fail(text, "floating point value");
    int fraction = 0;
    if (i < s.size() && s[i] == loc.decimal_separator) {
        plain += '.';
        for (++i; i < s.size() && IsDigit(s[i]); ++i, ++fraction) plain += s[i];
    }
    if (digits + fraction == 0) Fail(text, "floating point value");
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) plain += s[i++];
        const size_t start = i;
        for (; i < s.size() && IsDigit(s[i]); ++i) plain += s[i];
        if (i == start) Fail(text, "floating point value");
    }
    if (i != s.size()) Fail(text, "floating point value");
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        Fail(text, "floating point value");
    return value;
}

bool GridEncodeDate(int year, int month, int day, double& out) {
    if (!ValidDate(year, month, day)) return false;
    out = static_cast<double>(DaysFromCivil(year, month, day) - kDay0);
    return true;
}

void GridDecodeDate(double date, int& year, int& month, int& day) {
    // The inverse of DaysFromCivil.
    const long long z = static_cast<long long>(std::trunc(date)) + kDay0 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

std::string GridDateTimeToText(double date_time) {
    if (!std::isfinite(date_time) || std::fabs(date_time) > 2958465.0) return {};
    int y, m, d;
    GridDecodeDate(date_time, y, m, d);
    const GridLocale& loc = g_locale;
    char buf[64];
    const char sep = loc.date_separator;
    switch (loc.date_order) {
        case GridLocale::DayMonthYear:
            std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d", d, sep, m, sep, y);
            break;
        case GridLocale::MonthDayYear:
            std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d", m, sep, d, sep, y);
            break;
        case GridLocale::YearMonthDay:
            std::snprintf(buf, sizeof buf, "%04d%c%02d%c%02d", y, sep, m, sep, d);
            break;
    }
    std::string out = buf;
    const long long seconds =
        std::llround(std::fabs(date_time - std::trunc(date_time)) * 86400.0) % 86400;
    if (seconds != 0) {
        std::snprintf(buf, sizeof buf, " %02lld%c%02lld%c%02lld", seconds / 3600,
                      loc.time_separator, seconds / 60 % 60, loc.time_separator, seconds % 60);
        out += buf;
    }
    return out;
}

bool TryGridTextToDateTime(std::string_view text, double& out) {
    const std::string_view s = Trim(text);
    if (s.empty()) return false;
    // A time alone.
    if (s.find(g_locale.date_separator) == std::string_view::npos) return ReadTime(s, 0, out);
    const char sep = g_locale.date_separator;
    int parts[3] = {};
    int widths[3] = {};
    size_t i = 0;
    for (int p = 0; p < 3; ++p) {
        const size_t start = i;
        if (!ReadNumber(s, i, parts[p], 4)) return false;
        widths[p] = int(i - start);
        if (p < 2) {
            if (i >= s.size() || s[i] != sep) return false;
            ++i;
        }
    }
    int y, m, d, year_width;
    switch (g_locale.date_order) {
        case GridLocale::DayMonthYear:
            d = parts[0], m = parts[1], y = parts[2], year_width = widths[2];
            break;
        case GridLocale::MonthDayYear:
            m = parts[0], d = parts[1], y = parts[2], year_width = widths[2];
            break;
        default:
            y = parts[0], m = parts[1], d = parts[2], year_width = widths[0];
            break;
    }
    if (year_width <= 2) y += y < 50 ? 2000 : 1900;
    double date = 0;
    if (!GridEncodeDate(y, m, d, date)) return false;
    double time = 0;
    if (i < s.size()) {
        if (s[i] != ' ') return false;
        while (i < s.size() && s[i] == ' ') ++i;
        if (!ReadTime(s, i, time)) return false;
    }
    // Before day 0 the fraction still counts forwards in the day.
    out = date < 0 ? date - time : date + time;
    return true;
}

double GridTextToDateTime(std::string_view text) {
    double out = 0;
    if (!TryGridTextToDateTime(text, out)) Fail(text, "date and time");
    return out;
}

std::string GridBoolToText(bool value) {
    return value ? "True" : "False";
}

bool GridTextToBool(std::string_view text) {
    const std::string_view s = Trim(text);
    if (EqualsIgnoreAsciiCase(s, "true")) return true;
    if (EqualsIgnoreAsciiCase(s, "false")) return false;
    try {
        return GridTextToFloat(s) != 0;
    } catch (const GridConvertError&) {
        Fail(text, "boolean value");
    }
}

int GridRoundToInt(double value) {
    if (value != value) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(std::nearbyint(value));  // the default mode rounds halves to even
}

int GridTruncToInt(double value) {
    if (value != value) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace kv
