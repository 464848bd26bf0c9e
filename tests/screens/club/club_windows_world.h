#pragma once
// The club windows' tests: a sample game on a day the human club plays, the main window open
// and the game's windows connected, as the program does at start-up.

#include <gtest/gtest.h>

#include <string>

#include "core/game_data.h"
#include "platform/window/keys.h"
#include "platform/window/layout_builder.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "screens/main/main_window.h"
#include "screens/routes/window_routes.h"
#include "tests/screens/sample_game_day.h"
#include "ui/markup/markup_label.h"

namespace kv::testing {

class ClubWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartSampleGameOnAHumanDay(1, 33);
        club_ = Game().game_state.user_club = Game().game_state.human_clubs[0];
        ConnectGameWindows();
        main_ = ShowMainWindow();
        ASSERT_NE(main_, nullptr);
        d_.Pump();
    }
    void TearDown() override {
        for (const char* w : kOpeners) MainWindowOpener(w) = nullptr;
        if (MainWindow()) MainWindow()->Release();
        d_.Pump();
        Game().Reset();
    }
    // Opens a window through the main window's opener; `inside` runs while it is up (modal).
    void OpenThrough(const char* window, std::function<void()> inside) {
        d_.Then(std::move(inside));
        auto& opener = MainWindowOpener(window);
        ASSERT_TRUE(static_cast<bool>(opener)) << window;
        opener();
    }
    std::string MainCash() {
        std::string s;
        for (const std::string& line : ControlNamed<TMarkupLabel>(*main_, "labmoney").HTMLLines())
            s += line;
        return s;
    }
    t_team& Club() { return Game().teams[club_]; }
    t_finance& Books() { return Game().finances[club_]; }

    static constexpr const char* kOpeners[] = {"SaveGame", "TForm32", "TForm45",
                                               "TForm87",  "TForm22", "TForm28",
                                               "TForm8",   "TForm58", "TForm27"};
    TestDriver d_{800, 600};
    TForm13* main_ = nullptr;
    int club_ = -1;
};

}  // namespace kv::testing
