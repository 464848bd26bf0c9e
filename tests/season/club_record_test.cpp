#include "season/club_record.h"

#include <gtest/gtest.h>

#include "core/game_data.h"

namespace kv {
namespace {

constexpr int kBrazil = 29;

// Two Brazilian clubs and a registry: 1 league div 1, 2 div 2, 3 cup, 4 Libertadores, 5 super
// cup, 6 a national-team tournament, 7 a regional league division.
GameData& RecordWorld() {
    GameData& data = Game();
    data.Reset();
    data.teams.resize(2);
    for (t_team& t : data.teams) t.country = kBrazil;
    data.teams[0].name.set("Clube A");
    data.teams[0].state = 25;
    data.teams[0].division = 1;
    data.competitions = {{0, -1, -1}, {1, kBrazil, 1}, {1, kBrazil, 2}, {2, kBrazil, -1},
                         {4, -1, 1},  {10, -1, 1},     {7, -1, -1},     {1, kBrazil, 5}};
    data.game_state.season = 3;
    data.game_state.continental_cup_on = 1;
    return data;
}

TEST(CountTitles, EachKindOnItsOwnCounterAndOnlyTitles) {
    GameData& data = RecordWorld();
    data.honours = {{1, 1, 0, 1, 0},
                    {2, 2, 0, 1, 0},
                    {2, 3, 0, 1, 0},
                    {2, 4, 0, 1, 0},
                    {2, 5, 0, 1, 0},
                    {2, 5, 0, 1, 0},
                    {3, 1, 0, 2, 0},
                    {3, 1, 1, 1, 0},
                    // A national-team kind and a regional division count nowhere.
                    {3, 6, 0, 1, 0},
                    {3, 7, 0, 1, 0}};
    const TitleCounters t = CountTitles(data, 0);
    EXPECT_EQ(t, (TitleCounters{1, 1, 0, 1, 0, 0, 1, 0, 0, 2}));
    data.teams[0].state_titles = 5;
    EXPECT_EQ(ClubTitlesLine(data, 0),
              "Nacional:1; 2ª divisão:1; Copa:1; Libertadores:1; Recopa:2; Estadual:5; ");
    EXPECT_EQ(ClubTitlesLine(data, 1), "Nacional:1; ");
}

TEST(ContinentalCupNamesOf, FollowTheContinent) {
    EXPECT_EQ(ContinentalCupNamesOf(kBrazil).first, "Libertadores");
    EXPECT_EQ(ContinentalCupNamesOf(kBrazil).second, "Sul-Americana");
    EXPECT_EQ(ContinentalCupNamesOf(3).second, "Liga Europa");
    EXPECT_EQ(ContinentalCupNamesOf(1).first, "Liga Africana");
    EXPECT_EQ(ContinentalCupNamesOf(1).second, "");
}

TEST(ClubPlacingText, RunningAndEarlierSeasons) {
    GameData& data = RecordWorld();
    data.game_state.national_cup_round = 3;
    data.club_competition_history = {
        {0, 2, 1, 3, 1}, {0, 2, 2, 3, -1}, {0, 2, 4, 1, -1}, {0, 3, 4, 1, -1}, {0, 2, 5, 20, -1}};
    struct Case {
        int kind, season;
        bool in_cup;
        const char* text;
    };
    const Case cases[] = {
        {1, 3, false, "Na 1ª divisão"},
        {1, 2, false, "3º - 1ª divisão"},
        {2, 3, true, "Joga Quartas"},
        {2, 2, false, "Elim. na Quartas"},
        {4, 3, false, "Elim. 1ª fase"},
        {4, 2, false, "Elim. na 1ª fase"},
        {5, 3, false, ""},
        {5, 2, false, "Elim. semi-final"},
        {0, 2, false, ""},
        {1, 1, false, ""},
    };
    for (const Case& c : cases) {
        data.teams[0].in_national_cup = c.in_cup;
        EXPECT_EQ(ClubPlacingText(data, 0, c.kind, c.season), c.text)
            << "kind " << c.kind << " season " << c.season;
    }
}

TEST(ClubRecord, NewestSeasonFirstWithItsCompetitionsAndCoaches) {
    GameData& data = RecordWorld();
    data.coaches.resize(3);
    data.coaches[0].name.set("Ana");
    data.coaches[1].name.set("Beto");
    data.result_history = {{0, 1, 2, 0, 2, 1},
                           {1, 0, 1, 1, 2, 1},
                           {1, 0, 3, 0, 2, 0},
                           {0, 1, 1, 0, 3, 0},
                           {1, 0, 0, 0, 1, 2}};
    data.coach_seasons = {{0, 1, 0, 0, 0, 0, 0, 2},
                          {2, 1, 0, 0, 0, 0, 1, 2},
                          {1, 1, 0, 0, 0, 0, 0, 2},
                          {0, 1, 0, 0, 0, 0, 0, 2}};
    const auto lines = ClubRecord(data, 0);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].season, 3);
    EXPECT_EQ(lines[1].competition, "Amistosos");
    EXPECT_EQ(lines[1].placing, "") << "friendlies only: a season line and an empty placing";
    EXPECT_EQ(lines[2].season, 2);
    EXPECT_EQ(lines[2].coaches, "Ana,Beto");
    EXPECT_EQ(lines[2].games, 3);
    EXPECT_EQ(lines[2].wins, 1);
    EXPECT_EQ(lines[2].draws, 1);
    EXPECT_EQ(lines[2].losses, 1);
    EXPECT_EQ(lines[2].goals_for, 3);
    EXPECT_EQ(lines[2].goals_against, 4);
    EXPECT_EQ(lines[3].competition, "Amistosos");
    EXPECT_EQ(lines[4].competition, "Camp.Brasileiro");
    EXPECT_EQ(lines[4].games, 2);
    EXPECT_EQ(lines[5].season, 1);
    EXPECT_EQ(lines[6].competition, "Copa");
}

TEST(ClubRecord, ShowsTheLastTwentyOneSeasons) {
    GameData& data = RecordWorld();
    data.game_state.season = 25;
    for (int s = 1; s <= 25; ++s) data.result_history.push_back({0, 1, 1, 0, s, 1});
    const auto lines = ClubRecord(data, 0);
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(lines.front().season, 25);
    EXPECT_EQ(lines.back().season, 5);
}

}  // namespace
}  // namespace kv
