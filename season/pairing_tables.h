#pragma once
// The fixed round-robin tables every group and division takes its pairings from.
// Positions are 1-based slots of the group; the caller turns them into teams.

namespace kv {

struct SlotPairing {
    int home = 0;
    int away = 0;

    // Out-of-range questions (a damaged saved game's counters) get {0, 0}: no slot is 0.
    bool valid() const { return home > 0 && away > 0; }
};

// round runs 1..rounds of the table, match 1..matches per round; leg 1 gives the
// pairing as stored, any other leg the return match with the sides swapped.
SlotPairing Pairing20Teams(int round, int leg, int match);
SlotPairing Pairing10Teams(int round, int leg, int match);
SlotPairing Pairing6Teams(int round, int leg, int match);
SlotPairing Pairing4Teams(int round, int leg, int match);

}  // namespace kv
