#pragma once
// The user club's side of the market: what a computer club answers to an offer for one of its
// players, what the player then asks, the purchase that completes a deal, the loan a player
// accepts, and the limits of buying and listing. Fees and wages are whole money units.

#include <cstdint>
#include <string>

namespace kv {

class GameData;

// A human club holds at most this many players.
inline constexpr int kMaxHumanSquad = 28;

// The answer to an offer for a player of a computer club.
struct OfferDecision {
    bool accepted = false;
    bool salary_demand = false;  // the player joins only with a rise
    float salary_demand_factor = 1.0f;
    bool replacement_needed = false;  // the club sells its last player of the position
    int replacement_position = 0;
    std::string message = "Sua proposta não foi aceita";
};
OfferDecision DecideOfferForComputerPlayer(const GameData& data, int player, int buyer,
                                           std::int32_t offer);

// The multiple of his value a computer club wants for a player of the position when it has
// `count` of them.
double OfferMultiple(int position, int count);

// The wage after a rise of the factor: the wage plus the rise, each rounded.
std::int32_t RaisedWage(std::int32_t wage, float factor);

// "Para jogar no seu clube ... Deseja aceitar?"
std::string SalaryDemandText(const std::string& name, float factor, std::int32_t new_wage);

// The buyer takes the player for the fee at the given wage (a negative wage keeps his own);
// a computer seller that gave up its last player of the position buys a replacement. Both
// clubs' wage bills follow. Returns false when the buyer cannot pay the fee.
bool CompletePurchase(GameData& data, int player, int buyer, std::int32_t fee, std::int32_t wage,
                      bool replacement_needed, int replacement_position);

// Whether the player agrees to go on loan to the borrowing club.
bool AcceptsLoan(const GameData& data, int player, int borrower);

// What the user club may do with a player of another club in the team view.
struct TeamViewActions {
    bool buy = false;    // a listed player it can pay
    bool offer = false;  // an offer for any player of another club
    bool loan = false;   // a player offered for loan
};
TeamViewActions TeamViewActionsFor(const GameData& data, int player, int user_club);
// "Comprar" as the player card decides it when the card is turned: stricter than the row
// selection (the value against the cash, a squad below 25) and never taking a selling club
// below 11 available players or its only goalkeeper.
bool TeamViewCardAllowsPurchase(const GameData& data, int player, int user_club);

// A fixed-price listing keeps at least as many unlisted players as a sale would leave (the
// squad floor of the sell command).
bool CanListForSale(const GameData& data, int player);

}  // namespace kv
