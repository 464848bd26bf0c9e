#pragma once
// Players coming off the bench: the computer's substitutions, injury replacements and the
// substitution a coach makes in the line-up window.

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

// A coach's substitution: the player of `slot` (1..11) goes off and the bench player of
// `bench_place` (1..7) comes on at `minute`. Returns the index of the event added, or -1 when the
// side has no substitutions left or either place holds nobody.
int MakeSubstitution(int match, int side, int slot, int bench_place, int minute);

// Marks the first bench place holding `player` used; false when no place holds him.
bool MarkBenchPlaceUsed(int strength, int player);

// Takes player `on` into `slot` (1..11): on the pitch, and marked as having played.
void BringOn(int strength, int slot, int on);

}  // namespace kv
