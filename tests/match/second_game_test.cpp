// A second game in the same run of the program plays as it would in a fresh one: whatever the
// engine keeps between calls to go faster must follow the game it is given, not the last one.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/game_data.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "match/automatic_decisions.h"
#include "match/match_day.h"
#include "match_day_world.h"

namespace kv {
namespace {

std::string PlayDay(const GameData& start, std::uint64_t seed) {
    Game() = start;
    SeedRandom(seed);
    PlayWholeMatchDay();
    return WriteSavedGame(Game());
}

TEST(SecondGame, AMatchDayPlaysTheSameAfterAnotherGamesDay) {
    testing::BuildLeagueWorld(1, 1, 1);
    const GameData start = Game();
    const std::string fresh = PlayDay(start, 1);
    // Another day first: another seed, and a world of another size.
    PlayDay(start, 7);
    testing::BuildLeagueWorld(2, 1, 1);
    PlayWholeMatchDay();
    EXPECT_TRUE(PlayDay(start, 1) == fresh);
    Game().Reset();
}

}  // namespace
}  // namespace kv
