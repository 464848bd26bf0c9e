#include "season/state_championships.h"

#include <gtest/gtest.h>

#include "core/random.h"
#include "tests/season/draw_world.h"

namespace kv {
namespace {

using test::AddClubs;
using test::NewSeason;

std::vector<int> AddStateClubs(GameData& data, int state, int count) {
    std::vector<int> clubs = AddClubs(data, kHomeCountry, count, 40);
    for (const int team : clubs) data.teams[team].state = state;
    return clubs;
}

int ClubsIn(const t_state_league& state, int group) {
    int clubs = 0;
    for (const int team : state.groups[group - 1]) clubs += team >= 0;
    return clubs;
}

TEST(StateChampionships, ClubCountGivesTheGroups) {
    struct Case {
        int clubs, groups, extra, in_league;
    };
    const Case cases[] = {
        {5, 0, 0, 0}, {6, 1, 0, 6}, {11, 1, 5, 11}, {12, 2, 0, 12}, {30, 4, 6, 30}, {31, 4, 6, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.clubs << " clubs");
        SeedRandom(c.clubs);
        auto data = NewSeason(2);
        data->game_state.state_leagues_on = 1;
        const std::vector<int> clubs = AddStateClubs(*data, 25, c.clubs);
        BuildStateLeagues(*data);

        const t_state_league& state = data->state_leagues[25];
        EXPECT_EQ(state.group_count, c.groups);
        EXPECT_EQ(state.active, c.groups > 0);
        for (int g = 1; g <= c.groups; ++g) EXPECT_EQ(ClubsIn(state, g), 6) << "group " << g;
        if (c.groups > 0) {
            EXPECT_EQ(ClubsIn(state, c.groups + 1), c.extra);
        }
        int in_league = 0;
        for (const int team : clubs) {
            const t_team& t = data->teams[team];
            in_league += t.in_state_league;
            if (!t.in_state_league) {
                EXPECT_EQ(t.state_division, 0);
                continue;
            }
            // Groups follow the ranking by level: the clubs are numbered strongest first.
            EXPECT_EQ(t.state_division, team / 6 + 1) << "club " << team;
        }
        EXPECT_EQ(in_league, c.in_league);
        EXPECT_EQ(data->game_state.state_leagues_on, c.groups > 0)
            << "no championship switches them off";
    }
}

TEST(StateChampionships, ClubsWithoutAStateOrAbroadPlayInNone) {
    auto data = NewSeason(2);
    AddStateClubs(*data, 4, 6);
    const int no_state = AddStateClubs(*data, 255, 1)[0];
    const int negative = AddStateClubs(*data, -1, 1)[0];
    const int abroad = AddClubs(*data, 11, 1)[0];
    data->teams[abroad].state = 4;
    BuildStateLeagues(*data);

    EXPECT_EQ(data->state_leagues[4].group_count, 1);
    EXPECT_EQ(ClubsIn(data->state_leagues[4], 2), 0);
    for (const int team : {no_state, negative, abroad})
        EXPECT_FALSE(data->teams[team].in_state_league);
}

TEST(StateChampionships, HumanClubInTheExtraGroupMarksItsState) {
    auto data = NewSeason(2);
    const std::vector<int> clubs = AddStateClubs(*data, 18, 11);
    test::MakeHuman(*data, clubs.back());
    BuildStateLeagues(*data);
    EXPECT_EQ(data->teams[clubs.back()].state_division, 2);
    EXPECT_TRUE(data->state_leagues[18].has_human_club);
    EXPECT_FALSE(data->state_leagues[4].has_human_club);
}

TEST(StateChampionships, RegionalDivisionNeedsThirtyTwoPlayingClubsOutsideTheDivisions) {
    for (const int outside : {31, 32}) {
        auto data = NewSeason(2);
        // Six states of six: 36 playing clubs; the first 36 - outside have a division.
        for (int s = 0; s < 6; ++s) AddStateClubs(*data, s, 6);
        for (int team = 0; team < 36 - outside; ++team) data->teams[team].division = 1;
        BuildStateLeagues(*data);
        EXPECT_EQ(EnoughClubsForRegionalDivision(*data), outside >= 32) << outside;
    }
}

}  // namespace
}  // namespace kv
