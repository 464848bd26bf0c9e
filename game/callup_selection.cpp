#include "game/callup_selection.h"

#include <algorithm>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/money.h"
#include "core/pstring.h"

namespace kv {

namespace {

struct Band {
    long long low;
    long long high;
};

constexpr Band kStrengthBands[] = {{1, 10}, {11, 30}, {31, 50}, {51, 101}};
constexpr Band kAgeBands[] = {{0, 25}, {26, 36}, {37, 999}};

bool InBand(const Band* bands, int count, int band, long long value) {
    if (band < 0 || band >= count) return true;  // "Qualquer"
    return value >= bands[band].low && value <= bands[band].high;
}

// Case folding for the names as stored (one byte a letter, accented capitals included).
unsigned char Fold(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

bool NameBegins(std::string_view name, std::string_view prefix) {
    if (prefix.size() > name.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Fold(static_cast<unsigned char>(name[i])) !=
            Fold(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

bool Matches(int wanted, int actual) {
    return wanted < 0 || wanted == actual;
}

}  // namespace

int CallUpValueBand(long long units) {
    constexpr long long kLimits[] = {100'000, 500'000, 1'000'000, 3'000'000, 5'000'000, 10'000'000};
    int band = 0;
    for (const long long limit : kLimits) {
        if (units <= limit) return band;
        ++band;
    }
    return band;
}

std::vector<int> SearchCallUpPlayers(const GameData& data, int country,
                                     const CallUpFilter& filter) {
    std::vector<int> found;
    const int clubs = ClubLimit(data);
    const std::string prefix = Utf8ToCp1252(filter.name);
    const int count = static_cast<int>(data.players.size());
    for (int p = 1; p < count; ++p) {
        const t_player& player = data.players[p];
        if (player.team < 0 || player.team >= clubs || player.nationality != country) continue;
        if (!Matches(filter.position, player.position)) continue;
        if (!InBand(kStrengthBands, 4, filter.strength_band, player.strength)) continue;
        if (!InBand(kAgeBands, 3, filter.age_band, player.age)) continue;
        if (filter.value_band >= 0 && filter.value_band < 7 &&
            CallUpValueBand(MoneyToUnits(player.value)) != filter.value_band)
            continue;
        const std::string_view name = player.name.raw();
        if (name.empty() || !NameBegins(name, prefix)) continue;
        if (filter.stars_only && !player.star) continue;
        if (!Matches(filter.characteristic1, player.characteristic1) ||
            !Matches(filter.characteristic2, player.characteristic2))
            continue;
        found.push_back(p);
    }
    return found;
}

bool CallUpList::Contains(int player) const {
    return std::find(players_.begin(), players_.end(), player) != players_.end();
}

bool CallUpList::CanAdd(int player) const {
    if (!InTable(data_.players, player) || Contains(player)) return false;
    return data_.players[player].position == posGoalkeeper ? goalkeepers_ < kCallUpGoalkeepers
                                                           : outfield_ < kCallUpOutfield;
}

bool CallUpList::Add(int player) {
    if (!CanAdd(player)) return false;
    players_.push_back(player);
    ++(data_.players[player].position == posGoalkeeper ? goalkeepers_ : outfield_);
    return true;
}

bool CallUpList::Remove(int player) {
    const auto it = std::find(players_.begin(), players_.end(), player);
    if (it == players_.end()) return false;
    players_.erase(it);
    --(data_.players[player].position == posGoalkeeper ? goalkeepers_ : outfield_);
    return true;
}

void ConfirmCallUp(GameData& data, int national_team, const std::vector<int>& players) {
    if (!InTable(data.teams, national_team)) return;
    const auto listed = data.PlayersOf(national_team);
    for (const int p : std::vector<int>(listed.begin(), listed.end())) {
        data.callups.push_back({p, national_team});
        data.SetPlayerTeam(p, -1);
    }
    for (const int p : players) {
        if (!InTable(data.players, p)) continue;
        data.callups.push_back({p, data.players[p].team});
        data.SetPlayerTeam(p, national_team);
    }
}

}  // namespace kv
