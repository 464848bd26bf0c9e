#include "season/calendar.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/season/season_setup.h"

namespace kv {
namespace {

using test::DatesOfType;
using test::NewSeason;
using test::SwitchEverythingOn;

constexpr int kLeague20 = 2;
constexpr int kLeague10 = 4;

// Gives the home country a league of more than 80 clubs: its cup opens with the extra round.
void AddBigHomeLeague(GameData& data) {
    const int c = test::AddLeague(data, 29, 4, 20);
    data.league_configs[c].club_count = 84;
}

std::unique_ptr<GameData> FullSeason(int format, int season, bool extra_round) {
    auto data = NewSeason(format, season);
    SwitchEverythingOn(*data);
    if (extra_round) AddBigHomeLeague(*data);
    BuildSeasonCalendar(*data);
    return data;
}

struct Golden {
    int format;
    int season;
    int day_type;
    int count;
    int first_month, first_day;
    int last_month, last_day;
};

// Year 2013 + season; 2014 and 2018 are world cup years, 2015 the Americas' cup.
const Golden kGolden[] = {
    {kLeague20, 1, ckFriendly, 9, 1, 5, 11, 26},
    {kLeague20, 1, ckStateChampionship, 12, 1, 19, 3, 16},
    {kLeague20, 1, ckNationalLeague, 38, 3, 23, 11, 30},
    {kLeague20, 1, ckNationalCup, 12, 3, 26, 9, 17},
    {kLeague20, 1, ckContinentalCup, 14, 2, 12, 8, 13},
    {kLeague20, 1, dtRestDay, 1, 6, 26, 6, 26},
    {kLeague20, 1, ckWorldCup, 7, 6, 29, 7, 20},
    {kLeague20, 1, ckClubWorldCup, 3, 12, 3, 12, 7},
    {kLeague20, 2, ckFriendly, 10, 1, 11, 12, 2},
    {kLeague20, 2, ckNationalLeague, 38, 3, 29, 12, 6},
    {kLeague20, 2, ckStateChampionship, 12, 1, 25, 3, 22},
    {kLeague20, 2, ckSecondContinentalCup, 14, 5, 21, 11, 19},
    {kLeague20, 2, dtRestDay, 1, 7, 2, 7, 2},
    {kLeague20, 2, ckAmericasNationsCup, 6, 7, 5, 7, 22},
    {kLeague20, 2, ckClubWorldCup, 3, 12, 9, 12, 13},
    {kLeague20, 5, ckNationalLeague, 38, 3, 25, 12, 2},
    {kLeague20, 5, ckNationalCup, 12, 3, 28, 9, 19},
    {kLeague20, 5, ckContinentalCup, 14, 2, 14, 8, 15},
    {kLeague20, 5, ckSuperCup, 2, 10, 9, 11, 6},
    {kLeague20, 5, ckWorldCup, 7, 7, 1, 7, 22},
    {kLeague20, 5, ckClubWorldCup, 3, 12, 5, 12, 9},
    {kLeague10, 1, ckFriendly, 25, 1, 5, 12, 3},
    {kLeague10, 1, ckStateChampionship, 12, 1, 26, 3, 23},
    {kLeague10, 1, ckNationalLeague, 18, 4, 20, 12, 7},
    {kLeague10, 1, ckNationalCup, 10, 4, 16, 9, 24},
    {kLeague10, 1, ckWorldCup, 7, 7, 6, 7, 27},
    {kLeague10, 1, ckClubWorldCup, 3, 12, 10, 12, 14},
    {kLeague10, 2, ckNationalLeague, 18, 4, 26, 12, 13},
    {kLeague10, 2, ckSecondContinentalCup, 14, 5, 28, 11, 26},
    {kLeague10, 2, ckAmericasNationsCup, 6, 7, 12, 7, 29},
    {kLeague10, 2, ckClubWorldCup, 3, 12, 16, 12, 20},
    {kLeague10, 5, ckFriendly, 25, 1, 7, 12, 5},
    {kLeague10, 5, ckNationalLeague, 18, 4, 22, 12, 9},
    {kLeague10, 5, ckSuperCup, 2, 11, 14, 11, 28},
    {kLeague10, 5, dtRestDay, 1, 7, 5, 7, 5},
    {kLeague10, 5, ckWorldCup, 7, 7, 8, 7, 29},
};

TEST(SeasonCalendar, GoldenDatesOfEachFormatAndYear) {
    for (const Golden& g : kGolden) {
        auto data = FullSeason(g.format, g.season, g.format == kLeague20);
        const int year = 2013 + g.season;
        const std::vector<double> dates = DatesOfType(*data, g.day_type);
        SCOPED_TRACE(testing::Message()
                     << "format " << g.format << " year " << year << " type " << g.day_type);
        ASSERT_EQ(static_cast<int>(dates.size()), g.count);
        EXPECT_EQ(dates.front(), EncodeDate(year, g.first_month, g.first_day));
        EXPECT_EQ(dates.back(), EncodeDate(year, g.last_month, g.last_day));
    }
}

TEST(SeasonCalendar, WorldCupOf2014AndItsNeighbours) {
    auto data = FullSeason(kLeague20, 1, true);
    const std::vector<double> world_cup = DatesOfType(*data, ckWorldCup);
    const int days[][2] = {{6, 29}, {7, 2}, {7, 6}, {7, 9}, {7, 13}, {7, 16}, {7, 20}};
    ASSERT_EQ(world_cup.size(), std::size(days));
    for (std::size_t i = 0; i < world_cup.size(); ++i)
        EXPECT_EQ(world_cup[i], EncodeDate(2014, days[i][0], days[i][1])) << i;
    // Sunday 5 January is the first slot: days 1 to 4 never hold a competition.
    EXPECT_EQ(data->calendar[4].day_type, ckFriendly);
    for (int d = 0; d < 4; ++d) EXPECT_EQ(data->calendar[d].day_type, dtFree);
    const int cwc[][2] = {{12, 3}, {12, 4}, {12, 7}};
    const std::vector<double> club_world_cup = DatesOfType(*data, ckClubWorldCup);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(club_world_cup[i], EncodeDate(2014, cwc[i][0], cwc[i][1]));
}

TEST(SeasonCalendar, DaysAreNumberedAndDatedFromFirstJanuary) {
    auto data = FullSeason(kLeague20, 2, false);  // 2015 has 365 days
    for (int d = 1; d <= 366; ++d) {
        EXPECT_EQ(data->calendar[d - 1].day, d);
        EXPECT_EQ(data->calendar[d - 1].date, EncodeDate(2015, 1, 1) + d - 1);
    }
    EXPECT_EQ(data->calendar[365].date, EncodeDate(2016, 1, 1));
}

TEST(SeasonCalendar, EveryYearFitsItsSlotsAndCountsBeforeTheEndOfDecember) {
    struct Counts {
        int format;
        std::map<int, int> per_type;
    };
    const Counts expected[] = {
        {kLeague20,
         {{ckNationalLeague, 38},
          {ckNationalCup, 12},
          {ckStateChampionship, 12},
          {ckContinentalCup, 14},
          {ckSecondContinentalCup, 14},
          {ckSuperCup, 2},
          {ckClubWorldCup, 3}}},
        {kLeague10,
         {{ckNationalLeague, 18},
          {ckNationalCup, 10},
          {ckStateChampionship, 12},
          {ckContinentalCup, 14},
          {ckSecondContinentalCup, 14},
          {ckSuperCup, 2},
          {ckClubWorldCup, 3}}},
    };
    for (const Counts& c : expected) {
        for (int season = 3; season <= 45; ++season) {
            auto data = FullSeason(c.format, season, c.format == kLeague20);
            SCOPED_TRACE(testing::Message() << "format " << c.format << " season " << season);
            for (const auto& [type, count] : c.per_type)
                EXPECT_EQ(static_cast<int>(DatesOfType(*data, type).size()), count) << type;
            int last = 0;
            for (int d = 1; d <= 366; ++d)
                if (data->calendar[d - 1].day_type != dtFree) last = d;
            const DateParts end = DecodeDate(data->calendar[last - 1].date);
            EXPECT_EQ(end.month, 12);
            EXPECT_GE(end.day, 6);
            EXPECT_LE(end.day, 20);
        }
    }
}

TEST(SeasonCalendar, SwitchedOffCompetitionsKeepTheirDaysAsSkipped) {
    for (const int format : {kLeague20, kLeague10}) {
        for (const int season : {1, 4, 5}) {
            auto all_on = FullSeason(format, season, false);
            auto all_off = NewSeason(format, season);
            BuildSeasonCalendar(*all_off);
            SCOPED_TRACE(testing::Message() << "format " << format << " season " << season);
            for (int d = 0; d < 366; ++d) {
                const int on = all_on->calendar[d].day_type;
                const int off = all_off->calendar[d].day_type;
                if (on == ckNationalLeague || on == ckFriendly || on == dtFree) {
                    EXPECT_EQ(off, on) << "day " << d + 1;
                } else if (on == dtRestDay) {
                    EXPECT_EQ(off, dtFree) << "day " << d + 1;  // no tournament, no rest day
                } else if (off != ckFriendly) {
                    EXPECT_EQ(off, dtSkipped) << "day " << d + 1;
                }
            }
        }
    }
}

TEST(SeasonCalendar, ExtraRoundMovesNothingButItsOwnDays) {
    auto with = FullSeason(kLeague20, 1, true);
    auto without = FullSeason(kLeague20, 1, false);
    EXPECT_EQ(DatesOfType(*without, ckNationalCup).size(), 10u);
    for (int d = 0; d < 366; ++d) {
        const int a = with->calendar[d].day_type;
        const int b = without->calendar[d].day_type;
        if (a != b) {
            EXPECT_EQ(a, ckNationalCup) << "day " << d + 1;
            EXPECT_TRUE(b == ckFriendly || b == dtFree) << "day " << d + 1;
        }
    }
}

TEST(SeasonCalendar, WhichCompetitionsAYearPlays) {
    struct Case {
        int season;
        bool first_season_cups;
        int tournament;  // the kind of the year's national-team tournament, or dtSkipped
        bool first_cup, second_cup, super_cup;
        std::size_t skipped;
    };
    const Case cases[] = {
        {1, false, ckWorldCup, false, false, false, 33},
        {1, true, ckWorldCup, true, false, false, 16},
        {2, false, ckAmericasNationsCup, true, true, false, 2},
        {3, false, ckEuropeanNationsCup, true, true, true, 0},
        {4, false, dtSkipped, true, true, true, 6},  // the tournament's days; its 7th is friendlies
        {5, false, ckWorldCup, true, true, true, 0},
    };
    for (const Case& c : cases) {
        auto data = FullSeason(kLeague20, c.season, false);
        data->game_state.continental_cup_first_season = c.first_season_cups;
        BuildSeasonCalendar(*data);
        SCOPED_TRACE(testing::Message() << "season " << c.season);
        EXPECT_EQ(DatesOfType(*data, ckContinentalCup).size(), c.first_cup ? 14u : 0u);
        EXPECT_EQ(DatesOfType(*data, ckClubWorldCup).size(), c.first_cup ? 3u : 0u);
        EXPECT_EQ(DatesOfType(*data, ckSecondContinentalCup).size(), c.second_cup ? 14u : 0u);
        EXPECT_EQ(DatesOfType(*data, ckSuperCup).size(), c.super_cup ? 2u : 0u);
        for (const int kind : {ckWorldCup, ckAmericasNationsCup, ckEuropeanNationsCup}) {
            const std::size_t days = kind == ckWorldCup ? 7u : 6u;
            EXPECT_EQ(DatesOfType(*data, kind).size(), kind == c.tournament ? days : 0u) << kind;
        }
        EXPECT_EQ(DatesOfType(*data, dtRestDay).size(), c.tournament == dtSkipped ? 0u : 1u);
        EXPECT_EQ(DatesOfType(*data, dtSkipped).size(), c.skipped);
    }
}

TEST(SeasonCalendar, TournamentYearsRepeatEveryFourYears) {
    auto data = NewSeason(kLeague20);
    const struct {
        int season;
        bool world, americas, europe;
    } years[] = {{1, true, false, false},  {2, false, true, false}, {3, false, false, true},
                 {4, false, false, false}, {5, true, false, false}, {9, true, false, false}};
    for (const auto& y : years) {
        data->game_state.season = y.season;
        EXPECT_EQ(IsWorldCupYear(*data), y.world) << y.season;
        EXPECT_EQ(IsAmericasNationsCupYear(*data), y.americas) << y.season;
        EXPECT_EQ(IsEuropeanNationsCupYear(*data), y.europe) << y.season;
    }
}

TEST(SeasonCalendar, ExtraRoundNeedsDivisionsOfTwentyAndABigHomeLeague) {
    struct Case {
        int format;
        int country;
        int clubs;
        bool extra;
    };
    const Case cases[] = {{kLeague20, 29, 81, true},
                          {kLeague20, 29, 80, false},
                          {kLeague10, 29, 81, false},
                          {kLeague20, 11, 90, false}};
    for (const Case& c : cases) {
        auto data = NewSeason(c.format);
        data->league_configs.emplace_back().country = c.country;
        data->league_configs.back().club_count = c.clubs;
        EXPECT_EQ(NationalCupHasExtraRound(*data), c.extra) << c.country << "/" << c.clubs;
    }
    EXPECT_FALSE(NationalCupHasExtraRound(*NewSeason(kLeague20)));
}

TEST(SeasonCalendar, AssignCalendarDayGoesOnFromTheLastUsedDay) {
    auto data = NewSeason(kLeague20);
    for (int d = 1; d <= 366; ++d) {
        data->calendar[d - 1].day = d;
        data->calendar[d - 1].date = EncodeDate(2014, 1, 1) + d - 1;
        data->calendar[d - 1].day_type = dtFree;
    }
    EXPECT_EQ(AssignCalendarDay(*data, 1, ckNationalLeague), 5);  // first Sunday from the 5th
    EXPECT_EQ(AssignCalendarDay(*data, 4, dtSkipped), 8);
    EXPECT_EQ(AssignCalendarDay(*data, 1, ckNationalLeague), 12);  // a skipped day counts as used
    data->calendar[199].day_type = ckFriendly;                     // Saturday 19 July
    EXPECT_EQ(AssignCalendarDay(*data, 1, ckNationalLeague),
              201);  // free Sundays before it stay free
    data->calendar[365].day_type = ckFriendly;
    EXPECT_EQ(AssignCalendarDay(*data, 5, ckNationalLeague), -1);
}

}  // namespace
}  // namespace kv
