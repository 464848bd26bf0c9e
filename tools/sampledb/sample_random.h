#pragma once
// The generator's own pseudo-random source: seeded, never from the clock, and independent of the
// game's source, so the sample database is the same bytes on every run and every machine.

#include <cstdint>
#include <span>

namespace kv::sampledb {

class SampleRandom {
  public:
    explicit SampleRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0..n-1; 0 when n <= 0.
    int Below(int n) {
        return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n));
    }
    // lo..hi inclusive.
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    // -1..1 with a flat distribution.
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0) * 2 - 1; }

    template <typename T>
    const T& Pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

  private:
    std::uint64_t state_;
};

}  // namespace kv::sampledb
