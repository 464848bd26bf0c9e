#pragma once
// A world of leagues for whole match days: clubs with squads, coaches, stadiums, prices and
// finances, the competition registry, the season calendar and the league fixtures, on the first
// league day with every line-up chosen.

#include <string>

#include "core/game_data.h"
#include "core/types.h"
#include "match/computer_lineups.h"
#include "match_world.h"
#include "season/calendar.h"
#include "season/competition_registry.h"
#include "season/schedule_generator.h"

namespace kv::testing {

inline int FirstDayOfType(int day_type) {
    const auto& calendar = Game().calendar;
    for (int d = 0; d < kCalendarDays; ++d)
        if (calendar[d].day_type == day_type) return d + 1;
    return 0;
}

inline void MakeHumanClub(int team) {
    GameData& gd = Game();
    t_game_state& gs = gd.game_state;
    gs.human_clubs[gs.human_count++] = team;
    gd.teams[team].human = 1;
}

// `leagues` countries (the first the home country) of `divisions` divisions of 20 clubs.
inline void BuildLeagueWorld(int leagues, int divisions, int humans = 0) {
    GameData& gd = Game();
    gd.Reset();
    t_game_state& gs = gd.game_state;
    gs.league_format = 2;
    gs.season = 1;
    gs.match_delay = 300;
    gs.match_delay_no_humans = 50;
    for (int& club : gs.human_clubs) club = -1;
    for (int d = 0; d < kTicketPriceRows; ++d)
        for (int k = 0; k < kStadiumSectors; ++k) gd.ticket_prices[d][k] = (5 - d) * (k + 1) * 5;
    for (int l = 0; l < leagues; ++l) {
        t_league_config& config = gd.league_configs.emplace_back();
        config.country = l == 0 ? kHomeCountry : 100 + l;
        config.division_count = divisions;
        config.club_count = divisions * 20;
        for (auto& division : config.division_clubs)
            for (int& slot : division) slot = -1;
        for (int d = 0; d < divisions; ++d)
            for (int slot = 0; slot < 20; ++slot) {
                const int team = AddTeam();
                gd.league_configs.back().division_clubs[d][slot] = team;
                t_team& t = gd.teams[team];
                t.country = gd.league_configs.back().country;
                t.state = slot % kStateCount;
                t.division = d + 1;
                t.level = 22 - 4 * d - slot % 5;
                t.reputation = slot % 3;
                t.stadium.set("Estádio " + std::to_string(team));
                const int capacity[4] = {8000 + 500 * slot, 20000 + 3000 * (3 - d), 3000, 400};
                for (int k = 0; k < 4; ++k) {
                    t.sector_capacity[k] = capacity[k];
                    t.ticket_prices[k] = gd.ticket_prices[d + 1][k];
                }
                t.supporter_confidence = 40 + slot * 3;
                t.board_confidence = 60;
                t.cash = MoneyFromUnits(1000000);
                t_coach& coach = gd.coaches.emplace_back();
                coach.club = team;
                t.coach = static_cast<int>(gd.coaches.size()) - 1;
                t_finance& f = AppendRecord(gd.finances);
                f.wage_bill = 20000 + 1000 * slot;
                f.loan = slot % 4 == 0 ? 100000 : 0;
                AddSquad(team, 80 - 12 * d - slot);
            }
    }
    gs.league_club_count = static_cast<int>(gd.teams.size());
    ResizeTable(gd.finances, gs.league_club_count);
    for (int h = 0; h < humans; ++h) MakeHumanClub(h * 7);
    for (t_league_config& config : gd.league_configs)
        for (auto& division : config.division_clubs)
            for (int team : division)
                if (team >= 0 && gd.teams[team].human) config.has_human_club = 1;
    BuildCompetitionRegistry(gd);
    BuildSeasonCalendar(gd);
    for (int c = 0; c < leagues; ++c) BuildCompetitionFixtures(gd, ckNationalLeague, c);
    gs.calendar_day = FirstDayOfType(ckNationalLeague);
    gs.match_kind = ckNationalLeague;
    gs.league_round = 1;
    gs.league_turn = 1;
    PrepareComputerLineups();
    // The human coaches' line-ups as the headless game sets them: the computer's choice.
    for (int h = 0; h < gs.human_count; ++h) ChooseComputerLineup(gs.human_clubs[h]);
}

}  // namespace kv::testing
