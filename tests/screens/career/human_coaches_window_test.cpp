// The human coaches' window and the resignation question on a game from the sample database.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "platform/window/list_view.h"
#include "platform/window/screen.h"
#include "screens/career/human_coaches_window.h"
#include "tests/screens/sample_game_world.h"

namespace kv {
namespace {

using HumanCoachesWindowTest = test::SampleGameTest;

TEST_F(HumanCoachesWindowTest, AddsANamedCoachAndRemovesOnlyOneWithoutAClub) {
    GameData& data = Game();
    const int first = data.game_state.human_coaches[0];
    const std::size_t records = data.coaches.size();
    driver_->Then([&] {
        auto& list = driver_->Get<ListView>("list1");
        ASSERT_EQ(list.Count(), 1);
        EXPECT_EQ(list.CellText(0, 1), data.coaches[first].name.str());
        EXPECT_EQ(list.CellText(0, 2), data.teams[club_].name.str());
        EXPECT_FALSE(driver_->Get("bt1").Enabled());

        // The name window: OK only with a name.
        driver_->Then([&] {
            EXPECT_FALSE(driver_->Get("bt2").Enabled());
            driver_->Type("Zé Novato");
            EXPECT_TRUE(driver_->Get("bt2").Enabled());
            driver_->SavePng("coach_name_window.png");
            driver_->Click("bt2");
        });
        driver_->Click("bt2");
        ASSERT_EQ(list.Count(), 2);
        EXPECT_EQ(list.CellText(1, 1), "Zé Novato");
        EXPECT_EQ(list.CellText(1, 3), std::to_string(records));

        // The coach of a club must leave it first.
        list.SetItemIndex(0);
        driver_->Get("bt1").SetEnabled(true);
        driver_->AnswerModal(mrOk);
        driver_->Click("bt1");
        ASSERT_FALSE(driver_->Messages().empty());
        EXPECT_EQ(driver_->Messages().back(),
                  "Para remover um técnico antes é necessário demiti-lo do time.");
        EXPECT_EQ(list.Count(), 2);
        driver_->SavePng("human_coaches_window.png");

        list.SetItemIndex(1);
        driver_->Click("bt1");
        EXPECT_EQ(list.Count(), 1);
        driver_->Click("SchemeButton2");
    });
    ShowHumanCoachesWindow();
    EXPECT_EQ(data.coaches.size(), records + 1);
    // The coach who left keeps his name for the histories.
    EXPECT_EQ(data.coaches[records].name.str(), "Zé Novato");
    for (const std::int32_t coach : data.game_state.human_coaches)
        EXPECT_NE(coach, static_cast<int>(records));
    EXPECT_EQ(data.coaches[first].club, club_);
}

TEST_F(HumanCoachesWindowTest, NameWindowClosedEmptyAddsNobody) {
    GameData& data = Game();
    const std::size_t records = data.coaches.size();
    driver_->Then([&] {
        driver_->Then([&] { driver_->Get("Edit1").ParentForm()->SetModalResult(mrCancel); });
        driver_->Click("bt2");
        EXPECT_EQ(driver_->Get<ListView>("list1").Count(), 1);
        driver_->Click("SchemeButton2");
    });
    ShowHumanCoachesWindow();
    EXPECT_EQ(data.coaches.size(), records);
}

TEST_F(HumanCoachesWindowTest, ResignationNeedsASim) {
    driver_->Then([&] {
        driver_->SavePng("resignation_window.png");
        driver_->Click("SchemeButton1");
    });
    EXPECT_FALSE(AskResignation());
    driver_->Then([&] { driver_->Click("SchemeButton2"); });
    EXPECT_TRUE(AskResignation());
}

}  // namespace
}  // namespace kv
