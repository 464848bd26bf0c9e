#include "season/human_coaches.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/types.h"

namespace kv {

int AddHumanCoach(GameData& data, const std::string& name) {
    t_game_state& gs = data.game_state;
    auto* slot = std::find(std::begin(gs.human_coaches), std::end(gs.human_coaches), -1);
    if (slot == std::end(gs.human_coaches) || name.empty()) return -1;
    const int coach = static_cast<int>(data.coaches.size());
    t_coach& c = data.coaches.emplace_back();
    c.name.set(name);
    c.division = gs.league_format == kDivisionsOf20 ? 2 : 4;
    c.club = -1;
    c.last_club = -1;
    c.country = gs.main_country;
    c.league_country = -1;
    c.human = 1;
    *slot = coach;
    return coach;
}

HumanCoachRemoval RemoveHumanCoach(GameData& data, int coach) {
    t_game_state& gs = data.game_state;
    const bool in_a_slot = std::ranges::find(gs.human_coaches, coach) != std::end(gs.human_coaches);
    if (coach < 0 || coach >= static_cast<int>(data.coaches.size()) || !data.coaches[coach].human ||
        !in_a_slot)
        return HumanCoachRemoval::kNotHuman;
    t_coach& c = data.coaches[coach];
    if (c.club >= 0) return HumanCoachRemoval::kHasClub;
    for (std::int32_t& slot : gs.human_coaches)
        if (slot == coach) slot = -1;
    std::erase_if(data.state_dismissals,
                  [coach](const t_state_dismissal& d) { return d.coach == coach; });
    if (gs.current_coach == coach) gs.current_coach = -1;
    c.club = -1;
    c.employed = 0;
    c.national_team_job = 0;
    return HumanCoachRemoval::kRemoved;
}

int HumanCoachCount(const GameData& data) {
    int n = 0;
    for (const std::int32_t coach : data.game_state.human_coaches) n += coach >= 0 ? 1 : 0;
    return n;
}

}  // namespace kv
