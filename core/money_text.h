#pragma once
// The fixed text forms in which the screens show money, attendances and match minutes.
// The money texts take whole money units; records hold ten-thousandths, so callers go through
// MoneyToWholeUnits first.

#include <cstdint>
#include <string>

namespace kv {

// Ten-thousandths to whole units, halves to the even neighbour. Amounts beyond the int32 range
// (far more than any club holds) give the nearest int32 instead of wrapping into a wrong sign.
std::int32_t MoneyToWholeUnits(std::int64_t ten_thousandths);

// "1 milhão 234 mil": words by thousands; the units below a thousand are dropped.
std::string FormatMoneyInWords(std::int32_t amount);
// "1 234 k": thousands with the suffix " k" for 10,000 .. 999,999,999; plain digits otherwise.
std::string FormatMoneyShort(std::int32_t amount);
// "1 234 567": digits grouped in threes, for -9,999,999 .. 99,999,999; plain digits otherwise.
std::string FormatThousands(std::int32_t number);
// The number laid into "# ### ### ##0": "   5", "  1 234", "1 234 567 890", "-  1 234".
std::string FormatDigitGroups(std::int32_t number);

// Minute within its half of a half-minute match tick (1..92 first half, 93..190 second).
int TickToMinute(int tick);

// Matches (selector 1) or goals (selector 0) of a player shown on the auction window; no tally
// is kept for it, so it is 0 for every player.
std::int32_t PlayerStatCount(int player, int selector);

}  // namespace kv
