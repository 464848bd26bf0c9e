#pragma once
// The loan register. A loan is open while its `player` is 0 or more; while it runs the
// player's team is the borrowing club, his loan_status is 2 and his contract_end is the
// loan's end. Entries are never removed: a closed loan keeps player -1.

#include "core/dates.h"

namespace kv {

class GameData;

void AddLoan(GameData& data, int player, int owner, TDateTime end_date);

// Every open loan of the player closes; nobody moves. A transfer, a retirement or a death
// ends the loan this way.
void CloseLoansOf(GameData& data, int player);

// The open loan of the player, -1 when he has none.
int FindOpenLoan(const GameData& data, int player);

// Loans due by the date bring their players home (with a contract of 120 days), unless the
// owner already has 28 players: then the owner is told and the loan stays open until there
// is room. A player away with his national team is left out until his call-up ends.
void ReturnLoanedPlayers(GameData& data, TDateTime date);

// The same for one player: the end of a call-up brings him home when his loan ran out.
void ReturnLoanedPlayer(GameData& data, int player, TDateTime date);

// Ends the player's loan at once: he goes home with a contract of 180 days.
void CancelLoan(GameData& data, int player);

// What the borrowing club pays to keep a loaned player for good, in whole units; the
// main window's check and the purchase use this one amount.
int LoanedPlayerPrice(const GameData& data, int player);
bool CanBuyLoanedPlayer(const GameData& data, int player);

// The borrowing club buys the player from the lender.
void BuyLoanedPlayer(GameData& data, int player);

int CountLoanedOut(const GameData& data, int team);
int CountLoanedIn(const GameData& data, int team);
int CountOfferedForLoan(const GameData& data, int team);

}  // namespace kv
