// The competition screens on games played headless from the sample database.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/picture_paths.h"
#include "core/table_index.h"
#include "core/text_tables.h"
#include "game/competition_screens.h"
#include "game/headless_game.h"
#include "platform/gfx/canvas.h"
#include "platform/window/combo_box.h"
#include "platform/window/keys.h"
#include "platform/window/scroll_box.h"
#include "platform/window/test_driver.h"
#include "screens/main/best_eleven_window.h"
#include "screens/main/competition_window_parts.h"
#include "screens/main/cup_bracket_window.h"
#include "screens/main/fixtures_window.h"
#include "screens/main/round_results_window.h"
#include "screens/main/season_review_window.h"
#include "screens/main/second_phase_window.h"
#include "screens/main/tables_window.h"
#include "screens/start/game_pictures.h"
#include "screens/start/program_pictures.h"
#include "season/fixture_list.h"
#include "ui/grid/report_grid.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/picture_container.h"

namespace kv {
namespace {

class CompetitionWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
        LoadFlagPictures(ProgramPicture("bandeira"));
        LoadBackgroundBitmap();
    }
    void TearDown() override {
        MatchViewOpener() = nullptr;
        RoundResultsNextScreen() = nullptr;
        SeasonReviewNextScreen() = nullptr;
        driver_.reset();
        SetGameFolder("");
        Game().Reset();
    }

    HeadlessGame& NewGame(std::vector<int> countries, bool state_championships = false,
                          bool cups = true, int league_format = kDivisionsOf10) {
        HeadlessSetup setup;
        setup.teams_folder = KORVANEL_SAMPLE_TEAMS;
        setup.seed = 35;
        setup.countries = std::move(countries);
        setup.state_championships = state_championships;
        setup.cups = cups;
        setup.tournaments = false;
        setup.league_format = league_format;
        game_ = std::make_unique<HeadlessGame>();
        EXPECT_EQ(game_->StartNewGame(setup), "");
        return *game_;
    }
    // Plays on to the round results of the next day of that kind; false when none comes.
    bool PlayToResultsOf(int kind, int at_most = 120) {
        for (int round = 0; round < at_most; ++round) {
            game_->PlayToResults();
            if (Game().game_state.match_kind == kind) return true;
            game_->PlayRound();
        }
        return false;
    }
    template <class T, class... Args>
    T& Open(int width, int height, Args&&... args) {
        driver_ = std::make_unique<TestDriver>(width, height);
        T& form = driver_->screen().Create<T>(std::forward<Args>(args)...);
        form.Show();
        driver_->Pump();
        return form;
    }
    void Snapshot(const std::string& name) {
        driver_->SavePng(name + "_" + std::to_string(driver_->screen().Width()) + ".png");
    }

    std::unique_ptr<HeadlessGame> game_;
    std::unique_ptr<TestDriver> driver_;
};

double Today() {
    const GameData& data = Game();
    return data.calendar[data.game_state.calendar_day - 1].date;
}

TEST_F(CompetitionWindows, RoundResultsListTheDaysResultsOfEachCompetition) {
    NewGame({29, 3});
    for (const int kind : {ckNationalLeague, ckNationalCup}) {
        SCOPED_TRACE(kind);
        ASSERT_TRUE(PlayToResultsOf(kind));
        TForm67& form = Open<TForm67>(800, 600);
        auto& leagues = driver_->Get<ComboBox>("combopais");
        auto& grid = driver_->Get<TReportGrid>("grid1");
        int shown = 0;
        for (int item = 0; item < std::max(1, leagues.Count()); ++item) {
            if (leagues.Count() > 0) {
                leagues.SetItemIndex(item);
                leagues.on_change();
            }
            const std::vector<int> day = DayResults(Game(), kind, form.group(), Today());
            std::vector<int> listed;
            for (int row = 0; row < grid.GetRowCount(); ++row) {
                const int match = std::stoi(grid.GetCellTextByVariant("id", row));
                if (match < 0) continue;
                listed.push_back(match);
                const t_archived_match& m = Game().match_archive[match];
                EXPECT_EQ(grid.GetCellTextByVariant("casa", row),
                          Game().teams[m.team[0]].name.str());
                EXPECT_EQ(grid.GetCellTextByVariant("placar", row),
                          std::to_string(m.goals[0]) + "x" + std::to_string(m.goals[1]));
            }
            EXPECT_EQ(listed, day);
            shown += static_cast<int>(listed.size());
            if (kind == ckNationalLeague && !listed.empty()) {
                EXPECT_EQ(grid.GetCellTextByVariant("casa", 0), "1ª divisão");
            }
        }
        EXPECT_GT(shown, 0);
        // The first match is shown in detail.
        ASSERT_GE(form.shown_match(), 0);
        const t_archived_match& first = Game().match_archive[form.shown_match()];
        EXPECT_EQ(driver_->Text("Label5"),
                  std::to_string(first.goals[0]) + " x " + std::to_string(first.goals[1]));
        Snapshot(kind == ckNationalLeague ? "round_results_league" : "round_results_cup");

        // A double click on a match row opens the match view of that match.
        std::vector<std::pair<int, int>> opened;
        MatchViewOpener() = [&opened](int match, int side) { opened.emplace_back(match, side); };
        // The last match row, so that the click moves the selection.
        int row = static_cast<int>(form.rows().size()) - 1;
        while (form.rows()[row].match < 0) --row;
        const Rect r = grid.GetRowRect(row);
        // Two clicks on the same place make a double click.
        for (int click = 0; click < 2; ++click)
            driver_->ClickAt(grid, {r.left + 60, (r.top + r.bottom) / 2});
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.back().second, 1);
        EXPECT_EQ(grid.SelectedRow(), row);
        EXPECT_EQ(opened.back().first, form.rows()[row].match);

        if (kind == ckNationalLeague) {
            driver_.reset();
            continue;
        }
        // "Continuar >>" closes the round and names the next screen.
        std::vector<NextScreen> next;
        RoundResultsNextScreen() = [&next](NextScreen screen) { next.push_back(screen); };
        const int day = Game().game_state.calendar_day;
        driver_->Click("bt3");
        ASSERT_EQ(next.size(), 1u);
        EXPECT_GT(Game().game_state.calendar_day, day);
    }
}

// Every goal and card of a busy match can be read: each text is as tall as its lines, none
// covers another, and what does not fit the window's space scrolls into view.
TEST_F(CompetitionWindows, RoundResultsShowEveryGoalAndCardOfABusyMatch) {
    NewGame({29});
    ASSERT_TRUE(PlayToResultsOf(ckNationalLeague));
    GameData& data = Game();
    TForm67& form = Open<TForm67>(800, 600);
    const int a = form.shown_match();
    ASSERT_GE(a, 0);
    const t_archived_match& m = data.match_archive[a];
    auto player_of = [&data](int team) {
        for (int p = 1; p < static_cast<int>(data.players.size()); ++p)
            if (data.players[p].team == team) return p;
        return 0;
    };
    std::erase_if(data.match_event_archive, [a](const t_match_event& e) { return e.match == a; });
    // 4x3 with three cards, two of them the home side's.
    for (const int side : {0, 1, 0, 1, 0, 1, 0})
        data.match_event_archive.push_back(
            {meGoal, m.team[side], player_of(m.team[side]), -1, 20 + 20 * side, a});
    for (const int side : {0, 0, 1})
        data.match_event_archive.push_back(
            {meCard, m.team[side], player_of(m.team[side]), 1, 100, a});
    form.ShowMatch(a);
    driver_->Pump();

    constexpr int kLine = 11;  // the least height of a line of 8-point text
    const struct {
        const char* label;
        int lines;
    } texts[] = {{"l_gols", 7}, {"card1", 3}, {"card2", 2}};  // the cards after a blank line
    auto& goals = driver_->Get<TMarkupLabel>("l_gols");
    for (const auto& t : texts) {
        SCOPED_TRACE(t.label);
        auto& label = driver_->Get<TMarkupLabel>(t.label);
        EXPECT_GE(label.Height(), t.lines * kLine);
        if (&label != &goals) {
            EXPECT_EQ(label.Parent(), goals.Parent());
            EXPECT_GE(label.Top(), goals.Top() + goals.Height());
        }
    }
    // Scrolled to its end, the box shows the last lines; it stays above the buttons.
    auto* box = dynamic_cast<ScrollBox*>(goals.Parent());
    ASSERT_NE(box, nullptr);
    EXPECT_LE(box->Top() + box->Height(), driver_->Get("bt3").Top());
    EXPECT_EQ(box->ScrollPos(), 0);
    Snapshot("round_results_busy_match");
    box->SetScrollPos(10000);
    driver_->Pump();
    for (const auto& t : texts) {
        const Control& label = driver_->Get(t.label);
        EXPECT_LE(label.Top() + label.Height() - box->ScrollPos(), box->ClientArea().height())
            << t.label;
    }
    // Another match starts at its first goal again.
    form.ShowMatch(a);
    EXPECT_EQ(box->ScrollPos(), 0);
}

// On a state-championship day the heading names the state listed, and follows the selector.
TEST_F(CompetitionWindows, RoundResultsHeadingNamesTheStateListed) {
    NewGame({29}, true, false);
    ASSERT_TRUE(PlayToResultsOf(ckStateChampionship));
    const GameData& data = Game();
    TForm67& form = Open<TForm67>(800, 600);
    auto& states = driver_->Get<ComboBox>("combo1");
    ASSERT_GE(states.Count(), 2);
    std::set<std::string> headings;
    for (int item = states.Count() - 1; item >= 0; --item) {
        states.SetItemIndex(item);
        states.on_change();
        const std::string heading = driver_->Text("lcamp");
        EXPECT_EQ(heading,
                  "Campeonato " + std::string(state_names[form.group()]) + data.results_round_text);
        headings.insert(heading);
    }
    EXPECT_EQ(headings.size(), static_cast<std::size_t>(states.Count()));
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// The pictures of the mark-up, as the label draws them: the label painted with its picture
// container differs from the label painted without it.
int PixelsThePicturesDraw(TMarkupLabel& label) {
    auto paint = [&label] {
        Picture shot(label.Width(), label.Height());
        Canvas canvas(shot);
        label.PaintTree(canvas, {0, 0, label.Width(), label.Height()});
        return shot;
    };
    const Picture with = paint();
    const MarkupPictureSource* icons = label.PictureContainer();
    label.SetPictureContainer(nullptr);
    const Picture without = paint();
    label.SetPictureContainer(icons);
    int differ = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.PixelARGB(x, y) != without.PixelARGB(x, y)) ++differ;
    return differ;
}

TEST_F(CompetitionWindows, RoundResultsLineupsAndCardsShowTheirPictures) {
    NewGame({29});
    // A league day with a match that had a card and a substitution on the home side.
    int match = -1;
    for (int day = 0; day < 20 && match < 0; ++day) {
        ASSERT_TRUE(PlayToResultsOf(ckNationalLeague));
        for (const int m : DayResults(Game(), ckNationalLeague, 0, Today())) {
            const int home = Game().match_archive[m].team[0];
            if (CardsMarkup(Game(), m, home).find("<IMG src=\"i_c") != std::string::npos &&
                LineupMarkup(Game(), m, home).find("i_sub") != std::string::npos) {
                match = m;
                break;
            }
        }
        if (match < 0) game_->PlayRound();
    }
    ASSERT_GE(match, 0);
    TForm67& form = Open<TForm67>(1280, 800);
    form.ShowMatch(match);
    driver_->Pump();
    for (const char* name : {"escalacao1", "card1"}) {
        SCOPED_TRACE(name);
        auto& label = driver_->Get<TMarkupLabel>(name);
        ASSERT_NE(label.PictureContainer(), nullptr);
        for (const char* icon : {"i_gol", "i_ca", "i_cv", "i_cacv", "i_ct", "i_sub"})
            EXPECT_NE(label.PictureContainer()->FindEncoded(icon), nullptr) << icon;
        EXPECT_GT(PixelsThePicturesDraw(label), 40);
    }
    Snapshot("round_results_pictures");
}

TEST_F(CompetitionWindows, TablesShowTheSeasonTablesAndSwitchLeagueDivisionAndGroup) {
    NewGame({29, 3});
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(PlayToResultsOf(ckNationalLeague));
        game_->PlayRound();
    }
    TForm36& form = Open<TForm36>(800, 600);
    const GameData& data = Game();
    auto& leagues = driver_->Get<ComboBox>("comboboxd1");
    ASSERT_EQ(leagues.Count(), 2);
    for (int league = 0; league < 2; ++league) {
        leagues.SetItemIndex(league);
        leagues.on_change();
        const t_league_config& config = data.league_configs[league];
        for (int d = 1; d <= config.division_count; ++d) {
            const TableBlockRows& block = form.Block(d - 1);
            EXPECT_EQ(block.title, std::to_string(d) + "ª divisão");
            ASSERT_EQ(block.rows.size(), 10u);
            for (int r = 0; r < 10; ++r) EXPECT_EQ(block.rows[r].team, config.standings[d - 1][r]);
            EXPECT_EQ(block.positions[0], "1º");
        }
        if (league == 0) Snapshot("tables_national");
    }
    driver_.reset();

    // The state groups, each sorted by the table order, one state after the other.
    NewGame({29}, true, false);
    ASSERT_TRUE(PlayToResultsOf(ckStateChampionship));
    game_->PlayRound();
    TForm36& states_form = Open<TForm36>(1024, 768);
    driver_->Click("btestadual");
    EXPECT_EQ(states_form.view(), TForm36::kState);
    auto& states = driver_->Get<ComboBox>("combobox1");
    ASSERT_GE(states.Count(), 2);
    for (int item : {0, states.Count() - 1}) {
        states.SetItemIndex(item);
        states.on_change();
        const TableBlockRows& group = states_form.Block(0);
        ASSERT_TRUE(group.visible);
        for (std::size_t r = 1; r < group.rows.size(); ++r)
            if (group.rows[r].team >= 0) {
                EXPECT_LE(TableOrder(group.rows[r - 1], group.rows[r]), 0);
            }
    }
    Snapshot("tables_state");
    driver_.reset();

    // Divisions of 20: the right-hand block shows the division its button chose.
    NewGame({29}, false, false, kDivisionsOf20);
    ASSERT_TRUE(PlayToResultsOf(ckNationalLeague));
    game_->PlayRound();
    TForm36& wide = Open<TForm36>(1024, 768);
    const t_league_config& home = Game().league_configs[0];
    ASSERT_GE(home.division_count, 3);
    EXPECT_EQ(wide.Block(1).title, "2ª divisão");
    driver_->Click("labeltt2");
    EXPECT_EQ(wide.Block(1).title, "3ª divisão");
    for (int r = 0; r < 20; ++r) EXPECT_EQ(wide.Block(1).rows[r].team, home.standings[2][r]);
    EXPECT_EQ(wide.Block(0).rows.size(), 20u);
    Snapshot("tables_divisions_of_20");
}

// The hints the mouse finds over a table: the headers' meanings, a continental club's country.
TEST_F(CompetitionWindows, TablesHintTheHeadersAndTheContinentalClubsCountries) {
    NewGame({29, 3});
    ASSERT_TRUE(PlayToResultsOf(ckContinentalCup));
    game_->PlayRound();
    TForm36& form = Open<TForm36>(800, 600);
    Screen& screen = driver_->screen();
    auto hint_at = [&](Control& block, Point p) {
        driver_->MoveTo(block, p);
        driver_->Advance(screen.hint_pause_ms + 10);
        return screen.HintShowing() ? screen.HintText() : std::string();
    };
    driver_->Click("btnacional");
    ASSERT_EQ(form.view(), TForm36::kNational);
    Control& first = driver_->Get("bloco1");
    // Header cells: 16 pixels of title, then the header row; numbers start after the name.
    const std::pair<int, const char*> headers[] = {
        {161 + 10, "Pontos ganhos"}, {161 + 90, "Derrotas"}, {161 + 100 + 65, "Saldo gols"}};
    for (const auto& [x, hint] : headers) EXPECT_EQ(hint_at(first, {x, 20}), hint);
    EXPECT_EQ(hint_at(first, {60, 20}), "");  // over no header
    // The national view names no country.
    EXPECT_EQ(hint_at(first, {60, 16 + 19 + 5}), "");

    driver_->Click("btcampeoes");
    ASSERT_EQ(form.view(), TForm36::kContinental);
    Control& group = driver_->Get("bloco1");
    const int team = form.Block(0).rows[0].team;
    ASSERT_TRUE(InTable(Game().teams, team));
    EXPECT_EQ(hint_at(group, {60, 16 + 19 + 5}), CountryName(Game().teams[team].country));
    EXPECT_EQ(hint_at(group, {161 + 25, 20}), "Jogos");
    EXPECT_EQ(form.BlockHint(0, {5, 16 + 19 + 5}), "");  // the position cell has none
    driver_->SavePng("tables_continental_hint.png");
}

// A club whose own colours hardly differ (grey on grey) gets its name in a colour that reads;
// a club whose colours read keeps them.
TEST_F(CompetitionWindows, BracketNamesReadOnEveryClubsColours) {
    NewGame({29});
    t_team& club = Game().teams[1];
    auto text_pixels = [&club](std::uint32_t text, std::uint32_t back) {
        club.text_colour = static_cast<std::int32_t>(text);
        club.back_colour = static_cast<std::int32_t>(back);
        Picture shot(96, 14);
        Canvas canvas(shot);
        PaintTeamBox(canvas, {0, 0, 96, 14}, 1, true);
        std::set<std::uint32_t> colours;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) colours.insert(shot.PixelARGB(x, y) & 0xFFFFFF);
        return colours;
    };
    EXPECT_EQ(text_pixels(0x808080, 0x7F7F7F).count(0x000000), 1u);  // black on mid grey
    EXPECT_EQ(text_pixels(0xFFFFFF, 0x800000).count(0xFFFFFF), 1u);  // white on navy kept
}

TEST_F(CompetitionWindows, NationalCupBracketAfterItsFirstRound) {
    NewGame({29, 3});
    ASSERT_TRUE(PlayToResultsOf(ckNationalCup));
    game_->PlayRound();
    TForm35& form = Open<TForm35>(800, 600, ckNationalCup);
    const GameData& data = Game();
    const int league = form.league();
    int first = FindFixture(data, league, ckNationalCup, 1);
    int slot = 1;
    if (first < 0) {
        first = FindFixture(data, league, ckNationalCup, 2);
        slot = 17;
    }
    ASSERT_GE(first, 0);
    const t_fixture& leg1 = data.fixtures[first];
    EXPECT_EQ(form.Slot(slot).team1, leg1.home);
    EXPECT_EQ(form.Slot(slot).team2, leg1.away);
    EXPECT_EQ(form.Slot(slot).score, TieScoreText(leg1, &data.fixtures[first + 1]));
    EXPECT_FALSE(form.Slot(slot).score.empty());
    // Every tie shown belongs to this league's cup.
    for (int s = 1; s <= 31; ++s)
        if (form.Slot(s).fixture >= 0) {
            EXPECT_EQ(data.fixtures[form.Slot(s).fixture].owner, league);
            EXPECT_EQ(data.fixtures[form.Slot(s).fixture].kind, ckNationalCup);
        }
    EXPECT_EQ(form.champion(), -1);
    Snapshot("cup_bracket");
}

TEST_F(CompetitionWindows, FixturesByRoundOfALeagueAndACup) {
    NewGame({29, 3});
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(PlayToResultsOf(ckNationalLeague));
        game_->PlayRound();
    }
    std::vector<int> opened;
    MatchViewOpener() = [&opened](int match, int) { opened.push_back(match); };
    TForm63& form = Open<TForm63>(800, 600);
    EXPECT_EQ(form.kind(), ckNationalLeague);
    // Back to the first round, played: its fixtures with their results.
    while (form.entry() > 0) driver_->Click("bt3");
    const auto expected = RoundFixtureRows(Game(), form.owner(), ckNationalLeague, 1, 1);
    ASSERT_EQ(form.rows().size(), expected.size());
    auto& grid = driver_->Get<TReportGrid>("t1");
    EXPECT_EQ(grid.GetCellTextByVariant("fora", 0), "1ª divisão");
    const t_fixture& f = Game().fixtures[form.rows()[1].fixture];
    ASSERT_TRUE(f.played);
    EXPECT_EQ(grid.GetCellTextByVariant("placar", 1),
              std::to_string(f.home_goals) + " x " + std::to_string(f.away_goals));
    const Rect r = grid.GetRowRect(1);
    for (int click = 0; click < 2; ++click)
        driver_->ClickAt(grid, {r.left + 80, (r.top + r.bottom) / 2});
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], ArchivedMatchOfFixture(Game(), form.rows()[1].fixture));
    driver_->Click("bt3");  // nothing before the first round
    EXPECT_EQ(form.entry(), 0);
    driver_->Click("SchemeButton3");
    EXPECT_EQ(form.entry(), 1);
    Snapshot("fixtures_league");

    // The groups of the first continental cup, when this game plays them this season.
    if (driver_->Get("btlib").Visible()) {
        driver_->Click("btlib");
        EXPECT_EQ(form.kind(), ckContinentalCup);
        EXPECT_EQ(form.owner(), crSouthAmerica);
        const auto cup = RoundFixtureRows(Game(), crSouthAmerica, ckContinentalCup,
                                          RoundEntries(3)[form.entry()].round,
                                          RoundEntries(3)[form.entry()].half);
        EXPECT_EQ(form.rows().size(), cup.size());
        if (!cup.empty()) {
            EXPECT_EQ(cup[0].title, "Grupo 1");
        }
        Snapshot("fixtures_cup");
    }
}

TEST_F(CompetitionWindows, BestElevenOfTheLastRound) {
    NewGame({29});
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(PlayToResultsOf(ckNationalLeague));
        game_->PlayRound();
    }
    TForm70& form = Open<TForm70>(800, 600, 0);
    const GameData& data = Game();
    const auto& rounds = driver_->Get<ComboBox>("ComboBox1");
    ASSERT_GE(rounds.Count(), 1);
    const t_round_best_eleven* eleven = FindRoundBestEleven(
        data, form.competition(), data.game_state.season, rounds.ItemIndex() + 1);
    ASSERT_NE(eleven, nullptr);
    for (int slot = 1; slot <= 11; ++slot)
        EXPECT_EQ(form.SlotPlayer(slot), std::max(0, eleven->players[slot - 1])) << slot;
    Snapshot("best_eleven");
}

TEST_F(CompetitionWindows, SeasonReviewShowsTheRolloversChampionsPromotionsAndRelegations) {
    NewGame({29}, false, false);
    for (int round = 0; round < 400 && !game_->season_finished(); ++round) game_->PlayRound();
    ASSERT_TRUE(game_->season_finished());
    const GameData& data = Game();
    const t_league_config before = data.league_configs[0];
    const int last = 9;
    std::vector<NextScreen> next;
    SeasonReviewNextScreen() = [&next](NextScreen screen) { next.push_back(screen); };
    TForm26& form = Open<TForm26>(800, 600);
    EXPECT_EQ(form.review_season(), 1);
    EXPECT_EQ(data.game_state.season, 2);
    auto team_after = [&form](const std::string& heading, int icon) {
        const auto& rows = form.national_rows();
        auto it = std::find_if(rows.begin(), rows.end(), [&](const ReviewRow& r) {
            return r.icon == 0 && r.text == heading;
        });
        for (++it; it != rows.end() && it->icon != 0; ++it)
            if (it->icon == icon) return it->team;
        return -1;
    };
    EXPECT_EQ(team_after("1ª Divisão", 1), before.standings[0][0]);
    EXPECT_EQ(team_after("1ª Divisão", 2), before.standings[0][1]);
    if (before.division_count >= 2) {
        // The top two of division 2 went up, the last two of division 1 down.
        for (int icon : {1, 2}) EXPECT_EQ(data.teams[team_after("2ª Divisão", icon)].division, 1);
        EXPECT_EQ(team_after("2ª Divisão", 1), before.standings[1][0]);
        for (int r : {last - 1, last}) EXPECT_EQ(data.teams[before.standings[0][r]].division, 2);
    }
    EXPECT_FALSE(driver_->Get("gridi").Visible());
    Snapshot("season_review");
    driver_->Press(VK_RETURN);
    EXPECT_EQ(next.size(), 1u);
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST_F(CompetitionWindows, SecondPhaseBracketOpensOnTheCupAsked) {
    NewGame({29, 3});
    ASSERT_TRUE(PlayToResultsOf(ckNationalLeague));
    TForm69& form = Open<TForm69>(1024, 768, ckContinentalCup);
    EXPECT_EQ(driver_->Text("Label1"), "Libertadores - 2ª Fase");
    // Every tie shown is one of the South American cup's knock-out.
    for (int slot = 1; slot <= 15; ++slot) {
        const int f = form.Slot(slot).fixture;
        if (f < 0) continue;
        EXPECT_EQ(Game().fixtures[f].kind, ckContinentalCup);
        EXPECT_EQ(Game().fixtures[f].owner, crSouthAmerica);
        EXPECT_GE(Game().fixtures[f].round, 4);
    }
    Snapshot("second_phase");
}

TEST_F(CompetitionWindows, StateSelectorListsTheActiveStatesAndSelectsTheHumanClubsOne) {
    NewGame({29}, true, false);
    GameData& data = Game();
    driver_ = std::make_unique<TestDriver>(800, 600);
    ComboBox& combo = driver_->screen().Create<Form>("Form").Add<ComboBox>("combo1");
    std::vector<int> states;
    const int chosen = FillStateSelector(combo, states);
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(combo.Count(), static_cast<int>(states.size()));
    for (const int s : states) EXPECT_TRUE(data.state_leagues[s].active) << s;
    const auto human = std::find_if(states.begin(), states.end(),
                                    [&](int s) { return data.state_leagues[s].has_human_club; });
    EXPECT_EQ(chosen, human != states.end() ? *human : data.state_position);
    ASSERT_GE(combo.ItemIndex(), 0);
    EXPECT_EQ(states[combo.ItemIndex()], chosen);

    // Without a human club in any state the game's own state is chosen.
    for (const int s : states) data.state_leagues[s].has_human_club = false;
    data.state_position = states.back();
    std::vector<int> again;
    EXPECT_EQ(FillStateSelector(combo, again), states.back());
    EXPECT_EQ(combo.ItemIndex(), combo.Count() - 1);
}

}  // namespace
}  // namespace kv
