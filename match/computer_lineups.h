#pragma once
// The line-ups and tactics of the teams without a human coach, and the per-round player upkeep.

namespace kv {

struct LineupWant {
    int group;
    int side;  // -1 any
    int role;  // -1 any
};

// Every computer team playing today gets its line-up (and most competitions their tactics);
// then ClampPlayerAttributes and ServeSuspensions.
void PrepareComputerLineups();

// Appends and fills the team's t_match_strength.
void ChooseComputerLineup(int team);
void ChooseComputerTactics(int team);

// Formation 1..10 for a draw x of 1..100.
int FormationForDraw(int x);
// Position code of entry 0..10 of a formation row (entry 0 is slot 11's).
int FormationCode(int formation, int entry);

// The best unused candidate of the team being lined up for a slot of `code` (-1 for a bench
// place); flags him used. -1 when nobody fits.
int FindLineupCandidate(LineupWant wanted, int code);

void ClampPlayerAttributes();
void ServeSuspensions();

}  // namespace kv
