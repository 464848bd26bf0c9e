#include "season/player_search.h"

#include <algorithm>
#include <array>

#include "core/game_data.h"
#include "core/lookups.h"
#include "core/money.h"
#include "core/types.h"
#include "platform/base/cp1252.h"

namespace kv {

const std::array<std::string_view, 4> kSearchStrengthChoices = {"1..10", "11..30", "31..50",
                                                                "51..100"};
const std::array<std::string_view, 3> kSearchAgeChoices = {"16..25", "26..36", "37>"};
const std::array<std::string_view, 7> kSearchValueChoices = {
    "1 mil => 100 mil",      "101 mil => 500 mil",     "501 mil => 1 milhão ",
    "1 milhão => 3 milhões", "3 milhões => 5 milhões", "5 milhões => 10 milhões",
    "mais 10 milhões"};

namespace {

constexpr std::int64_t kLowest = INT64_MIN;
constexpr std::int64_t kHighest = INT64_MAX;
constexpr int kBrasil = 29;

// Tops of the value bands in whole units; each band starts just above the top of the one before.
constexpr std::int64_t kValueTops[] = {100'000,   500'000,   1'000'000,
                                       3'000'000, 5'000'000, 10'000'000};

bool Accepts(const SearchRange& range, std::int64_t v) {
    return v >= range.low && v <= range.high;
}

// Names are compared in their stored 1252 bytes, so a search folds no text per player: the
// accented lower-case letters fold to their plain letters and the plain capitals to lower case;
// accented capitals stay as they are.
std::array<char, 256> MakeFold() {
    std::array<char, 256> fold{};
    for (int c = 0; c < 256; ++c) fold[c] = static_cast<char>(c);
    for (int c = 'A'; c <= 'Z'; ++c) fold[c] = static_cast<char>(c - 'A' + 'a');
    const struct {
        const char* accented;
        char plain;
    } groups[] = {{"\xE0\xE1\xE2\xE3\xE4", 'a'},
                  {"\xE8\xE9\xEA\xEB", 'e'},
                  {"\xEC\xED\xEE\xEF", 'i'},
                  {"\xF2\xF3\xF4\xF5\xF6", 'o'},
                  {"\xF9\xFA\xFB\xFC", 'u'},
                  {"\xE7", 'c'},
                  {"\xF1", 'n'}};
    for (const auto& g : groups)
        for (const char* a = g.accented; *a; ++a) fold[static_cast<unsigned char>(*a)] = g.plain;
    return fold;
}
const std::array<char, 256> kFold = MakeFold();

// Whether the name begins with the key, both folded.
bool StartsWithKey(std::string_view name, std::string_view key) {
    if (key.size() > name.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (kFold[static_cast<unsigned char>(name[i])] != kFold[static_cast<unsigned char>(key[i])])
            return false;
    return true;
}

}  // namespace

SearchRange StrengthRange(int choice) {
    switch (choice) {
        case 0:
            return {1, 10};
        case 1:
            return {11, 30};
        case 2:
            return {31, 50};
        case 3:
            return {51, 101};
        default:
            return {0, 101};
    }
}

SearchRange AgeRange(int choice) {
    switch (choice) {
        case 0:
            return {kLowest, 25};
        case 1:
            return {26, 36};
        case 2:
            return {37, kHighest};
        default:
            return {kLowest, kHighest};
    }
}

SearchRange ValueRange(int choice) {
    constexpr int bands = static_cast<int>(std::size(kValueTops)) + 1;
    if (choice < 0 || choice >= bands) return {kLowest, kHighest};
    const std::int64_t low = choice == 0 ? kLowest : MoneyFromUnits(kValueTops[choice - 1]) + 1;
    const std::int64_t high = choice == bands - 1 ? kHighest : MoneyFromUnits(kValueTops[choice]);
    return {low, high};
}

int DefaultSearchCountry(const GameData& data) {
    if (FindLeagueConfig(data, kBrasil) >= 0) return kBrasil;
    return data.league_configs.empty() ? -1 : data.league_configs.front().country;
}

std::vector<int> SearchPlayers(const GameData& data, const PlayerSearchCriteria& c) {
    const SearchRange strength = StrengthRange(c.strength);
    const SearchRange age = AgeRange(c.age);
    const SearchRange value = ValueRange(c.value);
    const std::string key = Utf8ToCp1252(c.name);
    const bool custom = data.game_state.main_country == kCustomChampionship;
    const int clubs =
        std::min<int>(data.game_state.league_club_count + data.game_state.background_club_count,
                      static_cast<int>(data.teams.size()));
    auto any = [](int choice, int v) { return choice == kAnyChoice || choice == v; };

    std::vector<int> found;
    for (std::size_t i = 1; i < data.players.size(); ++i) {
        const t_player& p = data.players[i];
        if (p.team < 0 || p.team >= clubs) continue;
        const int country = data.teams[static_cast<std::size_t>(p.team)].country;
        if (custom && country != kCustomChampionship) continue;
        if (!custom && c.league_country != kAnyChoice && country != c.league_country) continue;
        if (!any(c.position, p.position) || !Accepts(strength, p.strength) ||
            !Accepts(age, p.age) || !Accepts(value, p.value))
            continue;
        if ((c.on_sale && !p.on_sale) || (c.star && !p.star) ||
            (c.offered_for_loan && p.loan_status != 1))
            continue;
        if (!any(c.characteristic1, p.characteristic1) ||
            !any(c.characteristic2, p.characteristic2) || !any(c.nationality, p.nationality) ||
            !any(c.side, p.side))
            continue;
        if (p.name.empty()) continue;
        if (!key.empty() && !StartsWithKey(p.name.raw(), key)) continue;
        found.push_back(static_cast<int>(i));
    }
    return found;
}

}  // namespace kv
