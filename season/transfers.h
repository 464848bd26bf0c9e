#pragma once
// The one place where a player changes club, with every consequence: fees, release
// penalties, contracts, wage bills, the season's finance heads, the transfer log, news,
// morale and squad counts. Fees and limits are whole money units.

#include "core/dates.h"

namespace kv {

class GameData;

// The match day's choice of a free-kick and penalty taker belongs to the match library,
// which sits above this one; the game installs it at start-up. Without it a club that
// sells its taker keeps the stale index, and the match day picks a taker on the pitch.
using SetPieceTakerRule = void (*)(int team);
void InstallSetPieceTakerRule(SetPieceTakerRule rule);

// Moves the player to the buyer for the fee. A human-managed seller keeps back a release
// penalty on a contract still running, unless apply_release_penalty is false. A player
// index outside the table (or the empty entry 0) does nothing.
void TransferPlayer(GameData& data, int player, int buyer, int fee,
                    bool apply_release_penalty = true);

// Moves the player without a fee and makes him a loanee until end_date. Bringing a
// player home goes through here too; the caller then sets loan_status back to 0.
void MovePlayerOnLoan(GameData& data, int player, int team, TDateTime end_date);

// The user club sells a player: the buyer is credited the price it pays and 0.32 more, so
// it ends up paying nothing. With send_news the user club is told.
void SellPlayer(GameData& data, int player, int buyer, int price, bool send_news,
                bool apply_penalty);

// A computer club that sold to a human club buys one player of the position from another
// computer club; returns the player bought, -1 when none.
int BuyReplacementPlayer(GameData& data, int buyer, int position, int strength, int limit);

bool IsMajorEuropeanLeague(int country);

// The share of the fee a human seller keeps back when the contract has that many days to
// run (0 beyond a million days).
double ReleasePenaltyRate(int days_left);

// Whether the wanted player agrees to join the user club.
struct Willingness {
    bool refuses = false;
    bool accepts = true;
    bool salary_demand = false;
    float salary_demand_factor = 1.0f;  // the rise asked, as a fraction of the wage
};
Willingness CheckPlayerWillingness(const GameData& data, int player);

}  // namespace kv
