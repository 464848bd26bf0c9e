#include "core/game_data.h"

#include <algorithm>
#include <utility>

#include "core/text_tables.h"

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
    const std::size_t team_count = teams.size();
    list_starts_.assign(team_count + 2, 0);
    // A counting sort by team keeps each team's players in index order.
    for (std::size_t i = 1; i < players.size(); ++i) {
        const std::int32_t team = players[i].team;
        if (team >= 0 && static_cast<std::size_t>(team) < team_count) ++list_starts_[team + 2];
    }
    for (std::size_t t = 2; t < list_starts_.size(); ++t) list_starts_[t] += list_starts_[t - 1];
    list_players_.resize(static_cast<std::size_t>(list_starts_.back()));
    for (std::size_t i = 1; i < players.size(); ++i) {
        const std::int32_t team = players[i].team;
        if (team >= 0 && static_cast<std::size_t>(team) < team_count)
            list_players_[static_cast<std::size_t>(list_starts_[team + 1]++)] =
                static_cast<std::int32_t>(i);
    }
    lists_team_changes_ = team_changes_;
    lists_player_count_ = players.size();
    lists_team_count_ = team_count;
    lists_built_ = true;
}

std::span<const std::int32_t> GameData::PlayersOf(int team) const {
    if (team < 0 || static_cast<std::size_t>(team) >= teams.size()) return {};
    if (!PlayerListsCurrent()) BuildPlayerLists();
    const auto first = static_cast<std::size_t>(list_starts_[team]);
    const auto last = static_cast<std::size_t>(list_starts_[team + 1]);
    return std::span<const std::int32_t>(list_players_).subspan(first, last - first);
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

void SwapInGame(GameData& fresh) {
    std::swap(Game(), fresh);
}

}  // namespace kv
