#pragma once
// Records of the match day: line-ups, events, day matches, the archive,
// ratings, brackets, best elevens and referees.
// Every record here is flat and its size and offsets are checked below: the
// files hold these layouts byte for byte (core/record_io.h reads and writes them),
// but for the archived match's unused gaps, which are not kept in memory.

#include <cstddef>
#include <cstdint>

#include "core/dates.h"
#include "core/file_gap.h"
#include "core/pstring.h"

namespace kv {

// A line-up of a team playing today. Slot s (1..11) is entry s - 1, slot 11
// being the goalkeeper's; zone z (1..12) is entry z - 1, in the team's own view.
struct t_match_strength {
    std::int32_t players[11]{};         // 0 or below: empty slot
    std::int32_t bench[7]{};            // 0 empty, -1 brought on
    std::int32_t slot_positions[11]{};  // pitch position code 1..25
    std::int32_t zone_attack[12]{};
    std::int32_t zone_defence[12]{};
    std::int32_t goalkeeper_value{};
    std::int32_t attack_total{};
    std::int32_t defence_total{};
    std::uint8_t irregular_lineup{};
    std::uint8_t reserved_225[23]{};
};
static_assert(sizeof(t_match_strength) == 248);
static_assert(offsetof(t_match_strength, players) == 0);
static_assert(offsetof(t_match_strength, bench) == 44);
static_assert(offsetof(t_match_strength, slot_positions) == 72);
static_assert(offsetof(t_match_strength, zone_attack) == 116);
static_assert(offsetof(t_match_strength, zone_defence) == 164);
static_assert(offsetof(t_match_strength, goalkeeper_value) == 212);
static_assert(offsetof(t_match_strength, attack_total) == 216);
static_assert(offsetof(t_match_strength, defence_total) == 220);
static_assert(offsetof(t_match_strength, irregular_lineup) == 224);

// A goal, card, injury or substitution.
struct t_match_event {
    std::int32_t kind{};  // TMatchEventKind
    std::int32_t team{};
    std::int32_t player{};
    std::int32_t value{};
    std::int32_t tick{};
    std::int32_t match{};  // day match number, or archive index once archived
};
static_assert(sizeof(t_match_event) == 24);
static_assert(offsetof(t_match_event, kind) == 0);
static_assert(offsetof(t_match_event, team) == 4);
static_assert(offsetof(t_match_event, player) == 8);
static_assert(offsetof(t_match_event, value) == 12);
static_assert(offsetof(t_match_event, tick) == 16);
static_assert(offsetof(t_match_event, match) == 20);

// A substitution made by a human coach.
struct t_match_substitution {
    std::int32_t player_off{};
    std::int32_t minute{};
};
static_assert(sizeof(t_match_substitution) == 8);
static_assert(offsetof(t_match_substitution, player_off) == 0);
static_assert(offsetof(t_match_substitution, minute) == 4);

// One match of the current match day. Side 1 (home) is entry 0, side 2 entry 1.
// It is never written to a file, so the venue is held in place rather than as a handle.
struct jogos {
    std::int32_t competition{};
    std::int32_t home_division{};
    std::int32_t team[2]{};
    std::int32_t strength_slot[2]{};
    std::int32_t subs_left[2]{};
    std::int32_t referee{};
    std::int32_t gate_income{};
    std::int32_t attendance{};
    std::int32_t sector_attendance[4]{};
    PString<30> venue{};
    std::uint8_t reserved_91{};
    std::int32_t goals[2]{};
    t_match_substitution substitutions[2][3]{};
    std::int32_t subs_made[2]{};
    std::int32_t possession[2]{};
    std::int32_t shots[2]{};
    std::int32_t tackles[2]{};
    std::int32_t wrong_passes[2]{};
    std::int32_t fouls[2]{};
    std::int32_t lineup[2][11]{};
    std::int32_t positions[2][11]{};
    std::int32_t penalties_taken[2]{};
    std::int32_t passes[2]{};
    std::uint8_t on_penalties{};
    std::uint8_t reserved_389[3]{};
    std::int32_t shootout_goals[2]{};
    std::int32_t fixture{};
    std::int32_t last_tick{};
    std::int32_t ball_zone{};
    std::int32_t ball_side{};
    std::int32_t last_outcome{};
    std::int32_t tick{};
    std::int32_t yellow_cards[2]{};
    std::int32_t red_cards[2]{};
    std::int32_t injuries[2]{};
};
static_assert(sizeof(jogos) == 448);
static_assert(offsetof(jogos, competition) == 0);
static_assert(offsetof(jogos, home_division) == 4);
static_assert(offsetof(jogos, team) == 8);
static_assert(offsetof(jogos, strength_slot) == 16);
static_assert(offsetof(jogos, subs_left) == 24);
static_assert(offsetof(jogos, referee) == 32);
static_assert(offsetof(jogos, gate_income) == 36);
static_assert(offsetof(jogos, attendance) == 40);
static_assert(offsetof(jogos, sector_attendance) == 44);
static_assert(offsetof(jogos, venue) == 60);
static_assert(offsetof(jogos, goals) == 92);
static_assert(offsetof(jogos, substitutions) == 100);
static_assert(offsetof(jogos, subs_made) == 148);
static_assert(offsetof(jogos, possession) == 156);
static_assert(offsetof(jogos, shots) == 164);
static_assert(offsetof(jogos, tackles) == 172);
static_assert(offsetof(jogos, wrong_passes) == 180);
static_assert(offsetof(jogos, fouls) == 188);
static_assert(offsetof(jogos, lineup) == 196);
static_assert(offsetof(jogos, positions) == 284);
static_assert(offsetof(jogos, penalties_taken) == 372);
static_assert(offsetof(jogos, passes) == 380);
static_assert(offsetof(jogos, on_penalties) == 388);
static_assert(offsetof(jogos, shootout_goals) == 392);
static_assert(offsetof(jogos, fixture) == 400);
static_assert(offsetof(jogos, last_tick) == 404);
static_assert(offsetof(jogos, ball_zone) == 408);
static_assert(offsetof(jogos, ball_side) == 412);
static_assert(offsetof(jogos, last_outcome) == 416);
static_assert(offsetof(jogos, tick) == 420);
static_assert(offsetof(jogos, yellow_cards) == 424);
static_assert(offsetof(jogos, red_cards) == 432);
static_assert(offsetof(jogos, injuries) == 440);

// A played match as kept for the season. Side 1 (home) is entry 0. `stats` per
// side: possession ticks, balls won, shots, wrong passes, fouls, passes completed.
struct t_archived_match {
    std::int32_t team[2]{};
    std::int32_t goals[2]{};
    std::int32_t gate_income{};
    std::int32_t attendance{};
    std::int32_t sector_attendance[4]{};
    std::uint8_t reserved_40[8]{};
    std::int32_t kind{};
    std::int32_t round{};
    std::int32_t leg{};
    std::int32_t group{};
    TDateTime date{};
    std::uint8_t on_penalties{};
    std::uint8_t reserved_73[3]{};
    std::int32_t shootout_goals[2]{};
    std::int32_t lineup[2][11]{};
    [[no_unique_address]] FileGap<176> reserved_172;
    std::int32_t positions[2][11]{};  // a code below 1 is an empty slot
    [[no_unique_address]] FileGap<88> reserved_436;
    std::int32_t stats[2][6]{};
    std::int32_t style[2]{};
    std::int32_t route[2]{};
    std::int32_t marking[2]{};
    std::uint8_t reserved_596[4]{};
};
// 600 bytes in a file: the two gaps, 264 bytes a match, are not kept in memory (a season
// archives some eight thousand matches).
static_assert(sizeof(t_archived_match) == 336);
static_assert(offsetof(t_archived_match, team) == 0);
static_assert(offsetof(t_archived_match, goals) == 8);
static_assert(offsetof(t_archived_match, gate_income) == 16);
static_assert(offsetof(t_archived_match, attendance) == 20);
static_assert(offsetof(t_archived_match, sector_attendance) == 24);
static_assert(offsetof(t_archived_match, kind) == 48);
static_assert(offsetof(t_archived_match, round) == 52);
static_assert(offsetof(t_archived_match, leg) == 56);
static_assert(offsetof(t_archived_match, group) == 60);
static_assert(offsetof(t_archived_match, date) == 64);
static_assert(offsetof(t_archived_match, on_penalties) == 72);
static_assert(offsetof(t_archived_match, shootout_goals) == 76);
static_assert(offsetof(t_archived_match, lineup) == 84);
static_assert(offsetof(t_archived_match, positions) == 172);
static_assert(offsetof(t_archived_match, stats) == 260);
static_assert(offsetof(t_archived_match, style) == 308);
static_assert(offsetof(t_archived_match, route) == 316);
static_assert(offsetof(t_archived_match, marking) == 324);

// A player's match ratings in one competition.
struct t_rating_total {
    std::int32_t player{};
    std::int32_t team{};
    std::int32_t competition{};
    float rating_sum{};
    float rating_count{};
    std::int32_t group{};
};
static_assert(sizeof(t_rating_total) == 24);
static_assert(offsetof(t_rating_total, player) == 0);
static_assert(offsetof(t_rating_total, team) == 4);
static_assert(offsetof(t_rating_total, competition) == 8);
static_assert(offsetof(t_rating_total, rating_sum) == 12);
static_assert(offsetof(t_rating_total, rating_count) == 16);
static_assert(offsetof(t_rating_total, group) == 20);

// One single-match tie of a knock-out bracket.
struct t_bracket_tie {
    std::int32_t team_a{};
    std::int32_t team_b{};
    std::int32_t goals_a{};
    std::int32_t goals_b{};
    std::int32_t reserved_16[2]{};
    std::int32_t winner{};
    PString<17> score_text{};
    std::uint8_t reserved_46[2]{};
};
static_assert(sizeof(t_bracket_tie) == 48);
static_assert(offsetof(t_bracket_tie, team_a) == 0);
static_assert(offsetof(t_bracket_tie, team_b) == 4);
static_assert(offsetof(t_bracket_tie, goals_a) == 8);
static_assert(offsetof(t_bracket_tie, goals_b) == 12);
static_assert(offsetof(t_bracket_tie, winner) == 24);
static_assert(offsetof(t_bracket_tie, score_text) == 28);

// A starter's rating in an archived match.
struct t_player_rating {
    std::int32_t archived_match{};
    std::int32_t player{};
    std::int32_t position{};  // pitch code; 10 is stored as 14
    float rating{};           // 0 = not rated
    std::uint8_t on_pitch{};
    std::uint8_t reserved_17[3]{};
    std::int32_t team{};
    std::int32_t card_mark{};  // 0 none, 1 yellow, 2 red, 3 second yellow
    std::int32_t injuries{};
};
static_assert(sizeof(t_player_rating) == 32);
static_assert(offsetof(t_player_rating, archived_match) == 0);
static_assert(offsetof(t_player_rating, player) == 4);
static_assert(offsetof(t_player_rating, position) == 8);
static_assert(offsetof(t_player_rating, rating) == 12);
static_assert(offsetof(t_player_rating, on_pitch) == 16);
static_assert(offsetof(t_player_rating, team) == 20);
static_assert(offsetof(t_player_rating, card_mark) == 24);
static_assert(offsetof(t_player_rating, injuries) == 28);

// The rating of a player who came on in an archived match.
struct t_substitute_rating {
    std::int32_t player{};
    std::int32_t replaced{};
    std::int32_t tick{};
    float rating{};
    std::int32_t archived_match{};
    std::int32_t team{};
    std::int32_t card_mark{};
    std::int32_t injuries{};
};
static_assert(sizeof(t_substitute_rating) == 32);
static_assert(offsetof(t_substitute_rating, player) == 0);
static_assert(offsetof(t_substitute_rating, replaced) == 4);
static_assert(offsetof(t_substitute_rating, tick) == 8);
static_assert(offsetof(t_substitute_rating, rating) == 12);
static_assert(offsetof(t_substitute_rating, archived_match) == 16);
static_assert(offsetof(t_substitute_rating, team) == 20);
static_assert(offsetof(t_substitute_rating, card_mark) == 24);
static_assert(offsetof(t_substitute_rating, injuries) == 28);

// The team of the round of one division; 0 where nothing was found.
struct t_round_best_eleven {
    std::int32_t season{};
    std::int32_t round{};
    std::int32_t competition{};
    std::int32_t players[11]{};
    std::int32_t teams[11]{};
};
static_assert(sizeof(t_round_best_eleven) == 100);
static_assert(offsetof(t_round_best_eleven, season) == 0);
static_assert(offsetof(t_round_best_eleven, round) == 4);
static_assert(offsetof(t_round_best_eleven, competition) == 8);
static_assert(offsetof(t_round_best_eleven, players) == 12);
static_assert(offsetof(t_round_best_eleven, teams) == 56);

// The team of the year of one division.
struct t_season_best_eleven {
    std::int32_t season{};
    std::int32_t competition{};
    std::int32_t players[11]{};
    std::int32_t teams[11]{};
    std::int32_t best_player{};
    std::int32_t best_player_team{};
};
static_assert(sizeof(t_season_best_eleven) == 104);
static_assert(offsetof(t_season_best_eleven, season) == 0);
static_assert(offsetof(t_season_best_eleven, competition) == 4);
static_assert(offsetof(t_season_best_eleven, players) == 8);
static_assert(offsetof(t_season_best_eleven, teams) == 52);
static_assert(offsetof(t_season_best_eleven, best_player) == 96);
static_assert(offsetof(t_season_best_eleven, best_player_team) == 100);

// A goal fixed at kick-off, to be scored at its tick.
struct t_scheduled_goal {
    std::int32_t match{};
    std::int32_t side{};  // 1 home, 2 away
    std::int32_t tick{};
};
static_assert(sizeof(t_scheduled_goal) == 12);
static_assert(offsetof(t_scheduled_goal, match) == 0);
static_assert(offsetof(t_scheduled_goal, side) == 4);
static_assert(offsetof(t_scheduled_goal, tick) == 8);

// A referee; filled at start-up.
struct arbitro_ {
    PString<30> name{};
    std::uint8_t reserved_31{};
    std::int32_t technique{};   // 2..5
    std::int32_t strictness{};  // 2..5
    std::int32_t origin{};      // 29 home-country, 1 international
};
static_assert(sizeof(arbitro_) == 44);
static_assert(offsetof(arbitro_, name) == 0);
static_assert(offsetof(arbitro_, technique) == 32);
static_assert(offsetof(arbitro_, strictness) == 36);
static_assert(offsetof(arbitro_, origin) == 40);

// Working lists of the match day; never saved.

// A player's average rating in a competition, as the ranking lists it.
struct t_ranked_rating {
    std::int32_t player;
    float average;
    float matches;
    std::int32_t competition;
    std::int32_t group;
    std::int32_t team;
};

// A starter rated in the group being archived, for the team of the round.
struct t_round_rating {
    std::int32_t player;
    float rating;
    std::int32_t division;
    std::int32_t competition;
    std::int32_t code;
    std::int32_t random_key;
    std::int32_t taken;
};

// A player the computer may line up, with what the line-up picks him by.
struct t_lineup_candidate {
    std::int32_t player;
    std::int32_t rating;
    std::int32_t energy;
    std::int32_t side;
    std::int32_t role;
    std::int32_t position;
    std::int32_t used;
};

}  // namespace kv
