#pragma once
// One tick (half a minute) of a day match: clock, energy, possession, one move, its booking.

namespace kv {

class MatchDecisions;

inline constexpr int kFirstHalfLastTick = 92;
inline constexpr int kStoppageTimeTick = 180;  // the tick that fixes the length of stoppage time
inline constexpr int kSecondHalfLastTick = 182;
inline constexpr int kLastTick = 190;

// Follow-up values a move leaves for the next one, beyond the zone engine's outcomes 1..10.
enum FollowUp : int {
    fuNone = -1,
    fuFoul = 11,    // the fouling side's card check comes next
    fuCard = 12,    // the fouled side's injury check comes next
    fuInjury = 17,  // the set piece comes next
};

// Kinds of a move beyond the zone engine's outcomes (the event kinds of the match events).
enum MoveKind : int {
    mkCard = 13,
    mkFreeKickGoal = 14,
    mkPenaltyGoal = 15,
    mkPenaltyMissed = 16,
    mkInjury = 18,
    mkSubstitution = 19,
};

struct MoveResult {
    int zone = -1;  // home view
    int side = -1;
    int follow_up = -1;
    int kind = -1;
    int event_side = -1;
    int player = -1;
    int value = -1;
    int spare = -1;
};

// Gives the day's event and booking lists room for a full match day, so no tick allocates.
void ReserveMatchDayLists();

// Plays one tick of day match `match`; `decisions` answers for human teams in a watched match; in a
// quick group (Game().quick_mode, or no decisions given) the engine decides for everybody. Returns the index in match_events of the event the tick added (the last
// one when it added two), or -1.
int PlayTick(int match, MatchDecisions* decisions = nullptr);

// Whether a zone-engine goal of a side that has `goals` already is lost: a side that has scored
// several keeps a further one less and less often.
bool ZoneGoalThinnedOut(int goals, int tick);

void SetStoppageTime(int match);
int EnergyLossByAge(int age);
void DrainEnergy(int team, int tick);
MoveResult PlayMove(int zone, int side, int follow_up, int match, int away_strength,
                    int home_strength, MatchDecisions* decisions);

}  // namespace kv
