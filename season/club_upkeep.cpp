#include "season/club_upkeep.h"

#include "core/field_readers.h"
#include "core/game_data.h"
#include "season/contract_dates.h"
#include "season/news.h"

namespace kv {
namespace {

enum ContractNotices { kAllNotices = 0, kOnlyEnded = 1, kOnlyEnding = 2, kNoNotices = 3 };

constexpr int kEndingWithinDays = 21;

}  // namespace

void CompleteStadiumWorks(GameData& data) {
    const TDateTime today = TodayDate(data);
    for (t_stadium_work& work : data.stadium_works) {
        if (!work.in_progress || work.end_date > today || !InTable(data.teams, work.team)) continue;
        work.in_progress = 0;
        t_team& team = data.teams[work.team];
        for (int sector = 0; sector < 4; ++sector)
            if (work.added_seats[sector] > 0)
                team.sector_capacity[sector] += work.added_seats[sector];
    }
}

void SendContractNotices(GameData& data, int club) {
    const TDateTime today = TodayDate(data);
    const int notices = data.game_state.contract_notices;
    for (const int index : data.PlayersOf(club)) {
        const auto i = static_cast<std::size_t>(index);
        if (data.players[i].loan_status == 2) continue;
        if (data.game_state.auto_renew_contracts && data.players[i].contract_end < today)
            SetContractEndWeeks(data, 12, index);
        t_player& p = data.players[i];
        if (notices == kNoNotices || p.contract_notice == 2) continue;
        if (p.contract_end < today && (notices == kAllNotices || notices == kOnlyEnded)) {
            AddNewsItem(data, club, neContract, 1, index, 0, 0);
            data.players[i].contract_notice = 2;
        } else if (p.contract_end - today < kEndingWithinDays && p.contract_notice == 0 &&
                   (notices == kAllNotices || notices == kOnlyEnding)) {
            AddNewsItem(data, club, neContract, 0, index, 0, 0);
            data.players[i].contract_notice = 1;
        }
    }
}

}  // namespace kv
