#pragma once
// The game rounds to the nearest whole number with halves going to the even neighbour.

namespace kv {

// Adding and taking away 1.5 x 2^52 leaves a double rounded to a whole number by the processor's
// default rounding, which sends halves to the even neighbour; exact for every value the game
// rounds (far below 2^51), and much cheaper than a library call in the engine's inner loops.
// Values beyond an int (only from damaged records) stop at its ends rather than overflow.
inline int RoundEven(double x) {
    constexpr double kShift = 6755399441055744.0;
    constexpr double kLimit = 2147483647.0;
    if (x > kLimit) return 2147483647;
    if (x < -kLimit) return -2147483647;
    return static_cast<int>((x + kShift) - kShift);
}

}  // namespace kv
