#include "season/calendar_advance.h"

#include <gtest/gtest.h>

#include "season/calendar.h"
#include "tests/season/season_setup.h"

namespace kv {
namespace {

using test::NewSeason;

void BookFriendly(GameData& data, int day, int home, int away, bool taken = false) {
    t_friendly& f = data.friendlies.emplace_back();
    f.home = home;
    f.away = away;
    f.date = data.calendar[day - 1].date;
    f.taken = taken;
}

int FirstDayOfType(const GameData& data, int type) {
    for (int d = 1; d <= 366; ++d)
        if (data.calendar[d - 1].day_type == type) return d;
    return -1;
}

TEST(CalendarAdvance, WalksEveryPlayDayOfTheSeasonInOrder) {
    for (const int format : {2, 4}) {
        for (const int season : {1, 2, 4}) {
            auto data = NewSeason(format, season);
            test::SwitchEverythingOn(*data);
            BuildSeasonCalendar(*data);
            for (int i = 0; i < 4; ++i) test::AddTeam(*data, 29);
            const int friendly_day = FirstDayOfType(*data, ckFriendly);
            BookFriendly(*data, friendly_day, 0, 1);
            SCOPED_TRACE(testing::Message() << "format " << format << " season " << season);

            std::vector<int> expected;
            for (int d = 1; d <= 366; ++d) {
                const int type = data->calendar[d - 1].day_type;
                if (type > 0 || d == friendly_day) expected.push_back(d);
            }
            data->game_state.calendar_day = 0;  // before the first day, as a new game starts
            std::vector<int> visited;
            while (AdvanceToNextPlayDay(*data) == AdvanceResult::kPlayDay)
                visited.push_back(data->game_state.calendar_day);
            EXPECT_EQ(visited, expected);
            EXPECT_EQ(data->game_state.calendar_day, 366);
            EXPECT_EQ(AdvanceToNextPlayDay(*data), AdvanceResult::kNoPlayDayLeft);
            EXPECT_EQ(data->game_state.calendar_day, 366);
        }
    }
}

TEST(CalendarAdvance, StopsOnTheRestDayBeforeATournament) {
    auto data = NewSeason(2, 1);
    data->game_state.world_cup_on = 1;
    BuildSeasonCalendar(*data);
    const int rest = FirstDayOfType(*data, dtRestDay);
    data->game_state.calendar_day = rest - 1;
    EXPECT_EQ(AdvanceToNextPlayDay(*data), AdvanceResult::kPlayDay);
    EXPECT_EQ(data->game_state.calendar_day, rest);
    EXPECT_EQ(AdvanceToNextPlayDay(*data), AdvanceResult::kPlayDay);
    EXPECT_EQ(data->calendar[data->game_state.calendar_day - 1].day_type, ckWorldCup);
}

TEST(CalendarAdvance, FriendliesDaysNeedAFriendlyNotYetTaken) {
    auto data = NewSeason(2);
    BuildSeasonCalendar(*data);
    for (int i = 0; i < 4; ++i) test::AddTeam(*data, 29);
    data->teams[2].human = 1;
    const int first = FirstDayOfType(*data, ckFriendly);  // 5 January
    const int second = first + 7;
    BookFriendly(*data, first, 0, 1, true);
    BookFriendly(*data, second, 3, 2);
    struct Case {
        int day;
        bool friendly, human, club3;
    };
    const Case cases[] = {{first, false, false, false},
                          {second, true, true, true},
                          {second + 1, false, false, false},
                          {0, false, false, false},
                          {367, false, false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(FriendlyOnDay(*data, c.day), c.friendly) << c.day;
        EXPECT_EQ(HumanClubHasFriendly(*data, c.day), c.human) << c.day;
        EXPECT_EQ(ClubHasFriendlyOn(*data, c.day, 3), c.club3) << c.day;
    }
    EXPECT_FALSE(ClubHasFriendlyOn(*data, second, 0));
    data->game_state.calendar_day = 1;
    EXPECT_EQ(AdvanceToNextPlayDay(*data), AdvanceResult::kPlayDay);
    EXPECT_EQ(data->game_state.calendar_day, second);  // the taken one is passed over
}

TEST(CalendarAdvance, APlayDayOnTheLastDayIsStillAPlayDay) {
    auto data = NewSeason(2);
    BuildSeasonCalendar(*data);
    for (t_calendar_day& day : data->calendar) day.day_type = dtFree;
    data->calendar[365].day_type = ckNationalLeague;
    data->game_state.calendar_day = 300;
    EXPECT_EQ(AdvanceToNextPlayDay(*data), AdvanceResult::kPlayDay);
    EXPECT_EQ(data->game_state.calendar_day, 366);
    EXPECT_EQ(AdvanceToNextPlayDay(*data), AdvanceResult::kNoPlayDayLeft);
    EXPECT_EQ(data->game_state.calendar_day, 366);
}

}  // namespace
}  // namespace kv
