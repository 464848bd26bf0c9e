#include "core/random.h"

#include <chrono>

namespace kv {

namespace {

using random_detail::Below;
using random_detail::NextOf;

std::uint64_t& g_state = random_detail::game_state;
std::uint64_t g_wording_state = 0x2545F4914F6CDD1DULL;
std::uint64_t g_aside_state = 0x9FB21C651E98DF25ULL;

std::uint64_t Next() {
    return NextOf(g_state);
}

}  // namespace

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
