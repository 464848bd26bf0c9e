#pragma once
// The transfers of the clubs no human coach manages. The season change runs one transfer
// window (RunComputerTransferWindow), in which any computer club below 18 players or without
// a second goalkeeper buys too, within its cash; the round close moves a few single players
// between computer clubs of similar standing (MakeRandomComputerTransfer). Every move goes
// through TransferPlayer; human clubs never buy or sell here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/types.h"

namespace kv {

class GameData;

// A player offered in the window.
struct t_market_candidate {
    std::int32_t player;
    std::int32_t strength;
    std::int32_t nationality;
    std::int32_t seller_reputation;
    std::int32_t seller_division;
    std::int32_t seller_average_strength;
    std::int32_t seller_country;
    std::int32_t seller_team;
    std::int32_t seller_continent;
    std::int32_t random_key;
    std::uint8_t available;
    // The player's position, which no move changes: a purchase reads it for every candidate
    // it passes, and the players' own records lie scattered across a table of retirees.
    std::int32_t position;
};

struct t_market_buyer {
    std::int32_t team;
    std::int32_t country;
    std::int32_t reputation;
    std::int32_t division;
    std::int32_t average_strength;
    std::int32_t continent;
    std::int32_t random_key;
    // Let in only because its squad is short: it buys no more than its cash pays for.
    std::uint8_t pays_from_cash = 0;
};

struct t_surplus_player {
    std::int32_t player;
    std::int32_t strength;
    std::int32_t position;
    std::int32_t team;
    std::int32_t team_reputation;
    std::int32_t random_key;
};

// The working lists of one window; they live only while it runs.
struct ComputerMarket {
    std::vector<std::int32_t> average_strength;  // by club
    std::vector<std::int32_t> sales_count;       // by club, in the current phase
    std::vector<t_market_candidate> candidates;
    std::vector<t_market_buyer> buyers;
    int scan_start = 0;  // candidates before it are never bought in this window
    int last_buyer = 0;
    bool last_buyer_bought = false;
    // Where each position's candidates stand in the list, in list order, so that a purchase of
    // one position passes over the others unread. Made again when the list was sorted or grew.
    std::array<std::vector<std::int32_t>, kPositionCount> places_by_position;
    std::size_t places_indexed = 0;  // candidates indexed; `kNotIndexed` after a sort
    static constexpr std::size_t kNotIndexed = static_cast<std::size_t>(-1);
};

void RunComputerTransferWindow(GameData& data);

// Returns the player moved, -1 when nobody moved. country -1 means any league.
int MakeRandomComputerTransfer(GameData& data, int country);

// The first position whose count is below the game's minimum, or above the surplus limit of
// the club's reputation; -1 when none.
int FirstShortPosition(const GameData& data, int club);
int FirstSurplusPosition(const GameData& data, int club);

// The steps of the window, for the window itself and its tests.
void AddMarketCandidate(GameData& data, ComputerMarket& market, int player);
bool TryComputerPurchase(GameData& data, ComputerMarket& market, int buyer, int wanted, int mode);
void ListClubSurplus(GameData& data, ComputerMarket& market);
void RunMarketRounds(GameData& data, ComputerMarket& market);
void RunNeedRound(GameData& data, ComputerMarket& market);

int CompareMarketCandidates(const t_market_candidate& a, const t_market_candidate& b);
int CompareMarketBuyers(const t_market_buyer& a, const t_market_buyer& b);
int CompareSurplusPlayers(const t_surplus_player& a, const t_surplus_player& b);

}  // namespace kv
