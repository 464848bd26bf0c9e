#pragma once
// The engine test bench without its window: seeded batches of matches between two line-ups
// (two records of match_strengths) through the result model alone, through the whole engine as
// a match day plays a match, or through the zone engine alone, with the tallies and their 95 %
// confidence intervals. A batch is reproducible from its seed, and whatever a batch plays on the
// running game (players, teams, line-ups, the day's matches and events, the random source) is
// put back when it ends.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records_match.h"

namespace kv {

inline constexpr int kMaxBenchMatches = 100000;
inline constexpr int kZoneBenchMatches = 100;
inline constexpr int kZoneBenchMoves = 182;
// The listing of a batch names its first matches only: a label cannot show a hundred thousand.
inline constexpr int kBenchListedMatches = 100;

// The two line-ups under test: `first` plays at home.
struct BenchPair {
    int first = -1;
    int second = -1;
};

// The team of a line-up (the team of its slot-11 player), -1 when there is none.
int BenchTeamOfStrength(int strength);
// How the team lists name a line-up: the team of its slot-1 player, "(vazio)" without one.
std::string BenchStrengthLabel(int strength);
// Why the pair cannot be played (a Portuguese message), or empty.
std::string CheckBenchPair(BenchPair pair);

// The number of matches typed by the user, 1..kMaxBenchMatches; `error` says what is wrong.
struct BenchCount {
    int value = 0;
    std::string error;
};
BenchCount ParseBenchMatchCount(std::string_view text);

// A value with its 95 % confidence interval.
struct Estimate {
    double value = 0;
    double low = 0;
    double high = 0;
};

// Per-match values of one quantity: their mean with a normal interval.
struct BenchMeasure {
    long long n = 0;
    double sum = 0;
    double sum_sq = 0;
    void Add(double x) {
        ++n;
        sum += x;
        sum_sq += x * x;
    }
    Estimate Mean() const;
};

// A share of `count` in `n` matches with its Wilson score interval.
Estimate ShareOf(long long count, long long n);

struct BenchSideTally {
    int wins = 0;
    int highest_score = 0;
    BenchMeasure goals, shots, yellow_cards, red_cards, injuries, penalties;
    long long possession = 0, tackles = 0, fouls = 0, wrong_passes = 0, passes = 0;
};

struct BenchTally {
    int matches = 0;
    int draws = 0;
    int goalless = 0;
    std::array<BenchSideTally, 2> side{};  // 0 the first line-up (home), 1 the second
    std::array<int, 12> goals_by_zone{};   // zone engine: zone 1..12 in the scorer's own view
};

enum class BenchMode { kResultModel, kFullEngine, kZoneEngine };

// What the result model implies for a rating difference: the shares of the outcomes and of 0-0
// and the goals per match of each side, computed exactly from its tables.
struct ResultModelExpectation {
    double home = 0, draw = 0, away = 0, goalless = 0;
    double home_goals = 0, away_goals = 0;
};
ResultModelExpectation ExpectResultModel(int d, bool neutral, bool cup);

struct BenchResult {
    BenchTally tally;
    int rating_difference = 0;
    // What the result model implies for the batch: for the result model at home with the
    // rating difference, for the whole engine as the match day schedules the goals (reputations
    // included, on neutral ground or in a cup as today's kind says); nothing for the zone engine.
    std::optional<ResultModelExpectation> expected;
    // Mark-up lines of the matches listed (scores and minutes, or the last zone-engine match's
    // moves), each ending in "<br>".
    std::string listing;
    // The last match as the engine left it, and its events (full engine and zone engine).
    jogos last_match{};
    std::vector<t_match_event> last_events;
};

// Plays `matches` matches of the pair from `seed`. The result model plays home ground, not a
// cup; the full engine plays as today's match day would (the goals the result model schedules,
// every tick, stoppage time, the engine's own choices for every team) with `quick_mode` set as
// given; the zone engine plays kZoneBenchMoves moves a match. An unplayable pair or count gives
// an empty result.
BenchResult RunBenchBatch(BenchMode mode, BenchPair pair, int matches, std::uint64_t seed,
                          bool quick_mode = true);

// How many of 100 draws of RandInt(10000) fall below 2000, drawn from `seed`; the game's random
// source is left as it was.
int BenchLowDrawCount(std::uint64_t seed);

// True only while a batch runs: the penalty and injury windows stay shut and the engine chooses.
bool TestBenchActive();

// One row of the bench's table: a quantity observed in a batch against what the model implies.
struct BenchTableRow {
    std::string name;
    bool share = false;                // a share (shown in %) or a count per match
    std::optional<double> expected;    // what the result model implies, when it says
    std::optional<Estimate> observed;  // nothing when the batch does not produce it
};
std::vector<BenchTableRow> BenchTable(BenchMode mode, const BenchTally& tally,
                                      std::optional<ResultModelExpectation> expected);
// "40,3 % [39,3; 41,3]" or "1,27 [1,25; 1,30]"; "-" without a value.
std::string FormatEstimate(const std::optional<Estimate>& e, bool share);
std::string FormatExpected(const std::optional<double>& v, bool share);

// The texts of the window's summary label, as each experiment writes it.
std::string BenchSummaryMarkup(BenchMode mode, const BenchTally& tally);
// The listed events of a match: "(gol) name minute<br>" and the like.
std::string BenchEventsMarkup(const std::vector<t_match_event>& events);
// Result table of the odds for rating differences -30..30: "d home draw away <br>" per line.
// kind 0 home ground, 1 neutral ground, 2 home ground in a cup.
std::string ResultTableMarkup(int kind);

// Replaces the running game by one of two league clubs whose squads have the given strength
// (1..100), each with a computer line-up, on a league day; for the command-line bench and the
// tests. Returns their line-ups.
BenchPair MakeBenchClubs(int first_strength, int second_strength);
// Every team of the running game without a human coach and without its own line-up today gets
// a computer line-up and tactics, so that the bench can choose it.
void GiveComputerLineupsForBench();

}  // namespace kv
