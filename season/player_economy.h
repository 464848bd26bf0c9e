#pragma once
// What players are worth and what they cost, and the club figures kept in step with the
// squad: the weekly wage bill, the squad counts and a computer club's surplus list.
// Prices come back in whole money units; the records store them as Money.

#include <cstdint>

namespace kv {

class GameData;

// The player's market value. A player without a club is worth nothing.
std::int32_t CalcPlayerValue(const GameData& data, int player);

// The wage the player is worth; at least 500. A player without a club earns the minimum.
std::int32_t CalcPlayerWage(const GameData& data, int player);

// The club's wage_bill: the sum of its players' wages in whole units.
void CalcWageBill(GameData& data, int club);

// squad_size, position_counts and the players fit for the current match kind.
void CountSquad(GameData& data, int club);

// A computer club puts at most one surplus player per position on sale, some of them
// also on offer for loan. Works on the counts of the last CountSquad.
void ListSurplusPlayers(GameData& data, int club);

}  // namespace kv
