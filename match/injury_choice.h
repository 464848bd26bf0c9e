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

// What is offered to side `side` (1 home, 2 away) of day match `match` for its injured player.
// With nobody to offer the side loses its remaining substitutions and plays on one short.
InjuryChoice OfferInjuryReplacement(int match, int side, int injured);

// The player the computer brings on from what is offered: the one it would bring on for any
// team when he is offered, else the first offered; -1 when nobody is.
int ProposedInjuryReplacement(const InjuryChoice& choice, int strength, int injured);

}  // namespace kv
