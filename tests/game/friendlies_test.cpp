#include "season/friendlies.h"

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "core/money.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

TEST(Friendlies, FeeByDivisionAtHomeByLevelAbroadAndRefusalsByReputation) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int club = test::AddClub(data, 29);
    const int home_first = test::AddClub(data, 29);
    data.teams[home_first].division = 1;
    const int home_regional = test::AddClub(data, 29);
    const int foreign = test::AddClub(data, 10, 18);
    const int foreign_top = test::AddClub(data, 10, 25);
    struct Case {
        int opponent;
        bool at_home;
        int fee;
    };
    for (const Case c : {Case{home_first, true, 150'000}, Case{home_first, false, 50'000},
                         Case{home_regional, true, 20'000}, Case{foreign, false, 80'000},
                         Case{foreign, true, 200'000}, Case{foreign_top, true, 300'000}})
        EXPECT_EQ(FriendlyFee(data, club, c.opponent, c.at_home), c.fee) << c.opponent;

    struct Reputation {
        int ours, theirs;
        bool refused;
    };
    for (const Reputation r :
         {Reputation{1, 4, true}, Reputation{2, 5, true}, Reputation{2, 4, false},
          Reputation{3, 5, false}, Reputation{0, 3, false}}) {
        data.teams[club].reputation = r.ours;
        data.teams[foreign].reputation = r.theirs;
        EXPECT_EQ(FriendlyRefusedByReputation(data, club, foreign), r.refused)
            << r.ours << " vs " << r.theirs;
    }
}

TEST(Friendlies, FreeDaysSkipTodayBookedDatesAndInPreseasonTheChampionship) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int club = test::AddClub(data, 29);
    const int other = test::AddClub(data, 29);
    data.teams[club].cash = MoneyFromUnits(1'000'000);
    for (int d = 1; d <= kCalendarDays; ++d) {
        data.calendar[d - 1].date = 41640 + d;
        data.calendar[d - 1].day_type = d == 10 ? ckNationalLeague : ckFriendly;
    }
    data.game_state.calendar_day = 2;
    const FriendlyDays pre = FreeFriendlyDays(data, club, true);
    EXPECT_EQ(pre.days, (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(pre.start_text.rfind("Camp. nacional se inicia em ", 0), 0u);
    EXPECT_EQ(FreeFriendlyDays(data, club, false).days.size(), kCalendarDays - 3u);

    ASSERT_EQ(RequestFriendly(data, club, other, true, 4), FriendlyAnswer::kAsk);
    const std::size_t fixtures = data.fixtures.size();
    BookFriendly(data, club, other, true, 4);
    EXPECT_EQ(MoneyToUnits(data.teams[club].cash),
              1'000'000 - FriendlyFee(data, club, other, true));
    EXPECT_EQ(data.fixtures.size(), fixtures + 1);
    EXPECT_EQ(data.fixtures.back().kind, ckFriendly);
    const std::vector<int> after = FreeFriendlyDays(data, club, true).days;
    EXPECT_EQ(std::count(after.begin(), after.end(), 4), 0);
    EXPECT_EQ(RequestFriendly(data, test::AddClub(data, 29), other, true, 4),
              FriendlyAnswer::kEngaged);
    data.teams[club].cash = 0;
    EXPECT_EQ(RequestFriendly(data, club, other, true, 5), FriendlyAnswer::kCashShort);
}

}  // namespace
}  // namespace kv
