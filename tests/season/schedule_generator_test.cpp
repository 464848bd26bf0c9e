#include "season/schedule_generator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "season/calendar.h"
#include "tests/season/season_setup.h"

namespace kv {
namespace {

using test::AddLeague;
using test::AddTeam;
using test::DatesOfType;
using test::NewSeason;
using test::SwitchEverythingOn;

std::vector<const t_fixture*> FixturesOf(const GameData& data, int kind, int owner) {
    std::vector<const t_fixture*> list;
    for (const t_fixture& f : data.fixtures)
        if (f.kind == kind && f.owner == owner) list.push_back(&f);
    return list;
}

// A double round robin: every club once per round, every pair twice with the sides
// swapped, first half on league days 1..R and the return half on R+1..2R.
void ExpectDoubleRoundRobin(const GameData& data, int c, int division, int size) {
    const int rounds = size - 1;
    const std::vector<double> days = DatesOfType(data, ckNationalLeague);
    ASSERT_GE(static_cast<int>(days.size()), 2 * rounds);
    std::set<int> clubs(std::begin(data.league_configs[c].division_clubs[division - 1]),
                        std::begin(data.league_configs[c].division_clubs[division - 1]) + size);
    std::map<std::pair<int, int>, int> met;                // (home, away) -> times
    std::map<std::pair<int, int>, std::set<int>> playing;  // (leg, round) -> clubs
    for (const t_fixture* f : FixturesOf(data, ckNationalLeague, c)) {
        if (!clubs.count(f->home)) continue;
        ASSERT_TRUE(clubs.count(f->away));
        ASSERT_GE(f->round, 1);
        ASSERT_LE(f->round, rounds);
        EXPECT_EQ(f->date, days[(f->leg - 1) * rounds + f->round - 1]);
        EXPECT_EQ(f->cup_tie, -1);
        ++met[{f->home, f->away}];
        auto& today = playing[{f->leg, f->round}];
        EXPECT_TRUE(today.insert(f->home).second);
        EXPECT_TRUE(today.insert(f->away).second);
    }
    EXPECT_EQ(playing.size(), static_cast<std::size_t>(2 * rounds));
    for (const auto& [round, today] : playing) EXPECT_EQ(static_cast<int>(today.size()), size);
    EXPECT_EQ(static_cast<int>(met.size()), size * (size - 1));
    for (const auto& [pair, times] : met) EXPECT_EQ(times, 1);
}

struct LeagueCase {
    int format;
    int size;
    int divisions;
    std::size_t fixtures;
};

TEST(ScheduleGenerator, LeaguesPlayADoubleRoundRobinOnTheLeagueDays) {
    const LeagueCase cases[] = {
        {2, 20, 1, 380}, {4, 10, 1, 90}, {2, 20, 4, 4 * 380}, {4, 10, 3, 3 * 90}};
    for (const LeagueCase& lc : cases) {
        auto data = NewSeason(lc.format);
        const int c = AddLeague(*data, 11, lc.divisions, lc.size);
        BuildSeasonCalendar(*data);
        BuildCompetitionFixtures(*data, ckNationalLeague, c);
        SCOPED_TRACE(testing::Message() << lc.divisions << " x " << lc.size);
        EXPECT_EQ(data->fixtures.size(), lc.fixtures);
        for (int d = 1; d <= lc.divisions; ++d) ExpectDoubleRoundRobin(*data, c, d, lc.size);
    }
}

TEST(ScheduleGenerator, EmptySlotsGetNoFixture) {
    auto data = NewSeason(2);
    const int c = AddLeague(*data, 29, 1, 20);
    data->league_configs[c].division_clubs[0][19] = -1;  // a division one club short
    BuildSeasonCalendar(*data);
    BuildCompetitionFixtures(*data, ckNationalLeague, c);
    EXPECT_EQ(data->fixtures.size(), 380u - 2 * 19);
    for (const t_fixture& f : data->fixtures) {
        EXPECT_GE(f.home, 0);
        EXPECT_GE(f.away, 0);
    }
}

TEST(ScheduleGenerator, RegionalDivisionUsesTheTwentyClubTableOnDivisionFour) {
    auto data = NewSeason(2);
    const int c = AddLeague(*data, 29, 4, 20);
    BuildSeasonCalendar(*data);
    BuildRegionalDivisionFixtures(*data, c);
    ASSERT_EQ(data->fixtures.size(), 380u);
    ExpectDoubleRoundRobin(*data, c, 4, 20);
}

struct CupCase {
    const char* name;
    int format;
    int country;
    int divisions;
    int size;
    int club_count;
    bool home_extra_round;            // another league of the home country brings the extra round
    std::vector<int> ties_per_phase;  // phases 0..5
    int first_cup_tie;
    int first_date;  // national-cup day of the first tie (phase 2 opens on day 2)
};

TEST(ScheduleGenerator, NationalCupPhasesAndTheirDays) {
    const CupCase cases[] = {
        {"one division of 20", 2, 11, 1, 20, 20, false, {0, 0, 8, 4, 2, 1}, 31, 2},
        {"two divisions of 20", 2, 11, 2, 20, 40, false, {0, 16, 8, 4, 2, 1}, 31, 0},
        {"home country over 80 clubs", 2, 29, 4, 20, 84, false, {32, 16, 8, 4, 2, 1}, 63, 0},
        {"other country beside the extra round",
         2,
         11,
         2,
         20,
         40,
         true,
         {0, 16, 8, 4, 2, 1},
         31,
         2},
        {"two divisions of 10", 4, 11, 2, 10, 20, false, {0, 0, 8, 4, 2, 1}, 31, 2},
        {"three divisions of 10", 4, 29, 3, 10, 90, false, {0, 16, 8, 4, 2, 1}, 31, 0},
    };
    for (const CupCase& cc : cases) {
        SCOPED_TRACE(cc.name);
        auto data = NewSeason(cc.format);
        data->game_state.national_cup_on = 1;
        if (cc.home_extra_round) {
            const int home = AddLeague(*data, 29, 4, 20);
            data->league_configs[home].club_count = 84;
        }
        const int c = AddLeague(*data, cc.country, cc.divisions, cc.size);
        data->league_configs[c].club_count = cc.club_count;
        BuildSeasonCalendar(*data);
        BuildCompetitionFixtures(*data, ckNationalCup, c);
        const std::vector<double> days = DatesOfType(*data, ckNationalCup);

        const auto cup = FixturesOf(*data, ckNationalCup, c);
        std::size_t total = 0;
        for (int ties : cc.ties_per_phase) total += 2 * ties;
        ASSERT_EQ(cup.size(), total);
        EXPECT_EQ(cup.front()->cup_tie, cc.first_cup_tie);
        EXPECT_EQ(cup.front()->date, days[cc.first_date]);
        EXPECT_EQ(cup.back()->round, 5);
        EXPECT_EQ(cup.back()->date, days.back());
        std::map<int, int> ties;
        for (std::size_t i = 0; i < cup.size(); i += 2) {
            const t_fixture& first = *cup[i];
            const t_fixture& second = *cup[i + 1];
            EXPECT_EQ(first.home, -1);
            EXPECT_EQ(first.away, -1);
            EXPECT_EQ(first.round, second.round);
            EXPECT_EQ(first.leg, ++ties[first.round]);  // the tie's number within its phase
            EXPECT_EQ(second.leg, first.leg);
            EXPECT_EQ(second.cup_tie, first.cup_tie);
            EXPECT_EQ(first.cup_tie, cc.first_cup_tie - static_cast<int>(i / 2));
            EXPECT_LT(first.date, second.date);
        }
        for (int phase = 0; phase <= 5; ++phase)
            EXPECT_EQ(ties[phase], cc.ties_per_phase[phase]) << "phase " << phase;
    }
}

TEST(ScheduleGenerator, StateGroupsPlayTenRoundsOnTheStateDays) {
    auto data = NewSeason(2);
    data->game_state.state_leagues_on = 1;
    t_state_league& state = data->state_leagues[25];
    for (auto& group : state.groups) std::fill(std::begin(group), std::end(group), -1);
    state.group_count = 2;
    state.active = 1;
    for (int g = 0; g < 3; ++g)  // the third group holds the clubs that play no group matches
        for (int s = 0; s < 6; ++s) state.groups[g][s] = AddTeam(*data, 29);
    state.groups[1][5] = -1;  // the second group is a club short
    BuildSeasonCalendar(*data);
    BuildCompetitionFixtures(*data, ckStateChampionship, 25);
    const std::vector<double> days = DatesOfType(*data, ckStateChampionship);
    EXPECT_EQ(data->fixtures.size(), 30u + 20u);
    std::map<int, int> games;
    for (const t_fixture& f : data->fixtures) {
        EXPECT_EQ(f.kind, ckStateChampionship);
        EXPECT_EQ(f.owner, 25);
        EXPECT_EQ(f.date, days[(f.leg - 1) * 5 + f.round - 1]);
        ++games[f.home];
        ++games[f.away];
    }
    for (int s = 0; s < 6; ++s) EXPECT_EQ(games[state.groups[0][s]], 10);
    for (int s = 0; s < 5; ++s) EXPECT_EQ(games[state.groups[1][s]], 8);
    EXPECT_EQ(games.count(state.groups[2][0]), 0u);
}

// Fills every group table of the continental cups and the preliminary list with new clubs.
void DrawContinentalCups(GameData& data) {
    t_game_state& gs = data.game_state;
    for (auto* table : {&gs.continental_groups_south_america, &gs.continental_groups_europe,
                        &gs.continental_groups_africa, &gs.continental_groups_asia,
                        &gs.second_cup_groups_south_america, &gs.second_cup_groups_europe})
        for (auto& group : *table)
            for (int& slot : group) slot = AddTeam(data, 3);
    for (int& team : data.second_cup_prelim_teams) team = AddTeam(data, 29);
}

TEST(ScheduleGenerator, ContinentalCupsGroupsAndKnockout) {
    auto data = NewSeason(2, 3);
    SwitchEverythingOn(*data);
    DrawContinentalCups(*data);
    BuildSeasonCalendar(*data);

    BuildCompetitionFixtures(*data, ckContinentalCup, -1);
    EXPECT_EQ(data->fixtures.size(), 4u * 96 + 4u * 30);
    const std::vector<double> first_days = DatesOfType(*data, ckContinentalCup);
    for (int region = crSouthAmerica; region <= crAsia; ++region) {
        const auto cup = FixturesOf(*data, ckContinentalCup, region);
        ASSERT_EQ(cup.size(), 96u + 30u);
        EXPECT_EQ(cup[0]->date, first_days[0]);
        EXPECT_EQ(cup[95]->date, first_days[5]);
        EXPECT_EQ(cup[96]->round, 4);
        EXPECT_EQ(cup[96]->home, -1);
        EXPECT_EQ(cup[96]->date, first_days[6]);
        EXPECT_EQ(cup.back()->round, 7);
        EXPECT_EQ(cup.back()->leg, 2);
        EXPECT_EQ(cup.back()->date, first_days[13]);
    }

    data->fixtures.clear();
    BuildCompetitionFixtures(*data, ckSecondContinentalCup, -1);
    const std::vector<double> days = DatesOfType(*data, ckSecondContinentalCup);
    const auto europe = FixturesOf(*data, ckSecondContinentalCup, crEurope);
    const auto south = FixturesOf(*data, ckSecondContinentalCup, crSouthAmerica);
    ASSERT_EQ(europe.size(), 96u + 30u);
    ASSERT_EQ(south.size(), 32u + 30u);
    EXPECT_EQ(data->fixtures.size(), 96u + 32u + 60u);
    // Preliminary ties pair consecutive entries, the first at home in the first match.
    EXPECT_EQ(south[0]->home, data->second_cup_prelim_teams[0]);
    EXPECT_EQ(south[0]->away, data->second_cup_prelim_teams[1]);
    EXPECT_EQ(south[1]->home, data->second_cup_prelim_teams[1]);
    EXPECT_EQ(south[1]->leg, 2);
    EXPECT_EQ(south[1]->date, days[1]);
    EXPECT_EQ(south[32]->round, 4);
    EXPECT_EQ(south[32]->date, days[2]);
    EXPECT_EQ(south.back()->date, days[9]);  // ten of the fourteen days
    EXPECT_EQ(europe.back()->date, days[13]);
}

TEST(ScheduleGenerator, ContinentalCupsOutsideTheCalendarStayUndated) {
    auto data = NewSeason(2, 1);  // season 1 without first-season cups: no cup days
    DrawContinentalCups(*data);
    BuildSeasonCalendar(*data);
    BuildCompetitionFixtures(*data, ckContinentalCup, -1);
    ASSERT_EQ(data->fixtures.size(), 4u * 126);
    for (const t_fixture& f : data->fixtures) EXPECT_EQ(f.date, 0.0);
}

TEST(ScheduleGenerator, SuperCupWithoutKnownChampionsHasNoFixture) {
    auto data = NewSeason(2, 3);
    SwitchEverythingOn(*data);
    BuildSeasonCalendar(*data);
    BuildSuperCupFixtures(*data);
    EXPECT_TRUE(data->fixtures.empty());
}

TEST(ScheduleGenerator, OtherKindsAndUnknownOwnersAreIgnored) {
    auto data = NewSeason(2);
    AddLeague(*data, 29, 1, 20);
    BuildSeasonCalendar(*data);
    for (const int kind :
         {int{ckFriendly}, int{ckClubWorldCup}, int{ckWorldCup}, int{ckSuperCup}, 42})
        BuildCompetitionFixtures(*data, kind, 0);
    BuildCompetitionFixtures(*data, ckNationalLeague, 1);
    BuildCompetitionFixtures(*data, ckStateChampionship, 27);
    EXPECT_TRUE(data->fixtures.empty());
}

TEST(ScheduleGenerator, AWholeSeasonDatesEveryFixtureOnADayOfItsKind) {
    for (const int format : {2, 4}) {
        auto data = NewSeason(format, 3);
        SwitchEverythingOn(*data);
        const int size = format == 2 ? 20 : 10;
        const int home = AddLeague(*data, 29, 4, size);
        data->league_configs[home].club_count = 90;
        AddLeague(*data, 11, 2, size);
        t_state_league& state = data->state_leagues[25];
        state.active = 1;
        state.group_count = 1;
        for (int s = 0; s < 6; ++s)
            state.groups[0][s] = data->league_configs[home].division_clubs[0][s];
        DrawContinentalCups(*data);
        BuildSeasonCalendar(*data);
        for (int c = 0; c < 2; ++c) BuildCompetitionFixtures(*data, ckNationalLeague, c);
        BuildCompetitionFixtures(*data, ckStateChampionship, 25);
        for (int c = 0; c < 2; ++c) BuildCompetitionFixtures(*data, ckNationalCup, c);
        BuildCompetitionFixtures(*data, ckContinentalCup, -1);
        BuildCompetitionFixtures(*data, ckSecondContinentalCup, -1);

        std::map<double, int> type_of_date;
        for (const t_calendar_day& day : data->calendar) type_of_date[day.date] = day.day_type;
        SCOPED_TRACE(testing::Message() << "format " << format);
        EXPECT_EQ(data->fixtures.front().kind, ckNationalLeague);
        for (const t_fixture& f : data->fixtures) {
            ASSERT_EQ(type_of_date.count(f.date), 1u) << "kind " << f.kind << " round " << f.round;
            EXPECT_EQ(type_of_date[f.date], f.kind) << "round " << f.round;
            const bool open_tie = f.kind == ckNationalCup || f.round >= 4;
            if (!open_tie) {
                EXPECT_TRUE(f.home >= 0 && f.away >= 0) << "kind " << f.kind;
            }
        }
    }
}

}  // namespace
}  // namespace kv
