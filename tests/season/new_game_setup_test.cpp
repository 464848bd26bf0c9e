#include "season/new_game_setup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/options.h"
#include "core/picture_paths.h"
#include "tests/season/teams_folder.h"

namespace kv {
namespace {

using test::ClubOptions;
using test::TeamsFolder;

std::vector<int> CountriesOf(const std::vector<CountryClubs>& listed) {
    std::vector<int> countries;
    for (const CountryClubs& c : listed) countries.push_back(c.country);
    return countries;
}

// A setup whose options file lives in the test's folder.
struct SetupFixture : ::testing::Test {
    TeamsFolder folder;
    NewGameSetup setup;
    void SetUp() override { SetGameFolder(folder.root()); }
    void TearDown() override { SetGameFolder(""); }
    void Scan() { setup.scan = ScanClubFiles(folder.teams()); }
};

using ClubFileScanTest = SetupFixture;

TEST_F(ClubFileScanTest, CountsOnlyClubsTheBuilderCanUseAndListsFrom22) {
    folder.AddClubs(3, 22);
    folder.AddClubs(11, 21);
    folder.AddClub(11, ClubOptions().Incomplete());
    folder.AddClub(11, ClubOptions().Version(13));
    folder.AddClub(11, ClubOptions().Name(" "));  // a name of blanks is still a name
    folder.AddClub(65, ClubOptions().NoName());
    Scan();

    EXPECT_EQ(setup.scan.files.size(), 22u + 21u + 1u);
    EXPECT_EQ(setup.scan.skipped.size(), 3u);
    EXPECT_EQ(setup.scan.usable_clubs[3], 22);
    EXPECT_EQ(setup.scan.usable_clubs[11], 22);  // 21 complete plus the blank-named one
    EXPECT_EQ(CountriesOf(ListedCountries(setup.scan)), (std::vector<int>{3, 11}));
}

TEST_F(ClubFileScanTest, TwentyOneUsableClubsAreNotEnough) {
    folder.AddClubs(3, 21);
    folder.AddClub(3, ClubOptions().Incomplete());
    folder.AddClub(3, ClubOptions().Version(13));
    Scan();
    EXPECT_EQ(setup.scan.usable_clubs[3], 21);
    EXPECT_TRUE(ListedCountries(setup.scan).empty());
    EXPECT_EQ(CountriesOf(CustomChampionshipCountries(setup.scan)), (std::vector<int>{3}));
}

// A damaged file is left out where the clubs are counted, so no club that cannot play reaches
// a league, and the setup can say which files it left out and why.
TEST_F(ClubFileScanTest, DamagedFilesAreSkippedWithTheirReason) {
    folder.AddClubs(3, 22);
    const struct {
        std::string file;
        std::string reason;
    } cases[] = {
        {folder.AddClub(3), "arquivo incompleto (208 de 1333 bytes)"},
        {folder.AddClub(3), "arquivo incompleto (1000 de 1333 bytes)"},
        // The header says the squad is complete; the squad says otherwise.
        {folder.AddClub(3, ClubOptions().Players(11)),
         "o elenco não forma um time (1 goleiro(s) e 10 jogador(es) de linha; são precisos 1 e "
         "11)"},
        {folder.AddClub(3, ClubOptions().Incomplete()), "o elenco está marcado como incompleto"},
        {folder.AddClub(3, ClubOptions().Version(13)),
         "versão 13 do arquivo; o jogo lê a versão 14"},
        {folder.AddNationalTeam(11, 12, 10),
         "o elenco não forma um time (1 goleiro(s) e 9 jogador(es) de linha; são precisos 1 e 10)"},
        {folder.AddNationalTeam(29), "arquivo incompleto (1000 de 1752 bytes)"},
    };
    folder.Cut(cases[0].file, 208);
    folder.Cut(cases[1].file, 1000);
    folder.Cut(cases[6].file, 1000);
    folder.AddNationalTeam(3, 12, 11);  // can field a team, though the editor would want more
    Scan();

    EXPECT_EQ(setup.scan.usable_clubs[3], 22);
    EXPECT_EQ(setup.scan.files.size(), 22u);
    ASSERT_EQ(setup.scan.skipped.size(), std::size(cases));
    // Each file by its real path; the notice shows the first five and counts the rest.
    std::string notice = "7 arquivos ignorados da pasta de times:";
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string path = folder.teams() + "/" + cases[i].file;
        EXPECT_EQ(setup.scan.skipped[i].name, path);
        EXPECT_EQ(setup.scan.skipped[i].reason, cases[i].reason);
        if (i < kSkippedFilesShown) notice += "\n" + path + ": " + cases[i].reason;
    }
    EXPECT_EQ(SkippedFilesNotice(setup.scan), notice + "\n... e mais 2");
}

// With nothing to play, the setup says what is wrong with the folder rather than asking a
// coach to choose among no clubs.
TEST_F(ClubFileScanTest, AFolderWithNoClubToPlaySaysSo) {
    const std::string missing = folder.root() + "/nada";
    NewGameSetup none;
    EXPECT_EQ(RunAutomaticSetup(none, missing, {}),
              "A pasta de times não foi encontrada: " + missing);
    NewGameSetup empty;
    EXPECT_EQ(RunAutomaticSetup(empty, folder.teams(), {}),
              "A pasta de times não tem nenhum arquivo de time (.b14): " + folder.teams());

    for (int i = 0; i < 3; ++i) folder.Cut(folder.AddClub(29), 208);
    NewGameSetup damaged;
    EXPECT_EQ(RunAutomaticSetup(damaged, folder.teams(), {}),
              "Nenhum arquivo de time da pasta pode ser usado (3 ignorados): " + folder.teams());

    folder.AddClubs(3, 22);
    AutomaticSetup brasil;
    brasil.countries = {29};
    NewGameSetup few;
    EXPECT_EQ(RunAutomaticSetup(few, folder.teams(), brasil),
              "O país Brasil não tem times suficientes para uma liga (0 de 22)");
    NewGameSetup playable;
    EXPECT_EQ(RunAutomaticSetup(playable, folder.teams(), {}), "");
}

TEST(MainCountryTest, HomeCountryWhenListedElseTheLowest) {
    struct Case {
        std::vector<CountryClubs> listed;
        int main_country;
    };
    const Case cases[] = {
        {{{3, 22}, {29, 40}, {65, 22}}, 29},
        {{{65, 22}, {97, 22}}, 65},
        {{}, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(DefaultMainCountry(c.listed), c.main_country);
}

TEST(ContinentalSwitchTest, TheSecondCupIsPlayedOnlyBesideTheFirst) {
    NewGameChoices choices;
    SetContinentalCup(choices, false);
    EXPECT_FALSE(choices.second_continental_cup);
    SetSecondContinentalCup(choices, true);
    EXPECT_TRUE(choices.continental_cup);
    EXPECT_TRUE(choices.second_continental_cup);
    SetSecondContinentalCup(choices, false);
    EXPECT_TRUE(choices.continental_cup);
}

using StoreChoicesTest = SetupFixture;

TEST_F(StoreChoicesTest, NoLeagueTickedStoresNothing) {
    folder.AddClubs(29, 22);
    Scan();
    NewGameChoices choices = DefaultChoices(ListedCountries(setup.scan));
    choices.leagues.clear();
    EXPECT_EQ(StartRealCountriesGame(setup, choices), kNoLeagueChosen);
    EXPECT_TRUE(setup.world->league_configs.empty());
    EXPECT_TRUE(setup.world->teams.empty());
}

TEST_F(StoreChoicesTest, MainCountryAndSwitchesFollowTheRulesNotTheTicks) {
    folder.AddClubs(3, 22);
    folder.AddClubs(29, 22);
    Scan();
    struct Case {
        std::vector<int> leagues;
        int main_country;
        bool state_leagues;
        bool first_cup, first_season_groups, second_cup;
        int format;
        std::string cup_name;
        bool state_leagues_on, first_season_on, second_cup_on;
    };
    const Case cases[] = {
        // Brasil listed but unticked is still the main country.
        {{3}, 29, true, true, true, true, kDivisionsOf10, "Copa do Brasil", true, true, true},
        {{3, 29}, 3, true, true, true, true, kDivisionsOf20, "Copa Alemanha", false, true, true},
        {{29}, 29, false, false, true, true, kDivisionsOf10, "Copa do Brasil", false, false, false},
    };
    for (const Case& c : cases) {
        NewGameChoices choices = DefaultChoices(ListedCountries(setup.scan));
        EXPECT_EQ(choices.main_country, 29);
        EXPECT_EQ(choices.leagues, (std::vector<int>{29}));
        choices.leagues = c.leagues;
        choices.main_country = c.main_country;
        choices.state_leagues = c.state_leagues;
        choices.continental_cup = c.first_cup;
        choices.continental_cup_first_season = c.first_season_groups;
        choices.second_continental_cup = c.second_cup;
        choices.league_format = c.format;
        choices.human_count = 2;
        ASSERT_EQ(StartRealCountriesGame(setup, choices), "");

        const GameData& world = *setup.world;
        const t_game_state& gs = world.game_state;
        EXPECT_EQ(gs.main_country, c.main_country);
        EXPECT_EQ(gs.national_cup_name.str(), c.cup_name);
        EXPECT_EQ(gs.state_leagues_on != 0, c.state_leagues_on);
        EXPECT_EQ(gs.continental_cup_first_season != 0, c.first_season_on);
        EXPECT_EQ(gs.second_continental_cup_on != 0, c.second_cup_on);
        EXPECT_EQ(gs.league_format, c.format);
        EXPECT_EQ(gs.human_count, 2);
        ASSERT_EQ(world.league_configs.size(), c.leagues.size());
        for (std::size_t i = 0; i < c.leagues.size(); ++i)
            EXPECT_EQ(world.league_configs[i].country, c.leagues[i]);
        EXPECT_EQ(gs.league_club_count, 22 * static_cast<int>(c.leagues.size()));
        EXPECT_EQ(world.team_file_names.size(), world.teams.size());
    }
}

TEST_F(StoreChoicesTest, TheShownMatchesOfEachContinentAreRememberedInTheOptions) {
    folder.AddClubs(29, 22);
    Scan();
    WriteOption(kOptionsSection, "ver43", "1");
    WriteOption(kOptionsSection, "ver41", "0");
    WriteOption(kOptionsSection, "ver42", "x");
    NewGameChoices choices = DefaultChoices(ListedCountries(setup.scan));
    EXPECT_EQ(choices.show_continental_matches, (std::array<bool, 4>{false, true, true, false}));

    choices.show_continental_matches = {true, false, false, true};
    ASSERT_EQ(StartRealCountriesGame(setup, choices), "");
    EXPECT_EQ(ReadOption(kOptionsSection, "ver41"), "1");
    EXPECT_EQ(ReadOption(kOptionsSection, "ver43"), "0");
    EXPECT_EQ(setup.world->game_state.show_continental_matches[3], 1);
}

using CustomChampionshipTest = SetupFixture;

TEST_F(CustomChampionshipTest, GoesOnFrom42ClubsAndRewritesThemIntoOneCountry) {
    folder.AddClubs(3, 20);
    folder.AddClubs(11, 21);
    folder.AddClubs(65, 1);
    folder.AddClub(65, ClubOptions().Incomplete());
    folder.AddClubs(97, 5);
    Scan();
    EXPECT_EQ(SelectedCustomClubs(setup.scan, std::vector<int>{3, 11}), 41);
    CustomChoices choices{{3, 11}, kDivisionsOf10, true};
    EXPECT_EQ(StartCustomChampionship(setup, choices, 1), kTooFewCustomClubs);
    EXPECT_TRUE(setup.world->teams.empty());

    choices.countries = {3, 11, 65};
    EXPECT_EQ(SelectedCustomClubs(setup.scan, choices.countries), 42);
    ASSERT_EQ(StartCustomChampionship(setup, choices, 3), "");
    const GameData& world = *setup.world;
    const t_game_state& gs = world.game_state;
    EXPECT_EQ(gs.main_country, kCustomChampionship);
    EXPECT_EQ(gs.national_cup_name.str(), "Copa Internacional");
    EXPECT_EQ(gs.league_format, kDivisionsOf10);
    EXPECT_EQ(gs.human_count, 3);
    EXPECT_EQ(gs.national_cup_on, 1);
    for (const std::uint8_t off : {gs.world_cup_on, gs.copa_america_on, gs.euro_on,
                                   gs.state_leagues_on, gs.continental_cup_on,
                                   gs.second_continental_cup_on})
        EXPECT_EQ(off, 0);
    ASSERT_EQ(world.league_configs.size(), 1u);
    EXPECT_EQ(world.league_configs[0].country, kCustomChampionship);
    EXPECT_EQ(world.league_configs[0].has_human_club, 1);
    EXPECT_EQ(world.league_configs[0].division_count, 4);
    EXPECT_EQ(gs.league_club_count, 42);
    for (const t_team& team : world.teams) EXPECT_EQ(team.country, kCustomChampionship);
}

using ClubChoiceTest = SetupFixture;

TEST_F(ClubChoiceTest, EachCoachTakesAFreeClubWithHisNameAndNationality) {
    folder.AddClubs(29, 32);
    folder.AddClubs(3, 22);
    Scan();
    NewGameChoices choices = DefaultChoices(ListedCountries(setup.scan));
    choices.leagues = {3, 29};
    choices.human_count = 2;
    ASSERT_EQ(StartRealCountriesGame(setup, choices), "");
    const int shown = OpenClubChoice(setup);
    GameData& world = *setup.world;
    EXPECT_EQ(world.league_configs[shown].country, 29);

    const std::vector<ClubChoiceList> lists = ShowLeagueClubs(setup, shown);
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0].heading, "1ª divisão");
    EXPECT_EQ(lists[0].clubs.size(), 10u);
    EXPECT_EQ(lists[2].clubs.size(), 10u);
    const int club = lists[0].clubs[3];

    EXPECT_EQ(CoachChoosing(setup), 1);
    EXPECT_EQ(ChooseHumanClub(setup, club, "", 29), kCoachNameMissing);
    ASSERT_EQ(ChooseHumanClub(setup, club, "Ana", 65), "");
    EXPECT_EQ(CoachChoosing(setup), 2);
    EXPECT_EQ(ChooseHumanClub(setup, club, "Bia", 29), kClubAlreadyHuman);
    EXPECT_EQ(CoachChoosing(setup), 2);
    const int other = world.league_configs[0].division_clubs[1][0];
    ASSERT_EQ(ChooseHumanClub(setup, other, "Ana", -7), "");
    EXPECT_EQ(CoachChoosing(setup), 3);

    const t_game_state& gs = world.game_state;
    EXPECT_EQ(gs.human_clubs[0], club);
    EXPECT_EQ(gs.human_clubs[1], other);
    EXPECT_EQ(gs.human_clubs[2], -1);
    EXPECT_EQ(gs.user_club, other);
    EXPECT_EQ(world.teams[club].human, 1);
    EXPECT_EQ(world.human_coach_names[0].str(), "Ana");
    EXPECT_EQ(world.human_coach_names[1].str(), "Ana");
    EXPECT_EQ(world.human_coach_nationalities[0], 65);
    EXPECT_EQ(world.human_coach_nationalities[1], 29);  // an unknown nationality reads Brasil
    EXPECT_EQ(world.human_coach_nationalities[2], -1);
    EXPECT_EQ(world.league_configs[0].has_human_club, 1);
    EXPECT_EQ(world.league_configs[1].has_human_club, 1);
}

TEST_F(ClubChoiceTest, DivisionsOfTwentyAreListedByNameAndTheFourthCanBeRegional) {
    // Four national divisions of strong clubs without a state, and 40 weaker clubs of two
    // states whose championship groups can form the regional division.
    for (int i = 0; i < 80; ++i)
        folder.AddClub(29, ClubOptions().Level(20).Name("Clube " + std::to_string(200 - i)));
    for (int i = 0; i < 40; ++i)
        folder.AddClub(29, ClubOptions().Level(5).Name("Regional " + std::to_string(i)).State(i % 2));
    Scan();
    NewGameChoices choices = DefaultChoices(ListedCountries(setup.scan));
    choices.league_format = kDivisionsOf20;
    choices.state_leagues = true;
    ASSERT_EQ(StartRealCountriesGame(setup, choices), "");
    const int shown = OpenClubChoice(setup);
    GameData& world = *setup.world;
    ASSERT_EQ(world.league_configs[shown].division_count, 4);
    const std::vector<int> fourth(world.league_configs[shown].division_clubs[3],
                                  world.league_configs[shown].division_clubs[3] + 4);

    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<ClubChoiceList> lists = ShowLeagueClubs(setup, shown);
        ASSERT_EQ(lists.size(), 4u);
        for (const ClubChoiceList& list : lists)
            EXPECT_TRUE(std::is_sorted(list.clubs.begin(), list.clubs.end(), [&](int a, int b) {
                return world.teams[a].name.raw() < world.teams[b].name.raw();
            }));
        EXPECT_EQ(lists[3].heading, "Divisão regional");
        EXPECT_GE(lists[3].clubs.size(), 32u);
        for (const int team : lists[3].clubs) EXPECT_EQ(world.teams[team].division, 0);
        // Showing the league again keeps the regional cup's entrants.
        EXPECT_EQ(std::vector<int>(world.regional_cup_entrants.begin(),
                                   world.regional_cup_entrants.end()),
                  fourth);
    }
    EXPECT_EQ(world.game_state.home_regional_division, 1);
    for (const int slot : world.league_configs[shown].division_clubs[3]) EXPECT_EQ(slot, -1);
}

}  // namespace
}  // namespace kv
