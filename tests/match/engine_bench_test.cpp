#include "match/engine_bench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "core/game_data.h"
#include "core/random.h"

namespace kv {
namespace {

int CountOf(const std::string& text, const std::string& piece) {
    int n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}

BenchPair Clubs(int first, int second) {
    SeedRandom(5);
    return MakeBenchClubs(first, second);
}

// An observed mean is inside the band of `sigmas` standard errors around what the model implies.
void ExpectInBand(const Estimate& observed, double expected, double sigmas, const char* what) {
    const double standard_error = (observed.high - observed.low) / 2 / 1.959964;
    EXPECT_NEAR(observed.value, expected, sigmas * standard_error + 1e-9) << what;
}

TEST(EngineBench, ResultModelBatchAtEqualStrengthStaysInsideTheModelsBands) {
    const BenchPair pair = Clubs(70, 70);
    const BenchResult r = RunBenchBatch(BenchMode::kResultModel, pair, 10000, 11);
    ASSERT_EQ(r.tally.matches, 10000);
    EXPECT_LE(std::abs(r.rating_difference), 2);
    ASSERT_TRUE(r.expected);
    const ResultModelExpectation e = *r.expected;
    const long long n = r.tally.matches;
    ExpectInBand(ShareOf(r.tally.side[0].wins, n), e.home, 4.5, "home");
    ExpectInBand(ShareOf(r.tally.draws, n), e.draw, 4.5, "draw");
    ExpectInBand(ShareOf(r.tally.side[1].wins, n), e.away, 4.5, "away");
    ExpectInBand(ShareOf(r.tally.goalless, n), e.goalless, 4.5, "0-0");
    ExpectInBand(r.tally.side[0].goals.Mean(), e.home_goals, 4.5, "home goals");
    ExpectInBand(r.tally.side[1].goals.Mean(), e.away_goals, 4.5, "away goals");
    // The bands are narrow enough to mean something: a point either way is outside them.
    EXPECT_LT(ShareOf(r.tally.side[0].wins, n).high - ShareOf(r.tally.side[0].wins, n).low, 0.02);
}

TEST(EngineBench, ExpectationsOfTheResultModelAddUpAndFollowTheOdds) {
    const ResultModelExpectation level = ExpectResultModel(0, false, false);
    EXPECT_NEAR(level.home, 0.46, 1e-9);
    EXPECT_NEAR(level.draw, 0.29, 1e-9);
    EXPECT_NEAR(level.away, 0.25, 1e-9);
    EXPECT_NEAR(level.goalless, 0.29 / 4, 1e-9);
    for (int d : {-30, -7, 0, 12, 30}) {
        const ResultModelExpectation e = ExpectResultModel(d, d % 2 != 0, false);
        EXPECT_NEAR(e.home + e.draw + e.away, 1.0, 1e-9) << d;
    }
    EXPECT_GT(ExpectResultModel(20, false, false).home_goals,
              ExpectResultModel(0, false, false).home_goals);
}

struct GapCase {
    BenchMode mode;
    int matches;
};

class StrengthGap : public ::testing::TestWithParam<GapCase> {};

// A stronger home side wins more and loses less than an equal one, and a stronger away side the
// other way round, through the result model and through the whole engine.
TEST_P(StrengthGap, MovesTheSharesTheRightWay) {
    const GapCase c = GetParam();
    struct Shares {
        double home, away;
        int d;
    };
    auto shares = [&](int first, int second) {
        const BenchResult r = RunBenchBatch(c.mode, Clubs(first, second), c.matches, 3);
        EXPECT_EQ(r.tally.matches, c.matches);
        return Shares{ShareOf(r.tally.side[0].wins, c.matches).value,
                      ShareOf(r.tally.side[1].wins, c.matches).value, r.rating_difference};
    };
    const Shares level = shares(70, 70);
    const Shares home_stronger = shares(90, 45);
    const Shares away_stronger = shares(45, 90);
    EXPECT_GT(home_stronger.d, 10);
    EXPECT_LT(away_stronger.d, -10);
    EXPECT_GT(home_stronger.home, level.home + 0.1);
    EXPECT_LT(home_stronger.away, level.away - 0.1);
    EXPECT_LT(away_stronger.home, level.home - 0.1);
    EXPECT_GT(away_stronger.away, level.away + 0.1);
}

INSTANTIATE_TEST_SUITE_P(Batches, StrengthGap,
                         ::testing::Values(GapCase{BenchMode::kResultModel, 4000},
                                           GapCase{BenchMode::kFullEngine, 300}));

TEST(EngineBench, FullEngineAtEqualStrengthFollowsTheModelAndCountsEveryEvent) {
    const BenchPair pair = Clubs(70, 70);
    const BenchResult r = RunBenchBatch(BenchMode::kFullEngine, pair, 400, 21);
    ASSERT_EQ(r.tally.matches, 400);
    ASSERT_TRUE(r.expected);  // league clubs without reputation: as the result model at home
    const ResultModelExpectation e = *r.expected;
    EXPECT_EQ(e.home, ExpectResultModel(r.rating_difference, false, false).home);
    // Free kicks and penalties come on top of the scheduled goals: a wide band, above the model.
    const Estimate home_goals = r.tally.side[0].goals.Mean();
    EXPECT_GT(home_goals.high, e.home_goals);
    EXPECT_LT(home_goals.value, e.home_goals + 1.0);
    ExpectInBand(ShareOf(r.tally.draws, 400), e.draw, 5, "draw");
    long long events = 0;
    for (const BenchSideTally& s : r.tally.side) {
        EXPECT_GT(s.yellow_cards.sum, 0);
        EXPECT_GT(s.shots.sum, s.goals.sum);
        events += static_cast<long long>(s.goals.sum);
    }
    EXPECT_GT(events, 0);
    // The last match's listing and events belong together.
    EXPECT_EQ(r.last_match.goals[0] + r.last_match.goals[1],
              CountOf(BenchEventsMarkup(r.last_events), "(gol"));
    EXPECT_EQ(CountOf(r.listing, "<br>"), 100);
}

TEST(EngineBench, ABatchIsReproducibleFromItsSeedAndLeavesTheGameAsItWas) {
    for (BenchMode mode :
         {BenchMode::kResultModel, BenchMode::kFullEngine, BenchMode::kZoneEngine}) {
        const BenchPair pair = Clubs(75, 60);
        Game().quick_mode = 0;
        SeedRandom(99);
        const std::uint64_t random_before = RandomState();
        const GameData before = Game();
        const BenchResult a = RunBenchBatch(mode, pair, 30, 8, true);
        const BenchResult b = RunBenchBatch(mode, pair, 30, 8, true);
        const BenchResult other = RunBenchBatch(mode, pair, 30, 9, true);
        EXPECT_EQ(a.listing, b.listing);
        EXPECT_EQ(a.tally.side[0].goals.sum, b.tally.side[0].goals.sum);
        EXPECT_NE(a.listing + std::to_string(a.tally.side[0].possession),
                  other.listing + std::to_string(other.tally.side[0].possession));

        const GameData& after = Game();
        EXPECT_EQ(RandomState(), random_before);
        EXPECT_EQ(after.quick_mode, 0);
        EXPECT_FALSE(TestBenchActive());
        ASSERT_EQ(after.players.size(), before.players.size());
        for (std::size_t p = 0; p < after.players.size(); ++p)
            EXPECT_EQ(std::memcmp(&after.players[p], &before.players[p], sizeof(t_player)), 0) << p;
        for (std::size_t t = 0; t < after.teams.size(); ++t)
            EXPECT_EQ(std::memcmp(&after.teams[t], &before.teams[t], sizeof(t_team)), 0) << t;
        ASSERT_EQ(after.match_strengths.size(), before.match_strengths.size());
        for (std::size_t s = 0; s < after.match_strengths.size(); ++s)
            EXPECT_EQ(std::memcmp(&after.match_strengths[s], &before.match_strengths[s],
                                  sizeof(t_match_strength)),
                      0);
        EXPECT_EQ(after.day_matches.size(), before.day_matches.size());
        EXPECT_EQ(after.match_events.size(), before.match_events.size());
    }
}

TEST(EngineBench, ZoneEngineTalliesAddUp) {
    const BenchResult r = RunBenchBatch(BenchMode::kZoneEngine, Clubs(70, 60), 100, 4);
    ASSERT_EQ(r.tally.matches, 100);
    EXPECT_EQ(r.tally.side[0].possession + r.tally.side[1].possession, 100 * kZoneBenchMoves);
    int by_zone = 0;
    for (int g : r.tally.goals_by_zone) by_zone += g;
    EXPECT_EQ(by_zone, r.tally.side[0].goals.sum + r.tally.side[1].goals.sum);
    EXPECT_GT(by_zone, 0);
    EXPECT_EQ(CountOf(r.listing, "<br>"), kZoneBenchMoves);  // the last match's moves
    EXPECT_EQ(r.last_match.possession[0] + r.last_match.possession[1], kZoneBenchMoves);
}

TEST(EngineBench, MatchCountsOutsideOneToOneHundredThousandAreRefused) {
    struct Case {
        const char* text;
        int value;  // 0: refused
    };
    const Case cases[] = {{"1", 1},
                          {" 250 ", 250},
                          {"100000", 100000},
                          {"0", 0},
                          {"-5", 0},
                          {"100001", 0},
                          {"abc", 0},
                          {"", 0},
                          {"12x", 0},
                          {"1.5", 0},
                          {"99999999999999999999", 0}};
    for (const Case& c : cases) {
        const BenchCount n = ParseBenchMatchCount(c.text);
        EXPECT_EQ(n.value, c.value) << c.text;
        EXPECT_EQ(n.error.empty(), c.value > 0) << c.text;
    }
    EXPECT_NE(ParseBenchMatchCount("abc").error.find("número"), std::string::npos);
}

TEST(EngineBench, UnplayablePairsAreRefusedAndPlayNothing) {
    const BenchPair pair = Clubs(70, 70);
    AppendRecord(Game().match_strengths);  // nobody in it
    const int empty = static_cast<int>(Game().match_strengths.size()) - 1;
    const BenchPair cases[] = {
        {-1, pair.second}, {pair.first, 99}, {pair.first, pair.first}, {pair.first, empty}};
    for (const BenchPair& c : cases) {
        EXPECT_FALSE(CheckBenchPair(c).empty()) << c.first << " " << c.second;
        EXPECT_EQ(RunBenchBatch(BenchMode::kFullEngine, c, 10, 1).tally.matches, 0);
    }
    EXPECT_TRUE(CheckBenchPair(pair).empty());
    EXPECT_EQ(RunBenchBatch(BenchMode::kResultModel, pair, 0, 1).tally.matches, 0);
    EXPECT_EQ(BenchStrengthLabel(empty), "(vazio)");
    EXPECT_EQ(BenchStrengthLabel(pair.first), "Time 1 (força 70)");
}

TEST(EngineBench, ResultTablesListEveryDifferenceFromMinusThirtyToThirty) {
    for (int kind : {0, 1, 2}) {
        const std::string table = ResultTableMarkup(kind);
        EXPECT_EQ(CountOf(table, "<br>"), 61);
        EXPECT_EQ(table.rfind("-30 ", 0), 0u);
        EXPECT_NE(table.find("\n"), 0u);
    }
    EXPECT_NE(ResultTableMarkup(0).find("0 46 29 25 <br>"), std::string::npos);
    EXPECT_NE(ResultTableMarkup(2).find("0 50 29 21 <br>"), std::string::npos);
}

TEST(EngineBench, TableShowsWhatEachBatchProduces) {
    const BenchPair pair = Clubs(70, 70);
    const BenchResult r = RunBenchBatch(BenchMode::kResultModel, pair, 50, 2);
    const auto rows = BenchTable(BenchMode::kResultModel, r.tally,
                                 ExpectResultModel(r.rating_difference, false, false));
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_TRUE(rows[0].expected && rows[0].observed);
    EXPECT_FALSE(rows[6].observed);  // the result model shows no cards
    EXPECT_EQ(FormatEstimate(Estimate{0.4, 0.391, 0.4107}, true), "40,0 % [39,1; 41,1]");
    EXPECT_EQ(FormatEstimate(std::nullopt, false), "-");
}

}  // namespace
}  // namespace kv
