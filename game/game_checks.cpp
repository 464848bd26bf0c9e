#include "game/game_checks.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "core/game_data.h"
#include "core/money_text.h"
#include "season/draw_helpers.h"
#include "season/saved_game_consistency.h"

namespace kv {
namespace {

// Builds the message of a broken invariant from its parts.
template <class... Parts>
std::string Broken(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

std::string TeamName(const GameData& data, int team) {
    return InTable(data.teams, team) ? data.teams[team].name.str() : "time " + std::to_string(team);
}

std::string CheckTables(const GameData& data) {
    for (const t_team& t : data.teams)
        for (int k = 1; k < kTableKindCount; ++k)
            if (std::string fault = TallyFault(t, k); !fault.empty()) return fault;
    for (const t_league_config& config : data.league_configs) {
        long long goals_for = 0, goals_against = 0;
        for (int d = 0; d < config.division_count; ++d)
            for (const int club : config.division_clubs[d])
                if (InTable(data.teams, club)) {
                    goals_for += data.teams[club].goals_for[ckNationalLeague];
                    goals_against += data.teams[club].goals_against[ckNationalLeague];
                }
        if (goals_for != goals_against)
            return Broken("liga do país ", config.country, ": ", goals_for, " gols pró e ",
                          goals_against, " contra");
    }
    return {};
}

std::string CheckPeople(const GameData& data) {
    const int clubs = ClubLimit(data);
    for (std::size_t p = 1; p < data.players.size(); ++p) {
        const int team = data.players[p].team;
        if (team != -1 && !InTable(data.teams, team))
            return Broken("jogador ", p, " num time que não existe (", team, ")");
    }
    const ClubPayrolls payrolls = CountClubPayrolls(data);
    const std::vector<long long>& wages = payrolls.wages;
    for (int club = 0; club < clubs && InTable(data.finances, club); ++club) {
        const t_team& team = data.teams[club];
        if (data.finances[club].wage_bill != wages[club])
            return Broken(team.name.str(), ": folha salarial ", data.finances[club].wage_bill,
                          " e salários somados ", wages[club]);
        if (std::string fault = SquadSizeFault(data, club, payrolls.squad[club]); !fault.empty())
            return fault;
    }
    return CoachFault(data);
}

std::string CheckFixtures(const GameData& data) {
    // Fixtures played hold two teams; league and state fixtures never hold an empty slot.
    for (const t_fixture& f : data.fixtures) {
        const bool table_kind = f.kind == ckNationalLeague || f.kind == ckStateChampionship;
        if ((f.played || table_kind) && (f.home < 0 || f.away < 0))
            return Broken("jogo do tipo ", f.kind, ", rodada ", f.round, " sem um dos times");
    }
    const t_game_state& gs = data.game_state;
    auto empty_slot = [](const std::int32_t(&groups)[8][4], int count,
                         const char* what) -> std::string {
        for (int g = 0; g < count; ++g)
            for (const int team : groups[g])
                if (team < 0) return Broken(what, ": grupo ", g + 1, " com vaga vazia");
        return {};
    };
    std::string broken;
    if (gs.continental_cup_on && (gs.season > 1 || gs.continental_cup_first_season)) {
        if (!(broken = empty_slot(gs.continental_groups_south_america, 8, "Libertadores")).empty())
            return broken;
        if (!(broken = empty_slot(gs.continental_groups_europe, 8, "Liga dos Campeões")).empty())
            return broken;
    }
    if (IsNationalTeamTournament(gs.match_kind)) {
        const int groups = gs.match_kind == ckWorldCup             ? 8
                           : gs.match_kind == ckAmericasNationsCup ? 3
                                                                   : 4;
        if (!(broken = empty_slot(gs.tournament_groups, groups, "torneio de seleções")).empty())
            return broken;
    }
    return {};
}

}  // namespace

std::string CheckRoundInvariants(const GameData& data) {
    for (auto check : {CheckTables, CheckPeople, CheckFixtures})
        if (std::string broken = check(data); !broken.empty()) return broken;
    if (!data.PlayerListsMatchTable())
        return "as listas de jogadores dos times não conferem com a tabela de jogadores";
    if (!data.LoosePlayersMatchTable())
        return "um jogador sem time tem marcas da partida fora das listas a zerar";
    for (const t_team& team : data.teams)
        if (team.match_strength_index != -1 && data.match_strengths.empty())
            return Broken(team.name.str(), ": escalação do dia ", team.match_strength_index,
                          " numa tabela vazia");
    return {};
}

std::string CheckArchivedStarters(const GameData& data, std::size_t first_archived) {
    for (std::size_t a = first_archived; a < data.match_archive.size(); ++a) {
        const t_archived_match& m = data.match_archive[a];
        for (int side = 0; side < 2; ++side)
            for (const int player : m.lineup[side]) {
                if (player <= 0) continue;
                const int team = InTable(data.players, player) ? data.players[player].team : -1;
                if (team != m.team[side])
                    return Broken(TeamName(data, m.team[0]), " x ", TeamName(data, m.team[1]),
                                  ": o titular ", player, " é do ", TeamName(data, team));
            }
    }
    return {};
}

std::string CheckSeasonEndInvariants(const GameData& data) {
    std::map<int, int> played_by_kind;
    for (const t_fixture& f : data.fixtures) {
        if (f.kind == ckFriendly || f.home < 0 || f.away < 0) continue;
        if (!f.played)
            return Broken("fim da temporada: jogo do tipo ", f.kind, ", rodada ", f.round,
                          " não jogado");
        ++played_by_kind[f.kind];
    }
    std::map<int, int> archived_by_kind;
    for (const t_archived_match& m : data.match_archive)
        if (m.kind != ckFriendly) ++archived_by_kind[m.kind];
    for (const auto& [kind, played] : played_by_kind)
        if (archived_by_kind[kind] != played)
            return Broken("fim da temporada: ", played, " jogos do tipo ", kind, " e ",
                          archived_by_kind[kind], " arquivados");
    return {};
}

RolloverSnapshot TakeRolloverSnapshot(const GameData& data) {
    RolloverSnapshot before;
    for (const t_player& p : data.players) before.ages.push_back(p.team >= 0 ? p.age : -1);
    for (const t_team& t : data.teams) before.divisions.push_back(t.division);
    return before;
}

std::string CheckRolloverInvariants(const GameData& data, const RolloverSnapshot& before) {
    for (std::size_t p = 1; p < before.ages.size() && p < data.players.size(); ++p)
        if (before.ages[p] >= 0 && data.players[p].age != before.ages[p] + 1)
            return Broken("virada de temporada: o jogador ", p, " tinha ", before.ages[p],
                          " anos e tem ", data.players[p].age);
    const int size = data.game_state.league_format == kDivisionsOf20 ? 20 : 10;
    const int moving = data.game_state.league_format == kDivisionsOf20 ? 4 : 2;
    const std::size_t teams = std::min(before.divisions.size(), data.teams.size());
    for (const t_league_config& config : data.league_configs)
        for (int d = 1; d < std::min(config.division_count, 3); ++d) {
            int down = 0, up = 0;
            for (std::size_t t = 0; t < teams; ++t) {
                if (data.teams[t].country != config.country) continue;
                down += before.divisions[t] == d && data.teams[t].division == d + 1;
                up += before.divisions[t] == d + 1 && data.teams[t].division == d;
            }
            if (down != moving || up != moving)
                return Broken("virada de temporada: país ", config.country, ", divisão ", d, ": ",
                              down, " rebaixados e ", up, " promovidos");
            int in_division = 0;
            for (const int club : config.division_clubs[d - 1]) in_division += club >= 0;
            if (in_division != size)
                return Broken("virada de temporada: país ", config.country, ", divisão ", d,
                              " com ", in_division, " clubes");
        }
    return {};
}

}  // namespace kv
