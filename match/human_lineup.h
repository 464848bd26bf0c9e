#pragma once
// A human coach's line-up before a match: the club's squad in list order with each player's
// state, and the 18 shirts (11 starters on pitch positions, 7 substitutes) the players are put
// on by hand, by a formation's automatic choice, from the standard line-up or from a saved
// tactic. Commit writes it into today's match_strengths the way the engine reads it; the
// line-up window and the game without windows both end a coach's turn through it.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

class GameData;
struct t_match_strength;

inline constexpr int kShirtCount = 18;
inline constexpr int kStarterShirts = 11;
inline constexpr int kFormationCount = 10;

// A squad row's state, as the list keeps it.
enum class LineupRowState : char {
    kFree = '0',
    kStarter = '1',
    kSubstitute = '2',
    kUnavailable = '3',    // cards, suspension or injury in today's competition
    kNotSelectable = '4',  // moved between human clubs this round, or contract over (clubs only)
};

struct LineupRow {
    int player = 0;
    LineupRowState state = LineupRowState::kFree;
    // 0 available, 1 suspended, 3 injured, 4 three yellow cards; a star adds 4 (12 when
    // available).
    int condition = 0;
};

struct LineupShirt {
    int position = 0;  // pitch position 1..25 of a starter shirt; 0 or -1 on the bench
    int player = 0;    // 0 or -1: empty
    bool empty() const { return player <= 0; }
};

// A pitch position: its letter, the top-left pixel of a shirt there on the 465 x 601 pitch
// picture, and what it asks of a player (position 0..4, side -1 any / 0 right / 1 left, role -1
// any).
struct PitchPosition {
    const char* label;
    int x, y;
    int position, side, role;
};
const PitchPosition& PitchPositionInfo(int position);  // 1..25; anything else a blank entry
// The first position whose 42-pixel square from its pixel holds the point; 0 when none.
int PitchPositionAt(int x, int y);
// Where substitute shirt 12..18 stands (x is the same for all).
inline constexpr int kBenchX = 390;
int BenchY(int shirt);
// The formations' names as the chooser lists them ("4-4-2" is formation 4).
std::string_view FormationName(int formation);
// Pitch position of shirt 1..11 in formation 1..10; 0 outside.
int FormationPosition(int formation, int shirt);

// The coach whose tactics a team's line-up is filed under: the team's own coach, or the coach
// whose turn it is when the team has none.
int LineupCoach(const GameData& data, int team);

// The team's players as its squad lists show them: by position, then weaker first, then the
// one with less energy first.
std::vector<int> SquadInListOrder(const GameData& data, int team);

class HumanLineup {
  public:
    // The team's squad in list order (by position key, then strength, then energy), every shirt
    // empty and standing as in "4-4-2". `national` leaves out the club-only checks.
    HumanLineup(GameData& data, int team, bool national);

    int team() const { return team_; }
    bool national() const { return national_; }
    const std::vector<LineupRow>& rows() const { return rows_; }
    const LineupShirt& shirt(int n) const { return shirts_[n - 1]; }  // n 1..18
    // Row index of the player, -1 when he is not in the list.
    int RowOf(int player) const;
    LineupRowState StateOf(int player) const;
    // Shirt 1..18 the player wears, -1 for none.
    int FindShirtOfPlayer(int player) const;
    // Players the list lets the coach choose (neither unavailable nor unselectable).
    int SelectableCount() const;
    int StarterCount() const;
    // Starters "Jogar" asks for: eleven, or every selectable player when fewer can be chosen.
    int RequiredStarters() const;
    bool ReadyToPlay() const { return StarterCount() >= RequiredStarters(); }

    // Puts shirts 1..11 on the formation's positions and takes the substitutes' away.
    void PlaceFormation(int formation);
    void PlaceShirt(int shirt, int position);
    // A player of the list dropped on a shirt; false (and nothing changed) when his row cannot
    // be chosen. He leaves the shirt he wore; whoever wore the target goes back to the list.
    bool DropPlayer(int player, int shirt);
    // A shirt dropped on another: the players change shirts, the positions stay.
    void SwapShirts(int a, int b);
    // An outfield starter shirt (2..11) moved to another pitch position; false otherwise.
    bool MoveShirt(int shirt, int position);
    // The formation's positions and the strongest fitting free players on all 18 shirts; the
    // result is stored as the team's standard line-up.
    void AutoSelect(int formation);
    // The strongest free candidate for a pitch position (-1 for a bench row of `position`
    // 0..4), taken; -1 when nobody fits.
    int PickPlayerForPosition(int pitch_position, int bench_position = -1);

    // The team's standard line-up, written or read (false when it has none).
    void StoreDefault() const;
    // The line-up the coach leaves with kept as the team's standard one when the game's option
    // ("Manter escalação") asks for it; the window and the coach without one both go through it.
    void KeepIfAsked() const;
    bool LoadDefault();
    // A saved tactic of this team and its coach back on the shirts; false for any other index.
    bool LoadSavedTactic(int index);
    // Files the shirts under `name` for the team and its coach; the record's index, or -1
    // when a starter shirt is empty or the name is.
    int SaveTactic(std::string_view name) const;
    // "4-4-2": defenders, midfielders and forwards among the starter shirts.
    std::string FormationText() const;

    // Takes a line-up record's players onto the shirts as they stand (shirt 1 from slot 11):
    // the coach without a window fields exactly the computer's choice, which knows nothing of
    // contracts or of moves between human clubs. Players of other teams are left out.
    void TakeFrom(const t_match_strength& record);
    // Writes the line-up into a new match_strengths record of the team and computes its
    // strength; returns its index.
    int Commit() const;

  private:
    struct Candidate {
        int player, strength, energy, side, position, role;
        int use;  // 0 free, 1 starter, 2 substitute
    };
    void SetRowState(int player, LineupRowState state);
    void FreeChosenRows();
    // Stored shirts put back, players who cannot play today left out (and cleared in `players`).
    void ApplyStored(const int (&positions)[kStarterShirts], int (&players)[kShirtCount]);
    int TakeCandidate(int position, int side, int role, int use);

    GameData& data_;
    int team_;
    bool national_;
    std::vector<LineupRow> rows_;
    std::array<LineupShirt, kShirtCount> shirts_{};
    std::vector<Candidate> candidates_;
};

// The caption under a shirt and its hint. `text_width` measures a name in the caption's font.
struct ShirtCaption {
    std::string markup;
    std::string hint;
};
ShirtCaption BuildShirtCaption(const GameData& data, int shirt, int position, int player,
                               const std::function<int(std::string_view)>& text_width);

// What a coach without a window fields: the computer's choice for his team, taken onto the
// shirts and committed as the line-up window commits it. Returns the record's index.
int CommitComputerLineup(GameData& data, int team, bool national);
// The computer's choice for `team` as a record of its own, left out of the game: what a coach
// who fields the computer's line-up takes onto his shirts (HumanLineup::TakeFrom).
t_match_strength ComputerLineupChoice(GameData& data, int team);

}  // namespace kv
