#include "season/transfer_lists.h"

#include "core/dates.h"
#include "core/game_data.h"
#include "core/money_text.h"

namespace kv {
namespace {

template <typename Table>
std::string NameAt(const Table& table, int index) {
    return InTable(table, index) ? table[static_cast<std::size_t>(index)].name.str()
                                 : std::string();
}

}  // namespace

std::vector<TransferListRow> TransferListRows(const GameData& data, TransferListMode mode,
                                              int club) {
    std::vector<TransferListRow> rows;
    if (mode == TransferListMode::kCoachAppointments) {
        for (auto it = data.coach_appointment_log.rbegin();
             it != data.coach_appointment_log.rend() &&
             static_cast<int>(rows.size()) < kTransferListLimit;
             ++it)
            rows.push_back({std::to_string(2013 + it->season),
                            NameAt(data.coaches, it->coach),
                            {},
                            NameAt(data.teams, it->team),
                            {}});
        return rows;
    }
    const bool one_club = mode == TransferListMode::kClubTransfers;
    for (auto it = data.transfer_log.rbegin(); it != data.transfer_log.rend(); ++it) {
        if (one_club && it->from_team != club && it->to_team != club) continue;
        if (!one_club && static_cast<int>(rows.size()) >= kTransferListLimit) break;
        rows.push_back({FormatDate(it->date), NameAt(data.players, it->player),
                        NameAt(data.teams, it->from_team), NameAt(data.teams, it->to_team),
                        "$" + FormatDigitGroups(it->fee)});
    }
    return rows;
}

std::string TransferListTitle(const GameData& data, TransferListMode mode, int club) {
    switch (mode) {
        case TransferListMode::kCoachAppointments:
            return "Técnicos";
        case TransferListMode::kClubTransfers:
            return "Jogadores - " + NameAt(data.teams, club);
        default:
            return "Jogadores - todos";
    }
}

}  // namespace kv
