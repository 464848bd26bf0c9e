#pragma once
// The histories of the transfer list window: the latest player transfers of the game, those of
// one club, and the latest coach appointments, newest first.

#include <string>
#include <vector>

namespace kv {

class GameData;

enum class TransferListMode { kAllTransfers = 1, kCoachAppointments = 2, kClubTransfers = 3 };

inline constexpr int kTransferListLimit = 200;

struct TransferListRow {
    std::string date;  // the date; the year for an appointment
    std::string name;  // the player or the coach
    std::string from;  // empty for an appointment
    std::string to;
    std::string fee;  // "$" and the fee in groups of three; empty for an appointment
};

// At most the 200 newest rows of the game; a club's transfers are all listed.
std::vector<TransferListRow> TransferListRows(const GameData& data, TransferListMode mode,
                                              int club);
// "Jogadores - todos", "Técnicos" or "Jogadores - " and the club's name.
std::string TransferListTitle(const GameData& data, TransferListMode mode, int club);

}  // namespace kv
