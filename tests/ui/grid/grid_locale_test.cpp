#include "ui/grid/grid_locale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/grid/grid_types.h"

namespace kv {
namespace {

TEST(GridLocale, BrazilianNumbersAndDatesRoundTrip) {
    ScopedGridLocale locale(BrazilianGridLocale());
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"0", 0},
        {"2,5", 2.5},
        {"-1234,75", -1234.75},
        {"1.234,5", 1234.5},
        {"1.234.567", 1234567},
        {" 7 ", 7},
        {"1,5E20", 1.5e20},
        {"1E-5", 1e-5},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(GridTextToFloat(c.text), c.value) << c.text;
    EXPECT_EQ(GridFloatToText(2.5), "2,5");
    EXPECT_EQ(GridFloatToText(-1234.75), "-1234,75");
    EXPECT_EQ(GridFloatToText(1.5e20), "1,5E20");
    EXPECT_EQ(GridFloatToText(1e-5), "1E-5");
    EXPECT_EQ(GridFloatToText(0.1 + 0.2), "0,3");  // 15 significant digits

    double d = 0;
    ASSERT_TRUE(GridEncodeDate(2014, 12, 31, d));
    EXPECT_EQ(GridDateTimeToText(d), "31/12/2014");
    EXPECT_EQ(GridTextToDateTime("31/12/2014"), d);
    EXPECT_EQ(GridDateTimeToText(d + 0.5), "31/12/2014 12:00:00");
    EXPECT_DOUBLE_EQ(GridTextToDateTime("31/12/2014 12:00"), d + 0.5);
    EXPECT_EQ(GridTextToDateTime("1/1/00"), GridTextToDateTime("01/01/2000"));
    EXPECT_EQ(GridDateTimeToText(0), "30/12/1899");
    EXPECT_EQ(GridTextToDateTime("01/01/1900"), 2);
}

TEST(GridLocale, NeutralLocaleForTests) {
    ScopedGridLocale locale(NeutralGridLocale());
    EXPECT_EQ(GridFloatToText(2.5), "2.5");
    EXPECT_DOUBLE_EQ(GridTextToFloat("1234.5"), 1234.5);
    EXPECT_THROW(GridTextToFloat("1,234.5"), GridConvertError);
    EXPECT_EQ(GridDateTimeToText(GridTextToDateTime("2014-12-31")), "2014-12-31");
}

TEST(GridLocale, ReadersRefuseWhatIsNotWhollyAValue) {
    ScopedGridLocale locale(BrazilianGridLocale());
    for (const char* text : {"", "abc", "NaN", "nan", "INF", "-inf", "Infinity", "1E400", "1,2,3",
                             "1.23", "12.3456", ".123", "1..234", "2,5x", "E5", "1E"}) {
        EXPECT_THROW(GridTextToFloat(text), GridConvertError) << text;
    }
    for (const char* text : {"", "12a", "2147483648", "-2147483649", "1,5", "0x10"})
        EXPECT_THROW(GridTextToInt(text), GridConvertError) << text;
    for (const char* text : {"31/02/2014", "1/13/2014", "x", "31/12/2014 25:00", "31/12"})
        EXPECT_THROW(GridTextToDateTime(text), GridConvertError) << text;
    try {
        GridTextToInt("12a");
        FAIL();
    } catch (const GridConvertError& e) {
        EXPECT_STREQ(e.what(), "'12a' is not a valid integer value");
    }
}

TEST(GridLocale, DoubleToIntegerClampsInsteadOfOverflowing) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int rounded, truncated;
    } cases[] = {
        {2.5, 2, 2},
        {3.5, 4, 3},
        {-2.5, -2, -2},
        {-3.7, -4, -3},
        {1e12, INT32_MAX, INT32_MAX},
        {-1e12, INT32_MIN, INT32_MIN},
        {inf, INT32_MAX, INT32_MAX},
        {std::nan(""), 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridRoundToInt(c.value), c.rounded) << c.value;
        EXPECT_EQ(GridTruncToInt(c.value), c.truncated) << c.value;
    }
}

TEST(GridLocale, BooleanTexts) {
    EXPECT_TRUE(GridTextToBool("TRUE"));
    EXPECT_FALSE(GridTextToBool("false"));
    EXPECT_TRUE(GridTextToBool("-3"));
    EXPECT_FALSE(GridTextToBool("0"));
    EXPECT_THROW(GridTextToBool("sim"), GridConvertError);
}

}  // namespace
}  // namespace kv
