#pragma once
// The stadium of a club: ticket prices, how far each sector may grow, what new seats cost and
// how long the works take, and ordering a work. Works are delivered by CompleteStadiumWorks.

#include <array>
#include <cstdint>

#include "core/dates.h"

namespace kv {

class GameData;
struct t_stadium_work;

inline constexpr int kSectorCount = 4;  // geral, arquibancada, cadeiras, camarotes
inline constexpr std::int32_t kProjectFee = 100'000;
using SectorSeats = std::array<std::int32_t, kSectorCount>;

// One press of a price arrow: the sector's price moves by `step` within 1..100 for the geral
// and 0..100 for the other sectors; at the end of its range it stays. False when unchanged.
bool StepTicketPrice(GameData& data, int club, int sector, int step);

// The most seats each sector may hold in the season.
SectorSeats SectorCeilings(int season);
// The club's ceilings, each raised to the sector's present size where it is already above.
SectorSeats ExpansionCeilings(const GameData& data, int club);

// The price of adding `added` seats to a sector of `present` seats (sector 0..3), before the
// project fee: the whole addition at the per-seat price of the new size's band, times the
// division's factor.
std::int32_t SectorCost(int division, int sector, std::int32_t added, std::int32_t present);
// Days of work for a total of seats.
int WorksDays(std::int32_t seats);

struct ExpansionQuote {
    enum Status { kNothingAsked, kBeyondCeiling, kQuoted };
    Status status = kNothingAsked;
    SectorSeats seats{};
    std::int32_t cost = 0;  // whole units, the project fee included
    TDateTime end_date = 0;
};
// The budget of a request; seats below 0 count as 0.
ExpansionQuote QuoteExpansion(const GameData& data, int club, SectorSeats seats);
// Pays a quoted work and records it in progress. False, and nothing paid, when the club's cash
// falls short of the cost (or the quote is no budget).
bool OrderExpansion(GameData& data, int club, const ExpansionQuote& quote);

// The club's work in progress, or null; a club has at most one.
const t_stadium_work* WorkInProgress(const GameData& data, int club);

}  // namespace kv
