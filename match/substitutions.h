#pragma once
// Players coming off the bench: the computer's substitutions, injury replacements and the
// substitution a coach makes in the line-up window.

#include <string_view>

namespace kv {

struct SubstitutionPair {
    int off;          // player going off, -1 none
    int on;           // player coming on, -1 none
    int bench_place;  // 0-based bench place of `on`, -1 none
};

// The bench player for a slot of position `code`: the first of the first four fallback groups
// (wanted role first); the bench is left as it is.
SubstitutionPair ChooseSubstitution(int strength, int player_off, int mode, int code);

// The bench player for an injured player's slot over all five fallback groups, without marking his
// place; -1 when nobody fits.
int FindBenchReplacement(int strength, int player);
// The same, marking his bench place used.
int BenchReplacement(int strength, int player);

// A computer team's change of this tick: a missing goalkeeper, a missing central defence, or a tired
// player. Returns the pair made ({-1, -1} when none).
SubstitutionPair ComputerSubstitutions(int strength, int match, int side);

// Why a coach's substitution was refused; kNone when it was made.
enum class SubstitutionRefusal {
    kNone,
    kNoSubstitutionLeft,
    kEmptyBenchPlace,   // nobody there, or he has been brought on already
    kPlayerNotOnPitch,  // an empty slot, or a player sent off or carried off
};

struct SubstitutionOutcome {
    int event = -1;  // the meSubstitution event added
    SubstitutionRefusal refusal = SubstitutionRefusal::kNone;
    bool made() const { return refusal == SubstitutionRefusal::kNone; }
};

// A coach's substitution: the player of `slot` (1..11) goes off and the bench player of
// `bench_place` (1..7) comes on at `minute`. A refused one changes nothing.
SubstitutionOutcome MakeSubstitution(int match, int side, int slot, int bench_place, int minute);

// The minute a coach's substitution is recorded at now: the match day's substitution minute, 45
// on in the second half.
int CoachSubstitutionMinute();

// What the line-up window tells the coach of a refusal; empty for kNone.
std::string_view SubstitutionRefusalText(SubstitutionRefusal refusal);

// Marks the first bench place holding `player` used; false when no place holds him.
bool MarkBenchPlaceUsed(int strength, int player);

// Takes player `on` into `slot` (1..11): on the pitch, and marked as having played.
void BringOn(int strength, int slot, int on);

}  // namespace kv
