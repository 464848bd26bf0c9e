#include "core/money.h"

#include <cmath>

namespace kv {

std::int64_t MoneyToUnits(Money amount) {
    std::int64_t whole = amount / kMoneyScale;
    std::int64_t rest = amount % kMoneyScale;  // same sign as amount
    const std::int64_t half = kMoneyScale / 2;
    if (rest > half || (rest == half && (whole % 2 != 0))) return whole + 1;
    if (rest < -half || (rest == -half && (whole % 2 != 0))) return whole - 1;
    return whole;
}

Money MoneyFromDouble(double units) {
    return static_cast<Money>(std::nearbyint(units * static_cast<double>(kMoneyScale)));
}

}  // namespace kv
