#pragma once
// The end of the state championships: the top scorers of every group paid, each state's
// final decided, the champions and runners-up recorded, counted and paid, and, when the
// home country's fourth division is regional, that division formed from the candidates.

#include <string>
#include <vector>

#include "game/game_windows.h"

namespace kv {

class GameData;

struct StateChampionRow {
    int state = -1;
    std::string code;
    int champion = -1;
    int runner_up = -1;
    std::string top_scorer;  // empty when the first group has none
};

struct StateChampionsTable {
    std::string title;  // "Campeões Estaduais 2014"
    std::vector<StateChampionRow> rows;
};

// The champion of a final, by wins, then aggregate, then finalist A.
int StateFinalWinner(int finalist_a, int finalist_b, int a1, int b1, int a2, int b2);

// Closes the championships (once, when both final legs are played).
StateChampionsTable CloseStateChampionships(GameData& data);

// "Continuar >>": the human coaches of league clubs left without a division lose them (a
// dismissal window each) and are listed for the job offers of the season change.
void ReleaseCoachesWithoutDivision(GameData& data, GameWindows& windows);

}  // namespace kv
