#include "core/game_data.h"

#include <algorithm>
#include <utility>

#include "core/table_index.h"
#include "core/text_tables.h"
#include "platform/base/fresh_memory.h"

namespace kv {

GameData::GameData() {
    SetStartValues();
}

void GameData::Reset() {
    *this = GameData();
}

void GameData::SetStartValues() {
    regional_cup_entrants.fill(-1);
    job_offers.fill(-1);
    players.assign(1, t_player{});
    players[0].team = -1;
    LoadReferees(*this);
}

bool GameData::PlayerListsCurrent() const {
    return lists_built_ && lists_team_changes_ == team_changes_ &&
           lists_player_count_ == players.size() && lists_team_count_ == teams.size();
}

void GameData::BuildPlayerLists() const {
    lists_.resize(teams.size());
    for (auto& list : lists_) list.clear();
    lists_player_count_ = 1;
    lists_team_changes_ = team_changes_;
    lists_team_count_ = teams.size();
    lists_built_ = true;
    loose_.clear();
    if (!players.empty() && !MatchMarksAtRest(players[0])) loose_.push_back(0);
    UpdatePlayerLists();
}

void GameData::UpdatePlayerLists() const {
    if (!lists_built_ || lists_team_changes_ != team_changes_ ||
        lists_team_count_ != teams.size() || lists_player_count_ > players.size())
        return BuildPlayerLists();
    // Appended players have the highest indexes: each goes at its team's end.
    for (std::size_t i = std::max<std::size_t>(lists_player_count_, 1); i < players.size(); ++i) {
        const std::int32_t team = players[i].team;
        if (team >= 0 && static_cast<std::size_t>(team) < lists_.size())
            lists_[static_cast<std::size_t>(team)].push_back(static_cast<std::int32_t>(i));
        else if (!MatchMarksAtRest(players[i]))
            loose_.push_back(static_cast<std::int32_t>(i));
    }
    lists_player_count_ = players.size();
}

bool GameData::Listed(std::size_t player) const {
    const std::int32_t team = players[player].team;
    return player > 0 && team >= 0 && static_cast<std::size_t>(team) < lists_.size();
}

void GameData::SettleLoosePlayers() {
    std::sort(loose_.begin(), loose_.end());
    loose_.erase(std::unique(loose_.begin(), loose_.end()), loose_.end());
    std::erase_if(loose_, [this](std::int32_t i) {
        return !InTable(players, i) || Listed(static_cast<std::size_t>(i)) ||
               MatchMarksAtRest(players[static_cast<std::size_t>(i)]);
    });
}

std::span<const std::int32_t> GameData::PlayersOf(int team) const {
    if (team < 0 || static_cast<std::size_t>(team) >= teams.size()) return {};
    if (!PlayerListsCurrent()) UpdatePlayerLists();
    return lists_[static_cast<std::size_t>(team)];
}

void GameData::SetPlayerTeam(int player, int team) {
    if (!InTable(players, player)) return;
    UpdatePlayerLists();
    t_player& p = players[static_cast<std::size_t>(player)];
    const std::int32_t old = p.team;
    p.team = team;
    if (old == team || player == 0) return;
    if (InTable(lists_, old)) {
        auto& list = lists_[static_cast<std::size_t>(old)];
        const auto at = std::lower_bound(list.begin(), list.end(), player);
        if (at != list.end() && *at == player) list.erase(at);
    }
    if (InTable(lists_, team)) {
        auto& list = lists_[static_cast<std::size_t>(team)];
        list.insert(std::lower_bound(list.begin(), list.end(), player), player);
    } else {
        // Off every team: the resets reach him through the loose players from now on.
        loose_.push_back(player);
    }
}

bool GameData::PlayerListsMatchTable() const {
    if (!PlayerListsCurrent()) return true;
    std::vector<std::vector<std::int32_t>> scanned(teams.size());
    for (std::size_t i = 1; i < players.size(); ++i) {
        const std::int32_t team = players[i].team;
        if (team >= 0 && static_cast<std::size_t>(team) < teams.size())
            scanned[team].push_back(static_cast<std::int32_t>(i));
    }
    for (std::size_t t = 0; t < teams.size(); ++t) {
        const auto listed = PlayersOf(static_cast<int>(t));
        if (!std::equal(listed.begin(), listed.end(), scanned[t].begin(), scanned[t].end()))
            return false;
    }
    return true;
}

bool GameData::LoosePlayersMatchTable() const {
    if (!PlayerListsCurrent()) return true;
    for (std::size_t i = 0; i < players.size(); ++i)
        if (!Listed(i) && !MatchMarksAtRest(players[i]) &&
            std::find(loose_.begin(), loose_.end(), static_cast<std::int32_t>(i)) == loose_.end())
            return false;
    return true;
}

namespace {
// A season retires about one player in sixteen and brings as many new ones, and writes a season
// line for most players and a result for every fixture. The rates are those of the players at
// clubs: the retired ones of a loaded game add none.
constexpr std::size_t kSeasonsAhead = 40;

// vector::reserve, with the pages of the new block that the records are copied into mapped in
// one call rather than faulted in one at a time.
template <class T>
void ReserveRoom(std::vector<T>& table, std::size_t room) {
    if (room <= table.capacity()) return;
    std::vector<T> bigger;
    bigger.reserve(room);
    PrepareForFilling(bigger.data(), table.size() * sizeof(T));
    bigger.assign(table.begin(), table.end());
    table.swap(bigger);
}
}  // namespace

std::size_t PlayersRoom(std::size_t players, std::size_t active) {
    return players + kSeasonsAhead * (active / 16 + 1);
}

std::size_t PlayerSeasonsRoom(std::size_t lines, std::size_t active) {
    return lines + kSeasonsAhead * active * 2 / 3;
}

std::size_t ResultsRoom(std::size_t results, std::size_t fixtures) {
    return results + kSeasonsAhead * fixtures;
}

std::size_t ActivePlayers(const std::vector<t_player>& players) {
    std::size_t active = 0;
    for (const t_player& p : players) active += p.team >= 0 ? 1 : 0;
    return active;
}

void ReserveHistoryGrowth(GameData& data) {
    // A table that grows by copying holds its old and its new copy at once: in a long game that
    // doubling, not the tables themselves, sets the peak of memory. Room not yet written takes
    // address space only.
    const std::size_t active = ActivePlayers(data.players);
    ReserveRoom(data.players, PlayersRoom(data.players.size(), active));
    ReserveRoom(data.player_seasons, PlayerSeasonsRoom(data.player_seasons.size(), active));
    ReserveRoom(data.result_history, ResultsRoom(data.result_history.size(), data.fixtures.size()));
}

void SwapInGame(GameData& fresh) {
    std::swap(Game(), fresh);
    ForgetTableIndexes();
}

}  // namespace kv
