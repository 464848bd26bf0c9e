// The round's coach changes at computer clubs, asked for by the round close and shown.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/game_data.h"
#include "screens/career/coach_changes_window.h"
#include "screens/routes/game_event_windows.h"
#include "tests/game/play_day.h"
#include "tests/screens/sample_game_world.h"
#include "ui/markup/markup_label.h"
#include "ui/controls/smooth_panel.h"

namespace kv {
namespace {

using CoachChangesWindowTest = test::SampleGameTest;

// Keeps the coach changes the round close asks to show.
class ChangesShown : public AutomaticWindows {
  public:
    bool Show(const WindowRequest& request) override {
        if (request.window == GameWindow::kCoachChanges && request.coach_changes != nullptr)
            changes.insert(changes.end(), request.coach_changes->begin(),
                           request.coach_changes->end());
        return AutomaticWindows::Show(request);
    }
    std::vector<t_coach_dismissal> changes;
};

TEST_F(CoachChangesWindowTest, TheRoundCloseShowsTheChangesWhenAskedAndTheWindowListsThem) {
    GameData& data = Game();
    data.game_state.show_coach_changes = 1;
    // The boards of every computer club of the first division are out of patience: those
    // placed below fifth change their coach.
    ChangesShown shown;
    for (int day = 0; day < 30 && shown.changes.empty(); ++day) {
        for (int t = 0; t < data.game_state.league_club_count; ++t)
            if (!data.teams[t].human && data.teams[t].division == 1)
                data.teams[t].board_confidence = 0;
        test::PlayDay(shown);
    }
    ASSERT_FALSE(shown.changes.empty());
    const int club = shown.changes[0].team;
    const int old_coach = shown.changes[0].old_coach;
    EXPECT_EQ(data.teams[club].coach, shown.changes[0].new_coach);

    driver_->Then([&] {
        const std::string rows = driver_->Get<TUiSmoothPanel>("p_camp").Caption().HTMLText();
        EXPECT_NE(rows.find(data.teams[club].name.str()), std::string::npos);
        EXPECT_NE(rows.find(data.coaches[old_coach].name.str()), std::string::npos);
        EXPECT_NE(rows.find("<IMG src=\"idx:0\">"), std::string::npos) << "the club's crest";
        driver_->SavePng("coach_changes_window.png");
        driver_->Click("schemebutton2");
    });
    WindowRequest request(GameWindow::kCoachChanges);
    request.coach_changes = &shown.changes;
    EXPECT_FALSE(ShowGameEventWindow(request));
}

// Each row starts with its club's crest, numbered in the order the rows add them; a row whose
// club has no crest file has no picture and takes no number.
TEST_F(CoachChangesWindowTest, EachRowShowsItsClubsCrest) {
    const int a = ComputerClub(0), b = ComputerClub(1);
    MarkupPictureList crests(18, 18);
    const std::string rows =
        CoachChangeRows(Game(), {{a, 0, 1, 2}, {-1, 0, 1, 2}, {b, 1, 0, 0}}, crests);
    ASSERT_EQ(crests.Count(), 2);
    EXPECT_EQ(crests.Entry(0)->width(), 18);
    const auto at = [&rows](const std::string& text) { return rows.find(text); };
    EXPECT_LT(at("<IMG src=\"idx:0\">"), at(Game().teams[a].name.str()));
    EXPECT_LT(at("<IMG src=\"\">"), at("<IMG src=\"idx:1\">"));
    EXPECT_LT(at("<IMG src=\"idx:1\">"), at(Game().teams[b].name.str()));
}

}  // namespace
}  // namespace kv
