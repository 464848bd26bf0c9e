#include "game/callup_selection.h"

#include <gtest/gtest.h>

#include "core/game_data.h"
#include "core/money.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

constexpr int kCountry = 29;

class CallUpSelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GameData& data = test::FreshGame(kDivisionsOf10);
        data.players.emplace_back();  // record 0 is never a player
        club_ = test::AddClub(data, kCountry);
        national_ = test::AddClub(data, kCountry);
        --data.game_state.league_club_count;  // the national team is no club
    }

    int AddPlayer(const char* name, int position, int age = 24, int strength = 40,
                  long long value_units = 200'000, int team = -2, int country = kCountry) {
        GameData& data = Game();
        const int p = static_cast<int>(data.players.size());
        t_player& player = data.players.emplace_back();
        player.name.set(name);
        player.position = position;
        player.age = age;
        player.strength = strength;
        player.value = MoneyFromUnits(value_units);
        player.nationality = country;
        player.team = -1;
        data.SetPlayerTeam(p, team == -2 ? club_ : team);
        return p;
    }

    int club_ = 0;
    int national_ = 0;
};

TEST_F(CallUpSelectionTest, AnySearchListsCountrysClubPlayersOnly) {
    const int a = AddPlayer("Ávila", posForward, 17);
    const int b = AddPlayer("Bruno", posGoalkeeper, 79);
    AddPlayer("Estrangeiro", posForward, 24, 40, 200'000, -2, 30);
    AddPlayer("Sem clube", posForward, 24, 40, 200'000, -1);
    AddPlayer("Da seleção", posForward, 24, 40, 200'000, national_);
    AddPlayer("", posForward);
    EXPECT_EQ(SearchCallUpPlayers(Game(), kCountry, CallUpFilter{}), (std::vector<int>{a, b}));
}

TEST_F(CallUpSelectionTest, NameMatchesTheBeginningInAnyCase) {
    const int p = AddPlayer("Álvaro Souza", posMidfielder);
    struct Case {
        const char* text;
        bool found;
    } cases[] = {{"álv", true}, {"ÁLVARO", true}, {"alv", false}, {"Souza", false}, {"", true}};
    for (const Case& c : cases) {
        CallUpFilter filter;
        filter.name = c.text;
        EXPECT_EQ(SearchCallUpPlayers(Game(), kCountry, filter),
                  c.found ? std::vector<int>{p} : std::vector<int>{})
            << c.text;
    }
}

TEST_F(CallUpSelectionTest, EveryValueHasExactlyOneBand) {
    struct Case {
        long long units;
        int band;
    } cases[] = {{1'000, 0},     {100'000, 0},   {100'500, 1},   {500'000, 1},    {500'001, 2},
                 {1'000'000, 2}, {3'000'000, 3}, {5'000'000, 4}, {10'000'000, 5}, {10'000'001, 6}};
    for (const Case& c : cases) {
        EXPECT_EQ(CallUpValueBand(c.units), c.band) << c.units;
        Game().players.resize(1);
        AddPlayer("Caio", posForward, 24, 40, c.units);
        for (int band = 0; band <= 7; ++band) {
            CallUpFilter filter;
            filter.value_band = band;
            const bool found = !SearchCallUpPlayers(Game(), kCountry, filter).empty();
            EXPECT_EQ(found, band == c.band || band == 7) << c.units << " band " << band;
        }
    }
}

TEST_F(CallUpSelectionTest, BandsAndOtherFilters) {
    const int young = AddPlayer("Dudu", posFullBack, 16, 10);
    const int old = AddPlayer("Edu", posFullBack, 37, 51);
    Game().players[old].star = 1;
    Game().players[old].characteristic1 = 3;
    CallUpFilter filter;
    filter.age_band = 0;
    filter.strength_band = 0;
    EXPECT_EQ(SearchCallUpPlayers(Game(), kCountry, filter), std::vector<int>{young});
    filter = {};
    filter.age_band = 2;
    filter.strength_band = 3;
    filter.position = posFullBack;
    EXPECT_EQ(SearchCallUpPlayers(Game(), kCountry, filter), std::vector<int>{old});
    filter = {};
    filter.stars_only = true;
    filter.characteristic1 = 3;
    EXPECT_EQ(SearchCallUpPlayers(Game(), kCountry, filter), std::vector<int>{old});
    filter.characteristic2 = 5;
    EXPECT_TRUE(SearchCallUpPlayers(Game(), kCountry, filter).empty());
}

TEST_F(CallUpSelectionTest, ListLimitsAndOneConfirmRule) {
    CallUpList list(Game());
    std::vector<int> keepers, outfield;
    for (int i = 0; i < 4; ++i) keepers.push_back(AddPlayer("Goleiro", posGoalkeeper));
    for (int i = 0; i < 21; ++i) outfield.push_back(AddPlayer("Linha", posMidfielder));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(list.Add(keepers[i]));
    EXPECT_FALSE(list.CanAdd(keepers[3]));
    EXPECT_FALSE(list.CanAdd(keepers[0]));  // already listed
    for (int i = 0; i < 14; ++i) list.Add(outfield[i]);
    EXPECT_FALSE(list.CanConfirm());
    list.Add(outfield[14]);
    EXPECT_TRUE(list.CanConfirm());
    list.Add(outfield[15]);
    list.Add(outfield[16]);
    list.Add(outfield[17]);
    // 18 outfield players, one removed: 17 is still enough, the same rule as when adding.
    EXPECT_TRUE(list.Remove(outfield[17]));
    EXPECT_TRUE(list.CanConfirm());
    list.Remove(keepers[0]);
    list.Remove(keepers[1]);
    EXPECT_FALSE(list.CanConfirm());
    EXPECT_FALSE(list.Remove(keepers[0]));
    EXPECT_EQ(list.goalkeepers(), 1);
    for (int i = 17; i < 20; ++i) list.Add(outfield[i]);
    EXPECT_EQ(list.outfield(), 20);
    EXPECT_FALSE(list.Add(outfield[20]));
}

TEST_F(CallUpSelectionTest, ConfirmSwapsTheSquadAndRecordsTheWayBack) {
    GameData& data = Game();
    const int own = AddPlayer("Antigo", posForward, 24, 40, 200'000, national_);
    const int called = AddPlayer("Novo", posForward);
    ConfirmCallUp(data, national_, {called});
    EXPECT_EQ(data.players[own].team, -1);
    EXPECT_EQ(data.players[called].team, national_);
    ASSERT_EQ(data.callups.size(), 2u);
    EXPECT_EQ(data.callups[0].player, own);
    EXPECT_EQ(data.callups[0].return_team, national_);
    EXPECT_EQ(data.callups[1].player, called);
    EXPECT_EQ(data.callups[1].return_team, club_);
}

}  // namespace
}  // namespace kv
