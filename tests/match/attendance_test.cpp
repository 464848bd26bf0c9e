#include "match/attendance.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/random.h"
#include "match_world.h"

namespace kv {
namespace {

using testing::AddTeam;

struct Clubs {
    int home;
    int visitor;
};

// Two clubs of different countries with four sectors of `capacity` places at default prices.
Clubs SetUpClubs(int capacity) {
    testing::StartMatchDay();
    GameData& gd = Game();
    gd.game_state.league_format = 2;
    gd.game_state.league_round = 2;
    gd.game_state.league_turn = 1;
    for (int d = 0; d < kTicketPriceRows; ++d)
        for (int k = 0; k < kStadiumSectors; ++k) gd.ticket_prices[d][k] = 10 * (d + 1) + k;
    Clubs c{AddTeam(), AddTeam()};
    for (int t : {c.home, c.visitor}) {
        t_team& team = gd.teams[t];
        team.country = t == c.home ? 3 : 4;
        team.level = 10;
        team.supporter_confidence = 50;
        for (int k = 0; k < 4; ++k) {
            team.sector_capacity[k] = capacity;
            team.ticket_prices[k] = gd.ticket_prices[1][k];
        }
    }
    return c;
}

TEST(Attendance, DivisionsOutsideTheTableHaveNoDefaultPrice) {
    SetUpClubs(100);
    Game().ticket_prices[4][2] = 77;
    const struct {
        int division, sector, price;
    } cases[] = {{-1, 0, 0}, {0, 0, 10}, {4, 2, 77}, {5, 0, 0}, {9, 3, 0}, {1, 4, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(DefaultTicketPrice(c.division, c.sector), c.price) << c.division << "/" << c.sector;
}

TEST(Attendance, EachModelFillsItsShareOfTheStadium) {
    struct Case {
        const char* name;
        int kind;
        int capacity;
        std::function<void(t_team&, t_team&, GameData&)> set_up;
        int low[4];
        int high[4];
    };
    const Case cases[] = {
        {"league opening day fills 50-79 %", ckNationalLeague, 10000,
         [](t_team&, t_team&, GameData& gd) { gd.game_state.league_round = 1; },
         {5000, 5000, 5000, 5000}, {7900, 7900, 7900, 7900}},
        {"a fourth-division stadium counts as a small one", ckNationalLeague, 50000,
         [](t_team& h, t_team&, GameData&) {
             h.division = 4;
             h.supporter_confidence = 100;
         },
         {1600, 10400, 720, 80}, {2999, 14999, 999, 149}},
        {"state finals fill 70-99 %", ckStateChampionship, 10000,
         [](t_team& h, t_team& v, GameData& gd) {
             gd.game_state.state_league_round = 6;
             h.division = 0;
             v.division = 0;
         },
         {7000, 7000, 7000, 7000}, {9900, 9900, 9900, 9900}},
        {"a national cup final of first-division clubs is full", ckNationalCup, 10000,
         [](t_team& h, t_team& v, GameData& gd) {
             gd.game_state.national_cup_round = 5;
             h.division = v.division = 1;
         },
         {10000, 10000, 10000, 10000}, {10000, 10000, 10000, 10000}},
        {"a South American group day of a popular club", ckContinentalCup, 10000,
         [](t_team& h, t_team& v, GameData& gd) {
             gd.match_day_group = crSouthAmerica;
             h.supporter_confidence = 90;
             v.country = h.country;
         },
         {4000, 4000, 4000, 4000}, {5400, 5400, 5400, 5400}},
        {"the European second cup against a foreign club", ckSecondContinentalCup, 10000,
         [](t_team& h, t_team&, GameData& gd) {
             gd.match_day_group = crEurope;
             h.supporter_confidence = 90;
         },
         {4500, 4500, 4500, 4500}, {5900, 5900, 5900, 5900}},
        {"a small club meets a famous foreign one", ckFriendly, 10000,
         [](t_team& h, t_team& v, GameData&) {
             h.level = 10;
             v.level = 18;
         },
         {7000, 7000, 7000, 7000}, {10000, 10000, 10000, 10000}},
        {"the minimums come after the capacity cut", ckNationalLeague, 5,
         [](t_team& h, t_team&, GameData&) { h.supporter_confidence = 0; },
         {50, 50, 50, 0}, {149, 249, 99, 5}},
        {"the club world cup is played on neutral ground", ckClubWorldCup, 10000,
         [](t_team&, t_team&, GameData&) {}, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"so are the national-team tournaments", ckWorldCup, 10000,
         [](t_team&, t_team&, GameData&) {}, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (int seed = 1; seed <= 40; ++seed) {
            const Clubs clubs = SetUpClubs(c.capacity);
            GameData& gd = Game();
            c.set_up(gd.teams[clubs.home], gd.teams[clubs.visitor], gd);
            SeedRandom(seed);
            const SectorAttendance a = AttendanceOfKind(c.kind, clubs.home, clubs.visitor);
            for (int k = 0; k < 4; ++k) {
                EXPECT_GE(a[k], c.low[k]) << c.name << ", sector " << k;
                EXPECT_LE(a[k], c.high[k]) << c.name << ", sector " << k;
            }
        }
    }
}

TEST(Attendance, AHumanClubsPricesMoveItsCrowdTwelvePerCentAUnit) {
    // Units under the division's price; negative above it.
    for (const int below_default : {0, 1, -1, 2}) {
        for (int seed = 1; seed <= 10; ++seed) {
            const Clubs clubs = SetUpClubs(100000);
            GameData& gd = Game();
            gd.game_state.league_round = 1;
            gd.game_state.league_turn = 1;
            SeedRandom(seed);
            const SectorAttendance plain = AttendanceLeague(clubs.home, clubs.visitor);
            t_team& h = gd.teams[clubs.home];
            h.human = 1;
            for (int k = 0; k < 4; ++k) h.ticket_prices[k] = gd.ticket_prices[1][k] - below_default;
            SeedRandom(seed);
            const SectorAttendance priced = AttendanceLeague(clubs.home, clubs.visitor);
            for (int k = 0; k < 4; ++k) {
                const int change = below_default * static_cast<int>(plain[k] * 0.12 + 0.5);
                EXPECT_NEAR(priced[k], plain[k] + change, 1) << below_default << ", sector " << k;
            }
            EXPECT_EQ(GateIncome(clubs.home, priced),
                      priced[0] * h.ticket_prices[0] + priced[1] * h.ticket_prices[1] +
                          priced[2] * h.ticket_prices[2] + priced[3] * h.ticket_prices[3]);
        }
    }
}

TEST(Attendance, TheLowerPriceNeverFillsMoreThanTheStadium) {
    const Clubs clubs = SetUpClubs(1000);
    GameData& gd = Game();
    t_team& h = gd.teams[clubs.home];
    h.human = 1;
    h.supporter_confidence = 100;
    for (int k = 0; k < 4; ++k) h.ticket_prices[k] = gd.ticket_prices[1][k] - 20;
    SeedRandom(4);
    for (int a : AttendanceLeague(clubs.home, clubs.visitor)) EXPECT_EQ(a, 1000);
}

}  // namespace
}  // namespace kv
