#include "season/continental_draws.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/lookups.h"
#include "core/random.h"
#include "season/game_messages.h"
#include "season/league_entrants.h"
#include "season/schedule_generator.h"
#include "tests/season/draw_world.h"

namespace kv {
namespace {

using test::AddClubs;
using test::EmptySlots;
using test::NewSeason;
using test::TeamsIn;

class RecordedMessages : public GameMessages {
  public:
    void ShowError(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

constexpr int kDrawCountries[] = {
    // South America
    29, 11, 195, 150, 42, 46, 131, 60, 151, 26, 198,
    // Europe
    97, 65, 3, 104, 72, 85, 154, 162, 193, 78, 160, 62, 21, 159, 192, 15, 52, 31, 88, 171, 179, 152,
    180, 76, 142, 27, 54, 44,
    // Africa
    57, 129, 190, 1, 47, 50, 75, 10, 141, 127, 67, 36, 5, 157, 178, 201, 200, 81,
    // Asia
    9, 43, 107, 49, 39, 98, 59, 196, 14, 183,
    // the club world cup's others
    51, 38, 68, 143, 148};

// Ten clubs of every country the draws name, levels 15 down to 6 (distinct ranking keys),
// except the countries given a count of their own.
std::unique_ptr<GameData> ClubsWorld(std::map<int, int> counts = {}) {
    auto data = NewSeason(2);
    test::SwitchEverythingOn(*data);
    for (const int country : kDrawCountries) {
        const auto own = counts.find(country);
        AddClubs(*data, country, own == counts.end() ? 10 : own->second, 15);
    }
    return data;
}

// Clubs per country in a group table.
template <class Table>
std::map<int, int> CountriesOf(const GameData& data, const Table& table) {
    std::map<int, int> count;
    for (const int team : TeamsIn(table)) ++count[data.teams[team].country];
    return count;
}

// Makes `team` the champion of `kind` for the country's region (or the country, for the
// national cup) in `season`, registering the competition when needed.
void AddChampion(GameData& data, int kind, int country, int season, int team) {
    if (data.competitions.empty()) data.competitions.push_back({0, -1, -1});
    const t_competition key = kind == ckNationalCup
                                  ? t_competition{kind, country, -1}
                                  : t_competition{kind, -1, ContinentOfCountry(country)};
    int id = -1;
    for (int i = 0; i < static_cast<int>(data.competitions.size()); ++i)
        if (data.competitions[i].kind == key.kind && data.competitions[i].area == key.area &&
            data.competitions[i].division == key.division)
            id = i;
    if (id < 0) {
        data.competitions.push_back(key);
        id = static_cast<int>(data.competitions.size()) - 1;
    }
    data.honours.push_back({season, id, team, 1, -1});
}

// The club of rank `rank` (from 1) of the country in a ClubsWorld.
int ClubOf(const GameData& data, int country, int rank) {
    int seen = 0;
    for (int team = 0; team < static_cast<int>(data.teams.size()); ++team)
        if (data.teams[team].country == country && ++seen == rank) return team;
    return -1;
}

void DrawAll(GameData& data) {
    DrawSouthAmericanCups(data, true);
    DrawEuropeanCups(data, true);
    DrawAfricanCup(data, true);
    DrawAsianCup(data, true);
}

TEST(ContinentalDraws, EveryCupTakesItsCountriesQuotasWithTheSeedsHeadingTheGroups) {
    SeedRandom(11);
    auto data = ClubsWorld();
    DrawAll(*data);
    const t_game_state& gs = data->game_state;

    const std::map<int, int> south_first = {{29, 4},  {11, 4}, {195, 3}, {150, 3}, {42, 3}, {46, 3},
                                            {131, 3}, {60, 3}, {151, 2}, {26, 2},  {198, 2}};
    EXPECT_EQ(CountriesOf(*data, gs.continental_groups_south_america), south_first);
    EXPECT_EQ(CountriesOf(*data, gs.second_cup_groups_south_america), south_first);
    const std::map<int, int> africa = {{57, 3}, {129, 3}, {190, 3}, {1, 3},   {47, 1},  {50, 1},
                                       {75, 1}, {10, 3},  {141, 2}, {127, 1}, {67, 1},  {36, 2},
                                       {5, 2},  {157, 1}, {178, 2}, {201, 1}, {200, 1}, {81, 1}};
    EXPECT_EQ(CountriesOf(*data, gs.continental_groups_africa), africa);
    const std::map<int, int> asia = {{9, 4},  {43, 4}, {107, 4}, {49, 4}, {39, 4},
                                     {98, 3}, {59, 4}, {196, 2}, {14, 2}, {183, 1}};
    EXPECT_EQ(CountriesOf(*data, gs.continental_groups_asia), asia);
    const std::map<int, int> europe_second = {{97, 3},  {65, 3},  {3, 3},   {104, 3}, {72, 2},
                                              {85, 2},  {154, 2}, {162, 2}, {193, 1}, {78, 1},
                                              {160, 1}, {62, 1},  {21, 1},  {192, 2}, {152, 1},
                                              {180, 1}, {76, 1},  {142, 1}, {27, 1}};
    EXPECT_EQ(CountriesOf(*data, gs.second_cup_groups_europe), europe_second);
    std::map<int, int> europe_first = CountriesOf(*data, gs.continental_groups_europe);
    const auto one_of = [&](std::initializer_list<int> countries) {
        int n = 0;
        for (const int c : countries) n += static_cast<int>(europe_first.erase(c) ? 1 : 0);
        return n;
    };
    EXPECT_EQ(one_of({15, 159}), 1);
    EXPECT_EQ(one_of({54, 52, 31}), 1);
    EXPECT_EQ(one_of({88, 171, 179, 44}), 1);
    EXPECT_EQ(europe_first, (std::map<int, int>{{97, 4},
                                                {65, 4},
                                                {3, 4},
                                                {104, 3},
                                                {72, 3},
                                                {85, 2},
                                                {154, 2},
                                                {162, 1},
                                                {193, 1},
                                                {78, 1},
                                                {160, 1},
                                                {62, 1},
                                                {21, 1},
                                                {192, 1}}));

    // Seeds: the two best of England, Spain, Germany and Italy head the European groups.
    std::set<int> european_seeds, heads;
    for (const int country : {97, 65, 3, 104})
        for (const int rank : {1, 2}) european_seeds.insert(ClubOf(*data, country, rank));
    for (const auto& group : gs.continental_groups_europe) heads.insert(group[0]);
    EXPECT_EQ(heads, european_seeds);

    // Flags and group numbers; no club plays both cups.
    for (int team = 0; team < static_cast<int>(data->teams.size()); ++team) {
        const t_team& t = data->teams[team];
        EXPECT_FALSE(t.in_continental_cup && t.in_second_continental_cup) << team;
        const bool african = ContinentOfCountry(t.country) == ctAfrica;
        const bool asian = ContinentOfCountry(t.country) == ctAsia;
        const int group = african ? t.african_group : asian ? t.asian_group : t.continental_group;
        EXPECT_EQ(group > 0, t.in_continental_cup != 0) << team;
    }
    for (int g = 0; g < 8; ++g) {
        EXPECT_EQ(data->teams[gs.continental_groups_europe[g][2]].continental_group, g + 1);
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(data->second_cup_prelim_teams[4 * g + s],
                      gs.second_cup_groups_south_america[g][s]);
    }
}

TEST(ContinentalDraws, SecondCupOffFlagsNoClubForIt) {
    SeedRandom(12);
    auto data = ClubsWorld();
    data->game_state.second_continental_cup_on = 0;
    DrawAll(*data);
    for (const t_team& t : data->teams) {
        EXPECT_FALSE(t.in_second_continental_cup);
        EXPECT_EQ(t.second_continental_group, 0);
    }
    EXPECT_EQ(TeamsIn(data->game_state.continental_groups_europe).size(), 32u);
}

TEST(ContinentalDraws, CountriesShortOfClubsLendTheirPlacesToOthersOfTheDraw) {
    SeedRandom(13);
    // Equador has no club, Venezuela one, Paraguai four: ten places to hand on.
    auto data = ClubsWorld({{60, 0}, {198, 1}, {150, 4}});
    DrawSouthAmericanCups(*data, true);
    const t_game_state& gs = data->game_state;
    EXPECT_EQ(EmptySlots(gs.continental_groups_south_america), 0);
    EXPECT_EQ(EmptySlots(gs.second_cup_groups_south_america), 0);
    std::set<int> both = TeamsIn(gs.continental_groups_south_america);
    for (const int team : TeamsIn(gs.second_cup_groups_south_america))
        EXPECT_TRUE(both.insert(team).second) << "club " << team << " in both cups";
    EXPECT_EQ(CountriesOf(*data, gs.continental_groups_south_america)[150], 3);
    EXPECT_EQ(CountriesOf(*data, gs.second_cup_groups_south_america)[150], 1);
    EXPECT_EQ(CountriesOf(*data, gs.continental_groups_south_america)[198], 1);

    // A region with too few clubs for its 32 places leaves the rest empty.
    auto sparse = NewSeason(2);
    AddClubs(*sparse, 57, 6, 15);
    AddClubs(*sparse, 190, 4, 15);
    DrawAfricanCup(*sparse, true);
    EXPECT_EQ(TeamsIn(sparse->game_state.continental_groups_africa).size(), 10u);
    EXPECT_EQ(EmptySlots(sparse->game_state.continental_groups_africa), 22);
}

// A human coach's club in a European league (Malta's is outside every draw list).
struct HumanLeague {
    std::unique_ptr<GameData> data;
    int leader;
};

HumanLeague WorldWithHumanLeague(int country) {
    auto data = ClubsWorld();
    if (ClubOf(*data, country, 1) < 0) AddClubs(*data, country, 3, 15);
    const int leader = ClubOf(*data, country, 1);
    t_league_config& league = data->league_configs.emplace_back();
    league.country = country;
    league.has_human_club = 1;
    for (auto& row : league.standings) std::fill(std::begin(row), std::end(row), -1);
    league.standings[0][0] = leader;
    test::MakeHuman(*data, ClubOf(*data, country, 2));
    return {std::move(data), leader};
}

TEST(ContinentalDraws, HumanCoachesLeagueLeaderTakesTheWildCardPlace) {
    struct Case {
        int league_country;
        std::int32_t (t_game_state::*groups)[8][4];
        std::map<int, int> wild_card_clubs_left;  // country -> its clubs in the cup afterwards
    };
    const Case cases[] = {
        {128, &t_game_state::continental_groups_europe, {{15, 0}, {159, 0}}},  // Malta
        {169, &t_game_state::continental_groups_africa, {{81, 0}}},            // Senegal
        {95, &t_game_state::continental_groups_asia, {{59, 3}}},               // Índia
    };
    for (const Case& c : cases) {
        for (int seed = 0; seed < 4; ++seed) {
            SCOPED_TRACE(testing::Message() << "league " << c.league_country << ", seed " << seed);
            SeedRandom(seed);
            HumanLeague world = WorldWithHumanLeague(c.league_country);
            GameData& data = *world.data;
            DrawAll(data);
            const auto& cup = data.game_state.*c.groups;
            EXPECT_TRUE(TeamsIn(cup).count(world.leader));
            EXPECT_TRUE(data.teams[world.leader].in_continental_cup);
            const auto countries = CountriesOf(data, cup);
            for (const auto& [country, left] : c.wild_card_clubs_left)
                EXPECT_EQ(countries.count(country) ? countries.at(country) : 0, left) << country;
        }
    }
    // The leader of a league whose first club plays the second cup moves up; the wild card
    // takes its second-cup place.
    SeedRandom(3);
    HumanLeague poland = WorldWithHumanLeague(152);
    DrawAll(*poland.data);
    const t_game_state& gs = poland.data->game_state;
    EXPECT_TRUE(TeamsIn(gs.continental_groups_europe).count(poland.leader));
    EXPECT_FALSE(TeamsIn(gs.second_cup_groups_europe).count(poland.leader));
    EXPECT_EQ(EmptySlots(gs.second_cup_groups_europe), 0);
    const auto second = CountriesOf(*poland.data, gs.second_cup_groups_europe);
    EXPECT_EQ(second.count(15) + second.count(159), 1u);
    EXPECT_TRUE(poland.data->teams[poland.leader].in_continental_cup);
    EXPECT_FALSE(poland.data->teams[poland.leader].in_second_continental_cup);
}

TEST(ContinentalDraws, HumanCoachedWildCardKeepsItsPlace) {
    SeedRandom(4);
    HumanLeague world = WorldWithHumanLeague(128);
    GameData& data = *world.data;
    for (const int country : {15, 159}) test::MakeHuman(data, ClubOf(data, country, 1));
    DrawAll(data);
    EXPECT_FALSE(TeamsIn(data.game_state.continental_groups_europe).count(world.leader));
}

TEST(ContinentalDraws, HumanClubWinsItsTrioPlaceWithoutADraw) {
    for (int seed = 0; seed < 10; ++seed) {
        SeedRandom(seed);
        auto data = ClubsWorld();
        const int danish = ClubOf(*data, 54, 1);
        test::MakeHuman(*data, danish);
        DrawEuropeanCups(*data, true);
        EXPECT_TRUE(data->teams[danish].in_continental_cup);
    }
}

TEST(ContinentalDraws, SouthAmericanHolderDefendsItsTitleInEquadorsPlace) {
    SeedRandom(14);
    auto data = ClubsWorld();
    data->game_state.season = 3;
    const int holder = ClubOf(*data, 29, 2);
    AddChampion(*data, ckContinentalCup, 29, 2, holder);
    DrawSouthAmericanCups(*data, true);
    const t_game_state& gs = data->game_state;
    std::set<int> heads;
    for (const auto& group : gs.continental_groups_south_america) heads.insert(group[0]);
    EXPECT_TRUE(TeamsIn(gs.continental_groups_south_america).count(holder));
    EXPECT_FALSE(heads.count(holder)) << "the holder is not a seed";
    EXPECT_TRUE(heads.count(ClubOf(*data, 29, 5))) << "Brasil's list closed the gap";
    const auto first = CountriesOf(*data, gs.continental_groups_south_america);
    EXPECT_EQ(first.at(60), 2);
    EXPECT_EQ(first.at(29), 5);
    EXPECT_TRUE(TeamsIn(gs.second_cup_groups_south_america).count(ClubOf(*data, 60, 3)));
    EXPECT_FALSE(TeamsIn(gs.second_cup_groups_south_america).count(ClubOf(*data, 60, 6)));
}

TEST(ContinentalDraws, FirstSeasonFixedGroupsOrTheDrawWhenAClubIsMissing) {
    const std::int32_t south_america[32] = {42,  397, 377, 391, 75,  388, 191, 342, 125, 217, 279,
                                            94,  345, 41,  411, 265, 321, 390, 111, 120, 263, 176,
                                            266, 273, 141, 223, 71,  161, 348, 121, 305, 34};
    const std::int32_t europe[32] = {240, 60,  358, 324, 322, 165, 206, 102, 298, 281, 64,
                                     29,  61,  239, 399, 115, 97,  354, 58,  369, 73,  33,
                                     268, 282, 40,  414, 311, 47,  57,  250, 7,   171};
    for (const bool complete : {true, false}) {
        SCOPED_TRACE(complete ? "all 64 present" : "one missing");
        SeedRandom(15);
        auto data = ClubsWorld();
        std::vector<std::int32_t> ids(data->teams.size(), -1);
        for (int k = 0; k < 32; ++k) {
            ids[2 * k] = south_america[k];
            ids[2 * k + 1] = europe[k];
        }
        if (!complete) ids[63] = 9999;
        EXPECT_EQ(SetFirstSeasonContinentalGroups(*data, ids), complete);
        const t_game_state& gs = data->game_state;
        EXPECT_EQ(gs.continental_cup_first_season, 1);
        EXPECT_EQ(EmptySlots(gs.continental_groups_europe), 0);
        EXPECT_EQ(TeamsIn(gs.continental_groups_south_america).size(), 32u);
        if (complete) {
            for (int k = 0; k < 32; ++k) {
                EXPECT_EQ(gs.continental_groups_south_america[k / 4][k % 4], 2 * k);
                EXPECT_EQ(gs.continental_groups_europe[k / 4][k % 4], 2 * k + 1);
                EXPECT_EQ(data->teams[2 * k].continental_group, k / 4 + 1);
                EXPECT_TRUE(data->teams[2 * k + 1].in_continental_cup);
            }
        } else {
            EXPECT_EQ(CountriesOf(*data, gs.continental_groups_south_america).at(29), 4)
                << "drawn by country";
        }
    }
}

TEST(ContinentalDraws, ClubWorldCupBringsTheFourChampionsAndFourMore) {
    for (int seed = 0; seed < 20; ++seed) {
        SeedRandom(seed);
        auto data = ClubsWorld();
        const int south = ClubOf(*data, 131, 1);  // a Mexican champion
        const int europe = ClubOf(*data, 65, 1);
        const int africa = ClubOf(*data, 57, 3);
        AddChampion(*data, ckContinentalCup, 29, 1, south);
        AddChampion(*data, ckContinentalCup, 3, 1, europe);
        AddChampion(*data, ckContinentalCup, 1, 1, africa);
        RecordedMessages messages;
        ASSERT_TRUE(DrawClubWorldCup(*data, messages));
        EXPECT_TRUE(messages.shown.empty());

        const auto& b = data->club_world_cup_bracket;
        const int asia = b[0].team_a;
        EXPECT_EQ(ContinentOfCountry(data->teams[asia].country), ctAsia)
            << "drawn from the Asian lists";
        const std::set<int> third_and_fourth = {b[2].team_a, b[3].team_a};
        EXPECT_EQ(third_and_fourth, (std::set<int>{south, europe}));
        const std::set<int> first_round = {b[0].team_a, b[0].team_b, b[1].team_a, b[1].team_b};
        EXPECT_EQ(first_round.size(), 4u);
        EXPECT_TRUE(first_round.count(africa));
        EXPECT_TRUE(b[0].team_b == africa || b[1].team_a == africa);
        const int oceania = b[1].team_b;
        EXPECT_TRUE(data->teams[oceania].country == 143 || data->teams[oceania].country == 148);
        for (const int team : first_round)
            EXPECT_NE(data->teams[team].country, 131) << "México cannot send a second club";
        int flagged = 0;
        for (const t_team& t : data->teams) flagged += t.in_club_world_cup;
        EXPECT_EQ(flagged, 6);
    }
}

TEST(ContinentalDraws, ClubWorldCupWithoutAChampionOrAnyOceaniaClubShowsTheError) {
    struct Case {
        const char* name;
        bool south_champion;
        bool oceania_clubs;
        bool fiji_club;
        bool drawn;
    };
    const Case cases[] = {
        {"no South American champion", false, true, false, false},
        {"no Oceania club at all", true, false, false, false},
        {"Fiji stands in for New Zealand", true, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto data = ClubsWorld(c.oceania_clubs ? std::map<int, int>{}
                                               : std::map<int, int>{{143, 0}, {148, 0}});
        if (c.fiji_club) AddClubs(*data, 69, 1, 3);
        if (c.south_champion) AddChampion(*data, ckContinentalCup, 29, 1, ClubOf(*data, 29, 1));
        AddChampion(*data, ckContinentalCup, 3, 1, ClubOf(*data, 3, 1));
        data->club_world_cup_bracket[0].team_a = -7;
        RecordedMessages messages;
        EXPECT_EQ(DrawClubWorldCup(*data, messages), c.drawn);
        if (c.drawn) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(data->teams[data->club_world_cup_bracket[1].team_b].country, 69);
        } else {
            EXPECT_EQ(messages.shown,
                      (std::vector<std::string>{"Erro no jogo, reinstale os times"}));
            EXPECT_EQ(data->club_world_cup_bracket[0].team_a, -7) << "nothing changes";
            for (const t_team& t : data->teams) EXPECT_FALSE(t.in_club_world_cup);
        }
    }
}

TEST(ContinentalDraws, NationalCupWinnerStandsSecondInItsCountrysList) {
    auto data = NewSeason(2, 2);
    const int c = test::AddDealtLeague(*data, 3, 40);
    const auto& standings = data->league_configs[c].standings[0];
    const int leader = standings[0];
    AddChampion(*data, ckNationalCup, 3, 1, leader);
    PrepareContinentalCups(*data, 1, -1);
    const t_top_clubs& list = data->top_club_lists[0];
    EXPECT_EQ(list.clubs[0], standings[1]);
    EXPECT_EQ(list.clubs[1], leader);
    for (int i = 2; i < 9; ++i) EXPECT_EQ(list.clubs[i], standings[i]);

    // Far down the table, the winner still comes second and the ninth place is kept.
    const int far = standings[14];
    AddChampion(*data, ckNationalCup, 3, 1, far);
    PrepareContinentalCups(*data, 1, -1);
    EXPECT_EQ(data->top_club_lists[0].clubs[0], standings[0]);
    EXPECT_EQ(data->top_club_lists[0].clubs[1], far);
    EXPECT_EQ(data->top_club_lists[0].clubs[9], standings[8]);
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(ContinentalDraws, SeasonChangeDrawsEveryCupFromTheLeagueTablesAndBuildsItsFixtures) {
    SeedRandom(16);
    auto data = ClubsWorld();
    data->game_state.season = 2;  // the season the draw is for
    // England's league: its table order decides its places, whatever the levels say.
    std::vector<int> english;
    for (int rank = 1; rank <= 10; ++rank) english.push_back(ClubOf(*data, 97, rank));
    t_league_config& league = data->league_configs.emplace_back();
    league.country = 97;
    for (auto& row : league.standings) std::fill(std::begin(row), std::end(row), -1);
    for (int i = 0; i < 10; ++i) league.standings[0][i] = english[9 - i];

    PrepareContinentalCups(*data, 1, 1);
    const t_game_state& gs = data->game_state;
    std::set<int> heads;
    for (const auto& group : gs.continental_groups_europe) heads.insert(group[0]);
    EXPECT_TRUE(heads.count(english[9]) && heads.count(english[8]))
        << "the table's top two are seeds";
    EXPECT_EQ(CountriesOf(*data, gs.continental_groups_europe).at(97), 4);
    EXPECT_FALSE(TeamsIn(gs.continental_groups_europe).count(english[0]))
        << "top club by level, last in the table";

    std::map<int, int> fixtures_by_kind;
    for (const t_fixture& f : data->fixtures) ++fixtures_by_kind[f.kind];
    EXPECT_EQ(fixtures_by_kind[ckContinentalCup], 4 * 8 * 12 + 4 * 30)
        << "group matches and open knock-out ties";
    EXPECT_GT(fixtures_by_kind[ckSecondContinentalCup], 0);
}

}  // namespace
}  // namespace kv
