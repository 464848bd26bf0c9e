// The referee card.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "platform/window/label.h"
#include "platform/window/layout_builder.h"
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
    // Numbers that name no referee open nothing, and a card made for one stays blank.
    ShowRefereeCard(0);
    ShowRefereeCard(kRefereeCount + 1);
    EXPECT_EQ(Screen::Get().FindForm("Form80"), nullptr);
    for (arbitro_& r : Game().referees) r = referee;
    for (int outside : {0, -1, kRefereeCount + 1}) {
        TForm80& card = Screen::Get().Create<TForm80>(outside);
        for (const char* label : {"Label1", "Label4", "Label5"})
            EXPECT_EQ(ControlNamed<Label>(card, label).Caption(), "") << outside << " " << label;
        EXPECT_EQ(ControlNamed<TProgressCyl>(card, "gp1").Position(), 0) << outside;
        card.Release();
    }
}

}  // namespace
}  // namespace kv
