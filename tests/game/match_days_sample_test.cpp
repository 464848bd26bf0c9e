// Two seasons of match days of a new game built from the sample teams database, one after the
// other with the round close and the season change between them, as the headless game runs them.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "game/round_close.h"
#include "game/season_rollover.h"
#include "match/computer_lineups.h"
#include "match/match_day.h"
#include "match/new_game_builder.h"
#include "season/new_game_setup.h"
#include "tests/game/game_world.h"
#include "tests/match/new_game_world.h"
#include "tools/sampledb/sample_database.h"

namespace kv {
namespace {

class SampleMatchDays : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kv_days_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        std::string error;
        ASSERT_TRUE(sampledb::WriteSampleDatabase(sampledb::BuildSampleDatabase(), pattern, {false, false}, &error))
            << error;
        folder_ = pattern;
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(folder_); }
    void SetUp() override { SetGameFolder(folder_); }
    void TearDown() override {
        SetGameFolder("");
        Game().Reset();
    }
    static std::string folder_;
};
std::string SampleMatchDays::folder_;

double Today() {
    const GameData& gd = Game();
    return gd.calendar[gd.game_state.calendar_day - 1].date;
}

// Today's fixtures of the day's kind that have both teams.
std::vector<int> FixturesOfToday() {
    const GameData& gd = Game();
    std::vector<int> today;
    for (int f = 0; f < static_cast<int>(gd.fixtures.size()); ++f) {
        const t_fixture& fx = gd.fixtures[f];
        if (fx.kind == gd.game_state.match_kind && fx.date == Today() && fx.home >= 0 && fx.away >= 0)
            today.push_back(f);
    }
    return today;
}

void ExpectLeagueTablesAddUp() {
    const GameData& gd = Game();
    for (const t_league_config& config : gd.league_configs) {
        int goals_for = 0, goals_against = 0;
        for (const auto& division : config.division_clubs)
            for (int team : division) {
                if (!InTable(gd.teams, team)) continue;
                const t_team& t = gd.teams[team];
                const int k = ckNationalLeague;
                EXPECT_EQ(t.points[k], 3 * t.wins[k] + (t.played[k] - t.wins[k] - t.losses[k])) << t.name.str();
                goals_for += t.goals_for[k];
                goals_against += t.goals_against[k];
            }
        EXPECT_EQ(goals_for, goals_against) << config.country;
    }
}

TEST_F(SampleMatchDays, EveryDayBooksItsFixturesOnceAndKeepsTheTablesSound) {
    SeedRandom(2014);
    NewGameSetup setup;
    const std::string teams = folder_ + "/teams";
    AutomaticSetup automatic;
    automatic.league_format = kDivisionsOf20;
    ASSERT_EQ(RunAutomaticSetup(setup, teams, automatic), "");
    const NewGameOutcome outcome = BuildNewGame(setup, teams);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    GameData& gd = Game();
    test::NoWindows windows;
    if (outcome.first_window == FirstWindow::kMainWindow) PrepareNextMatchDay(gd);

    std::map<int, int> days_by_kind;
    int seasons = 1;
    for (int day = 0; day < 800; ++day) {
        const int kind = gd.game_state.match_kind;
        SCOPED_TRACE("calendar day " + std::to_string(gd.game_state.calendar_day) + ", kind " +
                     std::to_string(kind));
        // The human coach's line-up as the headless game picks it.
        for (int h = 0; h < gd.game_state.human_count; ++h) ChooseComputerLineup(gd.game_state.human_clubs[h]);
        const std::vector<int> today = FixturesOfToday();
        const std::size_t archived = gd.match_archive.size();

        PlayWholeMatchDay();
        ++days_by_kind[kind];

        if (kind != ckFriendly) {
            for (int f : today) EXPECT_TRUE(gd.fixtures[f].played) << "fixture " << f;
            if (!IsNationalTeamTournament(kind) && kind != ckClubWorldCup) {
                EXPECT_EQ(gd.match_archive.size() - archived, today.size());
            }
        }
        for (std::size_t a = archived; a < gd.match_archive.size(); ++a) {
            const t_archived_match& m = gd.match_archive[a];
            EXPECT_EQ(m.kind, kind);
            EXPECT_NE(m.team[0], m.team[1]);
        }
        for (const t_player& p : gd.players) {
            EXPECT_EQ(p.played_match, 0);
            EXPECT_GE(p.energy, 0);
            EXPECT_LE(p.energy, 100);
        }
        if (kind == ckNationalLeague) ExpectLeagueTablesAddUp();
        if (::testing::Test::HasFailure()) break;

        OpenRoundResults(gd);
        NextScreen next = CloseRound(gd, windows).next;
        if (next == NextScreen::kSeasonReview) {
            if (++seasons > 2) break;
            EndSeason(gd);
            next = StartNewSeason(gd, windows);
            if (next == NextScreen::kSeasonReview) break;
        }
        if (next != NextScreen::kMatchDay) PrepareNextMatchDay(gd);
    }
    // Two seasons: both league seasons whole, and days of the cups, the state championships, the
    // continental cups, the club world cup, the world cup and the Americas' nations cup.
    EXPECT_EQ(days_by_kind[ckNationalLeague], 2 * 38);
    for (int kind : {ckNationalCup, ckStateChampionship, ckContinentalCup, ckClubWorldCup,
                     ckSecondContinentalCup, ckWorldCup, ckAmericasNationsCup})
        EXPECT_GT(days_by_kind[kind], 0) << kind;
}

}  // namespace
}  // namespace kv
