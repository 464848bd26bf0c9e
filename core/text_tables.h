#pragma once
// The game's own vocabulary. Records and the club, national-team and saved-game files store
// indexes into these tables, so the order of every table is part of those formats.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

inline constexpr std::int32_t kHomeRefereeOrigin = 29;
inline constexpr std::int32_t kInternationalRefereeOrigin = 1;

extern const std::array<std::string_view, 203> country_names;
extern const std::array<std::string_view, 27> state_codes;
extern const std::array<std::string_view, 27> state_names;
extern const std::array<std::string_view, 27> state_adjectives;
extern const std::array<std::string_view, 5> position_names;
extern const std::array<std::string_view, 5> position_letters;
extern const std::array<std::string_view, 6> reputation_names;
extern const std::array<std::string_view, 25> role_names;  // position * 5 + role
extern const std::array<std::string_view, 14> characteristic_names;
extern const std::array<std::string_view, 14> characteristic_abbrevs;
extern const std::array<std::string_view, 4> continental_cup_names;
extern const std::array<std::string_view, 8> group_letters;            // group g is entry g - 1
extern const std::array<std::string_view, 25> pitch_position_letters;  // code c is entry c - 1
extern const std::array<std::string_view, 9> tactic_names;
extern const std::array<std::string_view, 88> tournament_venues;  // 8 cities per host, 11 hosts
extern const std::array<std::string_view, 6> club_world_cup_venues;
extern const std::array<std::string_view, 56> foreign_cities;
extern const std::array<std::string_view, 74> news_bodies;        // body n is entry n - 1
extern const std::array<std::string_view, 19> news_title_pieces;  // subject s is entry s - 1

// A referee as the program ships him; the game's `referees` table is filled from these.
struct RefereeDefault {
    std::string_view name;
    std::int32_t technique;   // 2..5, shown as "Técnica:"
    std::int32_t strictness;  // 2..5, shown as "Rigor:"
    std::int32_t origin;      // kHomeRefereeOrigin or kInternationalRefereeOrigin
};
extern const std::array<RefereeDefault, 42> referee_defaults;

class GameData;
// Fills the game's `referees` table from the defaults; every GameData starts with it filled,
// as the table is part of the program and never saved.
void LoadReferees(GameData& data);

// Indexes read from files and saved games are not trusted: these give "" for any index
// outside the table instead of reading past it.
std::string_view CountryName(int country);
std::string_view RoleName(int position, int role);
std::string_view NewsBody(int body);                   // 1 .. 74
std::string_view NewsTitlePiece(int subject);          // 1 .. 19
std::string_view TournamentVenue(int host, int city);  // host 0 .. 10, city 0 .. 7

}  // namespace kv
