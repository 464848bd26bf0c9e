#include "core/field_readers.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(FieldReaders, PlayerAvailabilityByCardsSuspensionAndInjury) {
    const TDateTime today = 41700;
    struct Case {
        const char* what;
        int yellow, suspension;
        TDateTime injured_until;
        int kind;
        bool available;
    };
    const Case cases[] = {
        {"fit", 0, 0, 0, ckNationalLeague, true},
        {"two yellows", 2, 0, 0, ckNationalLeague, true},
        {"three yellows", 3, 0, 0, ckNationalLeague, false},
        {"suspended", 0, 1, 0, ckNationalLeague, false},
        {"injury ends today", 0, 0, today, ckNationalLeague, true},
        {"injured until tomorrow", 0, 0, today + 1, ckNationalLeague, false},
        {"injury ends later today", 0, 0, today + 0.5, ckNationalLeague, false},
        {"kind out of range", 0, 0, 0, 11, false},
        {"negative kind", 0, 0, 0, -1, false},
    };
    for (const Case& c : cases) {
        t_player p{};
        if (c.kind >= 0 && c.kind < kCompetitionKindCount) {
            p.yellow_cards[c.kind] = c.yellow;
            p.suspension[c.kind] = c.suspension;
        }
        p.injured_until = c.injured_until;
        EXPECT_EQ(IsPlayerAvailable(p, c.kind, today), c.available) << c.what;
    }
    t_player cup_ban{};
    cup_ban.suspension[ckNationalCup] = 2;
    EXPECT_TRUE(IsPlayerAvailable(cup_ban, ckNationalLeague, today));  // cards count per kind
}

TEST(FieldReaders, TodayIsTheCalendarDateOfTheCurrentDay) {
    GameData g;
    g.calendar[0].date = 41640;
    g.calendar[365].date = 42005;
    for (auto [day, date] : {std::pair{1, 41640.0}, {366, 42005.0}, {0, 0.0}, {367, 0.0}}) {
        g.game_state.calendar_day = day;
        EXPECT_EQ(TodayDate(g), date) << day;
    }
}

TEST(FieldReaders, DrawsAreGamesLessWinsAndLosses) {
    t_team t{};
    t.played[ckNationalLeague] = 10;
    t.wins[ckNationalLeague] = 6;
    t.losses[ckNationalLeague] = 4;
    EXPECT_EQ(Draws(t, ckNationalLeague), 0);
    t.wins[ckNationalLeague] = 3;
    EXPECT_EQ(Draws(t, ckNationalLeague), 3);
    EXPECT_EQ(Draws(t, ckSuperCup), 0);
}

TEST(FieldReaders, ClubsComeFirstThenNationalTeams) {
    GameData g;
    ResizeTable(g.teams, 6);
    g.game_state.league_club_count = 3;
    g.game_state.background_club_count = 1;
    EXPECT_EQ(ClubCount(g), 4);
    for (int team : {0, 3}) EXPECT_TRUE(IsClub(g, team)) << team;
    for (int team : {4, 5}) EXPECT_TRUE(IsNationalTeam(g, team)) << team;
    for (int team : {-1, 6}) {
        EXPECT_FALSE(IsClub(g, team)) << team;
        EXPECT_FALSE(IsNationalTeam(g, team)) << team;
    }
}

TEST(FieldReaders, CoachTitlesOfEveryKindIncludingTheSuperCup) {
    t_coach c{};
    for (int kind = 0; kind < kCompetitionKindCount; ++kind)
        for (int i = 0; i <= kind; ++i) AddCoachTitle(c, kind);
    for (int kind = 0; kind < kCompetitionKindCount; ++kind)
        EXPECT_EQ(CoachTitleCount(c, kind), kind + 1) << kind;
    EXPECT_EQ(c.division_titles[0], 11);  // the super cup's counter
    for (int d = 1; d <= 3; ++d) EXPECT_EQ(c.division_titles[d], 0);
    AddCoachTitle(c, 11);
    AddCoachTitle(c, -1);
    EXPECT_EQ(CoachTitleCount(c, 11), 0);
}

}  // namespace
}  // namespace kv
