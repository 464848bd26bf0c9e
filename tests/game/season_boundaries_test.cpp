// Whole games over several seasons, checked at every season change: each club's league
// division follows its final place, and no club is left short of players for a season.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "game/headless_game.h"
#include "game/season_rollover.h"

namespace kv {
namespace {

HeadlessSetup SampleSetup(std::uint64_t seed) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = seed;
    setup.cups = false;
    setup.tournaments = false;
    return setup;
}

struct ExpectedPlace {
    int division;  // after the season change; 0 out of the league
    std::string was;
};

// One league as the season ends, and where its clubs must be after the change: between two
// divisions the last four of 20 (two of 10) go down and the first four (two) go up, the
// lowest division's last two leave the league for two clubs from outside it, and the home
// regional division breaks up once its first four have gone up.
struct LeagueAtSeasonEnd {
    int country = -1;
    bool regional = false;
    int lowest = 0;
    std::map<int, ExpectedPlace> clubs;
    std::vector<int> outside;  // the country's clubs in no division
    std::vector<int> regional_cup_clubs;
};

std::vector<LeagueAtSeasonEnd> TakeLeagues(const GameData& data) {
    const bool of20 = data.game_state.league_format == kDivisionsOf20;
    const int size = of20 ? 20 : 10;
    const int moving = of20 ? 4 : 2;
    std::vector<LeagueAtSeasonEnd> leagues;
    for (const t_league_config& config : data.league_configs) {
        LeagueAtSeasonEnd league;
        league.country = config.country;
        league.lowest = config.division_count;
        league.regional = config.country == kHomeCountry &&
                          data.game_state.home_regional_division && config.division_count == 4;
        for (int d = 1; d <= config.division_count; ++d)
            for (int p = 1; p <= size; ++p) {
                const int club = config.standings[d - 1][p - 1];
                if (club < 0) continue;
                int to = d;
                if (d > 1 && p <= moving)
                    to = d - 1;
                else if (p > size - moving)
                    to = d < config.division_count ? d + 1 : p > size - 2 ? 0 : d;
                if (league.regional && to == 4) to = 0;
                league.clubs[club] = {to, std::to_string(p) + "º da divisão " + std::to_string(d)};
                if (league.regional && d == 4 && p >= 5 && p <= 8)
                    league.regional_cup_clubs.push_back(club);
            }
        for (int t = 0; t < ClubLimit(data); ++t)
            if (data.teams[t].country == config.country && data.teams[t].division == 0)
                league.outside.push_back(t);
        leagues.push_back(league);
    }
    return leagues;
}

void CheckPromotions(const GameData& data, const std::vector<LeagueAtSeasonEnd>& leagues) {
    const int size = data.game_state.league_format == kDivisionsOf20 ? 20 : 10;
    for (const LeagueAtSeasonEnd& league : leagues) {
        SCOPED_TRACE("country " + std::to_string(league.country));
        for (const auto& [club, place] : league.clubs)
            EXPECT_EQ(data.teams[club].division, place.division)
                << data.teams[club].name.str() << ", " << place.was;
        int incoming = 0;
        for (const int club : league.outside) {
            if (data.teams[club].division == 0) continue;
            ++incoming;
            EXPECT_EQ(data.teams[club].division, league.lowest) << data.teams[club].name.str();
        }
        EXPECT_EQ(incoming, league.regional ? 0 : 2);
        const int c = FindLeagueConfig(data, league.country);
        ASSERT_GE(c, 0);
        const t_league_config& config = data.league_configs[c];
        EXPECT_EQ(config.division_count, league.regional ? 3 : league.lowest);
        for (int d = 1; d <= config.division_count; ++d) {
            int listed = 0;
            for (const int club : config.division_clubs[d - 1]) {
                if (club < 0) continue;
                ++listed;
                EXPECT_EQ(data.teams[club].division, d) << data.teams[club].name.str();
            }
            EXPECT_EQ(listed, size) << "division " << d;
        }
        if (league.regional) {
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(data.regional_cup_entrants[i], league.regional_cup_clubs[i]) << i;
        }
    }
}

TEST(SeasonBoundaries, EveryClubMovesByItsFinalPlaceAtEveryDivisionBoundary) {
    struct Case {
        const char* what;
        std::vector<int> countries;
        int league_format;
        bool state_championships;
    };
    const Case cases[] = {
        {"three leagues of 20 and the home regional division", {29, 11, 97}, kDivisionsOf20, true},
        {"two leagues of 10", {29, 3}, kDivisionsOf10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HeadlessSetup setup = SampleSetup(23);
        setup.countries = c.countries;
        setup.league_format = c.league_format;
        setup.state_championships = c.state_championships;
        HeadlessGame game;
        ASSERT_EQ(game.StartNewGame(setup), "");
        for (int seasons = 0; seasons < 2;) {
            game.PlayRound();
            if (!game.season_finished()) continue;
            const std::vector<LeagueAtSeasonEnd> leagues = TakeLeagues(Game());
            ASSERT_EQ(leagues.size(), c.countries.size());
            ASSERT_EQ(leagues[0].regional, c.state_championships);
            EndSeason(Game());
            CheckPromotions(Game(), leagues);
            if (HasFailure()) return;
            ++seasons;
        }
    }
}

// The squads of the clubs, the called-up players counted with the club they come back to.
struct SquadCount {
    std::vector<int> players;
    std::vector<int> goalkeepers;
};

SquadCount CountSquads(const GameData& data) {
    const int clubs = ClubLimit(data);
    SquadCount count{std::vector<int>(clubs, 0), std::vector<int>(clubs, 0)};
    std::map<int, int> called_up_from;
    for (const t_callup& c : data.callups) called_up_from[c.player] = c.return_team;
    for (std::size_t p = 1; p < data.players.size(); ++p) {
        int team = data.players[p].team;
        if (auto it = called_up_from.find(static_cast<int>(p)); it != called_up_from.end())
            team = it->second;
        if (team < 0 || team >= clubs) continue;
        ++count.players[team];
        if (data.players[p].position == posGoalkeeper) ++count.goalkeepers[team];
    }
    return count;
}

TEST(SeasonBoundaries, NoClubStaysShortOfPlayersOrOfASecondGoalkeeperForAWholeSeason) {
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(SampleSetup(31)), "");
    ASSERT_GT(Game().game_state.background_club_count, 0);
    const int clubs = ClubLimit(Game());
    std::vector<bool> whole(clubs, false);  // whole at least once this season
    for (int seasons = 0; seasons < 10;) {
        game.PlayRound();
        const SquadCount count = CountSquads(Game());
        for (int club = 0; club < clubs; ++club)
            if (count.players[club] >= 18 && count.goalkeepers[club] >= 2) whole[club] = true;
        if (!game.season_finished()) continue;
        ++seasons;
        for (int club = 0; club < clubs; ++club)
            EXPECT_TRUE(whole[club])
                << Game().teams[club].name.str() << " in season " << seasons << ": "
                << count.players[club] << " players, " << count.goalkeepers[club] << " goalkeepers";
        if (HasFailure()) return;
        whole.assign(clubs, false);
    }
}

}  // namespace
}  // namespace kv
