#include "core/random.h"

#include <chrono>

namespace kv {

namespace {

// SplitMix64: small, fast, and the same sequence on every compiler and library,
// which the standard distributions do not promise.
std::uint64_t g_state = 0x853C49E6748FEA9BULL;
std::uint64_t g_wording_state = 0x2545F4914F6CDD1DULL;
std::uint64_t g_aside_state = 0x9FB21C651E98DF25ULL;

std::uint64_t NextOf(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t Next() {
    return NextOf(g_state);
}

// Multiply-shift of the top 32 bits: unbiased enough for game draws and no loop.
int Below(std::uint64_t draw, int n) {
    const std::uint64_t r = draw >> 32;
    return static_cast<int>((r * static_cast<std::uint64_t>(n)) >> 32);
}

}  // namespace

int Random(int n) {
    if (n <= 0) return 0;
    return Below(Next(), n);
}

double RandomUnit() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

int RandomWording(int n) {
    if (n <= 0) return 0;
    return Below(NextOf(g_wording_state), n);
}

int RandomAside(int n) {
    if (n <= 0) return 0;
    return Below(NextOf(g_aside_state), n);
}

void SeedRandom(std::uint64_t seed) {
    g_state = seed;
    g_wording_state = ~seed;
    g_aside_state = seed ^ 0x9FB21C651E98DF25ULL;
}

void RandomizeFromClock() {
    SeedRandom(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

std::uint64_t RandomState() {
    return g_state;
}
void SetRandomState(std::uint64_t state) {
    g_state = state;
}

}  // namespace kv
