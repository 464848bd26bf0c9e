#pragma once
// Cards after a foul, sendings-off, and the injury that may follow a booking.

#include <vector>

namespace kv {

class MatchDecisions;

// The players shown a yellow card this match day, in any match; emptied with match_events.
std::vector<int>& booked_players();

struct CardShown {
    int player;  // -1 when no card
    int card;    // 1 yellow, 2 red, 3 second yellow and red; -1 none
};

struct InjuryResult {
    int injured;      // -1 none
    int replacement;  // -1 none
};

// The card of the fouling side's line-up `strength` after a foul.
CardShown CardAfterFoul(int strength, int zone, int tick);

// A yellow card earlier this match day, in any match.
bool IsBookedToday(int player);

// Takes a player of the line-up off the pitch; he stays in his slot.
void SendOffPlayer(int strength, int player);

// "1 in N" chance of an injury after a card, by the player's energy.
int InjuryChanceOneIn(int energy);

// The injury check of the fouled side's line-up. A human team is asked through `decisions` for the
// replacement; without decisions (a quick group) the computer chooses for every team.
InjuryResult CheckInjury(int strength, int zone, int match, MatchDecisions* decisions);

}  // namespace kv
