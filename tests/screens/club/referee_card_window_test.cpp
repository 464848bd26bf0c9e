// The referee card.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "platform/window/screen.h"
#include "screens/club/referee_card_window.h"
#include "tests/screens/sample_game_world.h"
#include "ui/controls/progress_cyl.h"

namespace kv {
namespace {

using RefereeCardTest = test::SampleGameTest;

TEST_F(RefereeCardTest, ShowsTheNumberedRefereesTechniqueAndStrictness) {
    arbitro_& referee = Game().referees[4];
    referee.name.set("Árbitro Teste");
    referee.technique = 4;
    referee.strictness = 2;
    driver_->Then([&] {
        EXPECT_EQ(driver_->Text("Label1"), "Árbitro Teste");
        EXPECT_EQ(driver_->Get<TProgressCyl>("gp1").Position(), 4);
        EXPECT_EQ(driver_->Get<TProgressCyl>("gp2").Position(), 2);
        EXPECT_EQ(driver_->Text("Label5"), "2");
        driver_->SavePng("referee_card_window.png");
        driver_->Press(VK_ESCAPE);
    });
    ShowRefereeCard(5);
    EXPECT_EQ(Screen::Get().FindForm("Form80"), nullptr);
    // Numbers that name no referee open nothing.
    ShowRefereeCard(0);
    ShowRefereeCard(kRefereeCount + 1);
}

}  // namespace
}  // namespace kv
