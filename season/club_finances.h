#pragma once
// A club's books as the accounts show them and its bank loan: borrowed and repaid in steps of
// 500,000 under a ceiling set by the division, charged 3 % a week.

#include <array>
#include <cstdint>

namespace kv {

class GameData;

inline constexpr std::int32_t kLoanStep = 500'000;

// The most a club of the division (0 for none) may owe the bank.
std::int32_t LoanCeiling(int division);
// The interest of one week on a loan, in whole units.
std::int32_t WeeklyLoanInterest(std::int32_t loan);

// Whether the club may borrow one more step: its loan is below its division's ceiling. A club
// relegated while in debt keeps a loan above its new ceiling and cannot borrow until it is
// below it.
bool CanBorrow(const GameData& data, int club);
// One step borrowed: loan and cash up by 500,000. False, and nothing changes, at the ceiling.
bool BorrowLoanStep(GameData& data, int club);
// One step repaid, whatever the cash (it may fall below 0). False with no loan.
bool RepayLoanStep(GameData& data, int club);
// The week's interest out of the cash of a club that owes the bank; `loan_interest` keeps the
// last charge.
void ChargeLoanInterest(GameData& data, int club);

// The season's accounts of a club, in whole units. The money still owed counts as income.
struct ClubAccounts {
    // gate receipts, player sales, prizes, loan, sponsorship
    std::array<std::int32_t, 5> income{};
    // player purchases, stadium works, wages, loan interest, release penalties, other
    std::array<std::int32_t, 6> expenses{};
    std::int64_t income_total = 0;
    std::int64_t expense_total = 0;
    std::int64_t balance = 0;
    std::int32_t weekly_interest = 0;
    std::int32_t wage_bill = 0;
    std::int32_t cash = 0;
};
ClubAccounts AccountsOf(const GameData& data, int club);

}  // namespace kv
