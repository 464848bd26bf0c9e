#include "season/loans.h"

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money_text.h"
#include "season/news.h"
#include "season/transfers.h"

namespace kv {
namespace {

constexpr int kFullSquad = 28;

// A loan moves its player only while he is still out on it; a player who has since died,
// retired or been sold away has nothing to come back from.
bool StillOnLoan(const GameData& data, int player) {
    return player >= 1 && InTable(data.players, player) && data.players[player].loan_status == 2 &&
           data.players[player].team >= 0;
}

void BringHome(GameData& data, t_loan& loan, int contract_days) {
    const int player = loan.player;
    loan.player = -1;
    if (!StillOnLoan(data, player) || !InTable(data.teams, loan.owner)) return;
    MovePlayerOnLoan(data, player, loan.owner, TodayDate(data) + contract_days);
    data.players[player].loan_status = 0;
}

// A player away with his national team is still on loan: he comes home when the call-up ends.
bool CalledUp(const GameData& data, int player) {
    for (const t_callup& entry : data.callups)
        if (entry.player == player) return true;
    return false;
}

bool LoanDue(const GameData& data, const t_loan& loan, TDateTime date) {
    return loan.player >= 0 && !(loan.end_date > date) && !CalledUp(data, loan.player);
}

void EndDueLoan(GameData& data, std::size_t entry) {
    t_loan& loan = data.loans[entry];
    if (!StillOnLoan(data, loan.player)) {
        loan.player = -1;
        return;
    }
    if (InTable(data.teams, loan.owner) && data.teams[loan.owner].squad_size >= kFullSquad) {
        AddNewsItem(data, loan.owner, neLoanEnded, 0, loan.player, -1, -1);
        return;
    }
    BringHome(data, loan, 120);
}

}  // namespace

void AddLoan(GameData& data, int player, int owner, TDateTime end_date) {
    t_loan& loan = AppendRecord(data.loans);
    loan.player = player;
    loan.end_date = end_date;
    loan.owner = owner;
}

void CloseLoansOf(GameData& data, int player) {
    if (player < 0) return;
    for (t_loan& loan : data.loans)
        if (loan.player == player) loan.player = -1;
}

int FindOpenLoan(const GameData& data, int player) {
    if (player < 0) return -1;
    for (std::size_t i = 0; i < data.loans.size(); ++i)
        if (data.loans[i].player == player) return static_cast<int>(i);
    return -1;
}

void ReturnLoanedPlayers(GameData& data, TDateTime date) {
    for (std::size_t i = 0; i < data.loans.size(); ++i)
        if (LoanDue(data, data.loans[i], date)) EndDueLoan(data, i);
}

void ReturnLoanedPlayer(GameData& data, int player, TDateTime date) {
    const int entry = FindOpenLoan(data, player);
    if (entry >= 0 && LoanDue(data, data.loans[entry], date))
        EndDueLoan(data, static_cast<std::size_t>(entry));
}

void CancelLoan(GameData& data, int player) {
    const int entry = FindOpenLoan(data, player);
    if (entry >= 0) BringHome(data, data.loans[entry], 180);
}

int LoanedPlayerPrice(const GameData& data, int player) {
    return InTable(data.players, player) ? MoneyToWholeUnits(data.players[player].value) : 0;
}

bool CanBuyLoanedPlayer(const GameData& data, int player) {
    if (!StillOnLoan(data, player)) return false;
    const int borrower = data.players[player].team;
    return InTable(data.teams, borrower) &&
           data.teams[borrower].cash >= MoneyFromUnits(LoanedPlayerPrice(data, player));
}

void BuyLoanedPlayer(GameData& data, int player) {
    const int entry = FindOpenLoan(data, player);
    if (entry < 0) return;
    const int owner = data.loans[entry].owner;
    if (!StillOnLoan(data, player) || !InTable(data.teams, owner)) {
        data.loans[entry].player = -1;
        return;
    }
    t_player& p = data.players[player];
    const int borrower = p.team;
    data.SetPlayerTeam(player, owner);
    TransferPlayer(data, player, borrower, LoanedPlayerPrice(data, player));
    data.players[player].loan_status = 0;
    data.loans[entry].player = -1;
}

int CountLoanedOut(const GameData& data, int team) {
    int n = 0;
    for (const t_loan& loan : data.loans)
        if (loan.player >= 0 && loan.owner == team) ++n;
    return n;
}

int CountLoanedIn(const GameData& data, int team) {
    int n = 0;
    for (const t_loan& loan : data.loans)
        if (loan.player >= 0 && InTable(data.players, loan.player) &&
            data.players[loan.player].team == team)
            ++n;
    return n;
}

int CountOfferedForLoan(const GameData& data, int team) {
    int n = 0;
    for (const int i : data.PlayersOf(team))
        if (data.players[i].loan_status == 1) ++n;
    return n;
}

}  // namespace kv
