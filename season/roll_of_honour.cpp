#include "season/roll_of_honour.h"

#include "core/game_data.h"
#include "season/fixture_list.h"
#include "season/histories.h"

namespace kv {

std::vector<t_honour_line> RollOfHonour(const GameData& data, int competition) {
    std::vector<t_honour_line> lines;
    if (competition <= 0) return lines;
    const int count = static_cast<int>(data.honours.size());
    for (int i = count - 1; i >= 0; --i) {
        const t_honour& h = data.honours[i];
        if (h.competition != competition || h.placing != 1) continue;
        t_honour_line& line = lines.emplace_back();
        line.season = h.season;
        line.champion = h.team;
        if (i + 1 < count) {
            const t_honour& next = data.honours[i + 1];
            if (next.competition == competition && next.season == h.season && next.placing == 2)
                line.runner_up = next.team;
        }
        line.scorer_entry = FindTopScorerEntry(data, competition, h.season);
        if (h.coach >= kNationalTeamCoachBase) {
            const int entry = h.coach - kNationalTeamCoachBase;
            if (entry < static_cast<int>(data.national_team_list.size()))
                line.coach = data.national_team_list[entry].coach_name.str();
        } else if (h.coach >= 0 && h.coach < static_cast<int>(data.coaches.size())) {
            line.coach = data.coaches[h.coach].name.str();
        }
    }
    return lines;
}

bool OffersFourthDivision(const GameData& data, int league) {
    if (league < 0 || league >= static_cast<int>(data.league_configs.size())) return false;
    const t_league_config& c = data.league_configs[league];
    return c.division_count >= 4 ||
           (data.game_state.league_format == kDivisionsOf20 && c.club_count >= 82);
}

}  // namespace kv
