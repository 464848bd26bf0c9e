#include "season/player_stats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <random>
#include <set>
#include <vector>

#include "core/random.h"
#include "tests/season/economy_world.h"

namespace kv {
namespace {

using test::EconomyWorld;

TEST(PlayerStats, TalliesSeasonLinesAndCareerCounters) {
    EconomyWorld world;
    GameData& g = world.data();
    const int first_club = world.AddClub();
    const int second_club = world.AddClub();
    const int player = world.AddPlayer(first_club);
    g.game_state.season = 2;

    RecordPlayerEvent(g, player, first_club, 1, "j");
    RecordPlayerEvent(g, player, first_club, 1, "gol");
    RecordPlayerEvent(g, player, first_club, 4, "gol");
    RecordPlayerEvent(g, player, first_club, 1, "ca");
    // Sold: his goals in a competition still count on the entry of his first club.
    g.players[player].team = second_club;
    RecordPlayerEvent(g, player, second_club, 1, "gol");
    RecordPlayerEvent(g, player, second_club, 1, "j");
    // Keys that mean nothing, and indexes that name no player, change nothing.
    RecordPlayerEvent(g, player, second_club, 1, "xyz");
    RecordPlayerEvent(g, 0, second_club, 1, "gol");
    RecordPlayerEvent(g, 99, second_club, 1, "gol");
    RecordPlayerEvent(g, -1, second_club, 1, "j");

    ASSERT_EQ(g.season_goals.size(), 2u);
    EXPECT_EQ(g.season_goals[0].player, player);
    EXPECT_EQ(g.season_goals[0].count, 2);
    EXPECT_EQ(g.season_goals[0].competition, 1);
    EXPECT_EQ(g.season_goals[0].club, first_club);
    EXPECT_EQ(g.season_goals[1].count, 1);
    EXPECT_EQ(g.season_goals[1].competition, 4);
    ASSERT_EQ(g.season_appearances.size(), 1u);
    EXPECT_EQ(g.season_appearances[0].count, 2);
    EXPECT_EQ(g.season_appearances[0].club, first_club);

    // Two clubs in one season make two lines.
    ASSERT_EQ(g.player_seasons.size(), 2u);
    const t_player_season& at_first = g.player_seasons[0];
    EXPECT_EQ(at_first.club, first_club);
    EXPECT_EQ(at_first.season, 2);
    EXPECT_EQ(at_first.games, 1);
    EXPECT_EQ(at_first.goals, 2);
    EXPECT_EQ(at_first.yellow_cards, 1);
    EXPECT_EQ(at_first.red_cards, 0);
    EXPECT_EQ(at_first.injuries, 0);
    EXPECT_EQ(g.player_seasons[1].club, second_club);
    EXPECT_EQ(g.player_seasons[1].goals, 1);
    EXPECT_EQ(g.player_seasons[1].games, 1);

    const t_player& p = g.players[player];
    EXPECT_EQ(p.goals, 3);
    EXPECT_EQ(p.match_goals, 3);
    EXPECT_EQ(p.games, 2);
    EXPECT_EQ(p.cards, 1);
    EXPECT_EQ(p.yellow_cards[ckNationalLeague], 1);
    EXPECT_EQ(g.players[0].goals, 0);

    // A card booked late for his first club still finds its line behind the newer one, and
    // the next season opens new lines.
    RecordPlayerEvent(g, player, first_club, 1, "ca");
    EXPECT_EQ(g.player_seasons[0].yellow_cards, 2);
    g.game_state.season = 3;
    RecordPlayerEvent(g, player, first_club, 1, "ca");
    ASSERT_EQ(g.player_seasons.size(), 3u);
    EXPECT_EQ(g.player_seasons[2].season, 3);
    EXPECT_EQ(g.player_seasons[2].yellow_cards, 1);
    EXPECT_EQ(g.player_seasons[0].yellow_cards, 2);
}

// A match is counted into the newest line of the player at the club while it is of the season
// of the day, and opens a new line otherwise: checked against a search from the end of the
// table while seasons move on (and, in an edited game, back) and loads bring tables whose lines
// stand in season order or in any order.
TEST(PlayerStats, SeasonLinesFollowTheNewestLineOfThePlayerAtTheClub) {
    EconomyWorld world;
    GameData& g = world.data();
    const std::vector<int> clubs = {world.AddClub(), world.AddClub(), world.AddClub()};
    std::vector<int> players;
    for (int k = 0; k < 4; ++k) players.push_back(world.AddPlayer(clubs[0]));
    std::vector<t_player_season> expected;
    auto count_game = [&](int player, int club) {
        const int season = g.game_state.season;
        for (auto line = expected.rbegin(); line != expected.rend(); ++line) {
            if (line->player != player || line->club != club) continue;
            if (line->season != season) break;
            ++line->games;
            return;
        }
        expected.push_back({player, 0, 0, 0, 1, 0, season, club});
    };
    auto same_lines = [&] {
        return std::equal(g.player_seasons.begin(), g.player_seasons.end(), expected.begin(),
                          expected.end(), [](const t_player_season& a, const t_player_season& b) {
                              return a.player == b.player && a.club == b.club &&
                                     a.season == b.season && a.games == b.games;
                          });
    };
    std::mt19937 rng(7);
    g.game_state.season = 1;
    for (int step = 0; step < 4000; ++step) {
        const unsigned draw = rng() % 100;
        if (draw < 3) {
            ++g.game_state.season;
        } else if (draw < 4) {
            g.game_state.season = 1 + static_cast<int>(rng() % 4);
        } else if (draw < 6) {
            // A load: a table of its own, kept in season order or not.
            if (draw == 5) std::shuffle(expected.begin(), expected.end(), rng);
            g.player_seasons = std::vector<t_player_season>(expected);
        } else {
            const int player = players[rng() % players.size()];
            const int club = clubs[rng() % clubs.size()];
            RecordPlayerEvent(g, player, club, 1, "j");
            count_game(player, club);
        }
        ASSERT_TRUE(same_lines()) << "step " << step;
    }
    EXPECT_GT(expected.size(), 100u);
}

int SuspensionOfDraw(int r) {
    if (r == 0) return 10;
    if (r <= 2) return 5;
    if (r <= 5) return 3;
    if (r <= 15) return 2;
    return 1;
}

TEST(PlayerStats, RedCardSuspendsInTodaysKindAndTellsAHumanClubOfLongBans) {
    std::set<int> lengths_seen;
    for (int seed = 1; seed <= 300 && lengths_seen.size() < 5; ++seed) {
        for (const bool human : {false, true}) {
            EconomyWorld world;
            GameData& g = world.data();
            g.game_state.match_kind = ckNationalCup;
            const int club = world.AddClub({.human = human});
            const int player = world.AddPlayer(club);
            g.players[player].yellow_cards[ckNationalCup] = 1;
            SeedRandom(seed);
            const int expected = SuspensionOfDraw(RandInt(35));
            SeedRandom(seed);
            RecordPlayerEvent(g, player, club, 5, "cv");

            const t_player& p = g.players[player];
            EXPECT_EQ(p.suspension[ckNationalCup], expected) << seed;
            EXPECT_EQ(p.yellow_cards[ckNationalCup], 1) << seed;
            EXPECT_EQ(p.cards, 1);
            EXPECT_EQ(g.player_seasons.at(0).red_cards, 1);
            const bool news = human && expected > 1;
            ASSERT_EQ(g.inbox.size(), news ? 1u : 0u) << seed;
            if (news) {
                EXPECT_EQ(g.inbox[0].club, club);
                EXPECT_EQ(g.inbox[0].player, player);
                EXPECT_EQ(g.inbox[0].subject, sjSentOff);
            }
            lengths_seen.insert(expected);
        }
    }
    EXPECT_EQ(lengths_seen, (std::set<int>{1, 2, 3, 5, 10}));
}

TEST(PlayerStats, InjuryAgeBandsAtTheirBoundaries) {
    struct Case {
        int age, weeks, spread, loss;
    };
    const Case cases[] = {
        {0, 1, 0, 0},  {15, 1, 0, 0},  {16, 1, 0, 2},    {20, 1, 0, 2},   {21, 1, 0, 3},
        {25, 1, 0, 3}, {26, 1, 3, 4},  {30, 1, 3, 4},    {31, 2, 3, 5},   {35, 2, 3, 5},
        {36, 3, 4, 7}, {40, 3, 4, 7},  {41, 4, 4, 0},    {50, 4, 4, 0},   {51, 5, 4, 0},
        {60, 5, 4, 0}, {61, 6, 4, 10}, {1200, 6, 4, 10}, {1201, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const InjuryByAge band = InjuryAgeBand(c.age);
        EXPECT_EQ(band.weeks, c.weeks) << c.age;
        EXPECT_EQ(band.spread, c.spread) << c.age;
        EXPECT_EQ(band.strength_loss, c.loss) << c.age;
    }
}

TEST(PlayerStats, InjuryWeeksStrengthAndNews) {
    struct Case {
        const char* what;
        int age, energy, characteristic1, characteristic2, strength;
        int kind;
        bool human;
        int strength_after, min_weeks, max_weeks;
        bool news;  // when out more than a week
    };
    const Case cases[] = {
        {"tired 22-year-old", 22, 40, 0, 0, 60, ckNationalLeague, true, 57, 2, 2, true},
        {"fresh 22-year-old", 22, 80, 0, 0, 60, ckNationalLeague, true, 57, 1, 1, false},
        {"computer club", 22, 40, 0, 0, 60, ckNationalLeague, false, 57, 2, 2, false},
        {"world cup day", 22, 40, 0, 0, 60, ckWorldCup, true, 57, 2, 2, false},
        {"super cup day", 22, 40, 0, 0, 60, ckSuperCup, true, 57, 2, 2, true},
        {"28-year-old", 28, 80, 0, 0, 60, ckNationalLeague, false, 56, 1, 3, false},
        {"45-year-old loses nothing", 45, 80, 0, 0, 60, ckNationalLeague, false, 60, 4, 7, false},
        {"65-year-old", 65, 10, 0, 0, 60, ckNationalLeague, false, 50, 7, 10, false},
        // Resistance as first characteristic wins back 2 and a week, as second only 1.
        {"resistant", 38, 80, 12, 0, 60, ckNationalLeague, false, 55, 2, 5, false},
        {"a little resistant", 22, 80, 0, 12, 60, ckNationalLeague, false, 58, 1, 1, false},
        // An injury never makes a player stronger, and strength stays within 1..100.
        {"resistant and weak", 38, 80, 12, 0, 2, ckNationalLeague, false, 2, 2, 5, false},
        {"resistant, nothing lost", 45, 80, 12, 0, 50, ckNationalLeague, false, 50, 3, 6, false},
        {"resistant at the top", 10, 80, 12, 12, 100, ckNationalLeague, false, 100, 1, 1, false},
        {"weak veteran", 38, 80, 0, 0, 5, ckNationalLeague, false, 1, 3, 6, false},
        {"damaged strength", 10, 80, 0, 0, 250, ckNationalLeague, false, 100, 1, 1, false},
    };
    for (const Case& c : cases) {
        std::set<int> weeks_seen;
        for (int seed = 1; seed <= 60; ++seed) {
            EconomyWorld world;
            GameData& g = world.data();
            g.game_state.match_kind = c.kind;
            const int club = world.AddClub({.human = c.human});
            const int player = world.AddPlayer(club, {.age = c.age});
            t_player& p = g.players[player];
            p.energy = c.energy;
            p.characteristic1 = c.characteristic1;
            p.characteristic2 = c.characteristic2;
            p.strength = c.strength;
            SeedRandom(seed);
            RecordPlayerEvent(g, player, club, 1, "ct");

            EXPECT_EQ(p.strength, c.strength_after) << c.what;
            EXPECT_EQ(g.player_seasons.at(0).injuries, 1);
            const double out = p.injured_until - world.today() - 2;
            const int weeks = static_cast<int>(std::lround(out / 7));
            EXPECT_DOUBLE_EQ(out, weeks * 7.0) << c.what;
            const bool serious = weeks >= 15 && weeks <= 20;
            EXPECT_TRUE(serious || (weeks >= c.min_weeks && weeks <= c.max_weeks))
                << c.what << " " << weeks;
            if (!serious) weeks_seen.insert(weeks);
            EXPECT_EQ(g.inbox.size(),
                      (c.news || (serious && c.human && c.kind != ckWorldCup)) ? 1u : 0u)
                << c.what << " " << weeks;
        }
        // Every length of the band turns up.
        EXPECT_EQ(static_cast<int>(weeks_seen.size()), c.max_weeks - c.min_weeks + 1) << c.what;
    }
}

// Matches, draws, wins, losses, goals for and against, then the last meeting.
std::array<std::int32_t, 12> Fields(const t_head_to_head& h) {
    return std::bit_cast<std::array<std::int32_t, 12>>(h);
}

TEST(PlayerStats, HeadToHeadFromEitherSide) {
    EconomyWorld world;
    GameData& g = world.data();
    const t_head_to_head none = HeadToHead(g, 1, 2);
    EXPECT_EQ(none.matches, 0);
    EXPECT_EQ(none.last_home, 0);

    g.result_history = {
        {7, 8, 3, 3, 1, ckNationalLeague},  // other clubs
        {1, 2, 2, 0, 1, ckNationalLeague},  // A wins at home
        {2, 1, 1, 1, 1, ckNationalLeague},  // draw away
        {2, 1, 3, 1, 2, ckNationalCup},     // A loses away
        {1, 3, 5, 0, 2, ckNationalLeague},  // another opponent
        {2, 1, 0, 4, 3, ckNationalLeague},  // A wins away: the last meeting
    };
    struct Case {
        int a, b;
        t_head_to_head expected;
    };
    const Case cases[] = {
        {1, 2, {4, 1, 2, 1, 8, 4, 3, ckNationalLeague, 2, 1, 0, 4}},
        {2, 1, {4, 1, 1, 2, 4, 8, 3, ckNationalLeague, 2, 1, 0, 4}},
        {1, 3, {1, 0, 1, 0, 5, 0, 2, ckNationalLeague, 1, 3, 5, 0}},
        // Never met: no counts, and the first entry of the history as the "last meeting".
        {2, 3, {0, 0, 0, 0, 0, 0, 1, ckNationalLeague, 7, 8, 3, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Fields(HeadToHead(g, c.a, c.b)), Fields(c.expected)) << c.a << " v " << c.b;
    }
}

}  // namespace
}  // namespace kv
