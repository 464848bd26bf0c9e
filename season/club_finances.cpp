#include "season/club_finances.h"

#include <cmath>

#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"

namespace kv {
namespace {

constexpr std::int32_t kCeilings[] = {1'500'000, 5'000'000, 3'000'000, 2'000'000, 1'500'000};

t_finance* Books(GameData& data, int club) {
    if (!InTable(data.teams, club) || !InTable(data.finances, club)) return nullptr;
    return &data.finances[static_cast<std::size_t>(club)];
}

}  // namespace

std::int32_t LoanCeiling(int division) {
    if (division < 0 || division > 4) return kCeilings[0];
    return kCeilings[division];
}

std::int32_t WeeklyLoanInterest(std::int32_t loan) {
    if (loan <= 0) return 0;
    return static_cast<std::int32_t>(std::nearbyint(loan * 0.03));
}

bool CanBorrow(const GameData& data, int club) {
    if (!InTable(data.teams, club) || !InTable(data.finances, club)) return false;
    const auto c = static_cast<std::size_t>(club);
    return data.finances[c].loan < LoanCeiling(data.teams[c].division);
}

bool BorrowLoanStep(GameData& data, int club) {
    if (!CanBorrow(data, club)) return false;
    Books(data, club)->loan += kLoanStep;
    data.teams[static_cast<std::size_t>(club)].cash += MoneyFromUnits(kLoanStep);
    return true;
}

bool RepayLoanStep(GameData& data, int club) {
    t_finance* books = Books(data, club);
    if (!books || books->loan <= 0) return false;
    books->loan -= kLoanStep;
    data.teams[static_cast<std::size_t>(club)].cash -= MoneyFromUnits(kLoanStep);
    return true;
}

void ChargeLoanInterest(GameData& data, int club) {
    t_finance* books = Books(data, club);
    if (!books || books->loan <= 0) return;
    const std::int32_t interest = WeeklyLoanInterest(books->loan);
    data.teams[static_cast<std::size_t>(club)].cash -= MoneyFromUnits(interest);
    books->loan_interest = interest;
}

ClubAccounts AccountsOf(const GameData& data, int club) {
    ClubAccounts a;
    if (!InTable(data.teams, club) || !InTable(data.finances, club)) return a;
    const t_finance& f = data.finances[static_cast<std::size_t>(club)];
    a.income = {f.gate_receipts, f.player_sales, f.prizes, f.loan, f.sponsorship};
    a.expenses = {f.player_purchases, f.stadium_works,     f.wages_paid,
                  f.loan_interest,    f.release_penalties, f.other_expenses};
    for (const std::int32_t v : a.income) a.income_total += v;
    for (const std::int32_t v : a.expenses) a.expense_total += v;
    a.balance = a.income_total - a.expense_total;
    a.weekly_interest = WeeklyLoanInterest(f.loan);
    a.wage_bill = f.wage_bill;
    a.cash = MoneyToWholeUnits(data.teams[static_cast<std::size_t>(club)].cash);
    return a;
}

}  // namespace kv
