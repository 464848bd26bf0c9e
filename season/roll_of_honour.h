#pragma once
// The roll of honour of one competition: its champions newest first, each with the runner-up,
// the season's top scorer and the champion's coach.

#include <string>
#include <vector>

namespace kv {

class GameData;

struct t_honour_line {
    int season = 0;
    int champion = -1;
    int runner_up = -1;     // -1 when no second place of that final was recorded
    int scorer_entry = -1;  // index in top_scorers, -1 none
    std::string coach;      // the champion's coach; empty when unknown
};

// Runners-up are the entries that follow their champion's, but only when they are the second
// place of the same competition and season: a cup whose season closed without a second place
// would otherwise borrow the next competition's champion.
std::vector<t_honour_line> RollOfHonour(const GameData& data, int competition);

// The competition list's fourth division: offered when the league has it, or, with divisions
// of 20, when it has the clubs for it.
bool OffersFourthDivision(const GameData& data, int league);

}  // namespace kv
