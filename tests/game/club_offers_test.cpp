#include "game/club_offers.h"

#include <gtest/gtest.h>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "season/loans.h"
#include "tests/game/game_world.h"

namespace kv {
namespace {

TEST(OfferPrice, PremiumByDrawAndListedPlayersAtTheirAskingPriceLessAFifth) {
    struct Case {
        long long value;
        bool on_sale;
        long long asking;
        int r;
        int price;
    };
    const Case cases[] = {
        {1'000'000, false, 0, 0, 1'250'000},
        {1'000'000, false, 0, 40, 1'250'000},
        {1'000'000, false, 0, 41, 1'350'000},
        {1'000'000, false, 0, 85, 1'450'000},
        {1'000'000, false, 0, 95, 1'500'000},
        {1'000'000, false, 0, 99, 1'600'000},
        // Every premium price reaches a listed player's asking price of his value.
        {1'000'000, true, 1'000'000, 0, 800'000},
        {1'000'000, true, 1'000'000, 99, 800'000},
        // An asking price above the bid is not met: the premium price stands.
        {1'000'000, true, 2'000'000, 0, 1'250'000},
        // A listed player asked nothing is bid his value, not nothing.
        {1'000'000, true, 0, 50, 1'000'000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OfferPriceFor(c.value, c.on_sale, c.asking, c.r), c.price)
            << c.value << " " << c.on_sale << " " << c.asking << " r=" << c.r;
}

}  // namespace
}  // namespace kv
