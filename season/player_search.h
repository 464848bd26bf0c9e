#pragma once
// The player search over every club of the game: the criteria the search window offers and the
// players they find.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

class GameData;

inline constexpr int kAnyChoice = -1;

// The choices of the strength, age and value lists, in the order the window lists them; the
// last item of each list ("Qualquer") is kAnyChoice.
extern const std::array<std::string_view, 4> kSearchStrengthChoices;
extern const std::array<std::string_view, 3> kSearchAgeChoices;
extern const std::array<std::string_view, 7> kSearchValueChoices;

// The value bands follow each other with no gap: each band holds the values above the one
// before it up to its own top, the first starts at nothing and the last has no top. The age
// bands too: the youngest band holds every age to 25 and the oldest every age from 37.
struct SearchRange {
    std::int64_t low;   // included
    std::int64_t high;  // included
};
SearchRange StrengthRange(int choice);
SearchRange AgeRange(int choice);
// In stored money (ten-thousandths).
SearchRange ValueRange(int choice);

struct PlayerSearchCriteria {
    std::string name;  // a prefix of the name; accents of the key are folded
    int position = kAnyChoice;
    int strength = 0;  // the list starts on its first band
    int age = kAnyChoice;
    int value = kAnyChoice;
    int nationality = kAnyChoice;
    int characteristic1 = kAnyChoice;
    int characteristic2 = kAnyChoice;
    int side = kAnyChoice;
    bool on_sale = false;
    bool offered_for_loan = false;
    bool star = false;
    int league_country = kAnyChoice;  // the country whose clubs are searched
};

// The country the search window offers first: Brasil when it has a league, else the first
// country with a league; -1 without leagues.
int DefaultSearchCountry(const GameData& data);

// The players of the game's clubs that meet every criterion, by player index. In the custom
// championship only its clubs are searched.
std::vector<int> SearchPlayers(const GameData& data, const PlayerSearchCriteria& criteria);

}  // namespace kv
