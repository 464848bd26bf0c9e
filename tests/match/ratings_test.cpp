#include "match/ratings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <vector>

#include "core/random.h"
#include "match/booking.h"
#include "match/match_engine.h"
#include "match_world.h"

namespace kv {
namespace {

using testing::AddPlayer;
using testing::AddTeam;

TEST(Ratings, MinutesOnThePitchComeFromTheSubstitutions) {
    testing::StartMatchDay();
    const int team = AddTeam();
    const int starter = AddPlayer(team, {3, 60});
    const int early_sub = AddPlayer(team, {3, 60});
    const int late_sub = AddPlayer(team, {3, 60});
    const int injured = AddPlayer(team, {3, 60});
    const int stand_in = AddPlayer(team, {3, 60});
    const int untouched = AddPlayer(team, {3, 60});
    auto& events = Game().match_events;
    events.push_back({meSubstitution, team, starter, early_sub, 100, 1});
    events.push_back({meSubstitution, team, early_sub, late_sub, 150, 1});
    events.push_back({meInjurySubstitution, team, injured, stand_in, 30, 1});
    events.push_back({meGoal, team, late_sub, -1, 160, 1});
    const struct {
        int player;
        int minutes;
        int goals;
    } cases[] = {{starter, 100, 0}, {early_sub, 50, 0},  {late_sub, 32, 1},
                 {injured, 182, 0}, {stand_in, 182, 0}, {untouched, 182, 0}};
    for (const auto& c : cases) {
        const PlayerEventCounts counts = CountPlayerEvents(c.player);
        EXPECT_EQ(counts.minutes, c.minutes) << c.player;
        EXPECT_EQ(counts.goals, c.goals) << c.player;
    }
}

// What a player's or a match's events add up to, read from the day's events.
struct EventReading {
    std::vector<int> goals, minutes, cards, injuries;
    std::vector<std::vector<std::int32_t>> of_match;
    bool operator==(const EventReading&) const = default;
};

EventReading ReadEvents(const std::vector<int>& players, int matches) {
    EventReading r;
    for (int p : players) {
        const PlayerEventCounts e = CountPlayerEvents(p);
        const PlayerCardCounts c = CountPlayerCards(p);
        r.goals.push_back(e.goals - e.own_goals);
        r.minutes.push_back(e.minutes);
        r.cards.push_back(c.yellow + 2 * c.red + 3 * c.second_yellow);
        r.injuries.push_back(c.injuries);
    }
    for (int m = 0; m <= matches + 1; ++m) {
        const std::span<const std::int32_t> events = DayMatchEvents(m);
        r.of_match.emplace_back(events.begin(), events.end());
    }
    return r;
}

// The index of the day's events answers as a reading of the whole day does: for players of
// several matches, for one who comes on and goes off again, for numbers no player has, for a
// day whose events change while the index lives, and for the next day with other events.
TEST(Ratings, TheDayEventIndexAnswersAsTheWholeDayDoes) {
    testing::StartMatchDay();
    const int team = AddTeam();
    std::vector<int> players;
    for (int i = 0; i < 8; ++i) players.push_back(AddPlayer(team, {3, 60}));
    players.push_back(0);
    players.push_back(-4);
    players.push_back(static_cast<int>(Game().players.size()) + 10);
    const int outsider = players.back();
    auto& events = Game().match_events;
    const auto play_day = [&](int shift) {
        events.clear();
        const auto p = [&](int i) { return players[static_cast<std::size_t>((i + shift) % 8)]; };
        events.push_back({meGoal, team, p(0), -1, 10, 2});
        events.push_back({meCard, team, p(1), 1, 12, 1});
        events.push_back({meSubstitution, team, p(2), p(3), 40, 3});
        events.push_back({meInjury, team, p(4), 0, 44, 2});
        events.push_back({meSubstitution, team, p(3), p(5), 90, 3});
        events.push_back({meCard, team, p(1), 3, 95, 1});
        events.push_back({meOwnGoal, team, p(6), -1, 100, 1});
        events.push_back({meGoal, team, outsider, -1, 120, 2});
        events.push_back({meGoal, team, p(7), -1, 130, 7});  // a match the day does not have
        Game().day_match_count = 3;
    };
    for (int shift : {0, 3}) {
        play_day(shift);
        const EventReading whole = ReadEvents(players, 3);
        {
            const DayEventsIndexed indexed;
            EXPECT_EQ(ReadEvents(players, 3), whole) << "shift " << shift;
            events.push_back({meGoal, team, players[1], -1, 150, 1});
            events.push_back({meSubstitution, team, players[6], players[1], 160, 1});
            const EventReading changed = ReadEvents(players, 3);
            EXPECT_NE(changed, whole);
            events.resize(events.size() - 2);
            EXPECT_EQ(ReadEvents(players, 3), whole);
        }
        EXPECT_EQ(ReadEvents(players, 3), whole);
    }
}

struct RatedMatch {
    int home, away;
    std::vector<int> home_players;
};

// A 0-0 between two full line-ups, kicked off: the day match holds the elevens.
RatedMatch SetUpMatch() {
    testing::StartMatchDay();
    GameData& gd = Game();
    RatedMatch r{AddTeam(), AddTeam(), {}};
    for (int team : {r.home, r.away}) {
        testing::AddSquad(team, 70);
        ChooseComputerLineup(team);
    }
    const int m = testing::AddDayMatch(r.home, r.away);
    gd.day_match_count = 1;
    jogos& j = gd.day_matches[m];
    j.competition = 3;
    for (int side = 0; side < 2; ++side) {
        const t_match_strength& s = gd.match_strengths[j.strength_slot[side]];
        for (int slot = 0; slot < 11; ++slot) {
            j.lineup[side][slot] = s.players[slot];
            j.positions[side][slot] = s.slot_positions[slot];
        }
    }
    for (int slot = 0; slot < 11; ++slot) r.home_players.push_back(j.lineup[0][slot]);
    return r;
}

TEST(Ratings, EveryPlayerGetsOneLineFromTheKickOffLineupAndTheSubstitutions) {
    SeedRandom(8);
    const RatedMatch r = SetUpMatch();
    GameData& gd = Game();
    jogos& j = gd.day_matches[1];
    j.positions[0][3] = 10;  // a wing-back slot is stored as 14
    const int off = j.lineup[0][0];
    const int on = gd.match_strengths[j.strength_slot[0]].bench[0];
    ASSERT_GT(on, 0);
    // The substitute takes the slot of the starter, as the engine leaves the line-up record.
    gd.match_strengths[j.strength_slot[0]].players[0] = on;
    gd.match_events.push_back({meSubstitution, r.home, off, on, 20, 1});
    ArchiveDayMatches();

    ASSERT_EQ(gd.player_ratings.size(), 22u);
    ASSERT_EQ(gd.substitute_ratings.size(), 1u);
    EXPECT_EQ(gd.substitute_ratings[0].player, on);
    EXPECT_EQ(gd.substitute_ratings[0].replaced, off);
    EXPECT_EQ(gd.substitute_ratings[0].tick, 20);
    EXPECT_EQ(gd.player_ratings[0].player, off) << "starters come from the kick-off line-up";
    EXPECT_EQ(gd.player_ratings[3].position, 14);
    EXPECT_EQ(gd.player_ratings[0].rating, 0.0f) << "twenty ticks without a goal are not rated";
    for (const t_player_rating& line : gd.player_ratings) EXPECT_NE(line.player, on);

    // One appearance each, and no season average made of a "s/n".
    EXPECT_EQ(gd.season_appearances.size(), 23u);
    for (const t_competition_tally& t : gd.season_appearances) EXPECT_EQ(t.count, 1);
    for (const t_rating_total& t : gd.rating_totals) EXPECT_NE(t.player, off);
    EXPECT_EQ(round_ratings().size(), 22u);
}

TEST(Ratings, AReplayedDayInAFreshGameRatesItsPlayersAgain) {
    // As after a load: the same match reaches the same archive place of a fresh game.
    std::vector<std::size_t> lines;
    for (int play = 0; play < 2; ++play) {
        SeedRandom(8);
        SetUpMatch();
        ArchiveDayMatches();
        lines.push_back(Game().player_ratings.size());
        EXPECT_EQ(Game().season_appearances.size(), 22u) << "play " << play;
    }
    EXPECT_EQ(lines, (std::vector<std::size_t>{22, 22}));
}

TEST(Ratings, AGoalkeeperWithManySavesAndACleanSheetRatesSevenToTen) {
    for (int seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        const RatedMatch r = SetUpMatch();
        GameData& gd = Game();
        jogos& j = gd.day_matches[1];
        j.shots[1] = 22;
        const int keeper = j.lineup[0][10];
        ASSERT_EQ(j.positions[0][10], 1);
        const float rating = RatePlayer(keeper, 1, r.home, 1);
        EXPECT_GE(rating, 7.0f) << seed;
        EXPECT_LE(rating, 10.0f) << seed;
    }
}

TEST(Ratings, AScorerWhoCameOnLateKeepsARatingLessOne) {
    SeedRandom(2);
    const RatedMatch r = SetUpMatch();
    GameData& gd = Game();
    const int forward = r.home_players[9];
    gd.match_events.push_back({meSubstitution, r.home, r.home_players[8], forward, 160, 1});
    EXPECT_EQ(RatePlayer(forward, 1, r.home, -1), 0.0f);
    gd.match_events.push_back({meGoal, r.home, forward, -1, 170, 1});
    EXPECT_GT(RatePlayer(forward, 1, r.home, -1), 0.0f);
}

TEST(Ratings, TheTeamOfTheRoundTakesTheBestOfEachSlotOfItsDivision) {
    testing::StartMatchDay();
    GameData& gd = Game();
    gd.game_state.season = 4;
    gd.game_state.league_format = 2;
    gd.game_state.league_turn = 2;
    gd.game_state.league_round = 3;
    t_league_config& config = gd.league_configs.emplace_back();
    config.division_count = 2;
    const int team = AddTeam();
    for (int p = 0; p < 8; ++p) AddPlayer(team, {1, 50});
    auto& rows = round_ratings();
    rows.clear();
    rows.push_back({1, 7.0f, 1, 40, 1, 5, 0});
    rows.push_back({2, 8.0f, 1, 40, 1, 9, 0});   // the better goalkeeper
    rows.push_back({3, 9.5f, 1, 40, 10, 1, 0});  // wing-backs never enter it
    rows.push_back({4, 6.0f, 1, 40, 4, 3, 0});
    rows.push_back({5, 6.0f, 1, 40, 5, 2, 0});
    rows.push_back({6, 9.0f, 2, 41, 20, 1, 0});
    rows.push_back({7, 9.0f, 2, 41, 22, 0, 0});
    BuildRoundBestEleven(0);
    ASSERT_EQ(gd.round_best_elevens.size(), 2u);
    const t_round_best_eleven& first = gd.round_best_elevens[0];
    EXPECT_EQ(first.season, 4);
    EXPECT_EQ(first.round, 22);
    EXPECT_EQ(first.competition, 40);
    EXPECT_EQ(first.players[0], 2);
    EXPECT_EQ(first.players[1], 0) << "no full-back played";
    EXPECT_EQ(first.players[2], 5) << "equal ratings go by the random key";
    EXPECT_EQ(first.players[3], 4);
    EXPECT_EQ(first.teams[0], team);
    for (int p : first.players) EXPECT_NE(p, 3);
    const t_round_best_eleven& second = gd.round_best_elevens[1];
    EXPECT_EQ(second.players[9], 7);
    EXPECT_EQ(second.players[10], 6);
}

TEST(Ratings, TheTopScorerIsTheOneWithFewerGamesAndHisClubIsPaid) {
    testing::StartMatchDay();
    GameData& gd = Game();
    const int club = AddTeam();
    AppendRecord(gd.finances);
    const int busy = AddPlayer(club, {4, 70});
    const int sharp = AddPlayer(club, {4, 70});
    const int cid = 0;  // without a registry every competition is id 0
    gd.season_goals.push_back({busy, 12, cid, club});
    gd.season_goals.push_back({sharp, 12, cid, club});
    gd.season_appearances.push_back({busy, 20, cid, club});
    gd.season_appearances.push_back({sharp, 15, cid, club});
    AwardTopScorer(ckNationalLeague, 3, 1, -1, -1);
    ASSERT_EQ(gd.top_scorers.size(), 1u);
    EXPECT_EQ(gd.top_scorers[0].player, sharp);
    EXPECT_EQ(gd.teams[club].cash, MoneyFromUnits(1500000));
    EXPECT_EQ(gd.finances[club].prizes, 1500000);
    EXPECT_TRUE(gd.players[sharp].star);

    gd.season_goals[1].club = -1;
    AwardTopScorer(ckNationalLeague, 3, 1, -1, -1);
    EXPECT_EQ(gd.top_scorers.size(), 2u) << "a scorer without a club is recorded, unpaid";
    EXPECT_EQ(gd.teams[club].cash, MoneyFromUnits(1500000));
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(Ratings, SeasonTotalsFollowTheTableWhateverReplacedIt) {
    testing::StartMatchDay();
    GameData& gd = Game();
    const int team = AddTeam();
    const int p = AddPlayer(team, {3, 60, 0, 1});
    AddPlayerRating(p, 7, 15, 6.0f);
    AddPlayerRating(p, 7, 15, 8.0f);
    ASSERT_EQ(gd.rating_totals.size(), 1u);
    EXPECT_EQ(gd.rating_totals[0].rating_sum, 14.0f);

    // A new season empties the table; a loaded game brings a table of its own.
    gd.rating_totals.clear();
    AddPlayerRating(p, 7, 15, 5.0f);
    ASSERT_EQ(gd.rating_totals.size(), 1u);
    EXPECT_EQ(gd.rating_totals[0].rating_count, 1.0f);
    std::vector<t_rating_total> loaded(3);
    loaded[0] = {p, team, 9, 1.0f, 1.0f, 3};
    loaded[1] = {p, team, 7, 2.0f, 1.0f, 3};
    loaded[2] = {p, team, 7, 3.0f, 1.0f, 3};  // a damaged file holding the pair twice
    gd.rating_totals = loaded;
    AddPlayerRating(p, 7, 15, 4.0f);
    ASSERT_EQ(gd.rating_totals.size(), 3u);
    EXPECT_EQ(gd.rating_totals[1].rating_sum, 6.0f);
    EXPECT_EQ(gd.rating_totals[2].rating_sum, 7.0f);
    AddPlayerRating(p, 9, 15, 4.0f);
    EXPECT_EQ(gd.rating_totals[0].rating_sum, 5.0f);
}

}  // namespace
}  // namespace kv
