#include "game/competition_screens.h"

#include <gtest/gtest.h>

#include "core/lookups.h"
#include "core/types.h"
#include "game_world.h"
#include "season/league_entrants.h"

namespace kv {
namespace {

using test::AddLeague;
using test::FreshGame;
using test::SetTally;

TableRow Row(int team, int points, int wins, int goals_for, int goals_against) {
    TableRow row{};
    row.team = team;
    row.points = points;
    row.wins = wins;
    row.goals_for = goals_for;
    row.goals_against = goals_against;
    row.goal_difference = goals_for - goals_against;
    return row;
}

TEST(TablePositions, OnlyTheFirstOfRowsLevelOnEveryKeyCarriesAPosition) {
    const TableRow rows[] = {Row(0, 10, 3, 8, 4), Row(1, 10, 3, 8, 4), Row(2, 10, 3, 8, 4),
                             Row(3, 10, 3, 7, 3), Row(4, 9, 3, 7, 3),  Row(-1, 0, 0, 0, 0)};
    EXPECT_EQ(ShownPositions(rows), (std::vector<std::string>{"1º", "", "", "4º", "5º", ""}));
}

TEST(TablePositions, DivisionTableKeepsTheRoundCloseOrderAndEmptyPlaces) {
    GameData& data = FreshGame(kDivisionsOf10);
    const int c = AddLeague(data, kHomeCountry, 1, 10);
    auto& standings = data.league_configs[c].standings[0];
    std::swap(standings[0], standings[9]);
    standings[5] = -1;
    SetTally(data, standings[0], ckNationalLeague, 1, 0, 0, 2, 0);
    const auto rows = DivisionTable(data, c, 1);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0].team, standings[0]);
    EXPECT_EQ(rows[0].points, 3);
    EXPECT_EQ(rows[5].team, -1);
}

TEST(TableBands, RelegationAndPromotionRowsByLeagueShape) {
    struct Case {
        int format, divisions;
        bool regional;
        int division, row, band;
    };
    const Case cases[] = {
        {kDivisionsOf20, 1, false, 1, 17, kBandPlain},
        {kDivisionsOf20, 1, false, 1, 19, kBandDown},
        {kDivisionsOf20, 2, false, 1, 17, kBandDown},
        {kDivisionsOf20, 2, false, 2, 4, kBandUp},
        {kDivisionsOf20, 4, false, 3, 17, kBandDown},
        {kDivisionsOf20, 4, false, 4, 18, kBandPlain},
        {kDivisionsOf20, 4, false, 4, 19, kBandDown},
        {kDivisionsOf20, 3, true, 3, 17, kBandDown},
        {kDivisionsOf20, 4, true, 4, 20, kBandPlain},
        {kDivisionsOf10, 2, false, 1, 9, kBandDown},
        {kDivisionsOf10, 2, false, 2, 2, kBandUp},
        {kDivisionsOf10, 2, false, 2, 3, kBandPlain},
    };
    for (const Case& c : cases) {
        GameData& data = FreshGame(c.format);
        // Oceania: no continental places to paint.
        const int country = CountriesOfContinent(ctOceania)[0];
        const int config = AddLeague(data, c.regional ? kHomeCountry : country, c.divisions,
                                     c.format == kDivisionsOf10 ? 10 : 20);
        data.game_state.home_regional_division = c.regional;
        EXPECT_EQ(LeagueTableBands(data, config)[c.division - 1][c.row - 1], c.band)
            << c.format << " " << c.divisions << " " << c.division << "/" << c.row;
    }
}

TEST(TableBands, ContinentalPlacesOfTheFirstDivision) {
    GameData& data = FreshGame(kDivisionsOf20);
    const int country = CountriesOfContinent(ctEurope)[0];
    const int config = AddLeague(data, country, 1, 20);
    data.game_state.continental_cup_on = 1;
    data.game_state.second_continental_cup_on = 1;
    int p1 = ContinentalCupPlaces(country, ckContinentalCup, crEurope);
    const int p2 = ContinentalCupPlaces(country, ckSecondContinentalCup, crEurope);
    if (p1 > 1) --p1;
    const LeagueBands bands = LeagueTableBands(data, config);
    for (int r = 1; r <= 8; ++r) {
        const int expected = r <= p1 ? kBandFirstCup : r <= p1 + p2 ? kBandSecondCup : kBandPlain;
        EXPECT_EQ(bands[0][r - 1], expected) << r;
    }
}

t_fixture Leg(int home, int away, int kind, int owner, int hg = 0, int ag = 0,
              bool played = false) {
    t_fixture f{};
    f.home = home;
    f.away = away;
    f.kind = kind;
    f.owner = owner;
    f.home_goals = hg;
    f.away_goals = ag;
    f.played = played;
    return f;
}

TEST(BracketScore, TextOfATieByLegsPlayed) {
    t_fixture first = Leg(1, 2, ckNationalCup, 0, 3, 0, true);
    t_fixture second = Leg(2, 1, ckNationalCup, 0, 0, 0, false);
    EXPECT_EQ(TieScoreText(first, &second), "3x0");
    second = Leg(2, 1, ckNationalCup, 0, 3, 0, true);
    EXPECT_EQ(TieScoreText(first, &second), "3x0-0x3");
    first = Leg(1, 2, ckNationalCup, 0, 1, 0, true);
    second = Leg(2, 1, ckNationalCup, 0, 1, 0, true);
    EXPECT_EQ(TieScoreText(first, &second), "1x0-0x1");
    first.home_penalties = 4;
    first.away_penalties = 2;
    EXPECT_EQ(TieScoreText(first, &second), "1x0-0x1;P:4x2");
    first.played = 0;
    EXPECT_EQ(TieScoreText(first, &second), "");
}

TEST(BracketWalk, NeverReadsAnotherCompetitionsTies) {
    GameData& data = FreshGame(kDivisionsOf10);
    for (int t = 0; t < 8; ++t) test::AddClub(data, kHomeCountry);
    // Two ties of league 0's cup, then the cup of league 1 and a league fixture.
    data.fixtures = {Leg(0, 1, ckNationalCup, 0),    Leg(1, 0, ckNationalCup, 0),
                     Leg(2, 3, ckNationalCup, 0),    Leg(3, 2, ckNationalCup, 0),
                     Leg(4, 5, ckNationalCup, 1),    Leg(5, 4, ckNationalCup, 1),
                     Leg(6, 7, ckNationalLeague, 1), Leg(7, 6, ckNationalLeague, 1)};
    const auto ties = WalkBracket(data, 0, 15);
    ASSERT_EQ(ties.size(), 2u);
    EXPECT_EQ(ties[0].team1, 0);  // the first club is a real club, not an undrawn place
    EXPECT_EQ(ties[1].team2, 3);
    EXPECT_EQ(WalkBracket(data, 4, 15).size(), 1u);  // the kind changes after league 1's tie
    EXPECT_EQ(WalkBracket(data, 6, 15).size(), 1u);  // the list ends
    EXPECT_TRUE(WalkBracket(data, 8, 15).empty());
}

TEST(BracketWalk, TheFirstUndrawnTieEndsTheFilling) {
    GameData& data = FreshGame(kDivisionsOf10);
    for (int t = 0; t < 6; ++t) test::AddClub(data, kHomeCountry);
    data.fixtures = {Leg(1, 2, ckContinentalCup, 2),  Leg(2, 1, ckContinentalCup, 2),
                     Leg(3, -1, ckContinentalCup, 2), Leg(-1, 3, ckContinentalCup, 2),
                     Leg(4, 5, ckContinentalCup, 2),  Leg(5, 4, ckContinentalCup, 2)};
    EXPECT_EQ(WalkBracket(data, 0, 15).size(), 1u);
    EXPECT_TRUE(UnknownKnockoutTeam(data, -1));
    EXPECT_TRUE(UnknownKnockoutTeam(data, 99));
    EXPECT_FALSE(UnknownKnockoutTeam(data, 0));
}

TEST(RoundList, EntriesAndTheEntryOfARoundCounter) {
    EXPECT_EQ(RoundEntryIndex(19, 7, 2), 25);
    EXPECT_EQ(RoundEntryText(RoundEntries(19)[25]), "7ª rodada-2º turno");
    EXPECT_EQ(RoundEntryIndex(19, 1, 2), 19);
    EXPECT_EQ(RoundEntryText(RoundEntries(19)[18]), "19ª rodada-1º turno");
    EXPECT_EQ(RoundEntries(5).size(), 10u);
}

TEST(RoundList, ATitleRowBeforeEachDivisionOnlyWhereItsFixturesFollow) {
    GameData& data = FreshGame(kDivisionsOf10);
    AddLeague(data, kHomeCountry, 2, 10);
    for (int m = 0; m < 10; ++m) {
        t_fixture f = Leg(2 * m, 2 * m + 1, ckNationalLeague, 0);
        f.round = 3;
        f.leg = 1;
        data.fixtures.push_back(f);
    }
    const auto rows = RoundFixtureRows(data, 0, ckNationalLeague, 3, 1);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].title, "1ª divisão");
    EXPECT_EQ(rows[6].title, "2ª divisão");
    EXPECT_EQ(rows.back().fixture, 9);
    EXPECT_TRUE(RoundFixtureRows(data, 0, ckNationalLeague, 4, 1).empty());
}

TEST(BestElevenRounds, TheRoundsPlayedSoFar) {
    GameData& data = FreshGame(kDivisionsOf10);
    data.game_state.league_round = 1;
    data.game_state.league_turn = 1;
    EXPECT_TRUE(BestElevenRoundEntries(data).empty());
    data.game_state.league_round = 4;
    data.game_state.league_turn = 2;
    const auto entries = BestElevenRoundEntries(data);
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries.back(), "3ª R - 2º T");
}

TEST(RoundResults, HeadingRowsByCompetition) {
    GameData& data = FreshGame(kDivisionsOf20);
    AddLeague(data, kHomeCountry, 2, 20);
    std::vector<int> matches(20);
    for (int m = 0; m < 20; ++m) matches[m] = m;
    auto rows = ResultsRows(data, ckNationalLeague, 0, matches);
    ASSERT_EQ(rows.size(), 22u);
    EXPECT_EQ(rows[0].heading, "1ª divisão");
    EXPECT_EQ(rows[11].heading, "2ª divisão");
    EXPECT_EQ(rows[1].match, 0);

    data.game_state.tournament_round = 1;
    matches.resize(16);
    rows = ResultsRows(data, ckWorldCup, 0, matches);
    ASSERT_EQ(rows.size(), 24u);
    for (int g = 0; g < 8; ++g)
        EXPECT_EQ(rows[3 * g].heading, std::string("Grupo ") + char('A' + g));
}

TEST(RoundResults, AReplacedStarterShowsAfterHisSubstitute) {
    GameData& data = FreshGame(kDivisionsOf10);
    const int club = test::AddClub(data, kHomeCountry);
    data.match_archive.resize(1);
    data.match_archive[0].team[0] = club;
    for (const char* name : {"Titular", "Reserva"}) {
        t_player& p = data.players.emplace_back();
        p.name.set(name);
        p.team = club;
    }
    t_player_rating starter{};
    starter.player = 1;
    starter.team = club;
    starter.position = 18;
    starter.rating = 0;
    data.player_ratings.push_back(starter);
    t_substitute_rating sub{};
    sub.player = 2;
    sub.replaced = 1;
    sub.tick = 150;
    sub.rating = 7.5f;
    data.substitute_ratings.push_back(sub);
    const std::string markup = LineupMarkup(data, 0, club);
    const auto reserve = markup.find("Reserva");
    const auto picture = markup.find("i_sub");
    const auto starter_at = markup.find("Titular");
    ASSERT_NE(reserve, std::string::npos);
    EXPECT_LT(reserve, picture);
    EXPECT_LT(picture, starter_at);
    EXPECT_NE(markup.find("A<IND x=\"12\"> - Reserva"), std::string::npos);
    EXPECT_NE(markup.find("7.5"), std::string::npos);
    EXPECT_NE(markup.find("/2º "), std::string::npos);
    EXPECT_NE(markup.find("s/n"), std::string::npos);
}

}  // namespace
}  // namespace kv
