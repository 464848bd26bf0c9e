// Two seasons of match days of a new game built from the sample teams database, one after the
// other with the round close and the season change between them, as the headless game runs them.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <map>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "game/round_close.h"
#include "match/automatic_decisions.h"
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

// The groups a day booked, shown on the clock or computed at once, and the headings of the
// groups it showed, with the region each belonged to.
class GroupRecorder : public MatchDayView {
  public:
    void GroupStarted(const std::string& heading, bool) override {
        headings.emplace_back(Game().match_day_group, heading);
    }
    void GroupBooked(bool) override { groups.push_back(Game().match_day_group); }
    std::vector<std::pair<int, std::string>> headings;
    std::vector<int> groups;
};

// The continental days need no flag of their own set before the match day (the main window's
// "continental day" mark): the match day takes everything from the day's kind. It plays one
// group per cup region that has matches today, in region order from the first, each under its
// cup's heading, books every fixture of the day and moves the cup's counters once.
TEST_F(SampleMatchDays, AContinentalDayTakesItsGroupsFromTheDaysKindAlone) {
    SeedRandom(2015);
    NewGameSetup setup;
    const std::string teams = folder_ + "/teams";
    AutomaticSetup automatic;
    ASSERT_EQ(RunAutomaticSetup(setup, teams, automatic), "");
    const NewGameOutcome outcome = BuildNewGame(setup, teams);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    GameData& gd = Game();
    test::NoWindows windows;
    if (outcome.first_window == FirstWindow::kMainWindow) PrepareNextMatchDay(gd);
    int continental_days = 0;
    for (int day = 0; day < 200 && continental_days < 2; ++day) {
        for (int h = 0; h < gd.game_state.human_count; ++h)
            ChooseComputerLineup(gd.game_state.human_clubs[h]);
        const int kind = gd.game_state.match_kind;
        if (kind == ckContinentalCup) {
            SCOPED_TRACE("calendar day " + std::to_string(gd.game_state.calendar_day));
            ++continental_days;
            std::vector<int> regions;
            for (int f : FixturesOfToday())
                if (std::find(regions.begin(), regions.end(), gd.fixtures[f].owner) ==
                    regions.end())
                    regions.push_back(gd.fixtures[f].owner);
            std::sort(regions.begin(), regions.end());
            const std::vector<int> today = FixturesOfToday();
            const t_game_state before = gd.game_state;
            AutomaticDecisions decisions;
            GroupRecorder recorder;
            PlayWholeMatchDay(decisions, &recorder);
            EXPECT_EQ(recorder.groups, regions);
            static const char* const kCups[] = {"Taça Libertadores", "Liga dos Campeões",
                                                "Liga Africana", "Liga Asiática"};
            for (const auto& [group, heading] : recorder.headings) {
                ASSERT_TRUE(group >= 1 && group <= 4) << group;
                EXPECT_EQ(heading.rfind(kCups[group - 1], 0), 0u) << heading;
            }
            for (int f : today) EXPECT_TRUE(gd.fixtures[f].played) << "fixture " << f;
            // The group rounds move the round once a day; the knock-out rounds the leg.
            const t_game_state& after = gd.game_state;
            if (before.continental_cup_round < 4) {
                EXPECT_TRUE(after.continental_cup_round == before.continental_cup_round + 1 ||
                            (after.continental_cup_round == 1 &&
                             after.continental_cup_phase == before.continental_cup_phase + 1));
            } else {
                EXPECT_NE(after.continental_cup_leg, before.continental_cup_leg);
            }
        } else {
            PlayWholeMatchDay();
        }
        if (::testing::Test::HasFailure()) break;
        OpenRoundResults(gd);
        const NextScreen next = CloseRound(gd, windows).next;
        if (next == NextScreen::kSeasonReview) break;
        if (next != NextScreen::kMatchDay) PrepareNextMatchDay(gd);
    }
    EXPECT_GE(continental_days, 1);
}

}  // namespace
}  // namespace kv
