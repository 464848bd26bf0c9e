#include "season/histories.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/lookups.h"
#include "season/fixture_list.h"
#include "tests/season/season_setup.h"

namespace kv {
namespace {

using test::AddTeam;
using test::NewSeason;

constexpr int kBrasil = 29;
constexpr int kAlemanha = 3;
constexpr int kArgentina = 11;  // plays with South America

// A registry with both countries' two league divisions, their cups, the continental cups of
// South America and Europe, a state group and the world cup.
std::unique_ptr<GameData> HistoryGame(int season = 3) {
    auto data = NewSeason(2, season);
    data->competitions = {
        {ckFriendly, -1, -1},
        {ckNationalLeague, kBrasil, 1},
        {ckNationalLeague, kBrasil, 2},
        {ckNationalLeague, kAlemanha, 1},
        {ckNationalCup, kBrasil, -1},
        {ckStateChampionship, 25, 1},
        {ckStateChampionship, 25, 2},
        {ckContinentalCup, -1, ctSouthAmerica},
        {ckContinentalCup, -1, ctEurope},
        {ckSecondContinentalCup, -1, ctSouthAmerica},
        {ckWorldCup, -1, -1},
    };
    for (int i = 0; i < 4; ++i) data->coaches.emplace_back();
    return data;
}

int AddClub(GameData& data, int country, int coach) {
    const int team = AddTeam(data, country);
    data.teams[team].coach = coach;
    return team;
}

TEST(Histories, HonoursAreFoundAgainByEveryLookUp) {
    auto data = HistoryGame();
    const int flamengo = AddClub(*data, kBrasil, 0);
    const int santos = AddClub(*data, kBrasil, 1);
    const int bayern = AddClub(*data, kAlemanha, 2);

    AddHonour(*data, ckNationalLeague, flamengo, kBrasil, 1, -1, -1, 1);
    AddHonour(*data, ckNationalLeague, santos, kBrasil, 1, -1, -1, 2);
    AddHonour(*data, ckNationalLeague, bayern, kAlemanha, 1, -1, -1, 1);
    AddHonour(*data, ckContinentalCup, bayern, kAlemanha, -1, -1, -1, 1);
    ASSERT_EQ(data->honours.size(), 4u);
    const t_honour& first = data->honours[0];
    EXPECT_EQ(first.season, 3);
    EXPECT_EQ(first.competition, 1);
    EXPECT_EQ(first.team, flamengo);
    EXPECT_EQ(first.placing, 1);
    EXPECT_EQ(first.coach, 0);

    struct Case {
        const char* what;
        int found, expected;
    };
    const Case cases[] = {
        {"Brazilian champion", FindChampion(*data, ckNationalLeague, kBrasil, 3), flamengo},
        {"German champion", FindChampion(*data, ckNationalLeague, kAlemanha, 3), bayern},
        {"another season", FindChampion(*data, ckNationalLeague, kBrasil, 2), -1},
        {"runner-up", FindHonourTeam(*data, kBrasil, 2, 3, ckNationalLeague, 1), santos},
        {"no third place", FindHonourTeam(*data, kBrasil, 3, 3, ckNationalLeague, 1), -1},
        {"second division", FindHonourTeam(*data, kBrasil, 1, 3, ckNationalLeague, 2), -1},
        {"latest league champion", LatestLeagueChampion(*data, kBrasil), flamengo},
        {"no league honour", LatestLeagueChampion(*data, kArgentina), -1},
        // Any country of the region finds the continental champion.
        {"European cup by Germany", FindChampion(*data, ckContinentalCup, kAlemanha, 3), bayern},
        {"European cup by its stand-in", FindChampion(*data, ckContinentalCup, kEuropeCountry, 3),
         bayern},
        {"South American cup", FindChampion(*data, ckContinentalCup, kArgentina, 3), -1},
        // A competition that is not registered has no champion.
        {"unregistered", FindChampion(*data, ckEuropeanNationsCup, kAlemanha, 3), -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.found, c.expected) << c.what;
}

TEST(Histories, TwoEntriesOfOneSeasonNewestFirstOrOldestFirst) {
    auto data = HistoryGame();
    const int older = AddClub(*data, kBrasil, 0);
    const int newer = AddClub(*data, kBrasil, 1);
    AddHonour(*data, ckNationalLeague, older, kBrasil, 1, -1, -1, 1);
    AddHonour(*data, ckNationalLeague, newer, kBrasil, 1, -1, -1, 1);
    AddPlacingRecord(*data, ckNationalLeague, older, 0, 1, 1, kBrasil);
    AddPlacingRecord(*data, ckNationalLeague, newer, 1, 1, 1, kBrasil);
    data->game_state.season = 4;
    AddHonour(*data, ckNationalCup, older, kBrasil, -1, -1, -1, 1);

    EXPECT_EQ(FindChampion(*data, ckNationalLeague, kBrasil, 3), newer);
    EXPECT_EQ(LatestLeagueChampion(*data, kBrasil), newer);
    EXPECT_EQ(FindHonourTeam(*data, kBrasil, 1, 3, ckNationalLeague, 1), older);
    EXPECT_EQ(FindPlacingCoach(*data, kBrasil, 1, 3, ckNationalLeague, 1), 0);
    EXPECT_EQ(FindChampion(*data, ckNationalCup, kBrasil, 4), older);
}

TEST(Histories, PlacingRecordsAreKeyedByKindAreaDivisionAndSeason) {
    auto data = HistoryGame();
    const int club = AddClub(*data, kBrasil, 2);
    data->match_day_group = crEurope;
    AddPlacingRecord(*data, ckNationalLeague, club, 2, 2, 2, kBrasil);
    // The continental cups take the region of the match day closing them, not the caller's.
    AddPlacingRecord(*data, ckContinentalCup, club, 3, -1, 1, kBrasil);
    AddPlacingRecord(*data, ckSecondContinentalCup, club, 1, -1, 2, kBrasil);
    AddPlacingRecord(*data, ckStateChampionship, club, 0, 25, 1, kBrasil);

    ASSERT_EQ(data->placing_records.size(), 4u);
    const t_placing_record& r = data->placing_records[0];
    EXPECT_EQ(r.season, 3);
    EXPECT_EQ(r.kind, ckNationalLeague);
    EXPECT_EQ(r.team, club);
    EXPECT_EQ(r.coach, 2);
    EXPECT_EQ(r.division, 2);
    EXPECT_EQ(r.placing, 2);
    EXPECT_EQ(r.area, kBrasil);
    EXPECT_EQ(data->placing_records[1].area, crEurope);
    EXPECT_EQ(data->placing_records[2].area, crEurope);

    struct Case {
        int area, placing, season, kind, division, coach;
    };
    const Case cases[] = {
        {kBrasil, 2, 3, ckNationalLeague, 2, 2},
        {kBrasil, 2, 3, ckNationalLeague, 1, -1},
        {kBrasil, 1, 3, ckNationalLeague, 2, -1},
        {kBrasil, 2, 2, ckNationalLeague, 2, -1},
        {crEurope, 1, 3, ckContinentalCup, -1, 3},
        {kBrasil, 1, 3, ckContinentalCup, -1, -1},
        {crEurope, 2, 3, ckSecondContinentalCup, -1, 1},
        {kBrasil, 1, 3, ckStateChampionship, 25, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindPlacingCoach(*data, c.area, c.placing, c.season, c.kind, c.division), c.coach)
            << c.kind << "/" << c.area << "/" << c.placing << "/" << c.division;
}

TEST(Histories, HonourCoachByKind) {
    auto data = HistoryGame();
    const int club_without_coach = AddClub(*data, kBrasil, -1);
    const int club = AddClub(*data, kBrasil, 3);
    const int coached_nation = AddClub(*data, kBrasil, 2);
    const int nation_without_coach = AddClub(*data, kAlemanha, -1);
    data->teams[nation_without_coach].state = 17;  // its national-team list entry

    AddHonour(*data, ckNationalCup, club_without_coach, kBrasil, -1, -1, -1, 2);
    AddHonour(*data, ckNationalCup, club, kBrasil, -1, -1, -1, 1);
    AddHonour(*data, ckWorldCup, coached_nation, -1, -1, -1, -1, 1);
    AddHonour(*data, ckWorldCup, nation_without_coach, -1, -1, -1, -1, 4);
    AddHonour(*data, 11, club, kBrasil, -1, -1, -1, 1);
    // Nobody: nothing is recorded.
    AddHonour(*data, ckWorldCup, -1, -1, -1, -1, -1, 3);
    AddHonour(*data, ckWorldCup, 99, -1, -1, -1, -1, 3);

    ASSERT_EQ(data->honours.size(), 5u);
    EXPECT_EQ(data->honours[0].coach, -1);
    EXPECT_EQ(data->honours[1].coach, 3);
    EXPECT_EQ(data->honours[2].coach, 2);
    EXPECT_EQ(data->honours[3].coach, kNationalTeamCoachBase + 17);
    EXPECT_EQ(data->honours[3].competition, 10);
    EXPECT_EQ(data->honours[4].coach, -1);
    EXPECT_EQ(FindChampion(*data, ckWorldCup, -1, 3), coached_nation);
}

TEST(Histories, ReputationLevelThresholds) {
    struct Case {
        int points, level;
    };
    const Case cases[] = {{0, 0},    {10, 0},   {11, 1},    {100, 1},   {101, 2},    {999, 2},
                          {1000, 3}, {9999, 3}, {10000, 4}, {99999, 4}, {100000, 5}, {2000000, 5}};
    for (const Case& c : cases) EXPECT_EQ(ReputationLevel(c.points), c.level) << c.points;
}

TEST(Histories, ReputationFromHonours) {
    struct Case {
        const char* what;
        int kind, division, state_division, placing;
        int points_before, level_before;
        int points_after, level_after;
    };
    const Case cases[] = {
        {"league title", ckNationalLeague, 1, -1, 1, 10000, 4, 10500, 4},
        {"league title crosses a threshold", ckNationalLeague, 1, -1, 1, 600, 2, 1100, 3},
        {"level 5 gains nothing", ckNationalLeague, 1, -1, 1, 100000, 5, 100000, 5},
        {"second division title", ckNationalLeague, 2, -1, 1, 0, 0, 0, 0},
        {"league runner-up", ckNationalLeague, 1, -1, 2, 50, 1, 140, 2},
        {"league third place", ckNationalLeague, 1, -1, 3, 50, 1, 50, 1},
        {"national cup runner-up", ckNationalCup, -1, -1, 2, 0, 0, 50, 1},
        {"first state group title", ckStateChampionship, -1, 1, 1, 95, 1, 105, 2},
        {"second state group title", ckStateChampionship, -1, 2, 1, 95, 1, 95, 1},
        {"continental cup", ckContinentalCup, -1, -1, 1, 0, 0, 5000, 3},
        {"club world cup", ckClubWorldCup, -1, -1, 1, 70000, 4, 110000, 5},
        {"super cup runner-up", ckSuperCup, -1, -1, 2, 0, 0, 500, 2},
        {"world cup", ckWorldCup, -1, -1, 1, 0, 0, 0, 0},
        // The level never goes down, even when the points say less.
        {"level kept", ckNationalCup, -1, -1, 2, 0, 3, 50, 3},
    };
    for (const Case& c : cases) {
        auto data = HistoryGame();
        const int club = AddClub(*data, kBrasil, 0);
        data->teams[club].reputation_points = c.points_before;
        data->teams[club].reputation = c.level_before;
        AddHonour(*data, c.kind, club, kBrasil, c.division, 25, c.state_division, c.placing);
        EXPECT_EQ(data->teams[club].reputation_points, c.points_after) << c.what;
        EXPECT_EQ(data->teams[club].reputation, c.level_after) << c.what;
    }
}

// A game counts into the last line of the coach at the club of the day's season among the
// lines behind the table's last line of an older season, and opens a line when there is none:
// checked against that search from the end of the table while seasons move on (and, in an
// edited game, back) and loads bring tables in season order or in any order.
TEST(Histories, CoachSeasonLinesFollowTheSearchFromTheEndOfTheTable) {
    auto data = HistoryGame(1);
    std::vector<t_coach_season> expected;
    auto count_game = [&](int coach, int team) {
        const int season = data->game_state.season;
        for (auto line = expected.rbegin(); line != expected.rend() && line->season >= season;
             ++line)
            if (line->season == season && line->coach == coach && line->team == team) {
                ++line->games;
                return;
            }
        expected.push_back({coach, 1, 0, 0, 0, 0, team, season});
    };
    auto same_lines = [&] {
        const auto& lines = data->coach_seasons;
        return std::equal(lines.begin(), lines.end(), expected.begin(), expected.end(),
                          [](const t_coach_season& a, const t_coach_season& b) {
                              return a.coach == b.coach && a.team == b.team &&
                                     a.season == b.season && a.games == b.games;
                          });
    };
    std::mt19937 rng(11);
    for (int step = 0; step < 4000; ++step) {
        const unsigned draw = rng() % 100;
        if (draw < 3) {
            ++data->game_state.season;
        } else if (draw < 4) {
            data->game_state.season = 1 + static_cast<int>(rng() % 4);
        } else if (draw < 6) {
            if (draw == 5) std::shuffle(expected.begin(), expected.end(), rng);
            data->coach_seasons = std::vector<t_coach_season>(expected);
        } else {
            const int coach = 1 + static_cast<int>(rng() % 3);
            const int team = static_cast<int>(rng() % 3);
            AddCoachSeasonStat(*data, coach, team, 0, "j");
            count_game(coach, team);
        }
        ASSERT_TRUE(same_lines()) << "step " << step;
    }
    EXPECT_GT(expected.size(), 100u);
}

TEST(Histories, CoachSeasonLinesCountEachKey) {
    auto data = HistoryGame();
    const int club = AddClub(*data, kBrasil, 1);
    const int other = AddClub(*data, kBrasil, -1);
    t_coach& coach = data->coaches[1];
    coach.ranking_points = 100;
    coach.world_ranking_points = 200;

    // The season's first event only opens the line with its first game.
    AddCoachSeasonStat(*data, 1, club, 3, "pr");
    ASSERT_EQ(data->coach_seasons.size(), 1u);
    EXPECT_EQ(data->coach_seasons[0].games, 1);
    EXPECT_EQ(data->coach_seasons[0].points, 0);
    EXPECT_EQ(coach.ranking_points, 100);

    AddCoachSeasonStat(*data, 1, club, 0, "j");
    AddCoachSeasonStat(*data, 1, club, 0, "v");
    AddCoachSeasonStat(*data, 1, club, 0, "v");
    AddCoachSeasonStat(*data, 1, club, 0, "d");
    AddCoachSeasonStat(*data, 1, club, 0, "tit");
    AddCoachSeasonStat(*data, 1, club, 3, "pr");
    AddCoachSeasonStat(*data, 1, club, 7, "xx");
    data->game_state.match_kind = ckStateChampionship;
    AddCoachSeasonStat(*data, 1, club, 15, "pr");

    const t_coach_season& line = data->coach_seasons[0];
    EXPECT_EQ(line.coach, 1);
    EXPECT_EQ(line.team, club);
    EXPECT_EQ(line.season, 3);
    EXPECT_EQ(line.games, 2);
    EXPECT_EQ(line.wins, 2);
    EXPECT_EQ(line.losses, 1);
    EXPECT_EQ(line.titles, 1);
    EXPECT_EQ(line.points, 18);
    EXPECT_EQ(coach.ranking_points, 118);
    EXPECT_EQ(coach.world_ranking_points, 203);  // not during a state championship day

    // A new club, a new season and a coach of nobody each behave on their own.
    AddCoachSeasonStat(*data, 1, other, 0, "j");
    data->game_state.season = 4;
    AddCoachSeasonStat(*data, 1, club, 0, "j");
    AddCoachSeasonStat(*data, -1, club, 1, "j");
    AddCoachSeasonStat(*data, 4, club, 1, "j");
    ASSERT_EQ(data->coach_seasons.size(), 3u);
    EXPECT_EQ(data->coach_seasons[1].team, other);
    EXPECT_EQ(data->coach_seasons[2].season, 4);
    EXPECT_EQ(data->coach_seasons[0].games, 2);
}

TEST(Histories, TopScorersAcrossCompetitions) {
    auto data = HistoryGame(2);
    AddTopScorer(*data, 1, 5, 40, 21);
    AddTopScorer(*data, 4, 6, 41, 7);
    data->game_state.season = 3;
    AddTopScorer(*data, 1, 7, 42, 18);
    AddTopScorer(*data, 7, 5, 40, 9);

    const t_top_scorer& s = data->top_scorers[2];
    EXPECT_EQ(s.season, 3);
    EXPECT_EQ(s.competition, 1);
    EXPECT_EQ(s.team, 7);
    EXPECT_EQ(s.player, 42);
    EXPECT_EQ(s.goals, 18);
    EXPECT_EQ(s.reserved_16, 0);
    EXPECT_EQ(s.reserved_24, 0);

    struct Case {
        int competition, season, entry;
    };
    const Case cases[] = {{1, 2, 0}, {4, 2, 1}, {1, 3, 2}, {7, 3, 3}, {7, 2, -1}, {4, 3, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(FindTopScorerEntry(*data, c.competition, c.season), c.entry)
            << c.competition << "/" << c.season;
}

}  // namespace
}  // namespace kv
