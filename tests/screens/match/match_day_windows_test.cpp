// The match day on screen: the match-day window on the virtual clock, the in-match line-up, the
// penalty, injury and shoot-out windows, and the match view.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "match/automatic_decisions.h"
#include "match/knockout.h"
#include "match/match_day.h"
#include "match/match_tables.h"
#include "match/match_view_texts.h"
#include "match/penalty_kick.h"
#include "platform/window/image.h"
#include "platform/window/keys.h"
#include "platform/window/list_view.h"
#include "platform/window/screen.h"
#include "platform/window/test_driver.h"
#include "platform/window/timer.h"
#include "screens/match/match_day_window.h"
#include "screens/match/match_decision_windows.h"
#include "screens/match/match_lineup_window.h"
#include "screens/match/match_view_window.h"
#include "screens/match/shootout_window.h"
#include "screens/start/game_pictures.h"
#include "tests/match/match_day_world.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"
#include "ui/markup/markup_label.h"

namespace kv {
namespace {

// The mark-up a label or a smooth panel of the window shows.
std::string Markup(TestDriver& d, std::string_view name) {
    if (auto* panel = dynamic_cast<TUiSmoothPanel*>(&d.Get(name)))
        return panel->Caption().HTMLText();
    std::string s;
    for (const std::string& line : d.Get<TMarkupLabel>(name).HTMLLines()) s += line;
    return s;
}

// A picture of one colour.
Picture Solid(int width, int height, std::uint32_t argb) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.SetPixelARGB(x, y, argb);
    return picture;
}

bool Has(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

void ClickRow(TestDriver& d, std::string_view list_name, int row) {
    auto& list = d.Get<ListView>(list_name);
    d.ClickAt(list, {30, list.HeaderHeight() + list.RowHeight() * row + list.RowHeight() / 2});
}

using Result = std::tuple<int, int, int, int>;
std::vector<Result> ArchivedResults() {
    std::vector<Result> results;
    for (const t_archived_match& m : Game().match_archive)
        results.emplace_back(m.team[0], m.team[1], m.goals[0], m.goals[1]);
    return results;
}

class MatchDayWindowTest : public ::testing::Test {
  protected:
    // One league of 20 clubs on its first day, club 0 a human coach's. The computer line-ups are
    // drawn, so the draws start from a seed: the world is the same whatever ran before.
    void SetUp() override {
        SeedRandom(2);
        testing::BuildLeagueWorld(1, 1, 1);
        Game().game_state.halftime_window = 0;
        for (std::size_t p = 1; p < Game().players.size(); ++p)
            Game().players[p].name.set("Jogador " + std::to_string(p));
        const TColor colours[][2] = {
            {0x00A000, clWhite}, {clWhite, 0x800000}, {0x0000C0, clWhite}, {clYellow, 0x006000}};
        for (std::size_t t = 0; t < Game().teams.size(); ++t) {
            t_team& team = Game().teams[t];
            team.name.set("Clube " + std::to_string(t));
            team.back_colour = colours[t % 4][0];
            team.text_colour = colours[t % 4][1];
        }
        MatchDayHandOver() = [this] { ++hand_overs_; };
    }
    void TearDown() override {
        MatchDayHandOver() = nullptr;
        Game().Reset();
    }

    int HumanRow() const { return Game().human_match_rows[0]; }

    int hand_overs_ = 0;
};

TEST_F(MatchDayWindowTest, PlaysTheDayAtTheFastestSpeedAsTheGameWithoutWindowsDoes) {
    const GameData start = Game();
    SeedRandom(7);
    PlayWholeMatchDay();
    const std::vector<Result> headless = ArchivedResults();
    ASSERT_EQ(headless.size(), 10u);

    Game() = start;
    SeedRandom(7);
    TestDriver d;
    TForm46* form = ShowMatchDayWindow();
    d.Pump();
    d.Advance(1);  // the day starts once the window is on screen
    d.Press(VK_F6);
    EXPECT_EQ(Game().game_state.match_delay, 50);
    d.Advance(50 * 120);
    // Mid-match: the rows, the minute of the second half and the score of each row.
    EXPECT_EQ(Game().clock_tick, 120);
    EXPECT_EQ(d.Text("labtempo"), "2º tempo");
    EXPECT_EQ(d.Text("Label1"), "14'");
    EXPECT_TRUE(d.Get("labt110").Visible());
    EXPECT_FALSE(d.Get("labt111").Visible());
    const jogos& row1 = Game().day_matches[1];
    EXPECT_TRUE(Has(Markup(d, "labp11"), "<B>" + std::to_string(row1.goals[0]) + "</b>"));
    EXPECT_TRUE(Has(Markup(d, "MarkupLabel3"), "Campeonato"));
    EXPECT_FALSE(d.SavePng("match_day_window.png").empty());
    EXPECT_EQ(hand_overs_, 0);
    (void)form;

    d.Advance(50 * 80);
    EXPECT_EQ(hand_overs_, 1);
    EXPECT_EQ(ArchivedResults(), headless);
    d.Pump();
    EXPECT_EQ(d.screen().FindForm("Form46"), nullptr);
}

TEST_F(MatchDayWindowTest, WithoutTheRoundResultsTheDayClosesItsRoundAndGoesOn) {
    MatchDayHandOver() = nullptr;
    std::vector<NextScreen> next;
    MatchDayNextScreen() = [&](NextScreen screen) { next.push_back(screen); };
    const int day = Game().game_state.calendar_day;
    TestDriver d;
    ShowMatchDayWindow();
    d.Pump();
    d.Advance(1);
    d.Press(VK_F6);
    d.Advance(50 * 200);
    MatchDayNextScreen() = nullptr;
    ASSERT_EQ(next.size(), 1u);
    EXPECT_GT(Game().game_state.calendar_day, day);
    EXPECT_EQ(Game().game_state.league_round, 2);
    EXPECT_EQ(Game().match_archive.size(), 10u);
}

// The match windows, each answered as it opens: the first player listed takes the penalty or
// comes on for the injured one, and the line-up stays as it is.
class AnsweringDecisions : public WindowMatchDecisions {
  public:
    explicit AnsweringDecisions(TestDriver& d) : d_(d) {}
    PenaltyKick TakePenaltyKick(int match, int side, bool human_takes) override {
        if (human_takes)
            d_.Then([this] {
                ClickRow(d_, "ListView1", 0);
                chosen_takers.push_back(std::stoi(d_.Get<ListView>("ListView1").CellText(0, 4)));
                d_.Click("bt1");
            });
        const PenaltyKick kick = WindowMatchDecisions::TakePenaltyKick(match, side, human_takes);
        (human_takes ? taken : faced).push_back(kick);
        return kick;
    }
    int ReplaceInjuredPlayer(int match, int side, int injured) override {
        d_.Then([this] {
            if (d_.Text("bt1") == "Fechar") return d_.Click("bt1");
            ClickRow(d_, "ListView1", 0);
            d_.Click("bt1");
        });
        const int on = WindowMatchDecisions::ReplaceInjuredPlayer(match, side, injured);
        replacements.push_back(on);
        return on;
    }
    // A human player sent off: the line-up as it is.
    void ChangeLineup(int match, int side) override {
        d_.Then([this] { d_.Click("bt_irprojogo"); });
        WindowMatchDecisions::ChangeLineup(match, side);
    }
    std::vector<int> chosen_takers;
    std::vector<PenaltyKick> taken;
    std::vector<PenaltyKick> faced;
    std::vector<int> replacements;

  private:
    TestDriver& d_;
};

TEST_F(MatchDayWindowTest, PenaltiesAndInjuriesOfTheHumanClubAreDecidedInTheirWindows) {
    const GameData start = Game();
    bool penalty = false;
    bool injury = false;
    for (int seed = 1; seed <= 40 && !(penalty && injury); ++seed) {
        Game() = start;
        SeedRandom(seed);
        TestDriver d;
        AnsweringDecisions answers(d);
        d.screen().Create<TForm46>(&answers).Show();
        d.Pump();
        d.Advance(1);
        d.Press(VK_F6);
        // The decision windows take their own time on the clock: on until the day is over.
        const int handed = hand_overs_;
        for (int step = 0; step < 100 && hand_overs_ == handed; ++step) d.Advance(1000);
        ASSERT_EQ(Game().match_archive.size(), 10u) << seed;
        for (std::size_t k = 0; k < answers.taken.size(); ++k) {
            penalty = true;
            EXPECT_EQ(answers.taken[k].taker, answers.chosen_takers[k]);
        }
        for (int on : answers.replacements) {
            if (on <= 0) continue;
            injury = true;
            bool listed = false;
            for (const t_match_event& e : Game().match_event_archive)
                listed = listed || (e.kind == meInjurySubstitution && e.value == on);
            EXPECT_TRUE(listed) << on;
        }
    }
    EXPECT_TRUE(penalty);
    EXPECT_TRUE(injury);
}

TEST_F(MatchDayWindowTest, TheClockWaitsForTheWindowsItOpensAndNeverReenters) {
    Game().game_state.halftime_window = 1;
    TestDriver d;
    TForm46* form = ShowMatchDayWindow();
    d.Pump();
    d.Advance(1);
    d.Press(VK_F6);
    // Paused by Enter: time passes in the line-up window and no tick is played.
    d.Advance(50 * 3);
    int paused_at = -1;
    d.Then([&] {
        d.Advance(5000);
        paused_at = Game().clock_tick;
        d.Click("bt_irprojogo");
    });
    d.Press(VK_RETURN);
    EXPECT_EQ(paused_at, 3);
    EXPECT_TRUE(form->match_timer().Enabled());

    // The half-time line-up opens inside tick 92: a firing meanwhile starts no second tick, and
    // the clock goes on only once the tick is over.
    int during = -1;
    bool clock_during = true;
    std::string time_shown;
    d.Then([&] {
        time_shown = Markup(d, "lb_tempo");
        form->day().OnClockFired();
        d.Advance(2000);
        during = Game().clock_tick;
        clock_during = form->match_timer().Enabled();
        d.Click("bt_irprojogo");
    });
    d.Advance(50 * (92 - 3));
    EXPECT_EQ(during, 92);
    EXPECT_FALSE(clock_during);
    EXPECT_TRUE(Has(time_shown, ">I<")) << time_shown;
    EXPECT_TRUE(form->match_timer().Enabled());
    EXPECT_EQ(d.Text("labtempo"), "2º tempo");
    d.Advance(50);
    EXPECT_EQ(Game().clock_tick, 93);
    EXPECT_EQ(d.Text("labtempo"), "2º tempo");
}

// The event column is emptied at half time, so the events of the second half's first tick
// (93) stay on screen like any other.
TEST_F(MatchDayWindowTest, HalfTimeEmptiesTheEventsAndTheSecondHalfsFirstTickStays) {
    SeedRandom(7);
    TestDriver d;
    ShowMatchDayWindow();
    d.Pump();
    d.Advance(1);
    d.Press(VK_F6);
    d.Advance(50 * 91);
    ASSERT_EQ(Game().clock_tick, 91);
    const int count = Game().day_match_count;
    ASSERT_GT(count, 0);
    for (int i = 1; i <= count; ++i) Game().goal_schedule.push_back({i, 1, 93});

    d.Advance(50);
    ASSERT_EQ(Game().clock_tick, 92);
    EXPECT_EQ(d.Text("Label1"), "Intervalo");
    EXPECT_EQ(d.Text("labtempo"), "2º tempo");
    for (int row = 1; row <= count; ++row) {
        EXPECT_EQ(Markup(d, "labeven_n" + std::to_string(row)), "") << row;
        EXPECT_TRUE(d.Get<Image>("imgeven" + std::to_string(row)).GetPicture().empty()) << row;
    }

    // Within a tick the engine's own event is shown after the scheduled goals, so a row shows
    // one of its events of ticks 93 and 94, and none is wiped.
    d.Advance(50 * 2);
    ASSERT_EQ(Game().clock_tick, 94);
    int goals_of_93 = 0;
    for (int row = 1; row <= count; ++row) {
        const jogos& m = Game().day_matches[row];
        const std::string shown = Markup(d, "labeven_n" + std::to_string(row));
        bool one_of_them = false;
        for (const t_match_event& e : Game().match_events) {
            if (e.match != row || e.tick < 93) continue;
            goals_of_93 += e.tick == 93 && IsGoalEvent(e.kind) ? 1 : 0;
            one_of_them =
                one_of_them || shown == EventRowMarkup(e, e.team == m.team[0],
                                                       Game().game_state.bold_home_events != 0);
        }
        EXPECT_TRUE(one_of_them) << row << ": " << shown;
        EXPECT_FALSE(d.Get<Image>("imgeven" + std::to_string(row)).GetPicture().empty()) << row;
    }
    EXPECT_GT(goals_of_93, 0);
}

TEST_F(MatchDayWindowTest, ASubstitutionInTheInMatchLineupChangesThePlayersOnThePitch) {
    TestDriver d;
    TForm46* form = ShowMatchDayWindow();
    d.Pump();
    d.Advance(1 + 300 * 10);
    const int row = HumanRow();
    ASSERT_GT(row, 0);
    const jogos& m = Game().day_matches[row];
    const int side = IsHumanTeam(m.team[0]) ? 0 : 1;
    t_match_strength& s = Game().match_strengths[m.strength_slot[side]];
    const int off = s.players[4];
    const int on = s.bench[0];
    ASSERT_GT(on, 0);
    d.Then([&] {
        EXPECT_EQ(d.Get("bt_irprojogo").Caption(), "Voltar ao jogo >>");
        EXPECT_TRUE(d.Get("comboej").Visible());  // a human team shows its tactics combos
        d.DragTo(d.Get("camisa12"), d.Get("camisa5"));
        EXPECT_EQ(s.players[4], on);
        EXPECT_TRUE(IsOnPitch(on));
        EXPECT_FALSE(IsOnPitch(off));
        EXPECT_EQ(s.bench[0], -1);
        EXPECT_EQ(m.subs_left[side], 2);
        EXPECT_TRUE(Has(Markup(d, "teste"),
                        "(Jogador " + std::to_string(off) + ") Jogador " + std::to_string(on)));
        EXPECT_FALSE(d.SavePng("match_lineup_window.png").empty());
        // The other side, a computer team: its tactics as text, nothing to drag.
        d.Click("nometime" + std::to_string(2 - side));
        EXPECT_FALSE(d.Get("comboej").Visible());
        EXPECT_EQ(d.Get("camisa5").drag_mode, dmManual);
        d.Click("bt_irprojogo");
    });
    d.Press(VK_RETURN);
    const t_match_event& last = Game().match_events.back();
    EXPECT_EQ(last.kind, meSubstitution);
    EXPECT_EQ(last.value, on);
    EXPECT_TRUE(Has(d.Get<TMarkupLabel>("labeven_n" + std::to_string(row)).HTMLLines().front(),
                    "Jogador " + std::to_string(on)));
    EXPECT_TRUE(form->match_timer().Enabled());
    const int tick = Game().clock_tick;
    d.Advance(300);
    EXPECT_EQ(Game().clock_tick, tick + 1);
}

TEST_F(MatchDayWindowTest, NoSubstitutionLeftShowsTheLimitAndChangesNothing) {
    TestDriver d;
    ShowMatchDayWindow();
    d.Pump();
    d.Advance(1 + 300 * 2);
    jogos& m = Game().day_matches[HumanRow()];
    const int side = IsHumanTeam(m.team[0]) ? 0 : 1;
    m.subs_left[side] = 0;
    const t_match_strength& s = Game().match_strengths[m.strength_slot[side]];
    const int before = s.players[4];
    d.Then([&] {
        d.AnswerModal(mrOk);
        d.DragTo(d.Get("camisa12"), d.Get("camisa5"));
        d.Click("bt_irprojogo");
    });
    d.Press(VK_SPACE);
    ASSERT_FALSE(d.Messages().empty());
    EXPECT_EQ(d.Messages().back(), "Já foram realizadas o número limite de substituições.");
    EXPECT_EQ(s.players[4], before);
}

TEST_F(MatchDayWindowTest, AClickOnAComputerMatchShowsItsLineup) {
    TestDriver d;
    TForm46* form = ShowMatchDayWindow();
    d.Pump();
    d.Advance(1 + 300 * 4);
    const int row = HumanRow() == 1 ? 2 : 1;
    const jogos& m = Game().day_matches[row];
    std::string home;
    bool combos = true;
    d.Then([&] {
        home = d.Text("nometime1");
        combos = d.Get("comboej").Visible();
        d.Click("bt_irprojogo");
    });
    d.Click("labt2" + std::to_string(row));
    EXPECT_EQ(home, Game().teams[m.team[0]].name.str());
    EXPECT_FALSE(combos);  // a computer team's tactics are shown, not offered
    EXPECT_TRUE(form->match_timer().Enabled());
}

TEST(MatchDayWindowDivisions, TheLinksShowAnotherDivisionInTheSecondBlock) {
    testing::BuildLeagueWorld(1, 4, 0);
    TestDriver d(800, 600);  // the window scales its rows to a smaller screen
    TForm46* form = ShowMatchDayWindow();
    d.Pump();
    d.Advance(1);
    ASSERT_EQ(Game().day_match_count, 40);
    auto shown = [&](int row) { return d.Exists("labt1" + std::to_string(row)); };
    EXPECT_TRUE(shown(1) && shown(10) && shown(11) && shown(20));
    EXPECT_FALSE(shown(21) || shown(31));
    const int top = d.Get("labt111").Top();
    d.Click("labvn3");
    EXPECT_EQ(form->shown_division(), 3);
    EXPECT_FALSE(shown(11) || shown(31));
    EXPECT_TRUE(shown(21) && shown(30));
    EXPECT_EQ(d.Get("labt121").Top(), top);
    EXPECT_TRUE(Has(Markup(d, "lab_div2"), "3ª divisão"));
    // The link of the division on show is no longer a link; the others are.
    EXPECT_FALSE(Has(Markup(d, "labvn3"), "<a "));
    EXPECT_TRUE(Has(Markup(d, "labvn2"), "<a ") && Has(Markup(d, "labvn4"), "<a "));
    EXPECT_EQ(d.Get("labvn3").cursor, crDefault);
    EXPECT_EQ(d.Get("labvn2").cursor, crHandPoint);
    EXPECT_FALSE(d.SavePng("match_day_window_divisions.png").empty());
    Game().Reset();
}

// A world-cup knock-out day: two national teams whose countries have flags.
TEST(MatchDayWindowPictures, NationalTeamsShowFlagsAndFramesTheirPicture) {
    testing::StartMatchDay();
    GameData& gd = Game();
    const int home = testing::AddTeam();
    const int away = testing::AddTeam();
    gd.teams[home].country = 29;
    gd.teams[away].country = 3;
    testing::AddDayMatch(home, away);
    gd.day_match_count = 1;
    gd.game_state.match_kind = ckWorldCup;
    gd.game_state.tournament_round = 4;
    std::vector<Picture>& flags = flag_pictures();
    flags.assign(kFlagPictureEntries, Picture{});
    for (const auto& [country, colour] : {std::pair{29, 0xFF00A000u}, std::pair{3, 0xFF202020u}})
        flags[country] = Solid(20, 14, colour);
    // The frames' picture, img\f03.png of the game folder.
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "match_day_frame_picture";
    std::filesystem::create_directories(folder / "img");
    const Picture frame = Solid(40, 10, 0xFF0000FFu);
    ASSERT_EQ(cairo_surface_write_to_png(frame.surface(), (folder / "img" / "f03.png").c_str()),
              CAIRO_STATUS_SUCCESS);
    SetGameFolder(folder.string());

    TestDriver d(1280, 800);
    TForm46& form = d.screen().Create<TForm46>();
    form.GroupStarted("Copa do Mundo - Oitavas de final", true);
    form.Show();
    d.Pump();
    const Picture& home_flag = d.Get<Image>("esc11").GetPicture();
    const Picture& away_flag = d.Get<Image>("esc21").GetPicture();
    ASSERT_EQ(home_flag.width(), 20);
    EXPECT_EQ(home_flag.PixelARGB(10, 7), 0xFF00A000u);
    ASSERT_EQ(away_flag.width(), 20);
    EXPECT_EQ(away_flag.PixelARGB(10, 7), 0xFF202020u);
    const Picture& picture = d.Get<Image>("img_main1").GetPicture();
    ASSERT_EQ(picture.width(), 40);
    EXPECT_EQ(picture.PixelARGB(20, 5), 0xFF0000FFu);
    // The last event's text is written at 11 points on a screen 1,024 wide, scaled.
    EXPECT_EQ(d.Get("labeven_n1").font().size, 11 * 1280 / 1024);
    d.SavePng("match_day_window_national_flags.png");

    // A club day keeps the crests: the same teams show no flag.
    gd.game_state.match_kind = ckFriendly;
    form.GroupStarted("Amistosos", true);
    EXPECT_TRUE(d.Get<Image>("esc11").GetPicture().empty());
    flags.clear();
    SetGameFolder("");
    Game().Reset();
}

// The second leg of a state final: the in-match line-up shows the first final's score, kept by
// the state, under the match's heading; the round before the final shows no first leg.
TEST(MatchLineupWindowFirstLeg, AStateFinalsSecondLegShowsTheFirstFinal) {
    testing::StartMatchDay();
    GameData& gd = Game();
    const int human = testing::AddTeam(true);
    const int winner = testing::AddTeam();
    for (const int team : {human, winner}) {
        testing::AddSquad(team, 70);
        ChooseComputerLineup(team);
    }
    gd.teams[human].name.set("Atlético");
    gd.teams[winner].name.set("Porto");
    const int match = testing::AddDayMatch(winner, human);  // the group winner at home today
    gd.game_state.match_kind = ckStateChampionship;
    gd.state_position = 4;
    t_state_league& state = gd.state_leagues[4];
    state.finalist_a = winner;
    state.finalist_b = human;
    state.final_goals_a1 = 3;
    state.final_goals_b1 = 0;
    for (const int round : {6, 7}) {
        SCOPED_TRACE(round);
        gd.game_state.state_league_round = round;
        TestDriver d(1024, 768);
        TForm88& form = d.screen().Create<TForm88>(match, 2);
        form.Show();
        d.Pump();
        const std::string first_leg = Markup(d, "lb_primeiro");
        EXPECT_EQ(d.Get("lb_primeiro").Visible(), round == 7);
        if (round == 7) {
            EXPECT_TRUE(Has(first_leg, "Primeiro Jogo"));
            EXPECT_LT(first_leg.find("Atlético"), first_leg.find("Porto"));
            d.SavePng("match_lineup_state_final_first_leg.png");
        }
        form.Release();
        d.Pump();
    }
    Game().Reset();
}

// The in-match line-up shows both clubs' names shaded from their back colour to their text
// colour, both crests, and a computer away club whose kit is the home club's colour wears its
// second kit on the pitch.
TEST(MatchLineupWindowPictures, NamesCrestsAndTheSecondKitOfAClashingComputerAwayClub) {
    testing::StartMatchDay();
    GameData& gd = Game();
    const int human = testing::AddTeam(true);
    const int computer = testing::AddTeam();
    for (const int team : {human, computer}) {
        testing::AddSquad(team, 70);
        ChooseComputerLineup(team);
        gd.teams[team].kit_colour = 0x0000C0;
    }
    gd.game_state.league_club_count = static_cast<int>(gd.teams.size());
    gd.teams[human].name.set("Atlético");
    gd.teams[human].back_colour = 0x00D7FF;
    gd.teams[human].text_colour = 0xFFFFFF;
    gd.teams[human].picture_name.set("casa");
    gd.teams[computer].picture_name.set("fora");
    const int match = testing::AddDayMatch(human, computer);

    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / "match_lineup_pictures";
    auto write = [&](const std::filesystem::path& file, std::uint32_t colour) {
        std::filesystem::create_directories(file.parent_path());
        const Picture picture = Solid(20, 20, colour);
        ASSERT_EQ(cairo_surface_write_to_png(picture.surface(), file.c_str()),
                  CAIRO_STATUS_SUCCESS);
    };
    write(folder / "teams" / "escudos" / "casa.png", 0xFF00A000u);
    write(folder / "teams" / "escudos" / "fora.png", 0xFFA00000u);
    write(folder / "teams" / "camisas" / "fora.png", 0xFFC00000u);
    write(folder / "teams" / "camisas2" / "fora.png", 0xFFFFFFFFu);
    SetGameFolder(folder.string());

    TestDriver d(1024, 768);
    TForm88& form = d.screen().Create<TForm88>(match, 2);
    form.Show();
    d.Pump();
    auto& name = d.Get<TUiSmoothLabel>("nometime1");
    EXPECT_EQ(name.Caption().GradientType(), gtVertical);
    EXPECT_EQ(name.Caption().ColorStart(), 0x00D7FF);
    EXPECT_EQ(name.Caption().ColorEnd(), 0xFFFFFF);
    EXPECT_EQ(d.Get<TUiSmoothLabel>("nometime_s1").Caption().ColorStart(), clBlack);
    EXPECT_EQ(d.Get<TUiSmoothLabel>("nometime1").Caption().Text(), "Atlético");
    const Picture& home_crest = d.Get<Image>("esc1").GetPicture();
    const Picture& away_crest = d.Get<Image>("esc2").GetPicture();
    ASSERT_EQ(home_crest.width(), 20);
    EXPECT_EQ(home_crest.PixelARGB(10, 10), 0xFF00A000u);
    ASSERT_EQ(away_crest.width(), 20);
    EXPECT_EQ(away_crest.PixelARGB(10, 10), 0xFFA00000u);
    const Picture& shirt = d.Get<Image>("camisa5").GetPicture();
    ASSERT_EQ(shirt.width(), 20);
    EXPECT_EQ(shirt.PixelARGB(10, 10), 0xFFFFFFFFu) << "the second kit";
    d.SavePng("match_lineup_crests_and_second_kit.png");
    form.Release();
    d.Pump();

    // Colours that do not clash keep the first kit.
    gd.teams[computer].kit_colour = 0x00C000;
    TForm88& again = d.screen().Create<TForm88>(match, 2);
    again.Show();
    d.Pump();
    ASSERT_EQ(d.Get<Image>("camisa5").GetPicture().width(), 20);
    EXPECT_EQ(d.Get<Image>("camisa5").GetPicture().PixelARGB(10, 10), 0xFFC00000u);
    again.Release();
    d.Pump();
    SetGameFolder("");
    Game().Reset();
}

// One match between a human club (home) and a computer club, line-ups chosen and on the pitch.
class DecisionWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::StartMatchDay();
        GameData& gd = Game();
        home_ = testing::AddTeam(true);
        away_ = testing::AddTeam(false);
        gd.teams[home_].name.set("Atlético Serrano");
        gd.teams[away_].name.set("Porto Claro");
        for (int t : {home_, away_}) {
            testing::AddSquad(t, 70);
            ChooseComputerLineup(t);
        }
        for (std::size_t p = 1; p < gd.players.size(); ++p) {
            gd.players[p].name.set("Jogador " + std::to_string(p));
            gd.players[p].on_pitch = 0;
        }
        for (int t : {home_, away_})
            for (int p : Strength(t).players)
                if (p > 0) gd.players[p].on_pitch = 1;
        testing::AddDayMatch(home_, away_);
        gd.day_match_count = 1;
        gd.game_state.league_club_count = static_cast<int>(gd.teams.size());
        SeedRandom(3);
    }
    void TearDown() override { Game().Reset(); }
    t_match_strength& Strength(int team) {
        return Game().match_strengths[Game().teams[team].match_strength_index];
    }

    int home_ = -1;
    int away_ = -1;
    WindowMatchDecisions decisions_;
    TestDriver d_;
};

TEST_F(DecisionWindowsTest, TheHumanCoachChoosesHisPenaltyTaker) {
    int chosen = 0;
    d_.Then([&] {
        auto& list = d_.Get<ListView>("ListView1");
        EXPECT_EQ(list.Count(), 11);
        EXPECT_FALSE(d_.Get("bt1").Enabled());  // no taker chosen yet
        d_.Press(VK_ESCAPE);                    // keys do not close it
        ClickRow(d_, "ListView1", 10);
        ASSERT_EQ(list.ItemIndex(), 10);
        chosen = std::stoi(list.CellText(10, 4));
        EXPECT_TRUE(d_.Get("bt1").Enabled());
        EXPECT_FALSE(d_.SavePng("penalty_window.png").empty());
        d_.Click("bt1");
    });
    const PenaltyKick kick = decisions_.TakePenaltyKick(1, 1, true);
    EXPECT_EQ(kick.taker, chosen);
    EXPECT_TRUE(kick.kind == 1 || kick.kind == 2);
}

TEST_F(DecisionWindowsTest, AComputerPenaltyAgainstTheHumanTeamPlaysItself) {
    std::string lead_in;
    d_.Then([&] {
        lead_in = d_.Text("Label1");
        EXPECT_FALSE(d_.SavePng("penalty_faced_window.png").empty());
    });
    const PenaltyKick kick = decisions_.TakePenaltyKick(1, 2, false);
    EXPECT_EQ(kick.taker, ComputerPenaltyTaker(Game().teams[away_].match_strength_index));
    EXPECT_TRUE(kick.kind == 1 || kick.kind == 2);
    EXPECT_TRUE(Has(lead_in, "Jogador " + std::to_string(kick.taker))) << lead_in;
}

// A kick told in its window ends as the game without windows decides it, after the same draws:
// what the windows say is drawn apart, so the game played through them stays the same game.
TEST_F(DecisionWindowsTest, AKickToldInItsWindowEndsAsTheGameWithoutWindowsDecidesIt) {
    AutomaticDecisions automatic;
    int goals = 0;
    int misses = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed)
        for (const bool human_takes : {true, false}) {
            const int side = human_takes ? 1 : 2;
            SeedRandom(seed);
            const PenaltyKick expected = automatic.TakePenaltyKick(1, side, human_takes);
            const std::uint64_t drawn = RandomState();
            // The coach sends up the computer's taker.
            if (human_takes)
                d_.Then([&] {
                    auto& list = d_.Get<ListView>("ListView1");
                    for (int row = 0; row < list.Count(); ++row)
                        if (list.CellText(row, 4) == std::to_string(expected.taker))
                            ClickRow(d_, "ListView1", row);
                    d_.Click("bt1");
                });
            SeedRandom(seed);
            const PenaltyKick kick = decisions_.TakePenaltyKick(1, side, human_takes);
            EXPECT_EQ(kick.taker, expected.taker) << seed;
            EXPECT_EQ(kick.kind, expected.kind) << seed;
            EXPECT_EQ(RandomState(), drawn) << seed;
            (kick.kind == 1 ? goals : misses) += 1;
        }
    EXPECT_GT(goals, 0);
    EXPECT_GT(misses, 0);
}

TEST_F(DecisionWindowsTest, AnInjuredGoalkeeperIsReplacedByAnImprovisedOutfieldPlayer) {
    t_match_strength& s = Strength(home_);
    for (int& place : s.bench)
        if (place > 0 && Game().players[place].position == 0) place = 0;
    const int keeper = s.players[10];
    int offered = 0;
    d_.Then([&] {
        EXPECT_EQ(d_.Text("Label3"), "Improvisar como goleiro:");
        EXPECT_FALSE(d_.Get("bt1").Enabled());
        ClickRow(d_, "ListView1", 0);
        offered = std::stoi(d_.Get<ListView>("ListView1").CellText(0, 4));
        EXPECT_FALSE(d_.SavePng("injury_window.png").empty());
        d_.Click("bt1");
    });
    EXPECT_EQ(decisions_.ReplaceInjuredPlayer(1, 1, keeper), offered);
    EXPECT_GT(offered, 0);

    // With the bench used up the coach can only close, and the team plays on one short.
    for (int& place : s.bench) place = place > 0 ? -1 : place;
    d_.Then([&] {
        EXPECT_EQ(d_.Text("bt1"), "Fechar");
        d_.Click("bt1");
    });
    EXPECT_EQ(decisions_.ReplaceInjuredPlayer(1, 1, s.players[0]), -1);
    EXPECT_EQ(Game().day_matches[1].subs_left[0], 0);
    // The game without windows follows the same rule.
    Game().day_matches[1].subs_left[0] = 2;
    EXPECT_EQ(AutomaticDecisions().ReplaceInjuredPlayer(1, 1, s.players[0]), -1);
    EXPECT_EQ(Game().day_matches[1].subs_left[0], 0);
}

// A human club's shoot-out left to "Automático", or its order window closed unanswered, ends
// as the game without windows plays it, kick for kick with the same draws.
TEST_F(DecisionWindowsTest, AShootoutLeftToTheProposalsEndsAsTheGameWithoutWindowsPlaysIt) {
    for (const bool answered : {true, false}) {
        SeedRandom(21);
        const std::optional<ShootoutScore> expected = AutomaticDecisions().PlayShootout(home_, away_);
        const std::uint64_t drawn = RandomState();
        ASSERT_TRUE(expected);
        d_.Then([&] {
            if (!answered) return d_.screen().TopForm()->Close();
            d_.Click("bt1");
            d_.Then([&] {
                while (!d_.Get("labvenc").Caption().size()) d_.Advance(500);
            });
            d_.Click("btp");
        });
        SeedRandom(21);
        const std::optional<ShootoutScore> score = decisions_.PlayShootout(home_, away_);
        ASSERT_TRUE(score) << answered;
        EXPECT_EQ(score->goals_a, expected->goals_a) << answered;
        EXPECT_EQ(score->goals_b, expected->goals_b) << answered;
        EXPECT_EQ(RandomState(), drawn) << answered;
    }
}

TEST_F(DecisionWindowsTest, ACupTieIsDecidedByAShootoutTakenThroughTheWindows) {
    GameData& gd = Game();
    gd.game_state.match_kind = ckNationalCup;
    // The first leg at the human club's ground; today's second leg at the other's.
    testing::AddFixture(ckNationalCup, 2, home_, away_);
    gd.day_matches[1].team[0] = away_;
    gd.day_matches[1].team[1] = home_;
    std::swap(gd.day_matches[1].strength_slot[0], gd.day_matches[1].strength_slot[1]);
    int first_taker = 0;
    std::string winner_line;
    d_.Then([&] {
        EXPECT_EQ(d_.Text("nometime"), "Atlético Serrano");
        EXPECT_FALSE(d_.Get("btp").Enabled());
        ClickRow(d_, "ListView1", 10);  // the forward listed last kicks first
        first_taker = std::stoi(d_.Get<ListView>("ListView1").CellText(10, 4));
        d_.Click("SchemeButton2");
        d_.Click("bt1");
        EXPECT_EQ(d_.Get<ListView>("ListView2").Count(), 11);
        EXPECT_TRUE(d_.Get("btp").Enabled());
        EXPECT_FALSE(d_.SavePng("shootout_order_window.png").empty());
        d_.Then([&] {
            // The kicks play on their own; once a winner is known nothing more is kicked.
            while (!d_.Get("labvenc").Caption().size()) d_.Advance(500);
            winner_line = d_.Text("labvenc");
            EXPECT_FALSE(d_.SavePng("shootout_window.png").empty());
        });
        d_.Click("btp");
    });
    const int winner = DecideTieByPenalties(0, &decisions_);
    const t_fixture& f = gd.fixtures[0];
    EXPECT_NE(f.home_penalties, f.away_penalties);
    EXPECT_EQ(winner, f.home_penalties > f.away_penalties ? 1 : 2);
    EXPECT_EQ(winner_line,
              (winner == 1 ? "Atlético Serrano" : "Porto Claro") + std::string(" venceu."));
    EXPECT_EQ(ShootoutTakerLists()[0][0], first_taker);
    EXPECT_TRUE(gd.day_matches[1].on_penalties);
    EXPECT_EQ(gd.day_matches[1].shootout_goals[0], f.home_penalties);
}

TEST_F(DecisionWindowsTest, TwoHumanCoachesChooseTheirOrdersOneAfterTheOther) {
    GameData& gd = Game();
    gd.game_state.match_kind = ckNationalCup;
    gd.teams[away_].human = 1;
    testing::AddFixture(ckNationalCup, 2, home_, away_);
    std::vector<std::string> choosing;
    d_.Then([&] {
        choosing.push_back(d_.Text("nometime"));
        d_.Click("bt1");
        d_.Click("btp");
        choosing.push_back(d_.Text("nometime"));
        EXPECT_EQ(Game().shootout_order_turn, 2);
        EXPECT_EQ(d_.Get<ListView>("ListView2").Count(), 0);
        EXPECT_FALSE(d_.Get("btp").Enabled());
        d_.Click("bt1");
        d_.Click("btp");
    });
    const int winner = DecideTieByPenalties(0, &decisions_);
    EXPECT_EQ(choosing, (std::vector<std::string>{"Atlético Serrano", "Porto Claro"}));
    EXPECT_TRUE(winner == 1 || winner == 2);
    // Each order is its coach's: "Automático" takes the listing from its end, forwards first.
    for (int side = 0; side < 2; ++side) {
        const t_match_strength& s = Strength(side == 0 ? home_ : away_);
        EXPECT_EQ(ShootoutTakerLists()[side][10], s.players[10]);
    }
}

TEST_F(DecisionWindowsTest, TheMatchViewListsGoalsCardsAndSubstitutions) {
    GameData& gd = Game();
    gd.game_state.match_kind = ckNationalLeague;
    gd.teams[home_].stadium.set("Estádio da Serra");
    t_archived_match& a = AppendRecord(gd.match_archive);
    a.team[0] = home_;
    a.team[1] = away_;
    a.goals[0] = 2;
    a.goals[1] = 1;
    a.attendance = 12345;
    for (int s = 0; s < 2; ++s) {
        const t_match_strength& st = Strength(s == 0 ? home_ : away_);
        for (int slot = 0; slot < 11; ++slot) {
            a.lineup[s][slot] = st.players[slot];
            a.positions[s][slot] = st.slot_positions[slot];
        }
        a.stats[s][0] = 50;
    }
    const t_match_strength& h = Strength(home_);
    const t_match_strength& w = Strength(away_);
    auto add = [&](int kind, int team, int player, int value, int tick) {
        gd.match_event_archive.push_back({kind, team, player, value, tick, 0});
    };
    add(meGoal, home_, h.players[9], 0, 30);
    add(meCard, away_, w.players[3], 1, 60);
    add(meGoal, away_, w.players[8], 0, 100);
    add(meSubstitution, home_, h.players[5], h.bench[0], 140);
    add(mePenaltyGoal, home_, h.players[9], 0, 170);
    auto name = [](int p) { return "Jogador " + std::to_string(p); };
    d_.Then([&] {
        const std::string events = Markup(d_, "teste");
        EXPECT_TRUE(Has(events, "1x0 - " + name(h.players[9]) + " - 15' - 1º")) << events;
        EXPECT_TRUE(Has(events, "<IMG src=\"i_ca\">")) << events;
        EXPECT_TRUE(Has(events, "1x1 - " + name(w.players[8])));
        EXPECT_TRUE(Has(events, "(" + name(h.players[5]) + ") " + name(h.bench[0]) + " 24' - 2º"));
        EXPECT_TRUE(Has(events, "2x1 - " + name(h.players[9]) + " - 39' - 2º (de penalti)"));
        EXPECT_TRUE(Has(Markup(d_, "lb_pub"), "pagantes"));
        EXPECT_TRUE(Has(Markup(d_, "info1"), "Formação inicial:Atlético Serrano"));
        auto* view = static_cast<TForm52*>(d_.screen().FindForm("Form52"));
        ASSERT_NE(view, nullptr);
        d_.Click("MarkupLabel1");
        EXPECT_TRUE(d_.Get("labstats").Visible());
        EXPECT_TRUE(Has(Markup(d_, "labstats"), "50%"));
        EXPECT_FALSE(d_.SavePng("match_view_window.png").empty());
        d_.Click("nometime2");
        EXPECT_EQ(view->shown_side(), 2);
        EXPECT_TRUE(Has(Markup(d_, "info1"), "Porto Claro"));
        d_.Click("bt_irprojogo");
    });
    ShowMatchView(0);
    EXPECT_EQ(d_.screen().FindForm("Form52"), nullptr);
}

}  // namespace
}  // namespace kv
