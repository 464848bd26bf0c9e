#include "core/lookups.h"

#include <algorithm>
#include <array>

#include "core/field_readers.h"
#include "core/game_data.h"

namespace kv {

namespace {

constexpr std::int32_t kEurope[] = {
    2,   3,   4,   12,  15,  16,  21,  25,  27,  31,  40,  44,  52,  54,  62,  63,  64,  65,  66,
    70,  72,  76,  78,  85,  88,  92,  97,  100, 101, 102, 103, 104, 105, 110, 114, 118, 119, 120,
    122, 128, 134, 135, 142, 145, 152, 154, 159, 160, 162, 164, 171, 179, 180, 192, 193};
// México plays with South America.
constexpr std::int32_t kSouthAmerica[] = {11, 26, 29, 42, 46, 60, 131, 150, 151, 195, 198};
constexpr std::int32_t kAfrica[] = {1,   5,   10,  23,  28,  32,  33,  35,  36,  47,  50,  55,  57,
                                    61,  67,  73,  74,  75,  81,  82,  83,  109, 113, 116, 117, 123,
                                    126, 127, 129, 130, 133, 137, 140, 141, 156, 157, 161, 169, 170,
                                    172, 175, 177, 178, 186, 187, 188, 190, 194, 200, 201};
// Australia and Chad play with Asia.
constexpr std::int32_t kAsia[] = {0,   9,   14,  18,  19,  30,  34,  37,  39,  41,  43,  45,
                                  48,  49,  59,  71,  87,  89,  95,  96,  98,  99,  107, 108,
                                  111, 112, 115, 121, 124, 125, 132, 136, 138, 144, 146, 149,
                                  155, 173, 174, 176, 182, 183, 185, 191, 196, 199};
constexpr std::int32_t kNorthAmerica[] = {6,   7,   8,   13,  17,  20,  22,  24,  38,  51, 53, 56,
                                          58,  68,  77,  79,  80,  84,  86,  90,  91,  93, 94, 106,
                                          139, 147, 153, 158, 165, 166, 167, 168, 181, 189};
constexpr std::int32_t kOceania[] = {69, 143, 148, 163, 184, 197};

constexpr std::array<std::span<const std::int32_t>, 6> kContinents = {
    kEurope, kSouthAmerica, kAfrica, kAsia, kNorthAmerica, kOceania};

constexpr int kRealCountries = kCustomChampionship;  // 0 .. 201

// -1 where a country is missing, -2 where one is listed twice; both fail the check below.
constexpr std::array<int, kRealCountries> BuildContinentTable() {
    std::array<int, kRealCountries> table{};
    for (int& t : table) t = -1;
    for (int c = 0; c < static_cast<int>(kContinents.size()); ++c)
        for (std::int32_t country : kContinents[static_cast<std::size_t>(c)])
            table[static_cast<std::size_t>(country)] =
                table[static_cast<std::size_t>(country)] == -1 ? c : -2;
    return table;
}

constexpr std::array<int, kRealCountries> kContinentOf = BuildContinentTable();
static_assert(std::all_of(kContinentOf.begin(), kContinentOf.end(), [](int c) { return c >= 0; }),
              "every real country belongs to exactly one continent");

}  // namespace

TContinent ContinentOfCountry(std::int32_t country) {
    if (country < 0 || country >= kRealCountries) return ctEurope;
    return static_cast<TContinent>(kContinentOf[static_cast<std::size_t>(country)]);
}

std::span<const std::int32_t> CountriesOfContinent(TContinent continent) {
    if (continent < 0 || continent >= static_cast<int>(kContinents.size())) return {};
    return kContinents[static_cast<std::size_t>(continent)];
}

std::int32_t FindCompetitionId(std::int32_t kind, std::int32_t country, std::int32_t division,
                               std::int32_t state, std::int32_t state_group) {
    return FindCompetitionId(Game(), kind, country, division, state, state_group);
}

std::int32_t FindCompetitionId(const GameData& data, std::int32_t kind, std::int32_t country,
                               std::int32_t division, std::int32_t state,
                               std::int32_t state_group) {
    t_competition key{kind, country, division};
    switch (kind) {
        case ckFriendly:
            return 0;
        case ckNationalLeague:
            break;
        case ckNationalCup:
            key.division = -1;
            break;
        case ckStateChampionship:
            key = {kind, state, state_group};
            break;
        case ckContinentalCup:
        case ckSecondContinentalCup:
        case ckSuperCup:
            key = {kind, -1, ContinentOfCountry(country)};
            break;
        case ckClubWorldCup:
        case ckWorldCup:
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            key = {kind, -1, -1};
            break;
        default:
            break;
    }
    const std::vector<t_competition>& registry = data.competitions;
    for (std::size_t i = 1; i < registry.size(); ++i) {
        const t_competition& c = registry[i];
        if (c.kind == key.kind && c.area == key.area && c.division == key.division)
            return static_cast<std::int32_t>(i);
    }
    return 0;
}

std::int32_t FindLeagueConfig(std::int32_t country) {
    return FindLeagueConfig(Game(), country);
}

std::int32_t FindLeagueConfig(const GameData& data, std::int32_t country) {
    const std::vector<t_league_config>& configs = data.league_configs;
    for (std::size_t i = 0; i < configs.size(); ++i)
        if (configs[i].country == country) return static_cast<std::int32_t>(i);
    return -1;
}

std::int32_t CountClubsOfCountry(std::int32_t country) {
    return CountClubsOfCountry(Game(), country);
}

std::int32_t CountClubsOfCountry(const GameData& game, std::int32_t country) {
    const std::size_t end = static_cast<std::size_t>(ClubLimit(game));
    std::int32_t count = 0;
    for (std::size_t i = 0; i < end; ++i)
        if (game.teams[i].country == country) ++count;
    return count;
}

}  // namespace kv
