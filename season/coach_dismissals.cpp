#include "season/coach_dismissals.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/random.h"
#include "season/coaches.h"

namespace kv {
namespace {

constexpr int kBoardGivesUp = 10;
constexpr int kFirstSackablePlace = 6;

int KindPlace(const GameData& data, const t_team& team) {
    const int kind = data.game_state.match_kind;
    return kind >= 0 && kind < kTableKindCount ? team.table_position[kind] : 0;
}

// The division of the league the lured coach is looked for in: 0 the club's own, 1 below.
int SearchDirection(const GameData& data, const t_team& team, const t_league_config& league) {
    const int format = data.game_state.league_format;
    int d = Random(2);
    if (data.game_state.match_kind == ckNationalLeague) {
        const int p = team.table_position[ckNationalLeague];
        if (format == kDivisionsOf20) {
            if (p >= 16) d = Random(100) > 20 ? 1 : 0;
            else if (p >= 11) d = Random(100) > 50 ? 1 : 0;
            else if (p >= 6) d = Random(100) > 70 ? 1 : 0;
        } else if (p >= 6) {
            d = Random(100) > 20 ? 1 : 0;
        }
    }
    if (team.division == format || league.division_count < format) d = 0;
    return d;
}

// Keeps a club that lost its coach to another from standing without one.
void FillVacancy(GameData& data, int club) {
    const int country = data.teams[club].country;
    int coach = FindFreeCoach(data, country);
    if (coach < 0) coach = FindFreeCoach(data, -1);
    if (coach < 0) coach = CreateCoach(data, club);
    HireCoach(data, club, coach);
}

}  // namespace

DismissalRound ProcessCoachDismissals(GameData& data) {
    DismissalRound round;
    data.coach_dismissals.clear();
    const int clubs = std::min<int>(data.game_state.league_club_count, data.teams.size());
    for (int c = 0; c < clubs; ++c) {
        const t_team& team = data.teams[c];
        if (team.division <= 0 || team.board_confidence >= kBoardGivesUp) continue;
        if (team.human) {
            round.human.push_back(DismissHumanCoach(data, c));
            continue;
        }
        if (KindPlace(data, team) < kFirstSackablePlace) continue;
        const CoachVacancy v = FindCoachForVacancy(data, c);
        if (v.incoming < 0 || v.outgoing < 0) continue;
        if (v.swap_club < 0) {
            ReleaseCoach(data, c, v.outgoing);
            const int previous = data.coaches[v.incoming].club;
            if (previous >= 0) ReleaseCoach(data, previous, v.incoming);
            HireCoach(data, c, v.incoming);
            data.coach_dismissals.push_back({c, v.outgoing, v.incoming, 1 + Random(4)});
        } else {
            ReleaseCoach(data, c, v.outgoing);
            ReleaseCoach(data, v.swap_club, v.incoming);
            HireCoach(data, c, v.incoming);
            HireCoach(data, v.swap_club, v.outgoing);
            data.coach_dismissals.push_back({c, v.outgoing, v.incoming, 0});
            data.coach_dismissals.push_back({v.swap_club, v.incoming, v.outgoing, 0});
        }
    }
    round.changes = data.coach_dismissals;
    round.show_changes = !round.changes.empty() && data.game_state.show_coach_changes;
    data.coach_dismissals.clear();
    return round;
}

DismissalReason BoardDismissalReason(const t_team& team) {
    if (team.division == 0) return DismissalReason::kOutOfLeague;
    if (team.supporter_confidence < 15) return DismissalReason::kSupporters;
    if (team.cash < 0) return DismissalReason::kDebts;
    return DismissalReason::kResults;
}

HumanDismissal DismissHumanCoach(GameData& data, int club, bool resigned) {
    HumanDismissal d;
    if (!InTable(data.teams, club)) return d;
    d.club = club;
    d.reason = resigned ? DismissalReason::kOwnRequest : BoardDismissalReason(data.teams[club]);
    d.old_coach = data.teams[club].coach;
    d.new_coach = ChooseReplacementCoach(data, club);
    if (d.old_coach >= 0) ReleaseCoach(data, club, d.old_coach);
    const int previous = data.coaches[d.new_coach].club;
    if (previous >= 0) ReleaseCoach(data, previous, d.new_coach);
    HireCoach(data, club, d.new_coach);
    if (previous >= 0) FillVacancy(data, previous);
    return d;
}

CoachVacancy FindCoachForVacancy(GameData& data, int club) {
    CoachVacancy v;
    if (!InTable(data.teams, club)) return v;
    const t_team& team = data.teams[club];
    v.club = club;
    v.outgoing = team.coach;
    v.incoming = FindFreeCoachForDivision(data, team.country, team.division);
    if (v.incoming < 0) v.incoming = FindCoachAtOtherClub(data, team.country, team.division, club,
                                                          v.swap_club);
    if (v.incoming < 0) v.incoming = FindFreeCoach(data, team.country);
    if (v.incoming < 0) v.incoming = FindFreeCoach(data, -1);
    if (v.incoming < 0) v = CoachVacancy{};
    return v;
}

int FindCoachAtOtherClub(GameData& data, int country, int division, int club, int& swap_club) {
    const int l = FindLeagueConfig(data, country);
    if (l < 0 || !InTable(data.teams, club)) return -1;
    const t_league_config& league = data.league_configs[l];
    const bool of20 = data.game_state.league_format == kDivisionsOf20;
    const int top = of20 ? 17 + Random(3) : 10;
    const int limit = of20 ? 5 : 3;
    const int low = of20 ? 2 + Random(3) : 2;
    const int d = SearchDirection(data, data.teams[club], league);
    const int searched = std::min(division + d, league.division_count);
    if (searched < 1 || searched > 4) return -1;

    std::vector<int> places;
    if (d == 0)
        for (int p = top; p >= limit; --p) places.push_back(p);
    else
        for (int p = low; p <= top; ++p) places.push_back(p);
    for (int p : places) {
        const int other = league.standings[searched - 1][p - 1];
        if (!InTable(data.teams, other) || other == club || data.teams[other].human) continue;
        const int coach = data.teams[other].coach;
        if (!InTable(data.coaches, coach) || data.coaches[coach].hire_lock != 0) continue;
        swap_club = other;
        return coach;
    }
    return -1;
}

int FindNonLeagueClubWithCoach(const GameData& data, int country) {
    const int clubs = std::min<int>(data.game_state.league_club_count, data.teams.size());
    for (int t = 0; t < clubs; ++t) {
        const t_team& team = data.teams[t];
        if (!team.human && team.country == country && team.division == 0 && team.coach >= 0)
            return t;
    }
    return -1;
}

int ChooseReplacementCoach(GameData& data, int club) {
    if (!InTable(data.teams, club)) return -1;
    const t_team& team = data.teams[club];
    int coach = FindFreeCoachForDivision(data, team.country, team.division);
    if (coach < 0) coach = FindFreeCoach(data, team.country);
    if (coach < 0 && team.division >= 2) {
        const int other = FindNonLeagueClubWithCoach(data, team.country);
        if (other >= 0) coach = data.teams[other].coach;
    }
    if (coach < 0) coach = FindFreeCoach(data, -1);
    if (coach < 0) coach = CreateCoach(data, club);
    return coach;
}

std::string_view DismissalReasonText(int reason) {
    switch (reason) {
        case 0: return "Troca de técnicos";
        case 1: return "Crise financeira";
        case 2: return "Maus resultados";
        case 3: return "Torcida descontente";
        case 4: return "Maus resultados";
        default: return {};
    }
}

}  // namespace kv
