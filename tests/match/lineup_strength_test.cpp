#include "match/lineup_strength.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "match_world.h"

namespace kv {
namespace {

using testing::AddPlayer;
using testing::AddTeam;
using testing::PlayerSpec;

// A hand-made line-up of one team: its record and the players put into slots.
struct Lineup {
    int team;
    int record;

    explicit Lineup(bool human) {
        testing::StartMatchDay();
        team = AddTeam(human);
        record = static_cast<int>(Game().match_strengths.size());
        AppendRecord(Game().match_strengths);
        Game().teams[team].match_strength_index = record;
    }
    t_match_strength& r() { return Game().match_strengths[record]; }
    int Place(int slot, int code, PlayerSpec traits) {
        const int p = AddPlayer(team, traits);
        r().slot_positions[slot - 1] = code;
        PutPlayerInSlot(team, p, slot);
        return p;
    }
    // A goalkeeper and two centre-backs who cover zone 2 only: regular for a computer team.
    void Base() {
        Place(11, 1, {0, 60});
        Place(1, 4, {2, 50});
        Place(2, 7, {2, 50});
    }
    int attack(int z) { return r().zone_attack[z - 1]; }
    int defence(int z) { return r().zone_defence[z - 1]; }
};

TEST(LineupStrength, OnePlayerAddsHisValueToTheZonesOfHisCode) {
    struct Case {
        const char* what;
        PlayerSpec player;
        int code;
        int zones[2];
        int amount;
    };
    const Case cases[] = {
        {"centre-back at right back", {2, 80}, 9, {1, 4}, 56},
        {"full-back at right back", {1, 80}, 9, {1, 4}, 80},
        {"tired forward", {4, 80, 0, 0, 50}, 20, {11, -1}, 40},
        {"midfielder at 80 % energy", {3, 75, 0, 0, 80}, 12, {5, -1}, 60},
        {"forward at left back", {4, 75}, 2, {3, 6}, 52},  // round(52.5) to even
    };
    for (const Case& c : cases) {
        Lineup l(false);
        l.Base();
        l.Place(3, c.code, c.player);
        ComputeLineupStrength(l.record);
        for (int z : c.zones) {
            if (z == -1) continue;
            EXPECT_EQ(l.attack(z), c.amount) << c.what << " zone " << z;
            EXPECT_EQ(l.defence(z), c.amount) << c.what << " zone " << z;
        }
        EXPECT_EQ(l.attack(2), 100) << c.what;
        EXPECT_EQ(l.r().goalkeeper_value, 60) << c.what;
        EXPECT_EQ(l.r().attack_total, 100 + (c.zones[1] == -1 ? 1 : 2) * c.amount) << c.what;
        EXPECT_FALSE(l.r().irregular_lineup) << c.what;
    }
}

TEST(LineupStrength, PlayersOffThePitchAndEmptySlotsAddNothing) {
    Lineup l(false);
    l.Base();
    const int sent_off = l.Place(3, 20, {4, 80});
    Game().players[sent_off].on_pitch = 0;
    l.r().players[4] = 0;
    l.r().slot_positions[4] = 12;
    l.r().players[5] = -3;
    l.r().slot_positions[5] = 13;
    l.r().players[6] = 100000;  // a stale index past the table
    l.r().slot_positions[6] = 99;
    ComputeLineupStrength(l.record);
    EXPECT_EQ(l.r().attack_total, 100);
    EXPECT_EQ(l.attack(11), 0);
}

TEST(LineupStrength, OutfieldPlayerInGoalOpensTheBox) {
    Lineup l(false);
    l.Place(1, 5, {2, 50});   // zones 2 and 1
    l.Place(2, 9, {1, 60});   // zones 1 and 4
    l.Place(3, 20, {4, 70});  // zone 11
    l.Place(11, 1, {2, 80});  // a centre-back in goal
    ComputeLineupStrength(l.record);
    // n_central is 1 but the team is a computer's: only the goal rule cuts.
    EXPECT_EQ(l.r().goalkeeper_value, 8);
    EXPECT_EQ(l.defence(1), 110);  // zone 1 keeps its value
    EXPECT_EQ(l.defence(2), 2);    // round(50 x 0.05)
    EXPECT_EQ(l.defence(4), 12);   // round(60 x 0.2)
    EXPECT_EQ(l.defence(11), 14);
    EXPECT_EQ(l.attack(11), 70);
    EXPECT_TRUE(l.r().irregular_lineup);
}

TEST(LineupStrength, FormationRulesCutHumanAndComputerLineups) {
    struct Case {
        const char* what;
        bool human;
        std::vector<int> codes;  // slots 1.., each a forward of 100; a keeper of 60 in slot 11
        int attack11;
        int defence2;
        int keeper;
        bool irregular;
        int zone = 0;  // a further zone's defence to check
        int zone_defence = 0;
    };
    const Case cases[] = {
        {"computer, one central defender", false, {5, 2, 9, 20}, 100, 70, 60, false},
        {"human, one central defender", true, {5, 2, 9, 20}, 70, 4, 12, true},
        {"computer, no central defender", false, {2, 9, 20, 12}, 10, 0, 6, false},
        {"human, no central defender", true, {2, 9, 20, 12}, 7, 0, 1, true},
        {"human, two central defenders and a back", true, {4, 7, 2, 20}, 100, 140, 60, false},
        {"computer, four central defenders", false, {3, 4, 5, 6, 20}, 70, 196, 54, false},
        {"human, four central defenders", true, {3, 4, 5, 6, 20}, 70, 196, 54, true},
        {"computer, four forwards", false, {4, 7, 19, 20, 21, 22}, 120, 56, 60, false},
        {"computer, five in midfield", false, {4, 7, 11, 12, 13, 14, 15}, 0, 140, 60, false, 5, 105},
        {"human, six in midfield", true, {4, 7, 2, 10, 11, 12, 13, 14, 15}, 0, 140, 60, true, 5, 52},
    };
    for (const Case& c : cases) {
        Lineup l(c.human);
        l.Place(11, 1, {0, 60});
        int slot = 1;
        for (int code : c.codes) l.Place(slot++, code, {4, 100});
        ComputeLineupStrength(l.record);
        EXPECT_EQ(l.attack(11), c.attack11) << c.what;
        EXPECT_EQ(l.defence(2), c.defence2) << c.what;
        EXPECT_EQ(l.r().goalkeeper_value, c.keeper) << c.what;
        EXPECT_EQ(bool(l.r().irregular_lineup), c.irregular) << c.what;
        if (c.zone) {
            EXPECT_EQ(l.defence(c.zone), c.zone_defence) << c.what;
        }
    }
}

TEST(LineupStrength, IrregularFlagStaysOnceSet) {
    Lineup l(true);
    l.Place(11, 1, {0, 60});
    l.Place(1, 5, {2, 50});
    ComputeLineupStrength(l.record);
    ASSERT_TRUE(l.r().irregular_lineup);
    l.Place(2, 7, {2, 50});
    l.Place(3, 2, {1, 50});
    l.Place(4, 9, {1, 50});
    ComputeLineupStrength(l.record);
    EXPECT_TRUE(l.r().irregular_lineup);
    EXPECT_EQ(l.defence(2), 100);  // the shape is legal again, so nothing is cut
}

// The quick pass for the usual line-up must give exactly what the full computation gives, for
// line-ups of every shape: legal or not, human or not, players off the pitch or out of position,
// outfield players in goal, empty slots and codes outside 1..25.
TEST(LineupStrength, QuickPassAgreesWithTheFullComputation) {
    std::mt19937 gen(20140611);
    auto draw = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    int uncut = 0;
    for (int round = 0; round < 3000; ++round) {
        Lineup l(draw(0, 2) == 0);
        for (int slot = 1; slot <= 11; ++slot) {
            if (draw(0, 15) == 0) continue;  // an empty slot
            const int code = slot == 11 && draw(0, 5) > 0 ? 1 : draw(0, 26);
            const int position = code == 1 && draw(0, 7) > 0 ? 0 : draw(0, 4);
            const int p = l.Place(slot, code, {position, draw(1, 100), 0, 0, draw(0, 100)});
            if (draw(0, 9) == 0) Game().players[p].on_pitch = 0;
        }
        const t_match_strength before = l.r();
        ComputeLineupStrengthInFull(l.record);
        const t_match_strength full = l.r();
        l.r() = before;
        ComputeLineupStrength(l.record);
        ASSERT_EQ(std::memcmp(&full, &l.r(), sizeof full), 0) << "round " << round;
        // Attack and defence apart means a rule cut one of them: the full computation's line-up.
        if (std::equal(std::begin(full.zone_attack), std::end(full.zone_attack), full.zone_defence))
            ++uncut;
    }
    // Both kinds of line-up were drawn often.
    EXPECT_GT(uncut, 300);
    EXPECT_LT(uncut, 2700);
}

TEST(LineupStrength, PutPlayerInSlotMarksHimAndFreesHisBenchPlace) {
    Lineup l(false);
    const int p = AddPlayer(l.team, {3, 70});
    l.r().bench[2] = p;
    l.r().bench[4] = p;
    PutPlayerInSlot(l.team, p, 12);
    EXPECT_FALSE(Game().players[p].on_pitch);
    EXPECT_EQ(l.r().bench[2], p);
    PutPlayerInSlot(l.team, p, 6);
    EXPECT_EQ(l.r().players[5], p);
    EXPECT_TRUE(Game().players[p].on_pitch);
    EXPECT_TRUE(Game().players[p].played_match);
    EXPECT_EQ(l.r().bench[2], 0);
    EXPECT_EQ(l.r().bench[4], p);  // only the first place holding him
}

TEST(LineupStrength, RolesSortKeysTakersAndCaptains) {
    testing::StartMatchDay();
    const int team = AddTeam();
    struct RoleCase {
        int position;
        int c1;
        int c2;
        int role;
    };
    const RoleCase roles[] = {
        {1, 13, 7, 1}, {1, 7, 13, 0}, {1, 5, 13, 1}, {1, 5, 10, 0}, {1, 9, 5, 1}, {1, 5, 5, 0},
        {3, 4, 7, 1},  {3, 10, 4, 0}, {3, 5, 8, 1},  {3, 5, 7, 0},  {3, 5, 5, 1}, {4, 7, 9, 0},
        {4, 13, 7, 2}, {4, 9, 6, 1},  {0, 9, 9, 0},  {2, 13, 6, 0},
    };
    for (const RoleCase& c : roles) {
        const int p = AddPlayer(team, {c.position, 50});
        Game().players[p].characteristic1 = c.c1;
        Game().players[p].characteristic2 = c.c2;
        EXPECT_EQ(ChooseRole(p), c.role) << c.position << " " << c.c1 << " " << c.c2;
    }
    const int keys[][3] = {{0, 0, 0}, {1, 1, 3}, {2, 2, 4}, {3, 2, 6}, {4, 2, 11}, {4, 3, 0}};
    for (const auto& k : keys) {
        const int p = AddPlayer(team, {k[0], 50, 0, k[1]});
        EXPECT_EQ(PositionSortKey(p), k[2]);
    }

    testing::StartMatchDay();
    const int club = AddTeam();
    const int bench_player = AddPlayer(club, {3, 60});
    Game().players[bench_player].squad_role = 0;
    Game().teams[club].set_piece_taker = 77;
    ChooseSetPieceTaker(club);
    EXPECT_EQ(Game().teams[club].set_piece_taker, 77);  // no regular starter
    ChooseCaptain(club);
    EXPECT_EQ(Game().teams[club].captain, bench_player);

    const int passer = AddPlayer(club, {3, 60});
    Game().players[passer].characteristic1 = 11;
    const int finisher = AddPlayer(club, {4, 60});
    Game().players[finisher].characteristic1 = 9;
    ChooseSetPieceTaker(club);
    EXPECT_EQ(Game().teams[club].set_piece_taker, finisher);
    ChooseCaptain(club);
    EXPECT_EQ(Game().teams[club].captain, passer);
}

TEST(LineupStrength, AvailablePlayersLeaveOutCardsSuspensionsAndInjuries) {
    testing::StartMatchDay();
    Game().calendar[0].date = 100;
    const int team = AddTeam();
    for (int i = 0; i < 6; ++i) AddPlayer(team, {3, 50});
    Game().players[1].yellow_cards[1] = 3;
    Game().players[2].yellow_cards[2] = 3;  // another kind
    Game().players[3].suspension[1] = 1;
    Game().players[4].injured_until = 101;
    Game().players[5].injured_until = 100;
    CountAvailablePlayers(0, team);
    EXPECT_EQ(Game().teams[team].available_players, 3);
}

TEST(LineupStrength, ATeamKicksOffOnlyWithARecordOfItsOwnPlayers) {
    Lineup own(false);
    own.Base();
    const int other = AddTeam();
    const int empty = AddTeam();
    GameData& gd = Game();
    struct Case {
        int team;
        int index;
        int expected;
    };
    const Case cases[] = {
        {own.team, own.record, own.record},
        {other, own.record, -1},  // a stale index naming another team's line-up
        {other, 7, -1},           // past the table
        {other, -1, -1},
    };
    for (const Case& c : cases) {
        gd.teams[c.team].match_strength_index = c.index;
        EXPECT_EQ(OwnMatchStrength(c.team), c.expected) << "index " << c.index;
    }
    gd.teams[empty].match_strength_index = own.record;
    ClearMatchStrengths(gd);
    EXPECT_TRUE(gd.match_strengths.empty());
    for (const t_team& t : gd.teams) EXPECT_EQ(t.match_strength_index, -1);
}

}  // namespace
}  // namespace kv
