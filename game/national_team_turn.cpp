#include "game/national_team_turn.h"

#include <algorithm>
#include <iterator>

#include "core/game_data.h"
#include "match/lineup_strength.h"
#include "season/fixture_list.h"

namespace kv {

namespace {

int HumanTeamCount(const t_game_state& gs) {
    return std::clamp(gs.tournament_human_count, 0,
                      static_cast<int>(std::size(gs.tournament_human_teams)));
}

// The first slot from `from` (1-based) whose national team is still in the tournament.
int FirstTeamInTournament(GameData& data, int from) {
    t_game_state& gs = data.game_state;
    for (int slot = std::max(from, 1); slot <= HumanTeamCount(gs); ++slot) {
        const int team = gs.tournament_human_teams[slot - 1];
        if (!InTable(data.teams, team) || !data.teams[team].in_tournament) continue;
        gs.national_team = team;
        return slot;
    }
    return 0;
}

}  // namespace

std::array<InvitationOffer, kInvitationSlots> InvitationOffers(const GameData& data, int tier) {
    std::array<InvitationOffer, kInvitationSlots> offers{};
    if (tier < 1 || tier > 2) return offers;
    const auto& row = data.game_state.tournament_ranking[tier - 1];
    for (int n = 0; n < kInvitationSlots; ++n) {
        const int team = row[n];
        if (team <= 0 || !InTable(data.teams, team)) continue;
        offers[n].team = team;
        offers[n].enabled = !data.teams[team].human;
    }
    return offers;
}

bool AnyInvitationOpen(const std::array<InvitationOffer, kInvitationSlots>& offers) {
    return std::any_of(offers.begin(), offers.end(),
                       [](const InvitationOffer& o) { return o.enabled; });
}

bool AcceptInvitation(GameData& data, int team, int coach) {
    t_game_state& gs = data.game_state;
    if (team <= 0 || !InTable(data.teams, team) || data.teams[team].human) return false;
    if (!InTable(data.coaches, coach)) return false;
    const int count = HumanTeamCount(gs);
    if (count >= static_cast<int>(std::size(gs.tournament_human_teams))) return false;
    gs.tournament_human_teams[count] = team;
    gs.tournament_human_count = count + 1;
    data.teams[team].coach = coach;
    data.teams[team].human = 1;
    data.coaches[coach].national_team_job = 1;
    return true;
}

int OpenNationalTeamTurn(GameData& data) {
    return FirstTeamInTournament(data, 1);
}

int NextNationalTeamTurn(GameData& data, int slot) {
    return FirstTeamInTournament(data, slot + 1);
}

int RefreshNationalTeamTurn(GameData& data) {
    t_game_state& gs = data.game_state;
    const int team = gs.national_team;
    if (!InTable(data.teams, team)) return -1;
    gs.current_coach = data.teams[team].coach;
    CountAvailablePlayers(0, team);
    TodaysOpponent today;
    return FindTodaysOpponent(data, team, today) ? today.opponent : -1;
}

int StartNationalTeamLineup(GameData& data) {
    const int team = data.game_state.national_team;
    if (!InTable(data.teams, team)) return -1;
    data.game_state.user_club = team;
    return team;
}

}  // namespace kv
