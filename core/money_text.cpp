#include "core/money_text.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "core/money.h"

namespace kv {

namespace {

// s[from..to] of the decimal text, 1-based and inclusive.
std::string Digits(const std::string& s, std::size_t from, std::size_t to) {
    return s.substr(from - 1, to - from + 1);
}

}  // namespace

std::int32_t MoneyToWholeUnits(std::int64_t ten_thousandths) {
    const std::int64_t units = MoneyToUnits(ten_thousandths);
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(units < lo ? lo : (units > hi ? hi : units));
}

std::string FormatMoneyInWords(std::int32_t n) {
    const std::string s = std::to_string(n);
    std::string text;
    if (n == 0) {
        text = "0 mil";
    } else if (n >= 1 && n <= 999) {
        text = s;
    } else if (n >= 1000 && n <= 9999) {
        text = Digits(s, 1, 1) + " mil";
    } else if (n >= 10000 && n <= 99999) {
        text = Digits(s, 1, 2) + " mil";
    } else if (n >= 100000 && n <= 999999) {
        text = Digits(s, 1, 3) + " mil";
    } else if (n >= 1000000 && n <= 1999999) {
        text = Digits(s, 1, 1) + " milhão " + Digits(s, 2, 4) + " mil";
    } else if (n >= 2000000 && n <= 9999999) {
        text = Digits(s, 1, 1) + " milhões " + Digits(s, 2, 4) + " mil";
    } else if (n >= 10000000 && n <= 99999999) {
        text = Digits(s, 1, 2) + " milhões " + Digits(s, 3, 5) + " mil";
    } else if (n >= 100000000 && n <= 999999999) {
        text = Digits(s, 1, 3) + " milhões " + Digits(s, 4, 6) + " mil";
    } else if (n >= 1000000000 && n <= 1999999999) {
        text =
            Digits(s, 1, 1) + " bilhão " + Digits(s, 2, 4) + " milhões " + Digits(s, 5, 7) + " mil";
    } else if (n >= 2000000000) {
        text = Digits(s, 1, 1) + " bilhões " + Digits(s, 2, 4) + " milhões " + Digits(s, 5, 7) +
               " mil";
    } else if (n >= -999 && n <= -1) {
        text = s;
    } else if (n >= -9999 && n <= -1000) {
        text = Digits(s, 1, 2) + " mil";
    } else if (n >= -99999 && n <= -10000) {
        text = Digits(s, 1, 3) + " mil";
    } else if (n >= -999999 && n <= -100000) {
        text = Digits(s, 1, 4) + " mil";
    } else if (n >= -1999999 && n <= -1000000) {
        text = Digits(s, 1, 2) + " milhão " + Digits(s, 3, 5) + " mil";
    } else if (n >= -9999999 && n <= -2000000) {
        text = Digits(s, 1, 2) + " milhões " + Digits(s, 3, 5) + " mil";
    } else if (n >= -99999999 && n <= -10000000) {
        text = Digits(s, 1, 3) + " milhões " + Digits(s, 4, 6) + " mil";
    } else {
        text = s;
    }
    // A round amount says "2 milhões", not "2 milhões 000 mil"; the blank before it stays.
    constexpr std::string_view kZeroThousands = "000 mil";
    if (text.ends_with(kZeroThousands)) text.resize(text.size() - kZeroThousands.size());
    return text;
}

std::string FormatMoneyShort(std::int32_t n) {
    const std::string s = std::to_string(n);
    if (n >= 10000 && n <= 99999) return Digits(s, 1, 2) + " k";
    if (n >= 100000 && n <= 999999) return Digits(s, 1, 3) + " k";
    if (n >= 1000000 && n <= 9999999) return Digits(s, 1, 1) + " " + Digits(s, 2, 4) + " k";
    if (n >= 10000000 && n <= 99999999) return Digits(s, 1, 2) + " " + Digits(s, 3, 5) + " k";
    if (n >= 100000000 && n <= 999999999) return Digits(s, 1, 3) + " " + Digits(s, 4, 6) + " k";
    return s;
}

std::string FormatThousands(std::int32_t n) {
    const std::string s = std::to_string(n);
    if (n >= 1000 && n <= 9999) return Digits(s, 1, 1) + " " + Digits(s, 2, 4);
    if (n >= 10000 && n <= 99999) return Digits(s, 1, 2) + " " + Digits(s, 3, 5);
    if (n >= 100000 && n <= 999999) return Digits(s, 1, 3) + " " + Digits(s, 4, 6);
    if (n >= 1000000 && n <= 9999999)
        return Digits(s, 1, 1) + " " + Digits(s, 2, 4) + " " + Digits(s, 5, 7);
    if (n >= 10000000 && n <= 99999999)
        return Digits(s, 1, 2) + " " + Digits(s, 3, 5) + " " + Digits(s, 6, 8);
    if (n >= -9999 && n <= -1000) return Digits(s, 1, 2) + " " + Digits(s, 3, 5);
    if (n >= -99999 && n <= -10000) return Digits(s, 1, 3) + " " + Digits(s, 4, 6);
    if (n >= -999999 && n <= -100000) return Digits(s, 1, 4) + " " + Digits(s, 5, 7);
    if (n >= -9999999 && n <= -1000000)
        return Digits(s, 1, 2) + " " + Digits(s, 3, 5) + " " + Digits(s, 6, 8);
    return s;
}

std::string FormatDigitGroups(std::int32_t number) {
    // Ten digit places in groups of 1, 3, 3 and 3; the blanks between groups always print,
    // a place left of the leading digit prints nothing, and the last place prints "0".
    constexpr std::string_view kPattern = "# ### ### ##0";
    std::int64_t rest = number < 0 ? -static_cast<std::int64_t>(number) : number;
    std::string reversed;
    bool digits_left = true;
    for (auto it = kPattern.rbegin(); it != kPattern.rend(); ++it) {
        if (*it == ' ') {
            reversed += ' ';
        } else if (digits_left || *it == '0') {
            reversed += static_cast<char>('0' + rest % 10);
            rest /= 10;
            digits_left = rest != 0;
        }
    }
    std::string text = number < 0 ? "-" : "";
    text.append(reversed.rbegin(), reversed.rend());
    return text;
}

int TickToMinute(int tick) {
    const int half_ticks = tick <= 92 ? tick : tick - 92;
    // Half a tick-pair rounds to the even minute (3 -> 2, 5 -> 2); the first tick is minute 1.
    int minute = half_ticks / 2;
    if (half_ticks % 2 != 0 && minute % 2 != 0) ++minute;
    return minute < 1 ? 1 : minute;
}

std::int32_t PlayerStatCount(int, int) {
    return 0;
}

}  // namespace kv
