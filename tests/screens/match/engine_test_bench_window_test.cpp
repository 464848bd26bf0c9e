#include "screens/match/engine_test_bench_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/random.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "tests/match/match_world.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

int CountOf(const std::string& text, const std::string& piece) {
    int n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++n;
    return n;
}

class EngineTestBenchWindowTest : public ::testing::Test {
  protected:
    // Today's match day of two matches between computer clubs with their line-ups.
    void SetUp() override {
        testing::SetUpMatchDay(2);
        GameData& gd = Game();
        gd.game_state.league_club_count = static_cast<int>(gd.teams.size());
        const char* names[] = {"Atlético Serrano", "Porto Claro", "União Ribeirinha",
                               "Vila Nova do Sul"};
        for (int t = 0; t < 4; ++t) gd.teams[t].name.set(names[t]);
        for (std::size_t p = 1; p < gd.players.size(); ++p)
            gd.players[p].name.set("Jogador " + std::to_string(p));
        SeedRandom(17);
    }
    void TearDown() override { Game().Reset(); }

    std::string Markup(std::string_view name) {
        std::string s;
        for (const std::string& line : driver_.Get<TMarkupLabel>(name).HTMLLines()) s += line;
        return s;
    }
    void Choose(int first, int second, const std::string& matches) {
        driver_.Get<ComboBox>("combo1").SetItemIndex(first);
        driver_.Get<ComboBox>("combo2").SetItemIndex(second);
        driver_.Get<Edit>("Edit1").SetText(matches);
    }
    void Close() { Screen::Get().FindForm("form89")->Close(); }

    TestDriver driver_{1024, 768};
};

TEST_F(EngineTestBenchWindowTest, PlaysEachBatchOnTheRunningGameAndLeavesItAsItWas) {
    const GameData before = Game();
    const std::uint64_t random_before = RandomState();
    driver_.Then([&] {
        EXPECT_EQ(driver_.Get<ComboBox>("combo1").Items(),
                  (std::vector<std::string>{"Atlético Serrano", "Porto Claro", "União Ribeirinha",
                                            "Vila Nova do Sul"}));
        Choose(0, 1, "500");
        driver_.Click("Button3");
        const std::string model = Markup("MarkupLabel9");
        EXPECT_EQ(model.rfind("vitória time 1=", 0), 0u) << model;
        EXPECT_NE(Markup("MarkupLabel12").find("vitória do mandante"), std::string::npos);
        EXPECT_EQ(CountOf(Markup("MarkupLabel1"), "-------------"), 100);  // the first 100 listed
        EXPECT_NE(driver_.Text("Label5").find("Atlético Serrano Porto Claro"), std::string::npos);

        Choose(2, 3, "40");
        driver_.Click("Button6");
        EXPECT_NE(Markup("MarkupLabel9").find("Cartoes t1=ca:"), std::string::npos);
        EXPECT_EQ(CountOf(Markup("MarkupLabel1"), "<br>"), 40);
        EXPECT_NE(driver_.Text("placar").find("x"), std::string::npos);
        EXPECT_EQ(Markup("MarkupLabel2").rfind("chutes ", 0), 0u);

        driver_.Click("Button1");
        EXPECT_EQ(Markup("MarkupLabel10").rfind("posse bola:", 0), 0u);
        EXPECT_EQ(CountOf(Markup("MarkupLabel11"), " q"), 12);
        driver_.Click("Button1");
        const std::string zone = Markup("MarkupLabel1");

        driver_.Click("Button8");
        EXPECT_EQ(driver_.Text("Label1"), "2");
        EXPECT_FALSE(driver_.Text("Label3").empty());
        driver_.Click("Button9");
        EXPECT_EQ(CountOf(Markup("MarkupLabel15"), "<br>"), 61);

        // Back to the whole engine for the picture: its summary, table, score and events.
        driver_.Get<Edit>("Edit1").SetText("200");
        driver_.Click("Button6");
        EXPECT_FALSE(driver_.SavePng("engine_test_bench_window.png").empty());
        // The same seed plays the same zone-engine matches again.
        driver_.Click("Button1");
        EXPECT_EQ(Markup("MarkupLabel1"), zone);
        Close();
    });
    OpenEngineTestBench(false);

    const GameData& after = Game();
    EXPECT_EQ(RandomState(), random_before);
    EXPECT_FALSE(TestBenchActive());
    EXPECT_EQ(after.quick_mode, before.quick_mode);
    ASSERT_EQ(after.players.size(), before.players.size());
    for (std::size_t p = 0; p < after.players.size(); ++p)
        EXPECT_EQ(std::memcmp(&after.players[p], &before.players[p], sizeof(t_player)), 0) << p;
    for (std::size_t t = 0; t < after.teams.size(); ++t)
        EXPECT_EQ(std::memcmp(&after.teams[t], &before.teams[t], sizeof(t_team)), 0) << t;
    EXPECT_EQ(after.day_matches.size(), before.day_matches.size());
    EXPECT_TRUE(after.match_events.empty());
}

TEST_F(EngineTestBenchWindowTest, BadInputSaysWhyAndRunsNothing) {
    struct Case {
        int first, second;
        const char* matches;
        const char* message;  // part of what the player is told
    };
    const Case cases[] = {
        {-1, 1, "10", "Escolha os dois times."},
        {0, -1, "10", "Escolha os dois times."},
        {1, 1, "10", "Escolha dois times diferentes."},
        {0, 1, "abc", "número inteiro"},
        {0, 1, "", "número inteiro"},
        {0, 1, "0", "entre 1 e 100000"},
        {0, 1, "100001", "entre 1 e 100000"},
        {0, 1, "-3", "entre 1 e 100000"},
    };
    driver_.Then([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.matches);
            Choose(c.first, c.second, c.matches);
            for (const char* button : {"Button3", "Button6"}) {
                const std::size_t shown = driver_.Messages().size();
                driver_.AnswerModal(mrOk);
                driver_.Click(button);
                ASSERT_EQ(driver_.Messages().size(), shown + 1);
                EXPECT_NE(driver_.Messages().back().find(c.message), std::string::npos)
                    << driver_.Messages().back();
                EXPECT_TRUE(Markup("MarkupLabel9").empty());
            }
        }
        // A seed that is no number stops the run as well.
        Choose(0, 1, "10");
        driver_.Get<Edit>("Edit2").SetText("x");
        driver_.AnswerModal(mrOk);
        driver_.Click("Button3");
        EXPECT_NE(driver_.Messages().back().find("semente"), std::string::npos);
        EXPECT_TRUE(Markup("MarkupLabel9").empty());
        // The in-match line-up opens on day match 1 with its home side shown.
        bool lineup_shown = false;
        driver_.Then([&] {
            lineup_shown = Screen::Get().FindForm("Form88") != nullptr;
            driver_.Click("bt_irprojogo");
        });
        driver_.Click("Button4");
        EXPECT_TRUE(lineup_shown);
        // Once the taker order window is there, it opens on the two teams as a shoot-out.
        auto& form = dynamic_cast<Tform89&>(*Screen::Get().FindForm("form89"));
        int opened = 0;
        form.open_penalty_order = [&] { ++opened; };
        Choose(2, 3, "1");
        driver_.Click("Button7");
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(Game().shootout_team_a, 2);
        EXPECT_EQ(Game().day_matches[1].team[1], 3);
        Close();
    });
    OpenEngineTestBench(false);
}

TEST_F(EngineTestBenchWindowTest, TheSecondWayInGivesEveryComputerTeamWithoutALineupOne) {
    GameData& gd = Game();
    const int computer = testing::AddTeam();
    gd.teams[computer].name.set("Sem Escalação");
    testing::AddSquad(computer, 60);
    const int human = testing::AddTeam(true);
    testing::AddSquad(human, 60);
    const std::size_t lineups = gd.match_strengths.size();
    driver_.Then([&] {
        EXPECT_EQ(driver_.Get<ComboBox>("combo1").Count(), static_cast<int>(lineups) + 1);
        EXPECT_EQ(driver_.Get<ComboBox>("combo2").Items().back(), "Sem Escalação");
        Close();
    });
    OpenEngineTestBench(true);
    EXPECT_GE(gd.teams[computer].match_strength_index, static_cast<int>(lineups));
    EXPECT_EQ(gd.teams[human].match_strength_index, -1);
}

}  // namespace
}  // namespace kv
