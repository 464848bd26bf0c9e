#include "season/stadium_works.h"

#include <algorithm>
#include <cmath>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/money_text.h"

namespace kv {
namespace {

struct PriceBand {
    std::int32_t below;  // the band holds new sizes under this
    std::int32_t price;  // per seat
};
constexpr std::int32_t kNoLimit = 0x7FFFFFFF;

// A geral of 30,000 seats or more (possible once its ceiling reaches 30,000) keeps the price of
// the band below it.
constexpr PriceBand kGeral[] = {{10'000, 55}, {15'000, 80}, {20'000, 120}, {kNoLimit, 250}};
constexpr PriceBand kArquibancada[] = {{10'000, 85},  {20'000, 90},  {40'000, 120},
                                       {60'000, 200}, {80'000, 300}, {kNoLimit, 400}};
constexpr PriceBand kCadeiras[] = {{10'000, 250}, {kNoLimit, 300}};
constexpr PriceBand kCamarotes[] = {{100, 1'000}, {200, 1'500}, {400, 2'000}, {kNoLimit, 3'000}};

template <std::size_t N>
std::int32_t PricePerSeat(const PriceBand (&bands)[N], std::int64_t size) {
    for (const PriceBand& b : bands)
        if (size < b.below) return b.price;
    return bands[N - 1].price;
}

struct CeilingRow {
    int from_season;
    SectorSeats seats;
};
constexpr CeilingRow kCeilingRows[] = {{20, {30'000, 125'000, 10'000, 800}},
                                       {10, {25'000, 120'000, 10'000, 900}},
                                       {6, {22'000, 110'000, 10'000, 800}},
                                       {2, {20'000, 100'000, 10'000, 700}}};
constexpr SectorSeats kFirstSeason = {18'000, 80'000, 9'000, 700};

}  // namespace

bool StepTicketPrice(GameData& data, int club, int sector, int step) {
    if (!InTable(data.teams, club) || sector < 0 || sector >= kSectorCount) return false;
    std::int32_t& price = data.teams[static_cast<std::size_t>(club)].ticket_prices[sector];
    const std::int32_t lowest = sector == 0 ? 1 : 0;
    const std::int32_t next = std::clamp(price + step, lowest, std::int32_t{100});
    if (next == price) return false;
    price = next;
    return true;
}

SectorSeats SectorCeilings(int season) {
    for (const CeilingRow& row : kCeilingRows)
        if (season >= row.from_season) return row.seats;
    return kFirstSeason;
}

SectorSeats ExpansionCeilings(const GameData& data, int club) {
    SectorSeats ceilings = SectorCeilings(data.game_state.season);
    if (!InTable(data.teams, club)) return ceilings;
    const t_team& t = data.teams[static_cast<std::size_t>(club)];
    for (int s = 0; s < kSectorCount; ++s)
        ceilings[s] = std::max(ceilings[s], t.sector_capacity[s]);
    return ceilings;
}

std::int32_t SectorCost(int division, int sector, std::int32_t added, std::int32_t present) {
    if (added <= 0) return 0;
    const std::int64_t size = std::int64_t{present} + added;
    std::int32_t price = 0;
    switch (sector) {
        case 0:
            price = PricePerSeat(kGeral, size);
            break;
        case 1:
            price = PricePerSeat(kArquibancada, size);
            break;
        case 2:
            price = PricePerSeat(kCadeiras, size);
            break;
        case 3:
            price = PricePerSeat(kCamarotes, size);
            break;
        default:
            return 0;
    }
    const double plain = static_cast<double>(added) * price;
    double factor = 1.0;
    if (division == 1) factor = 4.0;
    if (division == 2) factor = 3.0;
    if (division == 3) factor = 1.5;
    return static_cast<std::int32_t>(std::nearbyint(plain * factor));
}

int WorksDays(std::int32_t seats) {
    if (seats <= 1'000) return 1;
    return static_cast<int>(std::nearbyint(seats / 1000.0));
}

ExpansionQuote QuoteExpansion(const GameData& data, int club, SectorSeats seats) {
    ExpansionQuote quote;
    quote.end_date = TodayDate(data);
    if (!InTable(data.teams, club)) return quote;
    const t_team& t = data.teams[static_cast<std::size_t>(club)];
    const SectorSeats ceilings = ExpansionCeilings(data, club);
    for (int s = 0; s < kSectorCount; ++s) {
        seats[s] = std::max(seats[s], std::int32_t{0});
        if (seats[s] > ceilings[s] - t.sector_capacity[s]) {
            quote.status = ExpansionQuote::kBeyondCeiling;
            return quote;
        }
    }
    std::int64_t total = 0;
    std::int64_t cost = kProjectFee;
    for (int s = 0; s < kSectorCount; ++s) {
        total += seats[s];
        cost += SectorCost(t.division, s, seats[s], t.sector_capacity[s]);
    }
    if (total == 0) return quote;
    quote.status = ExpansionQuote::kQuoted;
    quote.seats = seats;
    quote.cost = static_cast<std::int32_t>(std::min<std::int64_t>(cost, kNoLimit));
    quote.end_date += 3 + WorksDays(static_cast<std::int32_t>(total));
    return quote;
}

bool OrderExpansion(GameData& data, int club, const ExpansionQuote& quote) {
    if (quote.status != ExpansionQuote::kQuoted || !InTable(data.teams, club)) return false;
    t_team& t = data.teams[static_cast<std::size_t>(club)];
    if (MoneyToWholeUnits(t.cash) < quote.cost) return false;
    t_stadium_work work{};
    work.team = club;
    work.end_date = quote.end_date;
    for (int s = 0; s < kSectorCount; ++s) work.added_seats[s] = quote.seats[s];
    work.in_progress = 1;
    data.stadium_works.push_back(work);
    t.cash -= MoneyFromUnits(quote.cost);
    if (InTable(data.finances, club))
        data.finances[static_cast<std::size_t>(club)].stadium_works += quote.cost;
    return true;
}

const t_stadium_work* WorkInProgress(const GameData& data, int club) {
    for (const t_stadium_work& work : data.stadium_works)
        if (work.team == club && work.in_progress) return &work;
    return nullptr;
}

}  // namespace kv
