// Whole new games built from the sample teams database.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "match/new_game_builder.h"
#include "season/new_game_setup.h"
#include "tests/match/new_game_world.h"
#include "tools/sampledb/sample_database.h"

namespace kv {
namespace {

std::string WriteSample(const sampledb::SampleDatabase& db) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kv_sample_XXXXXX").string();
    EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
    std::string error;
    EXPECT_TRUE(sampledb::WriteSampleDatabase(db, pattern, {false, false}, &error)) << error;
    return pattern;
}

class SampleGame : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { folder_ = WriteSample(sampledb::BuildSampleDatabase()); }
    static void TearDownTestSuite() { std::filesystem::remove_all(folder_); }
    void SetUp() override { SetGameFolder(folder_); }
    void TearDown() override {
        SetGameFolder("");
        Game().Reset();
    }

    static std::string Teams(const std::string& root) { return root + "/teams"; }

    // Builds with the seed and returns the game as a saved game holds it.
    static std::string Build(const std::string& root, const AutomaticSetup& automatic,
                             std::uint64_t seed) {
        SeedRandom(seed);
        NewGameSetup setup;
        EXPECT_EQ(RunAutomaticSetup(setup, Teams(root), automatic), "");
        const NewGameOutcome outcome = BuildNewGame(setup, Teams(root));
        EXPECT_TRUE(outcome.ok()) << outcome.message;
        return WriteSavedGame(Game());
    }

    static std::string folder_;
};
std::string SampleGame::folder_;

TEST_F(SampleGame, EachLeagueSizeAndModeGivesASoundGameTheSeedRepeats) {
    struct Case {
        bool custom;
        int league_format;
    };
    const Case cases[] = {
        {false, kDivisionsOf10},
        {false, kDivisionsOf20},
        {true, kDivisionsOf10},
        {true, kDivisionsOf20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.custom ? "custom" : "real") + " format " +
                     std::to_string(c.league_format));
        AutomaticSetup run;
        run.custom = c.custom;
        run.league_format = c.league_format;
        run.human_count = 2;
        const std::string first = Build(folder_, run, 2014);
        test::ExpectNewGameInvariants(Game());
        const GameData& game = Game();
        if (c.custom) {
            EXPECT_EQ(game.game_state.background_club_count, 0);
            EXPECT_TRUE(game.national_team_list.empty());
            for (int t = 0; t < game.game_state.league_club_count; ++t)
                EXPECT_EQ(game.teams[t].country, kCustomChampionship);
        } else {
            EXPECT_GT(game.game_state.background_club_count, 0);
            EXPECT_FALSE(game.national_team_list.empty());
        }
        EXPECT_EQ(Build(folder_, run, 2014), first);
        EXPECT_NE(Build(folder_, run, 2015), first);
    }
}

// The team built from the sample club with this id: the same name and country.
struct ClubNamed {
    std::string name;
    int country;
};
ClubNamed SampleClubWithId(const sampledb::SampleDatabase& db, int club_id) {
    for (const sampledb::SampleClub& club : db.clubs)
        if (club.club.club_id == club_id) return {club.club.short_name.str(), club.club.country};
    return {"", -1};
}

constexpr int kSouthAmericanGroupIds[8][4] = {
    {42, 397, 377, 391}, {75, 388, 191, 342}, {125, 217, 279, 94}, {345, 41, 411, 265},
    {321, 390, 111, 120}, {263, 176, 266, 273}, {141, 223, 71, 161}, {348, 121, 305, 34},
};

TEST_F(SampleGame, TheFirstSeasonsGroupsAreFixedWhenAll64ClubsExist) {
    const sampledb::SampleDatabase db = sampledb::BuildSampleDatabase();
    Build(folder_, {}, 5);
    const GameData& game = Game();
    ASSERT_EQ(game.game_state.continental_cup_first_season, 1);
    for (int g = 0; g < 8; ++g)
        for (int s = 0; s < 4; ++s) {
            const int team = game.game_state.continental_groups_south_america[g][s];
            ASSERT_TRUE(InTable(game.teams, team));
            const ClubNamed expected = SampleClubWithId(db, kSouthAmericanGroupIds[g][s]);
            EXPECT_EQ(game.teams[team].name.str(), expected.name);
            EXPECT_EQ(game.teams[team].country, expected.country);
            EXPECT_EQ(game.teams[team].continental_group, g + 1);
            EXPECT_EQ(game.teams[team].in_continental_cup, 1);
        }
}

TEST_F(SampleGame, OneMissingClubOfTheFixedGroupsFallsBackToTheDraw) {
    sampledb::SampleDatabase db = sampledb::BuildSampleDatabase();
    for (sampledb::SampleClub& club : db.clubs)
        if (club.club.club_id == 42) club.club.club_id = 0;
    const std::string root = WriteSample(db);
    Build(root, {}, 5);
    std::filesystem::remove_all(root);
    const GameData& game = Game();
    EXPECT_EQ(game.game_state.continental_cup_first_season, 1);
    std::vector<int> drawn;
    for (const auto& group : game.game_state.continental_groups_south_america)
        for (const int team : group) {
            ASSERT_TRUE(InTable(game.teams, team));
            EXPECT_EQ(game.teams[team].in_continental_cup, 1);
            drawn.push_back(team);
        }
    // The draw ranks the background clubs by the level their files give them.
    for (const int country : {42, 46, 60, 150}) {
        int lowest_in = 99, highest_out = 0;
        for (int t = game.game_state.league_club_count;
             t < game.game_state.league_club_count + game.game_state.background_club_count; ++t) {
            const t_team& team = game.teams[t];
            if (team.country != country) continue;
            if (std::find(drawn.begin(), drawn.end(), t) != drawn.end())
                lowest_in = std::min(lowest_in, team.level);
            else
                highest_out = std::max(highest_out, team.level);
        }
        EXPECT_LT(lowest_in, 99) << country;
        EXPECT_GE(lowest_in, highest_out) << country;
    }
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(std::unique(drawn.begin(), drawn.end()), drawn.end());
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// Each coach takes a club of the league of the country asked for him, the rest the next league;
// a country with no league is refused with the coach's number.
TEST_F(SampleGame, CoachesTakeClubsOfTheCountriesAskedForThem) {
    AutomaticSetup automatic;
    automatic.countries = {3, 11, kHomeCountry};
    automatic.human_count = 3;
    automatic.coach_countries = {11, 3};
    Build(folder_, automatic, 5);
    const t_game_state& gs = Game().game_state;
    ASSERT_EQ(gs.human_count, 3);
    EXPECT_EQ(Game().teams[gs.human_clubs[0]].country, 11);
    EXPECT_EQ(Game().teams[gs.human_clubs[1]].country, 3);
    EXPECT_GE(gs.human_clubs[2], 0);

    Game().Reset();
    automatic.coach_countries = {kHomeCountry, 65};
    NewGameSetup setup;
    EXPECT_EQ(RunAutomaticSetup(setup, Teams(folder_), automatic),
              "Nenhuma liga do país escolhido para o treinador 2.");
}

}  // namespace
}  // namespace kv
