#pragma once
// The continental club cups of a season, drawn from each country's ranked list of clubs:
// eight seeds and 24 others into 8 groups of 4, the entrants flagged in their team
// records; and the club world cup, the four continental champions and four more clubs
// from weighted country lists. A slot the lists cannot fill takes the best club of the
// draw's countries still free; only when none is left does it stay empty (-1).

#include <cstdint>
#include <span>
#include <string_view>

namespace kv {

class GameData;
class GameMessages;

// The shown text when the club world cup cannot find its six clubs.
inline constexpr std::string_view kClubWorldCupDrawError = "Erro no jogo, reinstale os times";

// `at_new_game`: rank every country's clubs afresh (no league tables exist yet).
// The South American draw also clears every club's continental flags and groups and
// puts the cups' counters back to 1, so it runs first.
void DrawSouthAmericanCups(GameData& data, bool at_new_game);
void DrawEuropeanCups(GameData& data, bool at_new_game);
void DrawAfricanCup(GameData& data, bool at_new_game);
void DrawAsianCup(GameData& data, bool at_new_game);

// The first season's fixed South American and European groups, by club id
// (`club_ids[team]` is the club id of the file each team was built from, -1 for none).
// When any of the 64 clubs is missing, both cups are drawn instead; returns whether the
// fixed groups were used.
bool SetFirstSeasonContinentalGroups(GameData& data, std::span<const std::int32_t> club_ids);

// Fills the first ties of club_world_cup_bracket. False, with the error shown and nothing
// changed, when one of the six clubs cannot be found.
bool DrawClubWorldCup(GameData& data, GameMessages& messages);

}  // namespace kv
