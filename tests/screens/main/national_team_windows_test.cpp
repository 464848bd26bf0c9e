// The national-team windows on a game built from the sample database.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/screen_size.h"
#include "core/text_tables.h"
#include "game/headless_game.h"
#include "game/national_board.h"
#include "game/national_team_turn.h"
#include "platform/window/classic_look.h"
#include "platform/window/keys.h"
#include "platform/window/test_driver.h"
#include "screens/main/competition_window_parts.h"
#include "screens/main/main_window.h"
#include "screens/main/national_board_window.h"
#include "screens/main/national_hub_window.h"
#include "screens/main/national_invitation_window.h"
#include "screens/main/round_results_window.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "screens/start/window_layout.h"
#include "season/national_tournaments.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

class NationalTeamWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
        LoadFlagPictures(ProgramPicture("bandeira"));
        LoadBackgroundBitmap();
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 2014;
        game_ = std::make_unique<HeadlessGame>();
        ASSERT_EQ(game_->StartNewGame(setup), "");
        coach_ = Game().game_state.human_coaches[0];
        // The invitations of the better national teams: the first six of the ranking.
        for (auto& level : Game().game_state.tournament_ranking)
            std::fill(std::begin(level), std::end(level), -1);
        auto& row = Game().game_state.tournament_ranking[0];
        for (int n = 0; n < kInvitationSlots; ++n)
            row[n] = n < 6 ? teams_[n] = NationalTeam(n) : -1;
        for (const int team : teams_) ASSERT_GT(team, 0);
    }
    void TearDown() override {
        driver_.reset();
        SetGameFolder("");
        Game().Reset();
    }
    // The n-th national team of the game that has one.
    static int NationalTeam(int n) {
        for (int country = 0; country < 202; ++country) {
            const int team = FindNationalTeam(Game(), country);
            if (team > 0 && n-- == 0) return team;
        }
        return -1;
    }
    template <class T, class... Args>
    T& Open(Args&&... args) {
        driver_ = std::make_unique<TestDriver>(800, 600);
        T& form = driver_->screen().Create<T>(std::forward<Args>(args)...);
        form.Show();
        driver_->Pump();
        return form;
    }

    std::unique_ptr<HeadlessGame> game_;
    std::unique_ptr<TestDriver> driver_;
    int coach_ = -1;
    int teams_[6]{};
};

TEST_F(NationalTeamWindows, InvitationOffersTheFreeTeamsAndTakesTheChosenOne) {
    ASSERT_GT(teams_[5], 0);
    Game().teams[teams_[1]].human = 1;  // another human coach leads it already
    TForm76& form = Open<TForm76>(ckWorldCup, 1, coach_);
    EXPECT_EQ(driver_->Text("Label1"), "Escolha da seleção para treinar na Copa do Mundo");
    EXPECT_EQ(driver_->Text("r1"), Game().teams[teams_[0]].name.str());
    EXPECT_FALSE(driver_->Get("r2").Enabled());
    EXPECT_TRUE(driver_->Get("r6").Visible());
    EXPECT_FALSE(driver_->Get("r7").Visible());
    EXPECT_FALSE(driver_->Get("Image7").Visible());
    // No way out without a choice but "Recusar": OK is disabled and Alt+F4 does nothing.
    EXPECT_FALSE(driver_->Get("btfechar").Enabled());
    driver_->Press(VK_F4, ssAlt);
    EXPECT_EQ(form.ModalResult(), mrNone);
    driver_->Click("r3");
    EXPECT_TRUE(driver_->Get("btfechar").Enabled());
    driver_->Pump();
    driver_->SavePng("national_invitation_800.png");
    driver_->Click("btfechar");
    EXPECT_EQ(form.ModalResult(), mrOk);
    const GameData& data = Game();
    EXPECT_EQ(data.game_state.tournament_human_count, 1);
    EXPECT_EQ(data.game_state.tournament_human_teams[0], teams_[2]);
    EXPECT_EQ(data.teams[teams_[2]].coach, coach_);
    EXPECT_TRUE(data.coaches[coach_].national_team_job);
}

TEST_F(NationalTeamWindows, DecliningLeavesTheCoachFreeToBeInvitedAgain) {
    TForm76& form = Open<TForm76>(ckAmericasNationsCup, 1, coach_);
    EXPECT_EQ(driver_->Text("Label1"), "Escolha da seleção para treinar na Copa América");
    driver_->Click("r1");
    driver_->Click("btrecusar");
    EXPECT_EQ(form.ModalResult(), mrCancel);
    EXPECT_EQ(Game().game_state.tournament_human_count, 0);
    EXPECT_FALSE(Game().teams[teams_[0]].human);
    EXPECT_FALSE(Game().coaches[coach_].national_team_job);
}

TEST_F(NationalTeamWindows, TheInvitationStaysAboveAWindowOpenedAfterIt) {
    TForm76& form = Open<TForm76>(ckWorldCup, 1, coach_);
    Form& later = driver_->screen().Create<Form>("depois");
    later.SetBorderStyle(bsNone);
    later.SetColor(clRed);
    later.SetBounds(0, 0, 800, 600);
    later.Show();
    driver_->Pump();
    EXPECT_EQ(driver_->screen().Forms().back(), &form);
    const Point inside = form.ClientToScreen({5, 5});
    EXPECT_NE(driver_->screen().PixelAt(inside.x, inside.y), clRed);
    EXPECT_EQ(driver_->screen().PixelAt(0, 0), clRed) << "the later window is drawn beneath";
}

TEST_F(NationalTeamWindows, AnInvitationWithNothingToTakeDoesNotOpen) {
    for (const int team : teams_) Game().teams[team].human = 1;
    driver_ = std::make_unique<TestDriver>(800, 600);
    EXPECT_FALSE(ShowNationalTeamInvitation(ckEuropeanNationsCup, 1, coach_));
    EXPECT_FALSE(ShowNationalTeamInvitation(ckEuropeanNationsCup, 2, coach_));
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// A game whose human coach took a national team, played on to a day of the world cup.
class NationalTournamentWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
        LoadFlagPictures(ProgramPicture("bandeira"));
        LoadBackgroundBitmap();
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 2014;
        setup.national_team_coach = true;
        game_ = std::make_unique<HeadlessGame>();
        ASSERT_EQ(game_->StartNewGame(setup), "");
        driver_ = std::make_unique<TestDriver>(800, 600);
    }
    void TearDown() override {
        MainWindowNextScreen() = nullptr;
        MatchViewOpener() = nullptr;
        driver_.reset();
        SetGameFolder("");
        Game().Reset();
    }
    // Plays rounds until the next day is of the world cup at that tournament round.
    void PlayToWorldCupRound(int round) {
        for (int r = 0; r < 80; ++r) {
            const t_game_state& gs = Game().game_state;
            if (gs.match_kind == ckWorldCup && gs.tournament_round == round) return;
            game_->PlayRound();
        }
        FAIL() << "no world cup round " << round;
    }
    int HumanTeam() const { return Game().game_state.tournament_human_teams[0]; }

    std::unique_ptr<HeadlessGame> game_;
    std::unique_ptr<TestDriver> driver_;
};

TEST_F(NationalTournamentWindows, TheHubGivesTheTurnToTheNationalTeamsCoachAndStartsTheDay) {
    PlayToWorldCupRound(1);
    ASSERT_EQ(Game().game_state.tournament_human_count, 1);
    const int team = HumanTeam();
    const int coach = Game().teams[team].coach;
    ASSERT_GE(coach, 0);
    Game().game_state.current_coach = -1;
    std::vector<NextScreen> next;
    MainWindowNextScreen() = [&](NextScreen screen) { next.push_back(screen); };
    TForm75* hub = ShowNationalHub();
    ASSERT_NE(hub, nullptr);
    driver_->Pump();
    const GameData& data = Game();
    EXPECT_EQ(data.game_state.national_team, team);
    EXPECT_EQ(data.game_state.current_coach, coach);
    EXPECT_EQ(driver_->Text("Label6"), "Copa do Mundo");
    EXPECT_EQ(driver_->Text("nometime"), data.teams[team].name.str());
    EXPECT_EQ(driver_->Text("Label3"), data.coaches[coach].name.str());
    const int host = TournamentHost(data);
    ASSERT_GE(host, 0);
    EXPECT_EQ(driver_->Text("Label5"), std::string(country_names[host]) + " 2014");
    const std::string group(1, static_cast<char>('A' + data.teams[team].tournament_group - 1));
    EXPECT_EQ(driver_->Text("Label22"), "Grupo " + group + " - 1ª rodada");
    ASSERT_TRUE(InTable(data.teams, hub->opponent()));
    EXPECT_EQ(driver_->Text("Label21"), data.teams[hub->opponent()].name.str());
    int squad = 0;
    for (const t_player& p : data.players) squad += p.team == team;
    EXPECT_EQ(driver_->Get<TReportGrid>("gridview1").GetRowCount(), squad);
    driver_->Press(VK_F4, ssAlt);
    EXPECT_TRUE(hub->Visible());
    driver_->SavePng("national_hub_800.png");
    // With no line-up window connected the national team plays the computer's eleven.
    driver_->Click("btjogar");
    driver_->Pump();
    EXPECT_EQ(next, std::vector<NextScreen>{NextScreen::kMatchDay});
    EXPECT_EQ(NationalHub(), nullptr);
}

// On every screen the hub's panel spans the window, its button keeps to the panel's right
// edge and the list's columns fill the list, wide screens included.
TEST_F(NationalTournamentWindows, TheHubFillsEveryScreen) {
    PlayToWorldCupRound(1);
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{800, 600}, Size{1024, 768}, Size{1280, 800}}) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        driver_.reset();  // one screen at a time
        driver_ = std::make_unique<TestDriver>(size.width, size.height);
        TForm75* hub = ShowNationalHub();
        ASSERT_NE(hub, nullptr);
        driver_->Pump();
        const Control& panel = driver_->Get<Control>("Panel1");
        EXPECT_GE(panel.Left() + panel.Width(), size.width - 12);
        const Control& button = driver_->Get<Control>("btjogar");
        EXPECT_GE(button.Left() + button.Width(), panel.Width() - 20);
        EXPECT_LE(button.Left() + button.Width(), panel.Width());
        const auto& grid = driver_->Get<TReportGrid>("gridview1");
        int columns = 0;
        for (int c = 0; c < grid.Columns().Count(); ++c)
            if (grid.Columns().GetItem(c).Visible()) columns += grid.Columns().GetItem(c).Width();
        EXPECT_GE(columns, grid.ClientWidth() - kScrollBarWidth - 2 - 8);
        EXPECT_LE(columns, grid.ClientWidth());
        if (size.width == 1280) driver_->SavePng("national_hub_1280x800.png");
        hub->Close();
        driver_->Pump();
    }
}

TEST_F(NationalTournamentWindows, TheHubSavesOnItsThirdOpeningAndOnF2) {
    PlayToWorldCupRound(1);
    int saves = 0;
    MainWindowOpener("SaveGame") = [&] { ++saves; };
    MainWindowNextScreen() = [](NextScreen) {};
    GameData& data = Game();
    data.game_state.autosave_mode = 1;
    // Right after a load the opening neither saves nor counts.
    data.opening_main_window = 1;
    data.autosave_turn_counter = 2;
    ASSERT_NE(ShowNationalHub(), nullptr);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(data.autosave_turn_counter, 2);
    NationalHub()->Release();
    driver_->Pump();
    data.opening_main_window = 0;
    ASSERT_NE(ShowNationalHub(), nullptr);
    driver_->Pump();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(data.autosave_turn_counter, 0);
    driver_->Press(VK_F2);
    EXPECT_EQ(saves, 2);
    MainWindowOpener("SaveGame") = nullptr;
}

// On a larger screen the board's slots, scores and group table grow with its titles: the final
// sits under its title and above the third place's, its score between its two teams.
TEST_F(NationalTournamentWindows, TheBoardScalesItsSlotsWithItsTitles) {
    PlayToWorldCupRound(5);
    driver_.reset();
    driver_ = std::make_unique<TestDriver>(1280, 800);
    SetScreenSize({1280, 800});
    TForm78& board = driver_->screen().Create<TForm78>();
    board.Show();
    driver_->Pump();
    struct {
        TForm78& board;
        Control& Get(const char* name) { return ControlNamed<Control>(board, name); }
    } get{board};
    EXPECT_EQ(get.Get("num15").Left(), get.Get("lbo4").Left());
    EXPECT_GE(get.Get("num15").Top(), get.Get("lbo4").Top() + get.Get("lbo4").Height());
    EXPECT_LE(get.Get("esto15").Top() + get.Get("esto15").Height(), get.Get("lbo5").Top());
    const int score_middle = get.Get("po15").Top() + get.Get("po15").Height() / 2;
    EXPECT_GT(score_middle, get.Get("lo151").Top());
    EXPECT_LT(score_middle, get.Get("lo152").Top() + get.Get("lo152").Height());
    EXPECT_LE(get.Get("po15").Left() + get.Get("po15").Width(),
              get.Get("lbo4").Left() + ScaledToScreen(180));
    // The group table stands under its heading, in the same scale.
    EXPECT_GE(get.Get("cla41").Top(), get.Get("labdivisaoe4").Top() + get.Get("labdivisaoe4").Height());
    SetScreenSize({800, 600});
}

// The round results of a tournament day: "Classificação" opens the tournament's board.
TEST_F(NationalTournamentWindows, TheRoundResultsOfATournamentDayOpenItsBoard) {
    PlayToWorldCupRound(1);
    TForm67& results = driver_->screen().Create<TForm67>();
    results.Show();
    driver_->Pump();
    ASSERT_TRUE(driver_->Get("bt2").Visible());
    bool board = false;
    driver_->Then([&] {
        board = dynamic_cast<TForm78*>(driver_->screen().TopForm()) != nullptr;
        driver_->screen().TopForm()->Close();
    });
    driver_->Click("bt2");
    EXPECT_TRUE(board);
    results.Release();
    driver_->Pump();
}

TEST_F(NationalTournamentWindows, TheBoardAfterTheGroupStageShowsTheQualifiers) {
    PlayToWorldCupRound(4);
    const GameData& data = Game();
    TForm78& board = driver_->screen().Create<TForm78>();
    board.Show();
    driver_->Pump();
    // After the group stage the board opens on group A.
    EXPECT_EQ(board.shown_group(), 1);
    EXPECT_EQ(driver_->Text("labdivisaoe4"), "Grupo  A ");
    // Round of 16: the winner of each group against the runner-up of its pair.
    constexpr int kPairs[8][2] = {{1, 2}, {3, 4}, {2, 1}, {4, 3}, {5, 6}, {7, 8}, {6, 5}, {8, 7}};
    for (int s = 1; s <= 8; ++s) {
        const auto winners = NationalGroupRows(data, kPairs[s - 1][0]);
        const auto runners = NationalGroupRows(data, kPairs[s - 1][1]);
        ASSERT_EQ(winners.size(), 4u);
        const std::string slot = std::to_string(s);
        EXPECT_EQ(driver_->Text("lo" + slot + "1"), data.teams[winners[0].team].name.str() + " ");
        EXPECT_EQ(driver_->Text("lo" + slot + "2"), " " + data.teams[runners[1].team].name.str());
        EXPECT_EQ(driver_->Text("po" + slot), "x");  // not played yet
    }
    // The quarter-finals are not reached: their places keep saying who meets.
    EXPECT_EQ(driver_->Text("lo91"), "vencedor jogo 1 ");
    // The group table: the teams in the close's order, every match played.
    const auto rows = NationalGroupRows(data, 1);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(driver_->Text("labnomee4" + std::to_string(r)),
                  " " + data.teams[rows[r - 1].team].name.str());
    EXPECT_EQ(driver_->Text("labresult421"), "3");  // played
    int viewed = -1;
    MatchViewOpener() = [&](int match, int side) {
        viewed = match;
        EXPECT_EQ(side, 1);
    };
    EXPECT_NE(driver_->Text("p1"), "x");
    driver_->Click("p1");
    EXPECT_GE(viewed, 0);
    driver_->Click("gr8");
    EXPECT_EQ(driver_->Text("labdivisaoe4"), "Grupo  H ");
    driver_->SavePng("national_board_800.png");
    driver_->Press(VK_ESCAPE);
    driver_->Pump();
}

TEST_F(NationalTournamentWindows, AnUnknownKnockoutTeamShowsAnEmptyPlace) {
    PlayToWorldCupRound(5);
    Game().national_tournament_bracket[0].team_a = 0;
    Game().national_tournament_bracket[8].team_b = -3;
    TForm78& board = driver_->screen().Create<TForm78>();
    board.Show();
    driver_->Pump();
    EXPECT_EQ(driver_->Text("lo11"), "");
    EXPECT_EQ(driver_->Text("lo92"), "");
    EXPECT_NE(driver_->Text("lo12"), "");
}

}  // namespace
}  // namespace kv
