// The windows that show the shared background picture tile it beneath their controls: on the
// screen, much of their client area is the picture itself, pixel for pixel.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "editor/loading_window.h"
#include "game/state_finals.h"
#include "match/human_lineup.h"
#include "platform/window/screen.h"
#include "screens/career/coach_changes_window.h"
#include "screens/career/inbox_window.h"
#include "screens/career/job_offer_window.h"
#include "screens/career/state_champions_window.h"
#include "screens/club/death_notice_window.h"
#include "screens/club/offer_window.h"
#include "screens/club/saved_tactics_window.h"
#include "screens/club/shirt_number_window.h"
#include "screens/main/dismissal_window.h"
#include "screens/match/match_day_window.h"
#include "screens/start/game_pictures.h"
#include "tests/screens/sample_game_world.h"

namespace kv {
namespace {

class WindowBackgroundsTest : public test::SampleGameTest {
  protected:
    void SetUp() override {
        test::SampleGameTest::SetUp();
        LoadBackgroundBitmap();
    }
    void TearDown() override {
        background_bitmap().Clear();
        test::SampleGameTest::TearDown();
    }
    // The share of the form's client area whose pixels are those of the background picture
    // tiled from its top-left corner.
    double TiledShare(const Form& form) {
        const Picture& tile = background_bitmap();
        const Rect area = form.ClientArea();
        int same = 0;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) {
                const Point at = form.ClientToScreen({x, y});
                same += driver_->screen().PixelAt(at.x, at.y) ==
                        ARGBToColor(tile.PixelARGB(x % tile.width(), y % tile.height()));
            }
        return static_cast<double>(same) / (area.width() * area.height());
    }
};

TEST_F(WindowBackgroundsTest, EachWindowTilesTheSharedBackgroundBeneathItsControls) {
    ASSERT_FALSE(background_bitmap().empty()) << "the sample game has img\\f01.jpg";
    const int player = StrongestPlayer(club_);
    const int other = ComputerClub();
    HumanLineup lineup(Game(), club_, false);
    const StateChampionsTable champions;
    struct Case {
        const char* name;
        std::function<Form&(Screen&)> create;
    };
    const Case cases[] = {
        {"Form90", [&](Screen& s) -> Form& { return s.Create<TForm90>(lineup); }},
        {"Form82", [&](Screen& s) -> Form& { return s.Create<TForm82>(player); }},
        {"Form72", [&](Screen& s) -> Form& { return s.Create<TForm72>(player); }},
        {"Form68", [&](Screen& s) -> Form& { return s.Create<TForm68>(player, other); }},
        {"Form57",
         [&](Screen& s) -> Form& {
             return s.Create<TForm57>(std::vector<t_coach_dismissal>{{other, 0, 1, 2}});
         }},
        {"Form30", [&](Screen& s) -> Form& { return s.Create<TForm30>(); }},
        {"Form62", [&](Screen& s) -> Form& { return s.Create<TForm62>(); }},
        {"Form66", [&](Screen& s) -> Form& { return s.Create<TForm66>(champions); }},
        {"Form31",
         [&](Screen& s) -> Form& {
             return s.Create<TForm31>(other, 0, 1, DismissalReason::kResults);
         }},
        {"Form2", [&](Screen& s) -> Form& { return s.Create<TForm2>(); }},
        {"Form46", [&](Screen& s) -> Form& { return s.Create<TForm46>(nullptr); }},
    };
    for (const Case& c : cases) {
        Form& form = c.create(driver_->screen());
        form.Show();
        driver_->Pump();
        EXPECT_EQ(form.background_picture, &background_bitmap()) << c.name;
        // Headers, grids and buttons cover the rest; a window that painted its own colour
        // would share no pixel with the picture.
        EXPECT_GT(TiledShare(form), 0.15) << c.name;
        driver_->SavePng(std::string("background_") + c.name + ".png");
        form.Release();
        driver_->Pump();
    }
}

}  // namespace
}  // namespace kv
