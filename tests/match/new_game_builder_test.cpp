#include "match/new_game_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "core/game_data.h"
#include "core/picture_paths.h"
#include "core/random.h"
#include "core/text_tables.h"
#include "season/new_game_setup.h"
#include "tests/match/new_game_world.h"
#include "tests/season/teams_folder.h"

namespace kv {
namespace {

using test::ClubOptions;
using test::TeamsFolder;

ClubFile FileOf(int country, int level, int capacity = 0) {
    ClubFile file;
    file.club.country = static_cast<std::uint8_t>(country);
    file.club.level = static_cast<std::uint8_t>(level);
    file.club.capacity = capacity;
    file.club.version = kClubFileVersion;
    file.club.squad_complete = 1;
    file.club.short_name.set("Clube " + std::to_string(level));
    file.club.coach_name.set("Treinador " + std::to_string(level));
    return file;
}

// One league club (team 0, in the division given) and one background club (team 1).
struct TwoClubs {
    std::unique_ptr<GameData> data = std::make_unique<GameData>();
    std::vector<ClubFile> files;
    TwoClubs(int league_format, int division, ClubFile league, ClubFile background) {
        data->game_state.league_format = league_format;
        data->game_state.league_club_count = 1;
        data->game_state.background_club_count = 1;
        for (int& club : data->game_state.human_clubs) club = -1;
        data->teams.resize(2);
        data->teams[0].division = division;
        files = {std::move(league), std::move(background)};
        BuildClubs(*data, files);
    }
    t_player& AddPlayer(int team, int squad_role, bool star) {
        t_player& p = AppendRecord(data->players);
        p.team = team;
        p.position = posMidfielder;
        p.age = 25;
        p.squad_role = squad_role;
        p.star = star ? 1 : 0;
        return p;
    }
};

TEST(BuildClubsTest, StadiumFromTheFileOrTheDivisionDefaults) {
    struct Case {
        int capacity;
        std::array<std::int32_t, 4> sectors;
    };
    const Case cases[] = {
        {1000, {150, 750, 90, 10}},
        {119'999, {17999, 89999, 10799, 1202}},
        {120'000, {7000, 30000, 3000, 300}},
        {0, {7000, 30000, 3000, 300}},
        {-5, {7000, 30000, 3000, 300}},
    };
    for (const Case& c : cases) {
        TwoClubs world(kDivisionsOf10, 2, FileOf(3, 12, c.capacity), FileOf(11, 12));
        const t_team& team = world.data->teams[0];
        EXPECT_EQ(std::to_array(team.sector_capacity), c.sectors) << c.capacity;
        EXPECT_EQ(std::to_array(team.ticket_prices), (std::array<std::int32_t, 4>{7, 13, 20, 70}));
        EXPECT_EQ(team.kit, 1);
        EXPECT_EQ(team.board_confidence, 100);
        EXPECT_GE(team.cash, MoneyFromUnits(10'000'000) + kMoneyScale / 100);
        EXPECT_LE(team.cash, MoneyFromUnits(10'000'000) + kMoneyScale * 99 / 100);
    }
}

TEST(BuildClubsTest, BackgroundClubsTakeTheirDivisionFromTheirLevel) {
    struct Case {
        int level;
        int division;
        std::int32_t cash_units;
    };
    const Case cases[] = {
        {1, 4, 2'000'000},  {11, 4, 2'000'000},  {12, 3, 7'000'000}, {16, 3, 7'000'000},
        {17, 2, 10'000'000}, {18, 2, 10'000'000}, {19, 1, 12'000'000}, {25, 1, 12'000'000},
        {40, 0, 2'000'000},
    };
    for (const Case& c : cases) {
        TwoClubs world(kDivisionsOf10, 1, FileOf(3, 12), FileOf(11, c.level));
        const t_team& team = world.data->teams[1];
        EXPECT_EQ(team.division, c.division) << c.level;
        EXPECT_EQ(team.cash / kMoneyScale, c.cash_units) << c.level;
        if (c.division == 0) {
            EXPECT_EQ(std::to_array(team.sector_capacity),
                      (std::array<std::int32_t, 4>{2000, 9000, 700, 30}));
        }
    }
}

TEST(StartingStrengthTest, LeagueClubsByDivisionOthersByLevel) {
    struct Case {
        int league_format;
        int division;       // of the league club
        int level;          // of the club the players belong to
        bool background;
        int squad_role;
        bool star;
        int low, high;
        int level_after;
    };
    const Case cases[] = {
        {kDivisionsOf20, 2, 12, false, 0, false, 27, 32, 12},
        {kDivisionsOf20, 2, 12, false, 1, false, 35, 41, 12},
        {kDivisionsOf20, 2, 12, false, 0, true, 34, 43, 12},
        {kDivisionsOf20, 3, 10, false, 0, false, 15, 20, 10},
        {kDivisionsOf20, 4, 10, false, 0, false, 11, 16, 10},
        {kDivisionsOf20, 0, 10, false, 0, false, 11, 16, 10},
        {kDivisionsOf10, 3, 10, false, 0, false, 20, 25, 10},
        {kDivisionsOf10, 4, 10, false, 0, false, 10, 15, 10},
        {kDivisionsOf10, 1, 25, false, 1, true, 60, 70, 25},
        {kDivisionsOf10, 1, 40, true, 0, false, 12, 17, 9},  // read as level 9
        {kDivisionsOf10, 1, 0, true, 0, false, 7, 12, 1},
        {kDivisionsOf10, 1, 25, true, 1, true, 80, 90, 25},
    };
    SeedRandom(7);
    for (const Case& c : cases) {
        TwoClubs world(c.league_format, c.division, FileOf(3, c.background ? 10 : c.level),
                       FileOf(11, c.background ? c.level : 10));
        const int team = c.background ? 1 : 0;
        world.data->teams[0].division = c.division;
        for (int i = 0; i < 40; ++i) world.AddPlayer(team, c.squad_role, c.star);
        SetStartingStrength(*world.data, team);
        EXPECT_EQ(world.data->teams[team].level, c.level_after);
        int low = 100, high = 0;
        for (const t_player& p : world.data->players) {
            if (p.team != team) continue;
            low = std::min(low, p.strength);
            high = std::max(high, p.strength);
            EXPECT_GT(p.value, 0);
            EXPECT_GE(p.wage, MoneyFromUnits(500));
        }
        EXPECT_GE(low, c.low) << "division " << c.division << " level " << c.level;
        EXPECT_LE(high, c.high) << "division " << c.division << " level " << c.level;
    }
}

TEST(BuildCoachesTest, HumanCoachesDisplaceTheClubCoachesIntoTheSpareRecords) {
    auto data = std::make_unique<GameData>();
    const int n = 20;
    std::vector<ClubFile> files;
    for (int j = 0; j < n; ++j) {
        files.push_back(FileOf(3, 10));
        files.back().club.coach_name.set("Coach " + std::to_string(j));
        t_team& team = AppendRecord(data->teams);
        team.country = 3;
        team.division = 1 + j / 10;
    }
    t_game_state& gs = data->game_state;
    gs.league_club_count = n;
    gs.human_count = 2;
    std::fill(std::begin(gs.human_clubs), std::end(gs.human_clubs), -1);
    std::fill(std::begin(gs.human_coaches), std::end(gs.human_coaches), -1);
    gs.human_clubs[0] = 17;
    gs.human_clubs[1] = 5;
    data->teams[17].human = 1;
    data->teams[5].human = 1;
    data->human_coach_names[0].set("Ana");
    data->human_coach_names[1].set("Bia");
    data->human_coach_nationalities[0] = 65;
    data->human_coach_nationalities[1] = 11;

    BuildCoaches(*data, files);
    ASSERT_EQ(data->coaches.size(), static_cast<std::size_t>(n + 6));
    EXPECT_EQ(std::to_array(gs.human_coaches), (std::array<std::int32_t, 6>{5, 17, -1, -1, -1, -1}));
    const t_coach& bia = data->coaches[5];
    EXPECT_EQ(bia.name.str(), "Bia");
    EXPECT_EQ(bia.league_country, 11);
    EXPECT_EQ(bia.human, 1);
    EXPECT_EQ(data->coaches[17].name.str(), "Ana");
    for (const auto& [spare, club] : {std::pair{n, 5}, std::pair{n + 1, 17}}) {
        const t_coach& coach = data->coaches[spare];
        EXPECT_EQ(coach.name.str(), "Coach " + std::to_string(club));
        EXPECT_EQ(coach.club, -1);
        EXPECT_EQ(coach.employed, 0);
        EXPECT_EQ(coach.division, club < 10 ? 1 : 2);
        EXPECT_EQ(coach.country, 3);
    }
    EXPECT_TRUE(data->coaches[n + 2].name.empty());
    for (int j = 0; j < n; ++j) {
        EXPECT_EQ(data->teams[j].coach, j);
        EXPECT_EQ(data->coaches[j].club, j);
        EXPECT_EQ(data->coaches[j].employed, 1);
    }
    EXPECT_EQ(data->coaches[3].name.str(), "Coach 3");
}

TEST(BackgroundClubsTest, EachListedCountryWithoutALeagueSendsItsMostPrestigiousClubs) {
    TeamsFolder folder;
    for (int i = 0; i < 16; ++i)
        folder.AddClub(29, ClubOptions().SortKey(i).Level(10).Name("Casa " + std::to_string(i)));
    folder.AddClub(11, ClubOptions().SortKey(5).Level(3).Name("Arg baixo"));
    folder.AddClub(11, ClubOptions().SortKey(5).Level(9).Name("Arg alto"));
    folder.AddClub(11, ClubOptions().SortKey(9).Level(1).Incomplete().Name("Arg incompleto"));
    folder.AddClub(11, ClubOptions().SortKey(1).FileName("um_nome_de_arquivo_bem_comprido.b14"));
    folder.AddClubs(3, 5);    // has a league
    folder.AddClubs(100, 5);  // not a background country
    auto data = std::make_unique<GameData>();
    data->league_configs.emplace_back().country = 3;
    std::vector<ClubFile> files;

    AddBackgroundClubs(*data, folder.teams(), files);
    ASSERT_EQ(data->teams.size(), 17u);
    EXPECT_EQ(data->game_state.background_club_count, 17);
    EXPECT_EQ(files.size(), 17u);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(data->teams[i].name.str(), "Casa " + std::to_string(15 - i));
        EXPECT_EQ(data->teams[i].country, 29);
    }
    EXPECT_EQ(data->teams[14].name.str(), "Arg alto");
    EXPECT_EQ(data->teams[15].name.str(), "Arg baixo");
    EXPECT_EQ(data->team_file_names[16], "um_nome_de_arquivo_bem_comprido.b14");
    EXPECT_EQ(files[16].real_name, data->team_file_names[16]);
}

TEST(FirstWindowTest, TheMainWindowWhenAHumanClubPlaysTheFirstDay) {
    struct Case {
        int match_kind;
        bool human_plays;
        FirstWindow window;
        int match_day_group;
        int state_position;
    };
    const Case cases[] = {
        {ckNationalLeague, false, FirstWindow::kMainWindow, -9, -9},
        {ckNationalCup, false, FirstWindow::kMatchDay, 0, -9},
        {ckStateChampionship, false, FirstWindow::kMatchDay, -9, 18},
        {ckStateChampionship, true, FirstWindow::kMainWindow, -9, -9},
        {ckContinentalCup, false, FirstWindow::kMatchDay, 1, -9},
        {ckContinentalCup, true, FirstWindow::kMainWindow, -9, -9},
    };
    for (const Case& c : cases) {
        auto data = std::make_unique<GameData>();
        t_game_state& gs = data->game_state;
        gs.match_kind = c.match_kind;
        gs.human_count = 1;
        std::fill(std::begin(gs.human_clubs), std::end(gs.human_clubs), -1);
        gs.human_clubs[0] = 0;
        t_team& club = AppendRecord(data->teams);
        club.human = 1;
        club.state = 18;
        club.in_state_league = c.human_plays;
        club.in_continental_cup = c.human_plays;
        data->state_leagues[18].active = 1;
        data->state_leagues[10].active = 1;
        data->match_day_group = -9;
        data->state_position = -9;
        EXPECT_EQ(ChooseFirstWindow(*data), c.window) << c.match_kind;
        EXPECT_EQ(data->match_day_group, c.match_day_group) << c.match_kind;
        EXPECT_EQ(data->state_position, c.state_position) << c.match_kind;
    }
}

// A small game: one league of 22 clubs of Alemanha, one human coach.
struct SmallGame : ::testing::Test {
    TeamsFolder folder;
    NewGameSetup setup;
    void SetUp() override {
        SetGameFolder(folder.root());
        Game().Reset();
        SeedRandom(11);
    }
    void TearDown() override {
        SetGameFolder("");
        Game().Reset();
    }
    void Prepare(bool tournaments) {
        setup.scan = ScanClubFiles(folder.teams());
        NewGameChoices choices = DefaultChoices(ListedCountries(setup.scan));
        choices.leagues = {3};
        choices.main_country = 3;
        choices.world_cup = choices.euro = choices.copa_america = tournaments;
        ASSERT_EQ(StartRealCountriesGame(setup, choices), "");
        OpenClubChoice(setup);
        ASSERT_EQ(ChooseHumanClub(setup, 0, "Ana", 3), "");
    }
};

TEST_F(SmallGame, AChosenClubFileThatVanishedStopsTheBuildAndKeepsTheRunningGame) {
    folder.AddClubs(3, 22);
    Prepare(false);
    Game().teams.resize(3);
    const std::string gone = setup.world->team_file_names[5];
    std::filesystem::remove(folder.teams() + "/" + gone);

    const NewGameOutcome outcome = BuildNewGame(setup, folder.teams());
    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.message.find(gone), std::string::npos) << outcome.message;
    EXPECT_EQ(Game().teams.size(), 3u);
    EXPECT_TRUE(Game().coaches.empty());
}

// A chosen club whose file is damaged after the setup read it stops the build as a vanished
// one does, saying why; a damaged national team is left out of the tournaments.
TEST_F(SmallGame, ADamagedChosenClubFileStopsTheBuild) {
    folder.AddClubs(3, 22);
    Prepare(false);
    Game().teams.resize(3);
    const std::string cut = setup.world->team_file_names[7];
    folder.Cut(cut, 1000);

    const NewGameOutcome outcome = BuildNewGame(setup, folder.teams());
    EXPECT_FALSE(outcome.ok());
    EXPECT_NE(outcome.message.find(cut + "): arquivo incompleto (1000 de 1333 bytes)"),
              std::string::npos)
        << outcome.message;
    EXPECT_EQ(Game().teams.size(), 3u);
}

TEST_F(SmallGame, NationalTeamsThatCannotFieldATeamStayOut) {
    folder.AddClubs(3, 22);
    folder.AddNationalTeam(3);
    folder.AddNationalTeam(11, 12, 10);
    folder.Cut(folder.AddNationalTeam(29), 1000);
    Prepare(true);
    const NewGameOutcome outcome = BuildNewGame(setup, folder.teams());
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    ASSERT_EQ(Game().national_team_list.size(), 1u);
    EXPECT_EQ(Game().national_team_list[0].country, 3);
}

TEST_F(SmallGame, NothingIsBuiltBeforeEveryCoachHasAClub) {
    folder.AddClubs(3, 22);
    Game().teams.resize(3);
    EXPECT_EQ(BuildNewGame(setup, folder.teams()).message, kNoLeagueChosen);
    setup.scan = ScanClubFiles(folder.teams());
    NewGameChoices choices = DefaultChoices(ListedCountries(setup.scan));
    choices.leagues = {3};
    choices.main_country = 3;
    choices.human_count = 2;
    ASSERT_EQ(StartRealCountriesGame(setup, choices), "");
    OpenClubChoice(setup);
    ASSERT_EQ(ChooseHumanClub(setup, 0, "Ana", 3), "");
    EXPECT_EQ(BuildNewGame(setup, folder.teams()).message, kCoachClubMissing);
    EXPECT_EQ(Game().teams.size(), 3u);
    ASSERT_EQ(ChooseHumanClub(setup, 1, "Bia", 3), "");
    EXPECT_TRUE(BuildNewGame(setup, folder.teams()).ok());
    EXPECT_EQ(Game().game_state.human_coaches[1], 1);
}

TEST_F(SmallGame, NationalTeamFilesAreReadOnlyForATournament) {
    folder.AddClubs(3, 22);
    folder.AddClubs(11, 3);
    for (const int country : {3, 11, 29}) folder.AddNationalTeam(country);
    for (const bool tournaments : {false, true}) {
        setup = NewGameSetup();
        Prepare(tournaments);
        const NewGameOutcome outcome = BuildNewGame(setup, folder.teams());
        ASSERT_TRUE(outcome.ok()) << outcome.message;
        const GameData& game = Game();
        test::ExpectNewGameInvariants(game);
        EXPECT_EQ(game.national_team_list.size(), tournaments ? 3u : 0u);
        EXPECT_EQ(game.game_state.background_club_count, 3);
        // Three national teams cannot fill a world cup: it is switched off before the calendar
        // and the registry are made, so neither keeps a world cup day or id.
        EXPECT_EQ(game.game_state.world_cup_on, 0);
        for (const t_calendar_day& day : game.calendar) EXPECT_NE(day.day_type, ckWorldCup);
        for (const t_competition& c : game.competitions) EXPECT_NE(c.kind, ckWorldCup);
        for (const t_national_team_entry& entry : game.national_team_list) {
            const t_team& team = game.teams[entry.team];
            EXPECT_EQ(team.country, entry.country);
            EXPECT_EQ(team.coach, -1);
            EXPECT_EQ(team.name.str(), CountryName(entry.country));
            EXPECT_EQ(game.national_team_list[team.state].team, entry.team);
        }
    }
}

}  // namespace
}  // namespace kv
