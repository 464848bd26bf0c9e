#include "screens/club/national_callup_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "game/headless_game.h"
#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/test_driver.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "season/national_tournaments.h"
#include "ui/controls/ui_combo_box.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

class NationalCallUpWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
        LoadBackgroundBitmap();
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 2014;
        HeadlessGame game;
        ASSERT_EQ(game.StartNewGame(setup), "");
        team_ = FindNationalTeam(Game(), Game().teams[Game().game_state.user_club].country);
        ASSERT_GT(team_, 0);
    }
    void TearDown() override {
        SetGameFolder("");
        Game().Reset();
    }
    TReportGrid& Found() { return d_.Get<TReportGrid>("gfind"); }
    TReportGrid& Called() { return d_.Get<TReportGrid>("gsel"); }
    int RowPlayer(TReportGrid& grid, const char* column, int row) {
        return std::stoi(grid.GetCellTextByVariant(column, row));
    }
    // The first found row of a goalkeeper (or of an outfield player) not called up yet.
    int FoundRow(bool goalkeeper, const TForm77& form) {
        for (int r = 0; r < Found().GetRowCount(); ++r) {
            const int p = RowPlayer(Found(), "gcid", r);
            if ((Game().players[p].position == posGoalkeeper) == goalkeeper &&
                !form.list().Contains(p))
                return r;
        }
        return -1;
    }
    bool Enabled(const char* name) { return d_.Get(name).Enabled(); }
    // Selects the found row of the next such player and presses ">>".
    void AddNext(bool goalkeeper, const TForm77& form) {
        const int row = FoundRow(goalkeeper, form);
        ASSERT_GE(row, 0);
        Found().SelectCell(1, row);
        ASSERT_TRUE(Enabled("SchemeButton1"));
        d_.Click("SchemeButton1");
    }

    TestDriver d_{800, 600};
    int team_ = -1;
};

TEST_F(NationalCallUpWindow, TheListFollowsOneRuleAndBecomesTheSquad) {
    const int country = Game().teams[team_].country;
    std::vector<int> former;
    for (int p = 1; p < static_cast<int>(Game().players.size()); ++p)
        if (Game().players[p].team == team_) former.push_back(p);
    std::vector<int> called;
    d_.Then([&] {
        auto& form = dynamic_cast<TForm77&>(*d_.screen().TopForm());
        EXPECT_EQ(d_.Text("Label16"), Game().teams[team_].name.str());
        EXPECT_FALSE(Enabled("SchemeButton1"));
        EXPECT_FALSE(Enabled("SchemeButton2"));
        EXPECT_FALSE(Enabled("bt2"));
        // Every list at "Qualquer": every player of the country at a club.
        d_.Click("SchemeButton3");
        const auto all = SearchCallUpPlayers(Game(), country, CallUpFilter{});
        ASSERT_EQ(Found().GetRowCount(), static_cast<int>(all.size()));
        EXPECT_EQ(d_.Text("Label9"), std::to_string(all.size()) + " jogadores encontrados");

        for (int k = 0; k < 3; ++k) AddNext(true, form);
        // A fourth goalkeeper cannot join; an outfield player can.
        const int fourth = FoundRow(true, form);
        if (fourth >= 0) {
            Found().SelectCell(1, fourth);
            EXPECT_FALSE(Enabled("SchemeButton1"));
        }
        for (int k = 0; k < 14; ++k) AddNext(false, form);
        EXPECT_FALSE(Enabled("bt2"));
        AddNext(false, form);  // the 15th
        EXPECT_TRUE(Enabled("bt2"));
        EXPECT_EQ(d_.Text("Label10"), "3 / 3");
        EXPECT_EQ(d_.Text("Label15"), "15 / 20");
        for (int k = 0; k < 3; ++k) AddNext(false, form);
        // Removing one of 18 keeps the list confirmable: the same rule as after an addition.
        Called().SelectCell(1, Called().GetRowCount() - 1);
        EXPECT_TRUE(Enabled("SchemeButton2"));
        d_.Click("SchemeButton2");
        EXPECT_EQ(form.list().outfield(), 17);
        EXPECT_EQ(Called().GetRowCount(), 20);
        EXPECT_TRUE(Enabled("bt2"));
        // Down to one goalkeeper it is not.
        for (int removed = 0; removed < 2; ++removed) {
            Called().SelectCell(1, 0);
            d_.Click("SchemeButton2");
        }
        EXPECT_EQ(form.list().goalkeepers(), 1);
        EXPECT_FALSE(Enabled("bt2"));
        AddNext(true, form);
        EXPECT_TRUE(Enabled("bt2"));

        // A name no player has.
        d_.Get<Edit>("Edit1").SetText("Zzzz");
        d_.Click("SchemeButton3");
        EXPECT_EQ(d_.Text("Label9"), "Nenhum jogador encontrado");
        d_.Get<Edit>("Edit1").SetText("");
        d_.Get<TUiComboBox>("c2").SetItemIndex(posForward);
        d_.Click("SchemeButton3");
        for (int r = 0; r < Found().GetRowCount(); ++r)
            EXPECT_EQ(Game().players[RowPlayer(Found(), "gcid", r)].position, posForward);
        d_.SavePng("national_callup_window.png");
        for (int r = 0; r < Called().GetRowCount(); ++r)
            called.push_back(RowPlayer(Called(), "gcid2", r));
        d_.Click("bt2");
    });
    EXPECT_TRUE(ShowNationalCallUpWindow(team_));
    ASSERT_EQ(called.size(), 19u);
    std::vector<int> squad;
    for (int p = 1; p < static_cast<int>(Game().players.size()); ++p)
        if (Game().players[p].team == team_) squad.push_back(p);
    std::sort(called.begin(), called.end());
    EXPECT_EQ(squad, called);
    for (const int p : former) EXPECT_EQ(Game().players[p].team, -1);
    EXPECT_EQ(Game().callups.size(), former.size() + called.size());
}

TEST_F(NationalCallUpWindow, ClosingWithoutContinuingChangesNoSquad) {
    const auto callups = Game().callups.size();
    d_.Then([&] {
        d_.Press(VK_F4, ssAlt);  // swallowed
        d_.Click("SchemeButton3");
        Found().SelectCell(1, 0);
        d_.Click("SchemeButton1");
        d_.screen().TopForm()->Close();
    });
    EXPECT_FALSE(ShowNationalCallUpWindow(team_));
    EXPECT_EQ(Game().callups.size(), callups);
}

}  // namespace
}  // namespace kv
