#include "game/national_board.h"

#include <algorithm>

#include "core/game_data.h"
#include "core/text_tables.h"
#include "core/types.h"
#include "match/day_setup.h"
#include "season/fixture_list.h"
#include "season/national_tournaments.h"
#include "season/pairing_tables.h"

namespace kv {

namespace {

bool KnownTeam(const GameData& data, int team) {
    return team > 0 && InTable(data.teams, team);
}

// The final's tie (1-based): the world cup plays sixteen ties, the nations cups eight.
int FinalTie(int kind) {
    return kind == ckWorldCup ? 15 : 7;
}

// "x" or the archived score of the team's match of that round, with its index.
void FindScore(const GameData& data, int round, int team, BoardMatch& match) {
    if (!KnownTeam(data, team)) return;
    const int found = FindArchivedMatch(data, data.game_state.match_kind, round, team);
    if (found < 0) return;
    const t_archived_match& m = data.match_archive[found];
    match.archived = found;
    match.score = std::to_string(m.goals[0]) + "x" + std::to_string(m.goals[1]);
}

}  // namespace

int TournamentGroupCount(int kind) {
    switch (kind) {
        case ckWorldCup:
            return 8;
        case ckAmericasNationsCup:
            return 3;
        case ckEuropeanNationsCup:
            return 4;
        default:
            return 0;
    }
}

int TournamentHost(const GameData& data) {
    return TournamentHostCountry(data.game_state.match_kind,
                                 data.game_state.tournament_host_number);
}

std::string NationalMatchLine(const GameData& data, int team) {
    const t_game_state& gs = data.game_state;
    const int round = gs.tournament_round;
    if (round >= 1 && round <= 3) {
        const int group = InTable(data.teams, team) ? data.teams[team].tournament_group : 0;
        const std::string letter =
            group >= 1 && group <= 8 ? std::string(1, static_cast<char>('A' + group - 1)) : "";
        return "Grupo " + letter + " - " + std::to_string(round) + "ª rodada";
    }
    // The nations cups have no round of 16: their phases come one round earlier.
    const int phase = gs.match_kind == ckWorldCup ? round : round + 1;
    switch (phase) {
        case 4:
            return "Oitavas de Final";
        case 5:
            return "Quartas de Final";
        case 6:
            return "Semi-Final";
        case 7: {
            const t_bracket_tie& final =
                data.national_tournament_bracket[FinalTie(gs.match_kind) - 1];
            return team == final.team_a || team == final.team_b ? "Final" : "Decisão 3º lugar";
        }
        default:
            return {};
    }
}

std::vector<TableRow> NationalGroupRows(const GameData& data, int group) {
    std::vector<TableRow> rows;
    const int kind = data.game_state.match_kind;
    if (group < 1 || group > 8 || kind < 0 || kind >= 10) return rows;
    for (const std::int32_t team : data.game_state.tournament_groups[group - 1]) {
        if (!KnownTeam(data, team)) continue;
        TableRow row = TableRowOf(data, team, kind);
        // Teams level on everything keep the places the round close gave them.
        row.random_key = -data.teams[team].table_position[kind];
        rows.push_back(row);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TableRow& a, const TableRow& b) { return TableOrder(a, b) < 0; });
    return rows;
}

std::array<BoardMatch, 6> NationalGroupMatches(const GameData& data, int group) {
    std::array<BoardMatch, 6> matches{};
    const t_game_state& gs = data.game_state;
    const int kind = gs.match_kind;
    if (group < 1 || group > 8) return matches;
    const auto& teams = gs.tournament_groups[group - 1];
    for (int k = 0; k < 6; ++k) {
        const int round = k / 2 + 1;
        BoardMatch& match = matches[k];
        const SlotPairing pairing = Pairing4Teams(round, 1, k % 2 + 1);
        if (pairing.valid()) {
            match.home = KnownTeam(data, teams[pairing.home - 1]) ? teams[pairing.home - 1] : -1;
            match.away = KnownTeam(data, teams[pairing.away - 1]) ? teams[pairing.away - 1] : -1;
        }
        // The group's two cities, the first for matches 1, 4 and 5.
        const int city = k == 0 || k == 3 || k == 4 ? 1 : 2;
        match.venue = kind == ckWorldCup ? WorldCupVenue(1, group, city)
                                         : NationsCupVenue(kind, 1, group, city);
        FindScore(data, round, match.home, match);
    }
    return matches;
}

std::array<BoardMatch, 16> NationalKnockoutSlots(const GameData& data) {
    std::array<BoardMatch, 16> slots{};
    const t_game_state& gs = data.game_state;
    const int kind = gs.match_kind;
    const bool world_cup = kind == ckWorldCup;
    // Slot s (1-based), the city it is played in: the round of 16 in all eight, the later
    // phases from the first city on.
    for (int s = 1; s <= 16; ++s) {
        const int city = s <= 8 ? s : s <= 12 ? s - 8 : s <= 14 ? s - 12 : s - 14;
        slots[s - 1].venue =
            world_cup ? std::string(TournamentVenue(gs.tournament_host_number - 1, city - 1))
                      : NationsCupVenue(kind, 4, 0, city);
    }
    struct Phase {
        int round, first_tie, ties, first_slot;
    };
    const std::vector<Phase> phases =
        world_cup ? std::vector<Phase>{{4, 1, 8, 1}, {5, 9, 4, 9}, {6, 13, 2, 13}, {7, 15, 2, 15}}
                  : std::vector<Phase>{{4, 1, 4, 9}, {5, 5, 2, 13}, {6, 7, 2, 15}};
    if (!IsNationalTeamTournament(kind)) return slots;
    for (const Phase& phase : phases) {
        if (gs.tournament_round < phase.round) break;
        for (int k = 0; k < phase.ties; ++k) {
            const t_bracket_tie& tie = data.national_tournament_bracket[phase.first_tie + k - 1];
            BoardMatch& slot = slots[phase.first_slot + k - 1];
            slot.home = KnownTeam(data, tie.team_a) ? tie.team_a : -1;
            slot.away = KnownTeam(data, tie.team_b) ? tie.team_b : -1;
            FindScore(data, phase.round, slot.home, slot);
        }
    }
    return slots;
}

int NationalBoardFirstGroup(const GameData& data) {
    const t_game_state& gs = data.game_state;
    const int team = gs.national_team;
    if (gs.tournament_round >= 3 || !KnownTeam(data, team)) return 1;
    const int group = data.teams[team].tournament_group;
    return group >= 1 && group <= TournamentGroupCount(gs.match_kind) ? group : 1;
}

}  // namespace kv
