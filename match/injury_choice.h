#pragma once
// Whom a human coach may bring on for an injured player: the bench goalkeepers for an injured
// goalkeeper when there is one, else the outfield players waiting on the bench.

#include <vector>

namespace kv {

struct InjuryChoice {
    std::vector<int> players;        // in the order they are offered
    bool goalkeepers_only = false;   // an injured goalkeeper with a goalkeeper on the bench
    bool improvise_in_goal = false;  // an injured goalkeeper and none on the bench
};

// The players of the line-up's bench who may replace `injured`: waiting on the bench (an empty
// place, 0, or a used one, -1, holds nobody) and not on the pitch; outfield players by position,
// full-backs first, each position in bench order.
InjuryChoice InjuryReplacementChoice(int strength, int injured);

}  // namespace kv
