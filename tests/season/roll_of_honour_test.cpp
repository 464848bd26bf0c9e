#include "season/roll_of_honour.h"

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "season/histories.h"

namespace kv {
namespace {

TEST(RollOfHonour, NewestFirstWithRunnerUpScorerAndCoach) {
    GameData& data = Game();
    data.Reset();
    data.coaches.resize(2);
    data.coaches[1].name.set("Ana");
    data.national_team_list.resize(3);
    data.national_team_list[2].coach_name.set("Seleção Bruno");
    data.honours = {{1, 5, 10, 1, 1},
                    {1, 5, 11, 2, 0},
                    // Season 2: the cup closed without a second place; the next entry is another
                    // competition's champion and is no runner-up.
                    {2, 5, 12, 1, 99},
                    {2, 6, 13, 1, 0},
                    {3, 5, 14, 1, kNationalTeamCoachBase + 2},
                    {3, 5, 15, 2, 0}};
    data.top_scorers = {{1, 5, 10, 7, 0, 12, 0}};
    const auto lines = RollOfHonour(data, 5);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].season, 3);
    EXPECT_EQ(lines[0].runner_up, 15);
    EXPECT_EQ(lines[0].coach, "Seleção Bruno");
    EXPECT_EQ(lines[1].champion, 12);
    EXPECT_EQ(lines[1].runner_up, -1);
    EXPECT_EQ(lines[1].coach, "") << "no valid coach index";
    EXPECT_EQ(lines[1].scorer_entry, -1);
    EXPECT_EQ(lines[2].runner_up, 11);
    EXPECT_EQ(lines[2].coach, "Ana");
    EXPECT_EQ(lines[2].scorer_entry, 0);
    EXPECT_TRUE(RollOfHonour(data, 7).empty()) << "never finished";
    EXPECT_TRUE(RollOfHonour(data, 0).empty());
}

TEST(OffersFourthDivision, ByDivisionsOrClubsUnderTheFormatOf20) {
    GameData& data = Game();
    data.Reset();
    data.league_configs.resize(1);
    struct Case {
        int format, divisions, clubs;
        bool offered;
    };
    const Case cases[] = {{kDivisionsOf20, 3, 60, false},
                          {kDivisionsOf20, 3, 82, true},
                          {kDivisionsOf20, 4, 80, true},
                          {kDivisionsOf10, 3, 90, false}};
    for (const Case& c : cases) {
        data.game_state.league_format = c.format;
        data.league_configs[0].division_count = c.divisions;
        data.league_configs[0].club_count = c.clubs;
        EXPECT_EQ(OffersFourthDivision(data, 0), c.offered) << c.divisions << " " << c.clubs;
    }
}

}  // namespace
}  // namespace kv
