#pragma once
// The game's one pseudo-random source. Seeded once from the clock at start-up and
// seedable by tests, so a seeded game is the same game every time. Game rules that
// ask for a clock re-seed in the middle of play call ReseedFromClockMidPlay(),
// which does nothing: re-seeding inside a loop would repeat draws.

#include <cstdint>

namespace kv {

namespace random_detail {
// The game source's state, here so that the draws inline: the match engine draws hundreds of
// numbers a match.
inline std::uint64_t game_state = 0x853C49E6748FEA9BULL;

// SplitMix64: small, fast, and the same sequence on every compiler and library, which the
// standard distributions do not promise.
inline std::uint64_t NextOf(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Multiply-shift of the top 32 bits: unbiased enough for game draws and no loop.
inline int Below(std::uint64_t draw, int n) {
    const std::uint64_t r = draw >> 32;
    return static_cast<int>((r * static_cast<std::uint64_t>(n)) >> 32);
}
}  // namespace random_detail

// 0..n-1, uniformly; 0 when n <= 0.
inline int Random(int n) {
    if (n <= 0) return 0;
    return random_detail::Below(random_detail::NextOf(random_detail::game_state), n);
}

// The same draw under the name the game's rules use.
inline int RandInt(int n) {
    return Random(n);
}

// 0 <= x < 1.
double RandomUnit();

// 0..n-1 from a stream of its own, for draws that only choose how something is told (a line
// of a penalty's commentary): a window that tells a kick draws nothing the game's rules draw, so
// the game played through its windows is the game played without them.
int RandomWording(int n);

// 0..n-1 from a third stream, for a draw only the coach's own dealings read (the reserve margin
// of an auction he starts himself): it is drawn at every turn's opening, and drawing it from the
// game's source would change every game played from a seed.
int RandomAside(int n);

// Seeds the game's source and the other two.
void SeedRandom(std::uint64_t seed);

// Only at program start.
void RandomizeFromClock();

// A no-op on purpose (see above).
inline void ReseedFromClockMidPlay() {}

// The source's whole state, so a test or a tool can put it back.
std::uint64_t RandomState();
void SetRandomState(std::uint64_t state);

}  // namespace kv
