#include "season/human_involvement.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/lookups.h"
#include "season/fixture_list.h"

namespace kv {
namespace {

// True when some human club passes the test.
template <typename Test>
bool AnyHumanClub(const GameData& data, Test test) {
    const t_game_state& gs = data.game_state;
    const int count = std::clamp(gs.human_count, 0, static_cast<int>(std::size(gs.human_clubs)));
    for (int k = 0; k < count; ++k) {
        const int club = gs.human_clubs[k];
        if (InTable(data.teams, club) && test(data.teams[club], club)) return true;
    }
    return false;
}

bool ConfigHasCupPhase(const GameData& data, int config, int phase) {
    return FindFixture(data, config, ckNationalCup, phase) >= 0;
}

bool OnShow(const t_league_config& config) {
    return config.has_human_club || config.show_matches;
}

}  // namespace

bool IsHumanManaged(const GameData& data, int team) {
    return InTable(data.teams, team) && data.teams[team].human;
}

bool HumanClubInLeague(const GameData& data) {
    return data.game_state.human_count != 0;
}

bool NationalCupDrawn(const GameData& data) {
    for (int c = 0; c < static_cast<int>(data.league_configs.size()); ++c)
        if (ConfigHasCupPhase(data, c, 1)) return true;
    return false;
}

bool HumanClubInCupFirstRound(const GameData& data) {
    if (data.game_state.human_count == 0) return false;
    for (int c = 0; c < static_cast<int>(data.league_configs.size()); ++c)
        if (data.league_configs[c].has_human_club && ConfigHasCupPhase(data, c, 1)) return true;
    return false;
}

bool HumanClubInNationalCup(const GameData& data) {
    const int round = data.game_state.national_cup_round;
    return AnyHumanClub(data, [&](const t_team& t, int club) {
        if (!t.in_national_cup) return false;
        if (round >= 2) return true;
        if (round == 1) return NationalCupHasRound1(data, club);
        if (round == 0) return NationalCupHasRound0(data, club);
        return false;
    });
}

bool HumanClubInStateLeague(const GameData& data) {
    return AnyHumanClub(data, [&](const t_team& t, int) {
        return t.in_state_league && t.state >= 0 &&
               t.state < static_cast<int>(std::size(data.state_leagues)) &&
               data.state_leagues[t.state].active;
    });
}

bool HumanClubInContinentalCup(const GameData& data) {
    return AnyHumanClub(data, [](const t_team& t, int) { return t.in_continental_cup != 0; });
}

bool HumanClubInContinentalCupOf(const GameData& data, int continent) {
    return AnyHumanClub(data, [&](const t_team& t, int) {
        return t.in_continental_cup && ContinentOfCountry(t.country) == continent;
    });
}

bool HumanClubInClubWorldCup(const GameData& data) {
    const int stage = data.game_state.club_world_cup_stage;
    if (data.game_state.human_count == 0 || stage < 1 || stage > 3) return false;
    for (int tie = 2 * stage - 1; tie <= 2 * stage; ++tie) {
        const t_bracket_tie& b = data.club_world_cup_bracket[tie - 1];
        if (IsHumanManaged(data, b.team_a) || IsHumanManaged(data, b.team_b)) return true;
    }
    return false;
}

bool HumanClubInSecondCup(const GameData& data) {
    return AnyHumanClub(data,
                        [](const t_team& t, int) { return t.in_second_continental_cup != 0; });
}

bool HumanClubInSecondCupOf(const GameData& data, int continent) {
    return AnyHumanClub(data, [&](const t_team& t, int) {
        return t.in_second_continental_cup && ContinentOfCountry(t.country) == continent;
    });
}

bool HumanTeamInNationalTournament(const GameData& data) {
    const t_game_state& gs = data.game_state;
    if (gs.human_count == 0) return false;
    const int count = std::clamp(gs.tournament_human_count, 0,
                                 static_cast<int>(std::size(gs.tournament_human_teams)));
    for (int k = 0; k < count; ++k) {
        const int team = gs.tournament_human_teams[k];
        if (InTable(data.teams, team) && data.teams[team].in_tournament) return true;
    }
    return false;
}

bool HumanClubInSuperCup(const GameData& data) {
    for (const t_fixture& f : data.fixtures)
        if (f.kind == ckSuperCup && (IsHumanManaged(data, f.home) || IsHumanManaged(data, f.away)))
            return true;
    return false;
}

int LeagueToShow(const GameData& data) {
    if (data.league_configs.empty()) return -1;
    for (const t_league_config& config : data.league_configs)
        if (OnShow(config)) return -1;
    return InTable(data.league_configs, data.fallback_league) ? data.fallback_league : 0;
}

int NationalCupLeagueToShow(const GameData& data) {
    const int round = data.game_state.national_cup_round;
    const int configs = static_cast<int>(data.league_configs.size());
    // Round 0 is the home country's extra round: it is shown on its own merits or not at all.
    if (round < 1) return -1;
    if (round == 1) {
        for (int c = 0; c < configs; ++c)
            if (OnShow(data.league_configs[c]) && ConfigHasCupPhase(data, c, 1)) return -1;
        const int fallback = data.fallback_league;
        if (InTable(data.league_configs, fallback) && ConfigHasCupPhase(data, fallback, 1))
            return fallback;
        for (int c = 0; c < configs; ++c)
            if (ConfigHasCupPhase(data, c, 1)) return c;
        return -1;
    }
    return LeagueToShow(data);
}

}  // namespace kv
