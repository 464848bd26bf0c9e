#pragma once
// The season's fixture list: adding fixtures and the look-ups every screen and the
// match day make over it and over a few neighbouring tables. All searches are linear
// scans from index 0; the first hit wins and dates compare exactly.

namespace kv {

struct GameData;

// Sets the length of the list to count and writes the fields into record count - 1;
// its result, played flag and date keep what the record held. Returns count - 1,
// or -1 (and nothing changes) when count is below 1.
int InsertFixture(GameData& data, int count, int home, int away, int round, int kind, int owner,
                  int leg, int cup_tie);

// Appends one fixture; returns its index.
int AppendFixture(GameData& data, int home, int away, int round, int kind, int owner, int leg,
                  int cup_tie, double date);

// For kinds 1 and 2 the owner is the league configuration's index.
int FindFixture(const GameData& data, int owner, int kind, int round);
int FindFixtureOnDate(const GameData& data, int team, double date);

int NextSuperCupRound(const GameData& data);
bool PlaysSuperCup(const GameData& data, int team);

// Whether the team's country has a national cup with a phase-1 (or preliminary phase-0) tie.
bool NationalCupHasRound1(const GameData& data, int team);
bool NationalCupHasRound0(const GameData& data, int team);

int FindArchivedMatch(const GameData& data, int kind, int round, int team);
int ArchivedMatchOfFixture(const GameData& data, int fixture);
int FindTopScorerEntry(const GameData& data, int competition, int season);

struct TodaysOpponent {
    int opponent = -1;
    int away = 0;  // 0 the team plays at home, 1 away
    int number = 0;
};

// The team's opponent of today's match of t_game_state.match_kind (friendlies, the
// national-team tournaments and the club world cup). Leaves result untouched and
// returns false when the team does not play today.
bool FindTodaysOpponent(const GameData& data, int team, TodaysOpponent& result);

}  // namespace kv
