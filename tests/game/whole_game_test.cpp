#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/money_text.h"
#include "game/headless_game.h"
#include "season/draw_helpers.h"

namespace kv {
namespace {

// What the season change must leave behind, taken just before it.
struct BeforeRollover {
    std::vector<int> ages;  // by player, -1 for a player without a team
    std::vector<int> divisions;  // by team
};

BeforeRollover TakeBeforeRollover(const GameData& data) {
    BeforeRollover before;
    for (const t_player& p : data.players) before.ages.push_back(p.team >= 0 ? p.age : -1);
    for (const t_team& t : data.teams) before.divisions.push_back(t.division);
    return before;
}

void CheckRound(const GameData& data, const std::string& when) {
    SCOPED_TRACE(when);
    const int clubs = ClubLimit(data);
    // Tables.
    for (const t_team& t : data.teams)
        for (int k = 1; k < kTableKindCount; ++k) {
            const int draws = t.played[k] - t.wins[k] - t.losses[k];
            ASSERT_GE(draws, 0) << t.name.str() << " kind " << k;
            ASSERT_EQ(t.points[k], 3 * t.wins[k] + draws) << t.name.str() << " kind " << k;
        }
    for (const t_league_config& config : data.league_configs) {
        long long goals_for = 0, goals_against = 0;
        for (int d = 0; d < config.division_count; ++d)
            for (const int club : config.division_clubs[d])
                if (club >= 0) {
                    goals_for += data.teams[club].goals_for[ckNationalLeague];
                    goals_against += data.teams[club].goals_against[ckNationalLeague];
                }
        ASSERT_EQ(goals_for, goals_against) << "league of country " << config.country;
    }
    // People.
    for (std::size_t p = 1; p < data.players.size(); ++p) {
        const int team = data.players[p].team;
        ASSERT_TRUE(team == -1 || InTable(data.teams, team)) << "player " << p;
    }
    std::vector<long long> wages(clubs, 0);
    std::vector<int> squad(clubs, 0);
    std::map<int, int> called_up_from;
    for (const t_callup& c : data.callups)
        if (c.return_team >= 0 && c.return_team < clubs) called_up_from[c.player] = c.return_team;
    for (std::size_t p = 1; p < data.players.size(); ++p) {
        int team = data.players[p].team;
        if (auto it = called_up_from.find(static_cast<int>(p)); it != called_up_from.end())
            team = it->second;
        if (team < 0 || team >= clubs) continue;
        wages[team] += MoneyToWholeUnits(data.players[p].wage);
        ++squad[team];
    }
    for (int club = 0; club < clubs; ++club) {
        const t_team& team = data.teams[club];
        ASSERT_EQ(data.finances[club].wage_bill, wages[club]) << team.name.str();
        ASSERT_TRUE(!team.human || squad[club] <= 28) << team.name.str();
        if (club < data.game_state.league_club_count) {
            ASSERT_GE(squad[club], 11) << team.name.str();
            ASSERT_TRUE(InTable(data.coaches, team.coach)) << team.name.str();
        }
        ASSERT_TRUE(team.coach < 0 || data.coaches[team.coach].club == club) << team.name.str();
    }
    for (std::size_t c = 0; c < data.coaches.size(); ++c) {
        const int club = data.coaches[c].club;
        if (!data.coaches[c].employed) continue;
        ASSERT_TRUE(club < 0 || club >= clubs || data.teams[club].coach == static_cast<int>(c))
            << "coach " << c << " of club " << club << " whose coach is "
            << (club >= 0 && club < clubs ? data.teams[club].coach : -2) << " employed "
            << int(data.coaches[c].employed) << " human " << int(data.coaches[c].human);
    }
    // Fixtures played hold two teams; league and state fixtures and the groups being played
    // never hold an empty slot.
    for (const t_fixture& f : data.fixtures) {
        const bool table_kind = f.kind == ckNationalLeague || f.kind == ckStateChampionship;
        ASSERT_TRUE((!f.played && !table_kind) || (f.home >= 0 && f.away >= 0))
            << "kind " << f.kind << " round " << f.round;
    }
    const t_game_state& gs = data.game_state;
    auto no_empty_slot = [](const std::int32_t (&groups)[8][4], int count, const char* what) {
        for (int g = 0; g < count; ++g)
            for (const int team : groups[g]) ASSERT_GE(team, 0) << what << " group " << g + 1;
    };
    if (gs.continental_cup_on && (gs.season > 1 || gs.continental_cup_first_season)) {
        no_empty_slot(gs.continental_groups_south_america, 8, "Libertadores");
        no_empty_slot(gs.continental_groups_europe, 8, "Champions");
    }
    if (IsNationalTeamTournament(gs.match_kind)) {
        const int groups = gs.match_kind == ckWorldCup ? 8 : gs.match_kind == ckAmericasNationsCup ? 3 : 4;
        no_empty_slot(gs.tournament_groups, groups, "tournament");
    }
}

void CheckSeasonEnd(const GameData& data) {
    SCOPED_TRACE("season end");
    std::map<int, int> played_by_kind;
    for (const t_fixture& f : data.fixtures) {
        if (f.kind == ckFriendly || f.home < 0 || f.away < 0) continue;
        ASSERT_EQ(f.played, 1) << "kind " << f.kind << " round " << f.round;
        ++played_by_kind[f.kind];
    }
    std::map<int, int> archived_by_kind;
    for (const t_archived_match& m : data.match_archive)
        if (m.kind != ckFriendly) ++archived_by_kind[m.kind];
    for (const auto& [kind, played] : played_by_kind)
        ASSERT_EQ(archived_by_kind[kind], played) << "kind " << kind;
}

void CheckRollover(const GameData& data, const BeforeRollover& before) {
    SCOPED_TRACE("season change");
    for (std::size_t p = 1; p < before.ages.size(); ++p)
        ASSERT_TRUE(before.ages[p] < 0 || data.players[p].age == before.ages[p] + 1) << p;
    const int size = data.game_state.league_format == kDivisionsOf20 ? 20 : 10;
    const int moving = data.game_state.league_format == kDivisionsOf20 ? 4 : 2;
    for (const t_league_config& config : data.league_configs)
        for (int d = 1; d < std::min(config.division_count, 3); ++d) {
            int down = 0, up = 0;
            for (std::size_t t = 0; t < before.divisions.size(); ++t) {
                if (before.divisions[t] == d && data.teams[t].division == d + 1 &&
                    data.teams[t].country == config.country)
                    ++down;
                if (before.divisions[t] == d + 1 && data.teams[t].division == d &&
                    data.teams[t].country == config.country)
                    ++up;
            }
            ASSERT_EQ(down, moving) << "country " << config.country << " division " << d;
            ASSERT_EQ(up, moving) << "country " << config.country << " division " << d;
            int in_division = 0;
            for (const int club : config.division_clubs[d - 1]) in_division += club >= 0;
            ASSERT_EQ(in_division, size);
        }
}

TEST(WholeGame, TwoSeasonsAndTheStartOfAThirdKeepEveryInvariant) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 2014;
    setup.league_format = kDivisionsOf20;
    setup.state_championships = true;
    setup.humans = 2;
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(setup), "");
    int seasons = 0;
    int rounds_into_third = 0;
    while (rounds_into_third < 5) {
        game.PlayRound();
        CheckRound(Game(), "round " + std::to_string(game.rounds_played()));
        if (HasFatalFailure()) return;
        if (seasons == 2) ++rounds_into_third;
        if (!game.season_finished()) continue;
        CheckSeasonEnd(Game());
        if (HasFatalFailure()) return;
        EXPECT_GT(game.last_season().matches, 0);
        EXPECT_FALSE(game.last_season().champions.empty());
        ++seasons;
        if (seasons == 1) {
            // The game goes on from its saved file as it would have without it.
            const std::string path = std::string(KORVANEL_TEST_OUTPUT_DIR) + "/whole_game.s14";
            std::filesystem::create_directories(KORVANEL_TEST_OUTPUT_DIR);
            ASSERT_EQ(game.SaveGame(path), "");
            HeadlessGame loaded;
            ASSERT_EQ(loaded.LoadGame(path), "");
            ASSERT_TRUE(loaded.season_finished());
            game = loaded;
        }
        const BeforeRollover before = TakeBeforeRollover(Game());
        game.PlayRound();  // turns the season over, then plays the new season's first day
        CheckRollover(Game(), before);
        if (HasFatalFailure()) return;
        if (seasons == 2) ++rounds_into_third;
    }
    EXPECT_EQ(Game().game_state.season, 3);
}

// What a game has come to, in a few numbers: a replay of the same seed must reach them all.
std::vector<long long> Fingerprint(const HeadlessGame& game) {
    const GameData& data = Game();
    std::vector<long long> print{game.rounds_played(), game.matches_played(),
                                 static_cast<long long>(data.transfer_log.size()),
                                 static_cast<long long>(data.inbox.size())};
    for (const t_team& team : data.teams) print.push_back(team.cash + team.points[ckNationalLeague]);
    return print;
}

TEST(WholeGame, TheSameSeedPlaysTheSameGameWithSixCoaches) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 6;
    setup.humans = 6;
    std::vector<long long> prints[2];
    for (auto& print : prints) {
        HeadlessGame game;
        ASSERT_EQ(game.StartNewGame(setup), "");
        while (game.rounds_played() < 30) game.PlayRound();
        print = Fingerprint(game);
    }
    EXPECT_EQ(prints[0], prints[1]);
}

}  // namespace
}  // namespace kv
