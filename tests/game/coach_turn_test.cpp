#include "game/coach_turn.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "core/random.h"
#include "game/round_close.h"
#include "season/auction.h"
#include "season/fixture_list.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

TEST(CoachTurn, ListedPlayersSellByTheirPremiumOverValue) {
    struct Case {
        long long asking;
        long long value;
        int sells_above;  // the draw must be above this; 100 never
    };
    const std::vector<Case> cases{
        {10'000'000, 10'000'000, -1},   // asked at his value
        {10'000'500, 10'000'000, 10},   // under 1,000 above
        {10'001'000, 10'000'000, 30},   // within 5 %
        {10'800'000, 10'000'000, 70},   // within 10 %
        {11'500'000, 10'000'000, 60},   // below 20 %
        {12'500'000, 10'000'000, 85},   // 25 %
        {13'500'000, 10'000'000, 90},
        {15'000'000, 10'000'000, 95},
        {16'000'000, 10'000'000, 100},  // 60 % above: never
    };
    for (const Case& c : cases)
        for (const int r : {0, 10, 11, 30, 31, 60, 61, 70, 71, 85, 86, 90, 91, 95, 96, 99})
            EXPECT_EQ(ListedPlayerSells(c.asking, c.value, r), r > c.sells_above)
                << c.asking << " draw " << r;
}

TEST(CoachTurn, TeamMoraleFollowsTheSquadsMoraleCounts) {
    struct Case {
        std::array<int, 3> counts;
        int morale;
    };
    const std::vector<Case> cases{
        {{2, 3, 6}, 3}, {{5, 0, 10}, 2}, {{0, 8, 9}, 2}, {{1, 9, 2}, 2}, {{6, 2, 3}, 1}, {{3, 3, 3}, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(TeamMoraleOf(c.counts), c.morale);
}

TEST(CoachTurn, TwoPlayersNeverFight) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int club = test::AddClub(data, 3);
    data.teams[club].supporter_confidence = 50;  // no fans' attack
    data.game_state.user_club = club;
    for (int i = 0; i < 2; ++i) {
        t_player& p = data.players.emplace_back();
        p.team = club;
        p.morale = 2;
    }
    for (int turn = 0; turn < 1000; ++turn) UpdatePlayerMorale(data);
    EXPECT_TRUE(data.inbox.empty());
}

TEST(CoachTurn, ARoundWithoutAFixtureGivesTheClubNoTurn) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int resting = test::AddClub(data, 3);
    const int playing = test::AddClub(data, 3);
    const int opponent = test::AddClub(data, 3);
    data.game_state.calendar_day = 10;
    data.calendar[9].date = 41700;
    AppendFixture(data, playing, opponent, 1, ckNationalLeague, 0, 1, -1, 41700);
    EXPECT_FALSE(HumanClubPlaysToday(data, ckNationalLeague, resting));
    EXPECT_TRUE(HumanClubPlaysToday(data, ckNationalLeague, playing));
    EXPECT_FALSE(HumanClubPlaysToday(data, ckWorldCup, playing));
}

// The main window's unread count marks news older than two weeks read; the turn does it too, so
// the game without windows saves the same inbox.
TEST(CoachTurn, ATurnMarksTheClubsNewsOfMoreThanTwoWeeksRead) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    const int club = test::AddClub(data, 3);
    const int other = test::AddClub(data, 3);
    data.game_state.user_club = club;
    data.game_state.calendar_day = 10;
    data.calendar[9].date = 41700;
    for (const auto& [owner, age] : {std::pair{club, 15}, {club, 14}, {other, 30}}) {
        t_news_item& item = data.inbox.emplace_back();
        item.club = owner;
        item.date = 41700 - age;
    }
    RefreshTurn(data, true);
    EXPECT_EQ(data.inbox[0].read, 1);
    EXPECT_EQ(data.inbox[1].read, 0);
    EXPECT_EQ(data.inbox[2].read, 0);  // another club's turn marks it
}

TEST(CoachTurn, LoanRequestsComeFromTheDivisionTheRulesName) {
    struct Case {
        int division, division_count, state_division, strength, expected;
    };
    const std::vector<Case> cases{
        {0, 4, 2, 50, 3}, {0, 4, 0, 50, -1}, {4, 4, 0, 50, 4}, {1, 4, 0, 14, 4}, {1, 3, 0, 18, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoanRequestDivision(c.division, c.division_count, c.state_division, c.strength),
                  c.expected);
}

TEST(RoundClose, ComputerTransfersFollowTheFormatTheDayAndTheSeason) {
    struct Case {
        int format, day, season, low, high;
    };
    const std::vector<Case> cases{
        {kDivisionsOf20, 50, 2, 3, 3},   {kDivisionsOf20, 130, 7, 3, 4}, {kDivisionsOf20, 100, 1, 1, 1},
        {kDivisionsOf20, 140, 1, 2, 3},  {kDivisionsOf10, 59, 1, 3, 3},  {kDivisionsOf10, 95, 1, 1, 3},
        {kDivisionsOf10, 120, 6, 6, 8},
    };
    for (const Case& c : cases)
        for (int i = 0; i < 20; ++i) {
            const int n = RandomTransfersAfterLeagueDay(c.format, c.day, c.season);
            EXPECT_GE(n, c.low) << c.day;
            EXPECT_LE(n, c.high) << c.day;
        }
}

TEST(CoachTurn, TheAutosaveComesEveryThirdWindowOrEveryWindow) {
    GameData& data = test::FreshGame(kDivisionsOf20);
    data.game_state.autosave_mode = 1;
    EXPECT_FALSE(AutosaveDue(data));
    EXPECT_FALSE(AutosaveDue(data));
    EXPECT_TRUE(AutosaveDue(data));
    EXPECT_FALSE(AutosaveDue(data));
    data.game_state.autosave_mode = 2;
    EXPECT_TRUE(AutosaveDue(data));
    data.game_state.autosave_mode = 0;
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(AutosaveDue(data));
}

// The coach's own auction reads a margin the opening of every main window draws anew: the 12 %
// an auction puts in place of a drawn 0 lasts only until the next turn, and the game's own
// draws are untouched by it.
TEST(CoachTurn, EveryOpeningDrawsTheAuctionReserveMarginAnew) {
    struct Case {
        int draw;
        double margin;
    } cases[] = {{0, 0}, {3, 0}, {4, 0.1}, {7, 0.1}, {8, -0.1}, {9, -0.1}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(AuctionReserveMarginFor(c.draw), c.margin) << c.draw;

    GameData& data = test::FreshGame(kDivisionsOf20);
    SeedRandom(11);
    std::set<double> drawn;
    for (int i = 0; i < 40; ++i) {
        data.auction_price_factor = 0.12;
        const std::uint64_t game_draws = RandomState();
        DrawAuctionReserveMargin(data);
        EXPECT_EQ(RandomState(), game_draws);
        drawn.insert(data.auction_price_factor);
    }
    EXPECT_EQ(drawn, (std::set<double>{-0.1, 0, 0.1}));

    data.auction_price_factor = 0.12;
    CoachTurn turn;
    OpenMainWindowTurn(data, turn, true);
    EXPECT_NE(data.auction_price_factor, 0.12);
}

}  // namespace
}  // namespace kv
