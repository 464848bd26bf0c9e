#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/picture_paths.h"
#include "core/text_tables.h"
#include "match/match_day_helpers.h"
#include "platform/window/combo_box.h"
#include "platform/window/keys.h"
#include "platform/window/label.h"
#include "platform/window/test_driver.h"
#include "screens/career/best_ratings_window.h"
#include "screens/career/club_fixtures_window.h"
#include "screens/career/club_ranking_window.h"
#include "screens/career/club_record_window.h"
#include "screens/career/coach_ranking_window.h"
#include "screens/career/head_to_head_window.h"
#include "screens/career/player_history_window.h"
#include "screens/career/roll_of_honour_window.h"
#include "screens/career/top_scorers_window.h"
#include "screens/career/trophy_cabinet_window.h"
#include "screens/main/main_window.h"
#include "screens/routes/window_routes.h"
#include "screens/start/game_pictures.h"
#include "ui/markup/markup_label.h"
#include "ui/markup/picture_container.h"
#include "season/best_ratings_text.h"
#include "season/career_texts.h"
#include "season/club_fixtures.h"
#include "season/club_rankings.h"
#include "season/club_record.h"
#include "season/coach_ranking.h"
#include "season/fixture_list.h"
#include "season/head_to_head_list.h"
#include "season/histories.h"
#include "season/player_match_ratings.h"
#include "season/player_stats.h"
#include "season/roll_of_honour.h"
#include "season/scorer_rankings.h"
#include "tests/screens/career/career_world.h"
#include "tests/screens/test_flags.h"
#include "ui/grid/report_grid.h"

namespace kv {
namespace {

class CareerWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_folder_ = GameFolder();
        SetGameFolder(std::filesystem::path(KORVANEL_SAMPLE_TEAMS).parent_path().string());
        LoadBackgroundBitmap();
        LoadFlagPictures(Picture());
        testing::LoadCareerWorld();
        ConnectGameWindows();
    }
    void TearDown() override {
        background_bitmap().Clear();
        flag_pictures().clear();
        SetGameFolder(previous_folder_);
        Game().Reset();
    }

    // A grid column's cells, top to bottom.
    static std::vector<std::string> Column(TReportGrid& grid, const char* column) {
        std::vector<std::string> cells;
        for (int r = 0; r < grid.GetRowCount(); ++r)
            cells.push_back(grid.GetCellTextByVariant(column, r));
        return cells;
    }
    // The item of the combo box with that text, chosen as the player would.
    void Choose(ComboBox& combo, const std::string& item) {
        for (int i = 0; i < combo.Count(); ++i)
            if (combo.Items()[i] == item) {
                combo.SetItemIndex(i);
                if (combo.on_change) combo.on_change();
                return;
            }
        FAIL() << "no item " << item;
    }

    std::string previous_folder_;
    TestDriver d_{800, 600};
};

int HomeLeagueCompetition(int division) {
    const GameData& data = Game();
    const int country = data.teams[data.game_state.user_club].country;
    return FindCompetitionId(data, ckNationalLeague, country, division, -1, -1);
}

// The country box of every history and ranking window: one item per league, each with its
// country's flag, "Internacional" (where there is one) without.
TEST_F(CareerWindowsTest, TheCountryBoxesShowTheLeaguesFlags) {
    testing::FillTestFlags();
    const GameData& data = Game();
    const std::pair<const char*, std::function<Form&()>> windows[] = {
        {"TForm20", [&]() -> Form& { return d_.screen().Create<TForm20>(); }},
        {"TForm29", [&]() -> Form& { return d_.screen().Create<TForm29>(); }},
        {"TForm71", [&]() -> Form& { return d_.screen().Create<TForm71>(); }},
        {"TForm47", [&]() -> Form& { return d_.screen().Create<TForm47>(-1); }},
        {"TForm83", [&]() -> Form& { return d_.screen().Create<TForm83>(); }},
    };
    for (const auto& [name, create] : windows) {
        SCOPED_TRACE(name);
        Form& form = create();
        form.Show();
        d_.Pump();
        auto& combo = d_.Get<ComboBox>("combopais");
        ASSERT_NE(combo.images, nullptr);
        const int leagues = static_cast<int>(data.league_configs.size());
        ASSERT_GE(combo.Count(), leagues);
        for (int i = 0; i < leagues; ++i)
            EXPECT_EQ(combo.ItemImage(i), data.league_configs[i].country);
        if (combo.Count() > leagues) {
            EXPECT_EQ(combo.ItemImage(leagues), -1);
        }
        const int chosen = combo.ItemIndex();
        ASSERT_TRUE(chosen >= 0 && chosen < leagues);
        EXPECT_GT(testing::PaintedPixels(
                      combo, testing::TestFlagColour(data.league_configs[chosen].country)),
                  100);
        if (std::string(name) == "TForm29") d_.SavePng("roll_of_honour_country_flags.png");
        form.Close();
        d_.Pump();
    }
}

TEST_F(CareerWindowsTest, TopScorersListWhatTheSeasonTalliesHold) {
    auto& form = d_.screen().Create<TForm20>();
    form.Show();
    d_.Pump();
    d_.SavePng("top_scorers_window.png");
    TReportGrid& grid = form.Grid();
    const auto expected = SeasonScorers(Game(), HomeLeagueCompetition(1));
    ASSERT_GT(expected.size(), 3u) << "the world has played rounds of its second season";
    ASSERT_EQ(grid.GetRowCount(), static_cast<int>(expected.size()));
    for (int r : {0, 1, static_cast<int>(expected.size()) - 1}) {
        EXPECT_EQ(grid.GetCellTextByVariant("gcjogador", r),
                  Game().players[expected[r].player].name.str());
        EXPECT_EQ(grid.GetCellTextByVariant("gcgols", r), std::to_string(expected[r].goals));
        EXPECT_EQ(grid.GetCellTextByVariant("gcjogos", r), std::to_string(expected[r].games));
    }
    EXPECT_EQ(Column(grid, "ncpos").front(), "1");

    // Only the divisions the league has, whatever the division size.
    const int league = FindLeagueConfig(Game(), Game().teams[Game().game_state.user_club].country);
    const int divisions = Game().league_configs[league].division_count;
    int offered = 0;
    for (const std::string& item : form.Competitions().Items())
        if (item.starts_with("Nacional - ")) ++offered;
    EXPECT_EQ(offered, divisions);

    Choose(form.Competitions(), "Nacional - 2ª divisão");
    EXPECT_EQ(form.ShownCompetition(), HomeLeagueCompetition(2));
    EXPECT_EQ(grid.GetRowCount(),
              static_cast<int>(SeasonScorers(Game(), HomeLeagueCompetition(2)).size()));
}

TEST_F(CareerWindowsTest, AllTimeScorersStopAtAHundredUntilAsked) {
    auto& form = d_.screen().Create<TForm20>();
    form.Show();
    Choose(form.Competitions(), "Melhores de Sempre");
    d_.Pump();
    d_.SavePng("top_scorers_all_time.png");
    TReportGrid& grid = form.Grid();
    const auto all = AllTimeScorers(Game());
    ASSERT_GT(all.size(), 100u);
    EXPECT_EQ(grid.GetRowCount(), 100);
    EXPECT_TRUE(d_.Get("Label1").Visible());
    EXPECT_FALSE(form.Countries().Visible());
    EXPECT_EQ(grid.GetCellTextByVariant("gcgolst", 0), std::to_string(all[0].goals));
    d_.Click("Label1");
    EXPECT_EQ(grid.GetRowCount(), static_cast<int>(all.size()));
    EXPECT_FALSE(form.Find("Label1")->Visible());
    // A retired scorer shows "Aposentado".
    for (int r = 0; r < grid.GetRowCount(); ++r)
        if (Game().players[all[r].player].team < 0) {
            EXPECT_EQ(grid.GetCellTextByVariant("gcclube", r), "Aposentado");
            break;
        }
}

TEST_F(CareerWindowsTest, TopScorersDoubleClickOpensThePlayersHistory) {
    int opened = -1;
    MainWindowOpener("TForm16") = [&] { opened = MainWindowSelections().career_subject; };
    auto& form = d_.screen().Create<TForm20>();
    form.Show();
    d_.Pump();
    TReportGrid& grid = form.Grid();
    ASSERT_GT(grid.GetRowCount(), 1);
    grid.SetSelectedRow(1);
    form.t1DblClick();
    EXPECT_EQ(std::to_string(opened), grid.GetCellTextByVariant("gcjogid", 1));
    MainWindowOpener("TForm16") = nullptr;
}

// The champion of the first season's first division of the user's country.
int FirstChampion() {
    const GameData& data = Game();
    return FindChampion(data, ckNationalLeague, data.teams[data.game_state.user_club].country, 1);
}

TEST_F(CareerWindowsTest, ClubRecordShowsTheChampionsSeasonsAndTitles) {
    const int club = FirstChampion();
    ASSERT_GE(club, 0);
    MainWindowSelections().history_club = club;
    TForm55* form = nullptr;
    d_.Then([&] {
        form = dynamic_cast<TForm55*>(&d_.Get("Form55"));
        d_.SavePng("club_record_window.png");
        TReportGrid& grid = form->Grid();
        const auto lines = ClubRecord(Game(), club);
        ASSERT_EQ(grid.GetRowCount(), static_cast<int>(lines.size()));
        EXPECT_EQ(grid.GetCellTextByVariant("Ano", 0), "2015") << "the running season first";
        int first_season_row = -1;
        for (int r = 0; r < grid.GetRowCount(); ++r)
            if (grid.GetCellTextByVariant("Ano", r) == "2014") first_season_row = r;
        ASSERT_GT(first_season_row, 0);
        bool champion_line = false;
        for (int r = first_season_row + 1; r < grid.GetRowCount(); ++r)
            if (grid.GetCellTextByVariant("Campeonato", r).starts_with("Camp."))
                champion_line = grid.GetCellTextByVariant("Colocação", r) == "1º - 1ª divisão";
        EXPECT_TRUE(champion_line);
        EXPECT_EQ(d_.Text("Label1"), "Títulos");
        EXPECT_NE(d_.Text("Label2").find("Nacional:1;"), std::string::npos);
        d_.Press(VK_ESCAPE);
    });
    MainWindowOpener("TForm55")();
    EXPECT_FALSE(d_.Exists("Form55"));
}

TEST_F(CareerWindowsTest, TrophyCabinetShowsTheTitlesOrSaysItIsEmpty) {
    const int champion = FirstChampion();
    auto& form = d_.screen().Create<TForm74>(champion);
    form.Show();
    d_.Pump();
    d_.SavePng("trophy_cabinet_window.png");
    ASSERT_FALSE(form.Trophies().empty());
    const auto national =
        std::find_if(form.Trophies().begin(), form.Trophies().end(),
                     [](const std::string& t) { return t.starts_with("tr_nac"); });
    ASSERT_NE(national, form.Trophies().end());
    const std::string slot = std::to_string(national - form.Trophies().begin() + 1);
    EXPECT_EQ(d_.Text("labc" + slot), "[" + std::to_string(CountTitles(Game(), champion)[0]) + "]");
    EXPECT_FALSE(form.Find("Label2")->Visible());
    form.Release();
    d_.Pump();

    // A club with no title and no state title.
    int plain = -1;
    for (int t = 0; t < Game().game_state.league_club_count && plain < 0; ++t) {
        const TitleCounters c = CountTitles(Game(), t);
        if (std::all_of(c.begin(), c.end(), [](int n) { return n == 0; }) &&
            Game().teams[t].state_titles == 0)
            plain = t;
    }
    ASSERT_GE(plain, 0);
    auto& empty = d_.screen().Create<TForm74>(plain);
    empty.Show();
    d_.Pump();
    EXPECT_TRUE(empty.Trophies().empty());
    EXPECT_TRUE(empty.Find("Label2")->Visible());
    empty.Release();
}

TEST_F(CareerWindowsTest, PlayerHistoryListsHisRatedMatchesNewestFirst) {
    const int player = SeasonScorers(Game(), HomeLeagueCompetition(1)).front().player;
    const auto rated = PlayerSeasonRatings(Game(), player);
    ASSERT_GT(rated.size(), 1u);
    auto& form = d_.screen().Create<TForm16>(player);
    form.Show();
    d_.Pump();
    d_.SavePng("player_history_window.png");
    TReportGrid& grid = form.Grid();
    ASSERT_EQ(grid.GetRowCount(), static_cast<int>(rated.size()));
    const t_archived_match& newest = Game().match_archive[rated[0].archived_match];
    EXPECT_EQ(grid.GetCellTextByVariant("gcjogo", 0),
              Game().teams[newest.team[0]].name.str() + " " + std::to_string(newest.goals[0]) +
                  " x " + std::to_string(newest.goals[1]) + " " +
                  Game().teams[newest.team[1]].name.str());
    EXPECT_EQ(grid.GetCellTextByVariant("gcnota", 0), RatingText(rated[0].rating));
    EXPECT_EQ(form.CareerText(), PlayerCareerPage(Game(), player, 0).text);
    EXPECT_FALSE(d_.Get("SchemeButton2").Visible()) << "a short career has one page";
    // The career's column titles are pictures: goals, the two cards, injuries.
    const MarkupPictureSource* icons = d_.Get<TMarkupLabel>("lbcarreira").PictureContainer();
    ASSERT_NE(icons, nullptr);
    for (const char* icon : {"i_gol", "i_ca", "i_cv", "i_ct"}) {
        EXPECT_NE(form.CareerText().find(std::string("src=\"") + icon + "\""), std::string::npos)
            << icon;
        EXPECT_NE(icons->FindEncoded(icon), nullptr) << icon;
    }

    int viewed = -1;
    PlayerHistoryMatchView() = [&](int match) { viewed = match; };
    grid.SetSelectedRow(1);
    form.gridview1DblClick();
    EXPECT_EQ(viewed, rated[1].archived_match);
    PlayerHistoryMatchView() = nullptr;
}

// A long career pages forwards and backwards by the rows a page shows.
TEST_F(CareerWindowsTest, PlayerHistoryPagesStepByTheRowsShown) {
    GameData& data = Game();
    const int player = 1;
    for (int s = 0; s < 45; ++s) {
        t_player_season line{};
        line.player = player;
        line.season = -45 + s;
        line.club = data.players[player].team;
        line.games = 10;
        data.player_seasons.push_back(line);
    }
    auto& form = d_.screen().Create<TForm16>(player);
    form.Show();
    d_.Pump();
    EXPECT_FALSE(d_.Get("SchemeButton3").Visible());
    d_.Click("SchemeButton2");
    d_.Click("SchemeButton2");
    EXPECT_EQ(form.FirstRowShown(), 2 * kPlayerCareerPageRows);
    d_.SavePng("player_history_third_page.png");
    d_.Click("SchemeButton3");
    EXPECT_EQ(form.FirstRowShown(), kPlayerCareerPageRows);
    EXPECT_EQ(form.CareerText(), PlayerCareerPage(data, player, kPlayerCareerPageRows).text);
    d_.Click("SchemeButton3");
    EXPECT_EQ(form.FirstRowShown(), 0);
    EXPECT_EQ(form.CareerText(), PlayerCareerPage(data, player, 0).text);
    EXPECT_FALSE(d_.Get("SchemeButton3").Visible());
}

TEST_F(CareerWindowsTest, PlayerHistoryOfNoPlayerIsEmpty) {
    auto& form = d_.screen().Create<TForm16>(0);
    form.Show();
    d_.Pump();
    EXPECT_EQ(form.Grid().GetRowCount(), 0);
    EXPECT_EQ(form.CareerText(), "");
}

TEST_F(CareerWindowsTest, HeadToHeadListsTheMeetingsAndEachSidesTotals) {
    const GameData& data = Game();
    const int user = data.game_state.user_club;
    // The opponent the user club met most often.
    int rival = -1, most = 0;
    for (int t = 0; t < data.game_state.league_club_count; ++t) {
        const int n = t == user ? 0 : static_cast<int>(HeadToHeadMeetings(data, user, t).size());
        if (n > most) most = n, rival = t;
    }
    ASSERT_GE(most, 2);
    // From the menu: nothing chosen, nothing shown until both lists are.
    auto& form = d_.screen().Create<TForm15>(-1, -1);
    form.Show();
    d_.Pump();
    EXPECT_EQ(form.Grid().GetRowCount(), 0);
    EXPECT_EQ(d_.Text("Label1"), "");
    form.ChooseTeam(0, user);
    d_.Click("bt3");
    EXPECT_EQ(form.Grid().GetRowCount(), 0) << "one team chosen only";
    form.ChooseTeam(1, user);
    d_.Press(VK_RETURN);
    EXPECT_EQ(form.Grid().GetRowCount(), 0) << "the same team twice";
    form.ChooseTeam(1, rival);
    d_.Press(VK_RETURN);
    d_.SavePng("head_to_head_window.png");
    const auto meetings = HeadToHeadMeetings(data, user, rival);
    ASSERT_EQ(form.Grid().GetRowCount(), static_cast<int>(meetings.size()));
    const t_result_entry& first = data.result_history[meetings[0]];
    EXPECT_EQ(form.Grid().GetCellTextByVariant("gct1", 0), data.teams[first.home].name.str());
    EXPECT_EQ(form.Grid().GetCellTextByVariant("gcp", 0),
              std::to_string(first.home_goals) + "x" + std::to_string(first.away_goals));
    EXPECT_EQ(d_.Text("Label4"), std::to_string(most) + " jogos");
    const t_head_to_head h = HeadToHead(data, user, rival);
    EXPECT_EQ(d_.Text("Label5"),
              HeadToHeadSideLine(h.wins, h.losses, h.goals_for, h.goals_against));
    EXPECT_EQ(d_.Text("Label6"),
              HeadToHeadSideLine(h.losses, h.wins, h.goals_against, h.goals_for));
    form.Release();
    d_.Pump();

    // From the main window's panel: both clubs chosen, the meetings shown at once.
    MainWindowSelections().head_to_head_clubs[0] = rival;
    MainWindowSelections().head_to_head_clubs[1] = user;
    d_.Then([&] {
        auto& shown = dynamic_cast<TForm15&>(d_.Get("Form15"));
        EXPECT_EQ(shown.Grid().GetRowCount(), most);
        d_.Press(VK_ESCAPE);
    });
    MainWindowOpener("TForm15")();
}

TEST_F(CareerWindowsTest, RollOfHonourListsEachCompetitionsChampions) {
    auto& form = d_.screen().Create<TForm29>();
    form.Show();
    d_.Pump();
    d_.SavePng("roll_of_honour_window.png");
    EXPECT_EQ(form.ShownCompetition(), HomeLeagueCompetition(1));
    const auto lines = RollOfHonour(Game(), HomeLeagueCompetition(1));
    ASSERT_EQ(lines.size(), 1u) << "one season finished";
    EXPECT_EQ(lines[0].champion, FirstChampion());
    EXPECT_NE(form.RollText().find(Game().teams[lines[0].champion].name.str()), std::string::npos);
    EXPECT_NE(form.RollText().find(Game().teams[lines[0].runner_up].name.str()), std::string::npos);
    EXPECT_NE(form.RollText().find("2014"), std::string::npos);

    // The cup: its own champion; back to the league after a change of country.
    Choose(form.Competitions(), "Copa");
    const int cup = form.ShownCompetition();
    const auto cup_lines = RollOfHonour(Game(), cup);
    ASSERT_EQ(cup_lines.size(), 1u);
    EXPECT_NE(form.RollText().find(Game().teams[cup_lines[0].champion].name.str()),
              std::string::npos);
    d_.SavePng("roll_of_honour_cup.png");
}

TEST_F(CareerWindowsTest, ClubRankingsShowTheRulesOrderInEachRanking) {
    const GameData& data = Game();
    const int league = FindLeagueConfig(data, 29);
    ASSERT_GE(league, 0);
    const std::vector<int> clubs = RankedClubs(data, data.league_configs.size() > 1 ? league : 0);
    auto& form = d_.screen().Create<TForm71>();
    form.Show();
    d_.Pump();
    d_.SavePng("club_ranking_window.png");
    auto expect_order = [&](TReportGrid& grid, const char* id,
                            const std::vector<t_club_ranking>& ranking) {
        ASSERT_EQ(grid.GetRowCount(), static_cast<int>(ranking.size()));
        for (int r : {0, 1, static_cast<int>(ranking.size()) - 1})
            EXPECT_EQ(grid.GetCellTextByVariant(id, r), std::to_string(ranking[r].team));
    };
    const auto placements = PlacementRanking(data, clubs, false);
    expect_order(form.Placements(), "gcid1", placements);
    EXPECT_GT(placements[0].value, 0) << "the first season's placings earned points";
    EXPECT_EQ(form.Placements().GetCellTextByVariant("gctotal1", 0),
              std::to_string(placements[0].value));

    d_.Click("bt2");
    EXPECT_TRUE(form.Points().Visible());
    EXPECT_TRUE(d_.Get("Label2").Visible());
    const auto points = PointsRanking(data, clubs, false);
    expect_order(form.Points(), "gcid2", points);
    d_.SavePng("club_ranking_points.png");

    d_.Click("bt4");
    EXPECT_EQ(form.Placements().Columns().ColumnByName("gcnacional1")->Header().Caption(),
              "Reputação");
    expect_order(form.Placements(), "gcid1", ReputationRanking(data, clubs));
    const int top = ReputationRanking(data, clubs)[0].team;
    EXPECT_EQ(form.Placements().GetCellTextByVariant("gcnacional1", 0),
              std::string(reputation_names[data.teams[top].reputation]));
}

TEST_F(CareerWindowsTest, ClubFixturesListTheSeasonAndFilterByCompetition) {
    const GameData& data = Game();
    const int club = data.game_state.user_club;
    MainWindowSelections().fixtures_team = club;
    TForm18* form = nullptr;
    d_.Then([&] {
        form = &dynamic_cast<TForm18&>(d_.Get("Form18"));
        d_.SavePng("club_fixtures_window.png");
        TReportGrid& grid = form->Grid();
        const auto all = ClubFixtures(data, club, -1);
        ASSERT_EQ(grid.GetRowCount(), static_cast<int>(all.size()));
        int played_row = -1, open_row = -1;
        for (int r = 0; r < grid.GetRowCount(); ++r) {
            const t_fixture& fx = data.fixtures[all[r]];
            EXPECT_EQ(grid.GetCellTextByVariant("gcforacasa", r), fx.home == club ? "C" : "F");
            if (fx.played && played_row < 0) played_row = r;
            if (!fx.played && open_row < 0) open_row = r;
        }
        ASSERT_GE(played_row, 0);
        ASSERT_GE(open_row, 0);
        const t_fixture& played = data.fixtures[all[played_row]];
        EXPECT_EQ(grid.GetCellTextByVariant("gcx", played_row),
                  std::to_string(played.home_goals) + "x" + std::to_string(played.away_goals));
        EXPECT_EQ(grid.GetCellTextByVariant("gcx", open_row), "x");
        EXPECT_EQ(grid.GetCellTextByVariant("gcpublico", open_row), "");

        int viewed = -1;
        ClubFixturesMatchView() = [&](int match) { viewed = match; };
        grid.SetSelectedRow(open_row);
        form->list1DblClick();
        EXPECT_EQ(viewed, -1) << "a match to come opens nothing";
        grid.SetSelectedRow(played_row);
        form->list1DblClick();
        EXPECT_EQ(viewed, ArchivedMatchOfFixture(data, all[played_row]));
        ClubFixturesMatchView() = nullptr;

        Choose(form->Filter(), "Nacional");
        const auto league = ClubFixtures(data, club, 1);
        ASSERT_EQ(grid.GetRowCount(), static_cast<int>(league.size()));
        for (int r = 0; r < grid.GetRowCount(); ++r)
            EXPECT_EQ(grid.GetCellTextByVariant("gcnomecamp", r), "Campeonato Brasileiro");
        d_.Press(VK_RETURN);
    });
    MainWindowOpener("TForm18")();
    EXPECT_FALSE(d_.Exists("Form18"));
}

TEST_F(CareerWindowsTest, CoachRankingRanksTheCountryAndShowsTheChosenCoach) {
    GameData& data = Game();
    const int country = data.teams[data.game_state.user_club].country;
    const auto ranking = CoachRanking(data, country);
    ASSERT_GT(ranking.size(), 3u);
    const int chosen = ranking[2].coach;
    MainWindowSelections().career_subject = chosen;
    d_.Then([&] {
        auto& form = dynamic_cast<TForm47&>(d_.Get("Form47"));
        d_.SavePng("coach_ranking_window.png");
        TReportGrid& grid = form.Grid();
        ASSERT_EQ(grid.GetRowCount(), static_cast<int>(ranking.size()));
        EXPECT_EQ(grid.GetCellTextByVariant("id", 0), std::to_string(ranking[0].coach));
        EXPECT_EQ(grid.GetCellTextByVariant("pontos", 0), std::to_string(ranking[0].points));
        EXPECT_EQ(form.SelectedCoach(), chosen);
        EXPECT_EQ(form.CareerText(), CoachCareerPage(data, chosen, 0).text);
        EXPECT_EQ(d_.Text("Label5"), CoachTitlesText(data, chosen));
        d_.Press(VK_ESCAPE);
    });
    MainWindowOpener("TForm47")();
    EXPECT_EQ(MainWindowSelections().career_subject, -1) << "used once";
}

TEST_F(CareerWindowsTest, CoachCareerPagesStepByFifteen) {
    GameData& data = Game();
    const int country = data.teams[data.game_state.user_club].country;
    const int coach = CoachRanking(data, country)[0].coach;
    for (int s = 0; s < 40; ++s)
        data.coach_seasons.push_back({coach, 10, 5, 2, 3, 0, data.coaches[coach].club, -40 + s});
    auto& form = d_.screen().Create<TForm47>(coach);
    form.Show();
    d_.Pump();
    EXPECT_TRUE(d_.Get("SchemeButton1").Visible());
    EXPECT_FALSE(d_.Get("SchemeButton3").Visible());
    d_.Click("SchemeButton1");
    EXPECT_EQ(form.FirstRowShown(), kCoachCareerPageRows);
    EXPECT_TRUE(d_.Get("SchemeButton3").Visible());
    d_.Click("SchemeButton1");
    d_.Click("SchemeButton3");
    EXPECT_EQ(form.FirstRowShown(), kCoachCareerPageRows);
    EXPECT_EQ(form.CareerText(), CoachCareerPage(data, coach, kCoachCareerPageRows).text);
}

TEST_F(CareerWindowsTest, CoachTrophyGalleryGroupsTheChampionsTitles) {
    GameData& data = Game();
    const int club = FirstChampion();
    int coach = -1;
    for (const t_honour& h : data.honours)
        if (h.team == club && h.placing == 1 && h.season == 1) coach = h.coach;
    ASSERT_GE(coach, 0);
    auto& ranking = d_.screen().Create<TForm47>(coach);
    ranking.Show();
    d_.Pump();
    d_.Then([&] {
        auto& gallery = dynamic_cast<TForm19&>(d_.Get("Form19"));
        d_.SavePng("coach_trophy_gallery.png");
        const auto rows = CoachTrophyRows(data, coach);
        ASSERT_EQ(gallery.Grid().GetRowCount(), static_cast<int>(rows.size()));
        EXPECT_EQ(gallery.Grid().GetCellTextByVariant("gcano", 0), "");
        EXPECT_EQ(gallery.Grid().GetCellTextByVariant("gcano", 1), "2014");
        d_.Press(VK_ESCAPE);
    });
    ASSERT_EQ(ranking.SelectedCoach(), coach);
    d_.Click("Label4");
    EXPECT_EQ(MainWindowSelections().career_subject, -1);
}

TEST_F(CareerWindowsTest, BestRatingsShowTheDivisionsRankingByRole) {
    GameData& data = Game();
    d_.Then([&] {
        auto& form = dynamic_cast<TForm83&>(d_.Get("Form83"));
        d_.SavePng("best_ratings_window.png");
        EXPECT_EQ(form.ShownCompetition(), HomeLeagueCompetition(1));
        RankPlayerRatings(HomeLeagueCompetition(1), data.game_state.league_round);
        ASSERT_FALSE(data.ranked_ratings.empty());
        EXPECT_EQ(form.PanelText("infojt8"), BestRatingsText(data, -1));
        EXPECT_EQ(form.PanelText("infojt"), BestRatingsText(data, 0));
        const t_ranked_rating& best = data.ranked_ratings.front();
        EXPECT_NE(form.PanelText("infojt8").find(data.players[best.player].name.str()),
                  std::string::npos);
        // Only the divisions the league has.
        const int league = FindLeagueConfig(data, data.teams[data.game_state.user_club].country);
        EXPECT_EQ(form.Divisions().Count(), data.league_configs[league].division_count);
        Choose(form.Divisions(), "2ª divisão");
        EXPECT_EQ(form.ShownCompetition(), HomeLeagueCompetition(2));
        RankPlayerRatings(HomeLeagueCompetition(2), data.game_state.league_round);
        EXPECT_EQ(form.PanelText("infojt8"), BestRatingsText(data, -1));
        d_.Press(VK_ESCAPE);
    });
    MainWindowOpener("TForm83")();
}

}  // namespace
}  // namespace kv
