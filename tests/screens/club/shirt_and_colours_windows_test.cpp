// The shirt number and club colours windows on a game from the sample database.

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "platform/window/combo_box.h"
#include "platform/window/shape.h"
#include "screens/club/club_colours_window.h"
#include "screens/club/shirt_number_window.h"
#include "season/shirt_numbers.h"
#include "tests/screens/sample_game_world.h"

namespace kv {
namespace {

class ShirtAndColoursTest : public test::SampleGameTest {
  protected:
    // Chooses the item in the shirt number window of the player and presses the button.
    void ChooseNumber(int player, int item, const char* button = "button1") {
        driver_->Then([this, item, button] {
            driver_->Get<ComboBox>("combo1").SetItemIndex(item);
            driver_->Click(button);
        });
        ShowShirtNumberWindow(player);
    }
    std::vector<int> Squad() const {
        const auto squad = Game().PlayersOf(club_);
        return {squad.begin(), squad.end()};
    }
};

TEST_F(ShirtAndColoursTest, ANumberTakenFromAnotherPlayerLeavesHimWithoutOne) {
    GameData& data = Game();
    const std::vector<int> squad = Squad();
    ASSERT_GE(squad.size(), 2u);
    const int a = squad[0], b = squad[1];
    ASSERT_TRUE(SetShirtNumber(data, b, 10));

    driver_->Then([&] {
        auto& combo = driver_->Get<ComboBox>("combo1");
        EXPECT_EQ(combo.Items()[10], "10 - " + data.players[b].name.str());
        EXPECT_EQ(combo.Items()[0], "Sem número");
        EXPECT_EQ(combo.Count(), 29);
        driver_->SavePng("shirt_number_window.png");
        combo.SetItemIndex(10);
        driver_->Click("button1");
    });
    ShowShirtNumberWindow(a);
    EXPECT_EQ(data.players[a].shirt_number, 10);
    EXPECT_EQ(data.players[b].shirt_number, 0);

    // "Cancelar" changes nothing; "Sem número" frees the number.
    ChooseNumber(a, 7, "SchemeButton1");
    EXPECT_EQ(data.players[a].shirt_number, 10);
    ChooseNumber(a, 0);
    EXPECT_EQ(data.players[a].shirt_number, 0);
    ChooseNumber(b, 10);
    EXPECT_EQ(data.players[b].shirt_number, 10);
    int wearing = 0;
    for (const int p : Squad()) wearing += data.players[p].shirt_number == 10 ? 1 : 0;
    EXPECT_EQ(wearing, 1);
}

TEST_F(ShirtAndColoursTest, NumbersOutsideTheRangeAreRefused) {
    GameData& data = Game();
    const int a = Squad()[0];
    data.players[a].shirt_number = 5;
    for (const int n : {-1, 29, 1000}) {
        EXPECT_FALSE(SetShirtNumber(data, a, n)) << n;
        EXPECT_EQ(data.players[a].shirt_number, 5);
    }
    EXPECT_FALSE(SetShirtNumber(data, 0, 3));
}

TEST_F(ShirtAndColoursTest, ColoursChangeThroughTheColourDialog) {
    GameData& data = Game();
    t_team& club = data.teams[club_];
    const std::int32_t text = club.text_colour;
    club.back_colour = 0x0000FF;
    driver_->Then([&] {
        EXPECT_EQ(driver_->Get<Shape>("Shape1").brush.color, 0x0000FF);
        driver_->Then([&] {
            driver_->Click("cor4");  // a swatch of the dialog's grid
            driver_->Click("ok");
        });
        driver_->Click("Shape1");
        driver_->SavePng("club_colours_window.png");
        driver_->Click("SchemeButton1");
    });
    ShowClubColoursWindow();
    EXPECT_NE(club.back_colour, 0x0000FF);
    EXPECT_EQ(club.text_colour, text);

    // OK with both squares unchanged leaves the club as it is.
    const std::int32_t back = club.back_colour;
    driver_->Then([&] { driver_->Click("SchemeButton1"); });
    ShowClubColoursWindow();
    EXPECT_EQ(club.back_colour, back);
}

}  // namespace
}  // namespace kv
