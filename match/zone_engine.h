#pragma once
// Between set pieces a match is a walk of the ball over twelve zones: the side in possession is
// fouled, loses the ball, shoots or passes, weighed by the zone values of both line-ups.

#include "core/game_data.h"

namespace kv {

// Outcomes of a move, also the follow-up value the next move reads.
enum ZoneOutcome : int {
    zoTackled = 1,
    zoPass = 2,
    zoShotWide = 3,
    zoGoal = 4,
    zoFouled = 5,
    zoCorner = 7,
    zoWrongPass = 9,
    zoPassIntoEmptyZone = 10,
};

struct ZoneMove {
    int zone;  // home view
    int side;  // in possession next
    int outcome;
};

struct ZoneRow {
    int shot;
    int wrong_pass;
    int tackle;
    int foul;
    int foul_in_tackle;
    int pass_targets[4];
};

// Row of engine_zone_tables for a zone 1..12 in the possessing side's view.
const ZoneRow& engine_zone_tables(int w);

bool ChanceHit(int value, int n);
int ShiftByDifference(int base, int a, int b, double factor);
bool TackleWins(int w, int attack, int defence);
bool ShotMisses(int attack, int keeper);
bool PassGoesAstray(int w, int attack, int defence);
int ChoosePassTarget(int z, int s, const t_match_strength& defending);
int GoalKickTarget(int s);
int CornerZone(int side);

ZoneMove PlayZoneMove(int z, int s, int k, const t_match_strength& home, const t_match_strength& away);
// The same move written into `move`: the engine's form. A three-int result handed back in
// registers is put together through memory in a way the processor cannot forward, which costs
// more than the move's own arithmetic at one move a tick.
void PlayZoneMove(ZoneMove& move, int z, int s, int k, const t_match_strength& home,
                  const t_match_strength& away);

// Pickers over a line-up's slots; -1 when nobody fits.
int PlayerAtPosition(const t_match_strength& s, int code);
int ChooseScorer(const t_match_strength& s, int unused, int mode);
int ChooseInvolvedPlayer(const t_match_strength& s, int row);

}  // namespace kv
