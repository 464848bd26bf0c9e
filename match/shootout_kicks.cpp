#include "match/shootout_kicks.h"

#include "core/random.h"
#include "match/match_decisions.h"
#include "match/match_tables.h"

namespace kv {
namespace {

constexpr int kPositionListingOrder[25] = {1,  9,  3,  4,  5,  6,  7,  8,  2,  17, 13, 12, 11,
                                           16, 15, 14, 10, 25, 21, 20, 19, 24, 23, 22, 18};

}  // namespace

std::vector<int> AvailableTakers(int strength) {
    std::vector<int> players;
    const t_match_strength* s = StrengthAt(strength);
    if (!s) return players;
    for (int code : kPositionListingOrder)
        for (int slot = 0; slot < 11; ++slot)
            if (s->slot_positions[slot] == code && IsOnPitch(s->players[slot]))
                players.push_back(s->players[slot]);
    return players;
}

TakerList ComputerTakerOrder(int strength) {
    std::vector<int> players;
    if (const t_match_strength* s = StrengthAt(strength))
        for (int code = 25; code >= 1; --code)
            for (int slot = 0; slot < 11; ++slot)
                if (s->slot_positions[slot] == code && IsOnPitch(s->players[slot]))
                    players.push_back(s->players[slot]);
    return TakerOrderOf(players);
}

TakerList TakerOrderOf(const std::vector<int>& players) {
    TakerList list{};
    for (std::size_t i = 0; i < players.size() && i < list.size(); ++i) list[i] = players[i];
    return list;
}

TakerList ProposedTakerOrder(int strength) {
    std::vector<int> players = AvailableTakers(strength);
    return TakerOrderOf({players.rbegin(), players.rend()});
}

ShootoutScore PlayShootoutKicks(const TakerList& a, const TakerList& b) {
    ShootoutKicks kicks(a, b);
    while (!kicks.winner()) kicks.Kick(ShootoutKickScores());
    return {kicks.goals_a(), kicks.goals_b()};
}

bool ShootoutKickScores() {
    return RandInt(3) + 1 <= 2;
}

int ShootoutKicks::NextTaker() {
    if (!next_side()) return 0;
    const int side = next_ - 1;
    int& index = taker_index_[side];
    if (index >= 11 || lists_[side][index] <= 0) index = 0;
    return lists_[side][index];
}

int ShootoutKicks::Kick(bool scored) {
    if (winner_) return winner_;
    NextTaker();
    const int side = next_ - 1;
    ++taker_index_[side];
    if (scored) ++goals_[side];
    const int a = goals_[0];
    const int b = goals_[1];
    if (side == 0) {
        const int n = ++kick_number_;
        if (n < 6 && scored && a > b + (6 - n))
            winner_ = 1;
        else if (n < 6 && a + (5 - n) < b)
            winner_ = 2;
        next_ = 2;
    } else {
        const int n = kick_number_;
        if (n < 6 && scored && b > a + (5 - n))
            winner_ = 2;
        else if (n > 5 && a != b)
            winner_ = a > b ? 1 : 2;
        else if (n < 6 && b + (5 - n) < a)
            winner_ = 1;
        next_ = 1;
    }
    return winner_;
}

}  // namespace kv
