#include "core/dates.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Dates, EncodeDecodeAndTextAgreeOnKnownDays) {
    struct Case {
        int y, m, d;
        double count;
        int weekday;  // 1 Sunday .. 7 Saturday
        const char* text;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 7, "30/12/1899"},    {1900, 1, 1, 2, 2, "01/01/1900"},
        {1900, 3, 1, 61, 5, "01/03/1900"},  // 1900 is no leap year
        {2000, 2, 29, 36585, 3, "29/02/2000"}, {2014, 1, 1, 41640, 4, "01/01/2014"},
        {2016, 2, 29, 42429, 2, "29/02/2016"}, {2014, 12, 31, 42004, 4, "31/12/2014"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.count);
        const DateParts p = DecodeDate(c.count + 0.75);  // the fraction is the time of day
        EXPECT_EQ(p.year, c.y);
        EXPECT_EQ(p.month, c.m);
        EXPECT_EQ(p.day, c.d);
        EXPECT_EQ(DayOfWeek(c.count), c.weekday);
        EXPECT_EQ(FormatDate(c.count), c.text);
    }
}

TEST(Dates, DaysBeforeTheEpochDecode) {
    const DateParts p = DecodeDate(-1);
    EXPECT_EQ(p.year, 1899);
    EXPECT_EQ(p.month, 12);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(DayOfWeek(-1), 6);
}

TEST(Dates, ImpossibleDatesEncodeAsZeroAndWildCountsDecodeToNothing) {
    EXPECT_EQ(EncodeDate(2014, 2, 29), 0);
    EXPECT_EQ(EncodeDate(2014, 13, 1), 0);
    EXPECT_EQ(EncodeDate(2014, 4, 31), 0);
    EXPECT_EQ(EncodeDate(0, 1, 1), 0);
    EXPECT_EQ(DecodeDate(1e300).year, 0);
    EXPECT_EQ(DecodeDate(-1e300).year, 0);
    EXPECT_EQ(FormatDate(1e300), "00/00/0000");
}

TEST(Dates, LeapYears) {
    EXPECT_TRUE(IsLeapYear(2016));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2014));
    EXPECT_EQ(DaysInMonth(2016, 2), 29);
    EXPECT_EQ(DaysInMonth(2015, 2), 28);
    EXPECT_EQ(DaysInMonth(2015, 0), 0);
}

}  // namespace
}  // namespace kv
