#include "season/head_to_head_list.h"

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "season/player_stats.h"

namespace kv {
namespace {

TEST(HeadToHeadMeetings, InTheOrderPlayedWhoeverWasAtHome) {
    GameData& data = Game();
    data.Reset();
    data.result_history = {
        {1, 2, 2, 1, 1, 1}, {3, 1, 0, 0, 1, 1}, {2, 1, 0, 0, 1, 2}, {1, 2, 0, 3, 2, 4}};
    EXPECT_EQ(HeadToHeadMeetings(data, 1, 2), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(HeadToHeadMeetings(data, 2, 1), (std::vector<int>{0, 2, 3}));
    EXPECT_TRUE(HeadToHeadMeetings(data, 2, 3).empty());
    // The 0x0 draw counts in neither wins nor losses and adds no goals.
    const t_head_to_head h = HeadToHead(data, 1, 2);
    EXPECT_EQ(HeadToHeadSideLine(h.wins, h.losses, h.goals_for, h.goals_against), "1v 1d 2gp 4gc ");
    EXPECT_EQ(HeadToHeadSideLine(h.losses, h.wins, h.goals_against, h.goals_for), "1v 1d 4gp 2gc ");
}

TEST(MeetingCompetitionName, NamedForTheFirstTeamsCountry) {
    struct Case {
        int kind, country;
        const char* name;
    };
    const Case cases[] = {{0, 29, "Amistoso"},           {1, 29, "Campeonato Brasileiro"},
                          {2, 29, "Copa do Brasil"},     {4, 29, "Libertadores"},
                          {4, 3, "Liga Campeões"},       {6, 3, "Liga Europa"},
                          {5, 3, "Mundial Interclubes"}, {10, 29, "Recopa"}};
    for (const Case& c : cases) EXPECT_EQ(MeetingCompetitionName(c.kind, c.country), c.name);
}

TEST(TeamsByName, EveryTeamInByteOrder) {
    GameData& data = Game();
    data.Reset();
    data.teams.resize(3);
    data.teams[0].name.set("Zeta");
    data.teams[1].name.set("Alfa");
    data.teams[2].name.set("Ágata");  // after every plain letter in byte order
    EXPECT_EQ(TeamsByName(data), (std::vector<int>{1, 0, 2}));
}

}  // namespace
}  // namespace kv
