#pragma once
// A human coach renews one of his players' contracts: the player asks a wage that depends on
// his worth, the length offered and the club's league place, and answers the coach's offer.
// Wages are whole money units.

#include <cstdint>

namespace kv {

class GameData;

// Lengths offered, in months.
inline constexpr int kContractLengths[] = {6, 12, 24};

// The wage the player asks for a contract of the given length.
std::int32_t ContractDemand(const GameData& data, int player, int months);

enum class ContractAnswer {
    kAccepted,       // the offer reaches the demand
    kCounterDemand,  // the player asks for the demand instead
    kAboveCeiling,   // the offer is more than the player may be paid (five times the demand)
};
ContractAnswer AnswerContractOffer(std::int32_t offer, std::int32_t demand);

// The highest wage the player may be offered: five times his demand.
std::int32_t ContractCeiling(std::int32_t demand);

// Gives the player his new contract: off the sale list, the contract running the given
// months from today, the new wage (a raise of more than 30 % lifts his morale and brings his
// thanks) and his club's wage bill recomputed.
void SignNewContract(GameData& data, int player, std::int32_t wage, int months);

}  // namespace kv
