#pragma once
// What every freshly built game must hold, the bytes of a game for comparing two builds, and
// a whole setup run the way the setup windows run it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game_data.h"
#include "season/new_game_setup.h"

namespace kv::test {

inline void ExpectNewGameInvariants(const GameData& game) {
    const t_game_state& gs = game.game_state;
    const int clubs = gs.league_club_count + gs.background_club_count;
    ASSERT_GE(game.players.size(), 1u);
    EXPECT_EQ(game.players[0].team, -1);
    EXPECT_TRUE(game.players[0].name.empty());
    EXPECT_EQ(game.coaches.size(), static_cast<std::size_t>(clubs + kHumanSlots));
    EXPECT_EQ(game.finances.size(), static_cast<std::size_t>(clubs));
    ASSERT_GE(game.teams.size(), static_cast<std::size_t>(clubs));

    std::vector<int> squad(game.teams.size());
    for (std::size_t p = 1; p < game.players.size(); ++p) {
        const int team = game.players[p].team;
        ASSERT_TRUE(InTable(game.teams, team)) << "player " << p;
        ++squad[team];
        EXPECT_GE(game.players[p].strength, 1);
        EXPECT_LE(game.players[p].strength, 100);
    }
    for (int c = 0; c < clubs; ++c) {
        EXPECT_EQ(game.teams[c].coach, c) << c;
        EXPECT_EQ(game.coaches[c].club, c) << c;
        EXPECT_EQ(game.coaches[c].human, game.teams[c].human) << c;
        EXPECT_GE(squad[c], 12) << game.teams[c].name.str();
        EXPECT_GE(game.teams[c].level, 1);
        EXPECT_LE(game.teams[c].level, 25);
    }
    for (int k = 0; k < gs.human_count; ++k) {
        ASSERT_TRUE(InTable(game.teams, gs.human_clubs[k]));
        EXPECT_EQ(game.teams[gs.human_clubs[k]].human, 1);
    }
    for (const t_national_team_entry& entry : game.national_team_list) {
        ASSERT_TRUE(InTable(game.teams, entry.team));
        EXPECT_GE(entry.team, clubs);
        EXPECT_EQ(game.teams[entry.team].coach, -1);
        EXPECT_GE(squad[entry.team], 16);
    }
    EXPECT_GE(gs.calendar_day, 1);
    EXPECT_LE(gs.calendar_day, kCalendarDays);
    EXPECT_EQ(gs.match_kind, game.calendar[gs.calendar_day - 1].day_type);
    EXPECT_EQ(gs.season, 1);
    EXPECT_FALSE(game.fixtures.empty());
    EXPECT_FALSE(game.competitions.empty());
    EXPECT_EQ(game.inbox.size(), static_cast<std::size_t>(gs.human_count));
    EXPECT_TRUE(game.team_file_names.empty());
}

struct SetupRun {
    bool custom = false;
    int league_format = kDivisionsOf10;
    bool everything_on = true;
    int human_count = 2;
};

// Runs the setup over a scanned folder as the windows would: every offered country ticked,
// then each human coach takes the first free club of the league shown.
inline void RunSetup(NewGameSetup& setup, const SetupRun& run) {
    if (run.custom) {
        CustomChoices custom;
        for (const CountryClubs& c : CustomChampionshipCountries(setup.scan))
            custom.countries.push_back(c.country);
        custom.league_format = run.league_format;
        ASSERT_EQ(StartCustomChampionship(setup, custom, run.human_count), "");
    } else {
        const std::vector<CountryClubs> listed = ListedCountries(setup.scan);
        NewGameChoices choices = DefaultChoices(listed);
        choices.leagues.clear();
        for (const CountryClubs& c : listed) choices.leagues.push_back(c.country);
        choices.league_format = run.league_format;
        choices.state_leagues = run.everything_on;
        choices.human_count = run.human_count;
        if (!run.everything_on) {
            SetContinentalCup(choices, false);
            choices.world_cup = choices.euro = choices.copa_america = false;
        }
        ASSERT_EQ(StartRealCountriesGame(setup, choices), "");
    }
    const int shown = OpenClubChoice(setup);
    for (int k = 0; k < run.human_count; ++k) {
        const std::vector<ClubChoiceList> lists = ShowLeagueClubs(setup, shown);
        ASSERT_FALSE(lists.empty());
        bool chosen = false;
        for (const int club : lists[0].clubs) {
            if (setup.world->teams[club].human) continue;
            ASSERT_EQ(ChooseHumanClub(setup, club, "Treinador " + std::to_string(k + 1), 29), "");
            chosen = true;
            break;
        }
        ASSERT_TRUE(chosen);
    }
}

}  // namespace kv::test
