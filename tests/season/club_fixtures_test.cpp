#include "season/club_fixtures.h"

#include <gtest/gtest.h>

#include "core/dates.h"
#include "core/game_data.h"

namespace kv {
namespace {

TEST(ClubFixtures, OneKindOrAllInDateOrder) {
    GameData& data = Game();
    data.Reset();
    data.teams.resize(3);
    auto add = [&](int home, int away, int kind, double date) {
        t_fixture& f = data.fixtures.emplace_back();
        f.home = home;
        f.away = away;
        f.kind = kind;
        f.date = date;
    };
    add(0, 1, 1, 50);
    add(2, 0, 2, 40);
    add(1, 2, 1, 30);
    add(1, 0, 1, 45);
    EXPECT_EQ(ClubFixtures(data, 0, -1), (std::vector<int>{1, 3, 0}));
    EXPECT_EQ(ClubFixtures(data, 0, 1), (std::vector<int>{3, 0}));
    EXPECT_TRUE(ClubFixtures(data, 0, 4).empty());
}

TEST(ClubFixtureFilters, OnlyTheCupsTheClubIsIn) {
    GameData& data = Game();
    data.Reset();
    data.teams.resize(1);
    data.teams[0].country = 29;
    data.game_state.national_cup_on = 1;
    auto texts = [&] {
        std::vector<std::string> out;
        for (const auto& f : ClubFixtureFilters(data, 0)) out.push_back(f.text);
        return out;
    };
    EXPECT_EQ(texts(),
              (std::vector<std::string>{"Todos os jogos", "Nacional", "Amistosos", "Copa"}));
    data.teams[0].continental_group = 2;
    data.teams[0].second_continental_group = 1;
    EXPECT_EQ(texts(), (std::vector<std::string>{"Todos os jogos", "Nacional", "Amistosos", "Copa",
                                                 "Libertadores", "Sul-Americana"}));
}

TEST(FixtureDateText, DateAndWeekday) {
    EXPECT_EQ(FixtureDateText(EncodeDate(2014, 1, 19)), "19/01/2014 - dom");
    EXPECT_EQ(FixtureDateText(EncodeDate(2014, 1, 25)), "25/01/2014 - sáb");
}

}  // namespace
}  // namespace kv
