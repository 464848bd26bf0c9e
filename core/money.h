#pragma once
// Money held in records (cash, wages, values, prices) is a signed count of
// ten-thousandths of a unit; rules, finances, ticket prices and prizes work in
// whole units and are scaled when they touch a stored amount.

#include <cstdint>

namespace kv {

using Money = std::int64_t;

inline constexpr Money kMoneyScale = 10000;

// Whole units as a stored amount.
inline constexpr Money MoneyFromUnits(std::int64_t units) {
    return units * kMoneyScale;
}

// A stored amount in whole units, rounded to the nearest unit, halves to even.
std::int64_t MoneyToUnits(Money amount);

// A stored amount as a floating-point number of units, for formulas.
inline constexpr double MoneyToDouble(Money amount) {
    return static_cast<double>(amount) / static_cast<double>(kMoneyScale);
}

// A floating-point number of units as a stored amount, rounded to the nearest
// ten-thousandth, halves to even.
Money MoneyFromDouble(double units);

}  // namespace kv
