#include "season/stadium_works.h"

#include <gtest/gtest.h>

#include "core/money_text.h"
#include "economy_world.h"
#include "season/club_upkeep.h"

namespace kv {
namespace {

TEST(StadiumWorks, SectorCostPricesTheWholeAdditionAtTheNewSizesBand) {
    const struct {
        int division, sector, added, present, cost;
    } cases[] = {
        {1, 0, 2'000, 12'000, 2'000 * 80 * 4},
        {3, 3, 50, 80, 112'500},    // 50 x 1,500 x 1.5
        {4, 0, 1, 9'998, 55},       // new size 9,999
        {4, 0, 2, 9'998, 160},      // new size 10,000: the next band
        {0, 0, 10, 29'990, 2'500},  // a geral of exactly 30,000 keeps 250 a seat
        {0, 0, 10, 30'000, 2'500},  // and beyond
        {2, 1, 1'000, 79'000, 1'000 * 400 * 3},
        {4, 2, 1'000, 9'000, 300'000},  // cadeiras at the ceiling of 10,000
        {3, 3, 1, 0, 1'500},            // x1.5
        {1, 1, 0, 5'000, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SectorCost(c.division, c.sector, c.added, c.present), c.cost)
            << c.division << "/" << c.sector << " +" << c.added << " to " << c.present;
}

TEST(StadiumWorks, DaysOfWork) {
    const struct {
        int seats, days;
    } cases[] = {{1, 1}, {500, 1}, {1'000, 1}, {1'499, 1}, {1'500, 2}, {2'500, 2}, {3'500, 4}};
    for (const auto& c : cases) EXPECT_EQ(WorksDays(c.seats), c.days) << c.seats;
}

TEST(StadiumWorks, CeilingsRiseWithTheSeasonsAndNeverBelowThePresentSize) {
    EXPECT_EQ(SectorCeilings(0), (SectorSeats{18'000, 80'000, 9'000, 700}));
    EXPECT_EQ(SectorCeilings(5), (SectorSeats{20'000, 100'000, 10'000, 700}));
    EXPECT_EQ(SectorCeilings(19), (SectorSeats{25'000, 120'000, 10'000, 900}));
    EXPECT_EQ(SectorCeilings(20), (SectorSeats{30'000, 125'000, 10'000, 800}));
    test::EconomyWorld w;
    const int club = w.AddClub();
    w.data().teams[club].sector_capacity[3] = 750;
    EXPECT_EQ(ExpansionCeilings(w.data(), club)[3], 750);
}

TEST(StadiumWorks, QuoteRefusesBeyondTheCeilingAndIgnoresNothing) {
    test::EconomyWorld w;
    const int club = w.AddClub({.division = 1});
    w.data().teams[club].sector_capacity[0] = 12'000;
    // Season 1: geral ceiling 18,000, so 6,000 seats are the room left.
    EXPECT_EQ(QuoteExpansion(w.data(), club, {6'000, 0, 0, 0}).status, ExpansionQuote::kQuoted);
    EXPECT_EQ(QuoteExpansion(w.data(), club, {6'001, 0, 0, 0}).status,
              ExpansionQuote::kBeyondCeiling);
    EXPECT_EQ(QuoteExpansion(w.data(), club, {0, 0, 0, 0}).status, ExpansionQuote::kNothingAsked);
    EXPECT_EQ(QuoteExpansion(w.data(), club, {-5, 0, 0, 0}).status, ExpansionQuote::kNothingAsked);
    const ExpansionQuote q = QuoteExpansion(w.data(), club, {2'000, 0, 0, 0});
    EXPECT_EQ(q.cost, 740'000);
    EXPECT_EQ(q.end_date, w.today() + 5);
}

TEST(StadiumWorks, PaidExpansionIsCompletedOnItsDateEvenAfterTheCoachLeft) {
    test::EconomyWorld w;
    const int club = w.AddClub({.division = 1, .human = true, .cash_units = 1'000'000});
    w.data().teams[club].sector_capacity[0] = 12'000;
    const ExpansionQuote q = QuoteExpansion(w.data(), club, {2'000, 0, 0, 0});
    ASSERT_TRUE(OrderExpansion(w.data(), club, q));
    EXPECT_EQ(MoneyToWholeUnits(w.data().teams[club].cash), 260'000);
    EXPECT_EQ(w.data().finances[club].stadium_works, 740'000);
    ASSERT_NE(WorkInProgress(w.data(), club), nullptr);

    // The coach leaves; the club is the computer's when the works end.
    w.data().teams[club].human = 0;
    w.data().game_state.calendar_day += 4;
    CompleteStadiumWorks(w.data());
    EXPECT_EQ(w.data().teams[club].sector_capacity[0], 12'000) << "a day early";
    w.data().game_state.calendar_day += 1;
    CompleteStadiumWorks(w.data());
    EXPECT_EQ(w.data().teams[club].sector_capacity[0], 14'000);
    EXPECT_EQ(WorkInProgress(w.data(), club), nullptr);
}

TEST(StadiumWorks, ShortCashPaysNothing) {
    test::EconomyWorld w;
    const int club = w.AddClub({.division = 1, .cash_units = 739'999});
    w.data().teams[club].sector_capacity[0] = 12'000;
    const ExpansionQuote q = QuoteExpansion(w.data(), club, {2'000, 0, 0, 0});
    EXPECT_FALSE(OrderExpansion(w.data(), club, q));
    EXPECT_TRUE(w.data().stadium_works.empty());
    EXPECT_EQ(MoneyToWholeUnits(w.data().teams[club].cash), 739'999);
    EXPECT_EQ(w.data().finances[club].stadium_works, 0);
}

TEST(TicketPrices, ArrowsStayInTheirRange) {
    test::EconomyWorld w;
    const int club = w.AddClub();
    auto& prices = w.data().teams[club].ticket_prices;
    prices[0] = 1;
    prices[1] = 0;
    prices[2] = 100;
    EXPECT_FALSE(StepTicketPrice(w.data(), club, 0, -1)) << "geral not below 1";
    EXPECT_FALSE(StepTicketPrice(w.data(), club, 1, -1));
    EXPECT_FALSE(StepTicketPrice(w.data(), club, 2, +1));
    EXPECT_TRUE(StepTicketPrice(w.data(), club, 1, +1));
    EXPECT_TRUE(StepTicketPrice(w.data(), club, 0, +1));
    EXPECT_EQ(prices[0], 2);
    EXPECT_EQ(prices[1], 1);
    EXPECT_EQ(prices[2], 100);
}

}  // namespace
}  // namespace kv
