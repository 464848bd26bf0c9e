#include "game/national_callups.h"

#include <array>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/record_sort.h"
#include "game/callup_selection.h"
#include "game/national_board.h"
#include "game/table_order.h"
#include "match/match_day_helpers.h"
#include "season/draw_helpers.h"
#include "season/loans.h"

namespace kv {

namespace {

constexpr std::array<int, kPositionCount> kSquadQuota{3, 4, 4, 8, 6};

}  // namespace

void CallUpNationalSquad(GameData& data, int country, int national_team) {
    if (!InTable(data.teams, national_team)) return;
    const int clubs = ClubLimit(data);
    // The table order with strength for points and career goals for wins.
    std::vector<TableRow> candidates;
    const int player_count = static_cast<int>(data.players.size());
    for (int p = 1; p < player_count; ++p) {
        const t_player& player = data.players[p];
        // Only players with a club: a retired player (team -1) is never called up.
        if (player.team < 0 || player.team >= clubs || player.nationality != country) continue;
        TableRow row{};
        row.team = p;
        row.points = player.strength;
        row.wins = player.goals;
        candidates.push_back(row);
    }
    QuickSortRecords(candidates, TableOrder);
    std::array<int, kPositionCount> room = kSquadQuota;
    std::vector<int> taken;
    for (const TableRow& row : candidates) {
        const int position = data.players[row.team].position;
        if (position < 0 || position >= kPositionCount || room[position] == 0) continue;
        --room[position];
        taken.push_back(row.team);
    }
    ConfirmCallUp(data, national_team, taken);
}

void CallUpComputerNationalTeams(GameData& data) {
    t_game_state& gs = data.game_state;
    const int groups = TournamentGroupCount(gs.match_kind);
    for (int g = 0; g < groups; ++g)
        for (const int team : gs.tournament_groups[g]) {
            if (!InTable(data.teams, team) || data.teams[team].human) continue;
            if (HasNationalSquad(data.teams[team].country))
                CallUpNationalSquad(data, data.teams[team].country, team);
        }
    gs.tournament_callups_done = 1;
}

void ReleaseCallUps(GameData& data) {
    const std::vector<t_callup> released = std::move(data.callups);
    data.callups.clear();
    for (const t_callup& entry : released)
        if (InTable(data.players, entry.player))
            data.SetPlayerTeam(entry.player, entry.return_team);
    // A loan that ran out during the tournament ends now that its player is back.
    for (const t_callup& entry : released) ReturnLoanedPlayer(data, entry.player, TodayDate(data));
    for (const int team : data.game_state.tournament_human_teams)
        if (team > 0 && InTable(data.teams, team)) {
            data.teams[team].coach = -1;
            data.teams[team].human = 0;
        }
    data.tournament_just_ended = 0;
}

}  // namespace kv
