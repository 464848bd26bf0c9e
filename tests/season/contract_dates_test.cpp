#include "season/contract_dates.h"

#include <gtest/gtest.h>

#include "season/calendar.h"
#include "tests/season/season_setup.h"

namespace kv {
namespace {

TEST(ContractDates, EndsAreCountedFromTheCurrentDay) {
    struct Case {
        int season;
        int month, day;  // the current calendar day
        bool by_months;
        int amount;
        int end_year, end_month, end_day;
    };
    const Case cases[] = {
        {1, 1, 5, false, 10, 2014, 3, 16},
        {1, 12, 7, false, 39, 2015, 9, 6},
        {1, 3, 23, true, 6, 2014, 9, 23},
        {1, 1, 31, true, 1, 2014, 2, 28},  // clamped to the month's last day
        {3, 1, 31, true, 1, 2016, 2, 29},  // leap year
        {1, 8, 31, true, 18, 2016, 2, 29},
        {1, 12, 31, true, 0, 2014, 12, 31},
    };
    for (const Case& c : cases) {
        auto data = test::NewSeason(2, c.season);
        BuildSeasonCalendar(*data);
        const int year = 2013 + c.season;
        data->game_state.calendar_day =
            static_cast<int>(EncodeDate(year, c.month, c.day) - EncodeDate(year, 1, 1)) + 1;
        data->players.resize(3);
        data->players[2].contract_notice = 2;
        if (c.by_months) {
            SetContractEndMonths(*data, c.amount, 2);
        } else {
            SetContractEndWeeks(*data, c.amount, 2);
        }
        EXPECT_EQ(data->players[2].contract_end, EncodeDate(c.end_year, c.end_month, c.end_day))
            << c.month << "/" << c.day << " + " << c.amount;
        EXPECT_EQ(data->players[2].contract_notice, 0);
    }
}

TEST(ContractDates, UnknownPlayerIsLeftAlone) {
    auto data = test::NewSeason(2);
    BuildSeasonCalendar(*data);
    data->players.resize(1);
    SetContractEndWeeks(*data, 5, 1);
    SetContractEndMonths(*data, 5, -1);
    EXPECT_EQ(data->players.size(), 1u);
}

}  // namespace
}  // namespace kv
