#pragma once
// Small look-ups every part of the game calls. They keep no state of their own; each reads the
// running game's tables, or those of the game given (a new game is built in a GameData of its
// own before it is swapped in).

#include <cstdint>
#include <span>

#include "core/types.h"

namespace kv {

class GameData;

// The competition id (index in `competitions`) of the competition described, 0 when none
// matches; 0 is also the answer for a friendly, whose placeholder is entry 0. Kind 3 matches
// {state, state_group}; continental kinds 4, 6 and 10 match the continent of `country`.
std::int32_t FindCompetitionId(std::int32_t kind, std::int32_t country, std::int32_t division,
                               std::int32_t state, std::int32_t state_group);
std::int32_t FindCompetitionId(const GameData& data, std::int32_t kind, std::int32_t country,
                               std::int32_t division, std::int32_t state, std::int32_t state_group);

// Every index outside the real countries (the custom championship included) counts as Europe.
TContinent ContinentOfCountry(std::int32_t country);
// The countries of one continent, in index order.
std::span<const std::int32_t> CountriesOfContinent(TContinent continent);

// The first league configuration of the country, -1 when it has none.
std::int32_t FindLeagueConfig(std::int32_t country);
std::int32_t FindLeagueConfig(const GameData& data, std::int32_t country);

// Clubs (league and background, never national teams) of the country.
std::int32_t CountClubsOfCountry(std::int32_t country);
std::int32_t CountClubsOfCountry(const GameData& data, std::int32_t country);

}  // namespace kv
