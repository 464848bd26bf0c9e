#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "game/callup_selection.h"
#include "game/headless_game.h"
#include "season/retirement.h"
#include "season/transfers.h"
#include "tests/core/match_marks.h"

namespace kv {
namespace {

void MarkMatchDay(t_player& p) {
    p.energy = 41;
    p.played_match = 1;
    p.on_pitch = 1;
    p.match_goals = 1;
}

using test::ResetAllMarks;

// The rounds reset the marks through the teams' lists and the loose players; the table must
// come out as a reset of every record leaves it.
void ExpectResetsMatchAWholeTableReset(GameData& data) {
    EXPECT_TRUE(data.LoosePlayersMatchTable());
    std::vector<t_player> scanned = data.players;
    for (t_player& p : scanned) ResetAllMarks(p);
    data.ResetMatchMarks(ResetAllMarks);
    EXPECT_TRUE(test::SamePlayerBytes(data.players, scanned));
}

int FirstNationalTeam(const GameData& data) {
    for (int t = 0; t < static_cast<int>(data.teams.size()); ++t)
        if (IsNationalTeam(data, t)) return t;
    return -1;
}

TEST(MatchMarks, ResetsReachEveryMarkedPlayerThroughMovesALoadAndASeasonChange) {
    HeadlessSetup setup;
    setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
    setup.seed = 45;
    HeadlessGame game;
    ASSERT_EQ(game.StartNewGame(setup), "");
    for (int r = 0; r < 3; ++r) game.PlayRound();

    // Players of one club leave it in every way with a match day's marks on them.
    GameData& data = Game();
    const auto listed = data.PlayersOf(0);
    const std::vector<int> squad(listed.begin(), listed.end());
    ASSERT_GE(squad.size(), 6u);
    const int national_team = FirstNationalTeam(data);
    ASSERT_GE(national_team, 0);
    for (int i = 0; i < 6; ++i) MarkMatchDay(data.players[squad[i]]);
    TransferPlayer(data, squad[0], 1, 100);
    MovePlayerOnLoan(data, squad[1], 1, TodayDate(data) + 30);
    RetirePlayer(data, squad[2], "Novato", data.players[squad[2]].position);  // youth appended
    data.SetPlayerTeam(squad[3], -1);                                         // a death
    ConfirmCallUp(data, national_team, {squad[4]});
    const std::string path = std::string(KORVANEL_TEST_OUTPUT_DIR) + "/match_marks.s14";
    std::filesystem::create_directories(KORVANEL_TEST_OUTPUT_DIR);
    ASSERT_EQ(game.SaveGame(path), "");
    ExpectResetsMatchAWholeTableReset(Game());

    // A load finds the loose players in the table it read.
    HeadlessGame loaded;
    ASSERT_EQ(loaded.LoadGame(path), "");
    ExpectResetsMatchAWholeTableReset(Game());

    // The match days, the market, retirements and youth of a season change keep them true.
    bool turned_over = false;
    for (int rounds = 0; rounds < 400 && !turned_over; ++rounds) {
        turned_over = loaded.season_finished();
        loaded.PlayRound();
        ASSERT_TRUE(Game().LoosePlayersMatchTable()) << "round " << rounds;
    }
    EXPECT_TRUE(turned_over);
    EXPECT_EQ(Game().game_state.season, 2);
    ExpectResetsMatchAWholeTableReset(Game());
}

}  // namespace
}  // namespace kv
