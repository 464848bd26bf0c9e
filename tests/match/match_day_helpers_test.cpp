#include "match/match_day_helpers.h"

#include <gtest/gtest.h>

#include <set>

#include "core/random.h"
#include "match_world.h"

namespace kv {
namespace {

using testing::AddPlayer;
using testing::AddTeam;

TEST(MatchDayHelpers, FormationTextCountsCodesOfSlotsOneToTen) {
    testing::StartMatchDay();
    t_match_strength& s = AppendRecord(Game().match_strengths);
    const int codes[] = {2, 6, 8, 9, 11, 13, 14, 16, 22, 24, 1};
    for (int slot = 0; slot < 11; ++slot) s.slot_positions[slot] = codes[slot];
    EXPECT_EQ(FormationText(0), "4-4-2");
    s.slot_positions[8] = 1;  // a goalkeeper substitution left its code on an empty slot
    s.slot_positions[9] = 0;
    EXPECT_EQ(FormationText(0), "5-4-0");
    EXPECT_EQ(FormationText(9), "0-0-0");
}

TEST(MatchDayHelpers, RatingsAreKeptByFittingPositionAndRanked) {
    testing::StartMatchDay();
    const int team = AddTeam();
    const int right_back = AddPlayer(team, {1, 60, 0});
    const int left_back = AddPlayer(team, {1, 60, 1});
    const int holder = AddPlayer(team, {3, 60, 0, 0});
    const int creator = AddPlayer(team, {3, 60, 0, 1});
    const int wing = AddPlayer(team, {3, 60, 0, 1});
    AddPlayerRating(left_back, 7, 9, 6.0f);
    EXPECT_TRUE(Game().rating_totals.empty());
    struct Case {
        int player;
        int code;
        int group;
    };
    for (const Case c : {Case{right_back, 9, 1}, Case{holder, 14, 7}, Case{creator, 14, 3},
                         Case{wing, 10, 3}}) {
        AddPlayerRating(c.player, 7, c.code, 6.0f);
        EXPECT_EQ(Game().rating_totals.back().group, c.group) << c.player;
    }
    AddPlayerRating(holder, 7, 14, 8.0f);
    ASSERT_EQ(Game().rating_totals.size(), 4u);
    EXPECT_FLOAT_EQ(Game().rating_totals[1].rating_sum, 14.0f);
    EXPECT_FLOAT_EQ(Game().rating_totals[1].rating_count, 2.0f);

    struct Minimum {
        int format, turn, round, minimum;
    };
    for (const Minimum c : {Minimum{2, 1, 9, 0}, Minimum{2, 1, 10, 5}, Minimum{2, 2, 9, 10},
                            Minimum{2, 2, 10, 16}, Minimum{4, 1, 4, 0}, Minimum{4, 1, 5, 3},
                            Minimum{4, 2, 4, 5}, Minimum{4, 2, 5, 9}})
        EXPECT_EQ(MinimumRatedMatches(c.format, c.turn, c.round), c.minimum);

    Game().game_state.league_format = 2;
    Game().game_state.league_turn = 1;
    RankPlayerRatings(7, 9);
    ASSERT_EQ(ranked_ratings().size(), 4u);
    EXPECT_EQ(ranked_ratings()[0].player, holder);  // average 7
    RankPlayerRatings(7, 10);
    EXPECT_TRUE(ranked_ratings().empty());
}

TEST(MatchDayHelpers, RefereesAreTheBestOfEachOrigin) {
    testing::StartMatchDay();
    for (int i = 0; i < 42; ++i) {
        Game().referees[i].origin = i < 25 ? 29 : 1;
        Game().referees[i].technique = i < 10 ? 5 : (i < 25 ? 4 : (i < 32 ? 3 : 2));
    }
    std::set<int> home_seen;
    for (int seed = 0; seed < 50; ++seed) {
        SeedRandom(seed);
        DrawRoundReferees();
        const auto& r = Game().game_state.round_referees;
        std::set<int> drawn(r, r + 12);
        ASSERT_EQ(drawn.size(), 12u);
        for (int i = 0; i < 6; ++i) {
            ASSERT_GE(r[i], 1);
            ASSERT_LE(r[i], 10);  // technique 5 of the home country only
            home_seen.insert(r[i]);
            ASSERT_GE(r[6 + i], 26);
            ASSERT_LE(r[6 + i], 32);
        }
    }
    EXPECT_EQ(home_seen.size(), 10u);  // ties of technique are broken at random
}

TEST(MatchDayHelpers, NationalSquadNeedsTwoKeepersAndEighteenOthers) {
    struct Case {
        int keepers;
        int others;
        int injured_others;
        bool squad;
    };
    for (const Case c : {Case{2, 18, 0, true}, Case{1, 30, 0, false}, Case{2, 17, 0, false},
                         Case{2, 19, 2, false}}) {
        testing::StartMatchDay();
        Game().calendar[0].date = 50;
        Game().game_state.league_club_count = 1;
        const int club = AddTeam();
        const int national_team = AddTeam();
        for (int i = 0; i < c.keepers; ++i) AddPlayer(club, {0, 50});
        for (int i = 0; i < c.others; ++i) {
            const int p = AddPlayer(club, {3, 50});
            if (i < c.injured_others) Game().players[p].injured_until = 51;
        }
        for (int i = 0; i < 30; ++i) AddPlayer(national_team, {3, 50});  // not at a club
        for (auto& p : Game().players) p.nationality = 12;
        EXPECT_EQ(HasNationalSquad(12), c.squad) << c.keepers << " " << c.others;
        EXPECT_FALSE(HasNationalSquad(13));
    }
}

TEST(MatchDayHelpers, FixtureScoreOfTheCurrentKindAndRound) {
    testing::StartMatchDay();
    Game().game_state.match_kind = 2;
    auto add = [](int kind, int round, int home, int away, int hg, int ag) {
        t_fixture& f = testing::AddFixture(kind, round, home, away);
        f.home_goals = hg;
        f.away_goals = ag;
    };
    add(1, 3, 4, 5, 9, 9);
    add(2, 3, 4, 5, 2, 1);
    add(2, 3, 4, 5, 7, 7);
    const FixtureScore found = FixtureScoreOfRound(3, 4, 5);
    EXPECT_EQ(found.home_goals, 2);
    EXPECT_EQ(found.away_goals, 1);
    const FixtureScore none = FixtureScoreOfRound(3, 5, 4);
    EXPECT_EQ(none.home_goals, -1);
    EXPECT_EQ(none.away_goals, -1);
}

}  // namespace
}  // namespace kv
