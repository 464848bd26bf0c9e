#pragma once
// A human coach's call-up of his national team: the search among the players of his country
// who play for clubs, the list he builds (at most 3 goalkeepers and 20 outfield players) and
// the squad swap when he confirms it.

#include <string>
#include <vector>

namespace kv {

class GameData;

// The choices of the search; each band is the index of its list entry, and the last entry
// of every list ("Qualquer") matches anything.
struct CallUpFilter {
    std::string name;          // the beginning of the name, any case; empty matches all
    int strength_band = 4;     // 1..10, 11..30, 31..50, 51..100, any
    int position = -1;         // TPosition; -1 any
    int age_band = 3;          // up to 25, 26..36, 37 and over, any
    int value_band = 7;        // see CallUpValueBand
    int characteristic1 = -1;  // 0..13; -1 any
    int characteristic2 = -1;
    bool stars_only = false;
};

inline constexpr int kCallUpGoalkeepers = 3;
inline constexpr int kCallUpOutfield = 20;
inline constexpr int kCallUpMinGoalkeepers = 2;
inline constexpr int kCallUpMinOutfield = 15;

// The value band of a value in whole units: 0 up to 100 mil, 1 up to 500 mil, 2 up to
// 1 milhão, 3 up to 3 milhões, 4 up to 5 milhões, 5 up to 10 milhões, 6 above. Each band
// takes its upper limit, so every value has exactly one band.
int CallUpValueBand(long long units);

// The players of the country who play for a club and pass the filter, in record order.
std::vector<int> SearchCallUpPlayers(const GameData& data, int country, const CallUpFilter& filter);

// The list being built.
class CallUpList {
  public:
    explicit CallUpList(const GameData& data) : data_(data) {}
    bool Contains(int player) const;
    // Whether the player may still join: not listed yet and his group not full.
    bool CanAdd(int player) const;
    bool Add(int player);
    bool Remove(int player);
    // The same rule after an addition and after a removal.
    bool CanConfirm() const {
        return goalkeepers_ >= kCallUpMinGoalkeepers && outfield_ >= kCallUpMinOutfield;
    }
    int goalkeepers() const { return goalkeepers_; }
    int outfield() const { return outfield_; }
    const std::vector<int>& players() const { return players_; }

  private:
    const GameData& data_;
    std::vector<int> players_;
    int goalkeepers_ = 0;
    int outfield_ = 0;
};

// The national team's own players leave it and the listed ones join it; every move is kept
// in callups so the players go back when the tournament ends.
void ConfirmCallUp(GameData& data, int national_team, const std::vector<int>& players);

}  // namespace kv
