#pragma once
// What the national-team hub and the tournament board show of the tournament being played
// (t_game_state.match_kind 7, 8 or 9), worked out with no window: the host, the next match's
// line, each group's table and six matches, and the knock-out slots with their venues and
// scores.

#include <array>
#include <string>
#include <vector>

#include "game/table_order.h"

namespace kv {

class GameData;

// The groups of the tournament: 8 for the world cup, 3 for the Americas' cup, 4 for Europe's.
int TournamentGroupCount(int kind);
// The host country of the tournament being played, -1 when unknown.
int TournamentHost(const GameData& data);
// "Grupo C - 2ª rodada", "Oitavas de Final", ..., "Final" for the two finalists and
// "Decisão 3º lugar" for the others in the last round.
std::string NationalMatchLine(const GameData& data, int team);

// A group's table in the order the round close gives it (the national teams' tallies of the
// kind being played); the stored positions settle teams level on everything.
std::vector<TableRow> NationalGroupRows(const GameData& data, int group);

// One match of the board: its teams (-1 for a place not known yet), where it is played, and
// when played its score "2x1" with its archive index.
struct BoardMatch {
    int home = -1;
    int away = -1;
    std::string venue;
    std::string score = "x";
    int archived = -1;
};
// The six matches of a group, rounds 1 to 3, two a round.
std::array<BoardMatch, 6> NationalGroupMatches(const GameData& data, int group);

// The sixteen knock-out slots of the board (world cup: 1-8 round of 16, 9-12 quarter-finals,
// 13-14 semi-finals, 15 final, 16 third place; the nations cups use slots 9 to 16). A slot of
// a phase not reached yet, or a team not known (0 or less, or not a team), stays -1.
std::array<BoardMatch, 16> NationalKnockoutSlots(const GameData& data);

// The group the board opens on: the coach's national team's during the first two rounds,
// else group A.
int NationalBoardFirstGroup(const GameData& data);

}  // namespace kv
