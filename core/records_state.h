#pragma once
// The game state record, saved whole as the second block of a saved game.
// Every record here is flat and its size and offsets are checked below: the
// files hold these layouts byte for byte (core/record_io.h reads and writes them).

#include <cstddef>
#include <cstdint>

#include "core/pstring.h"

namespace kv {

// The whole game's settings and counters; saved whole. Arrays of groups are
// [group - 1][slot - 1]; -1 is an empty slot.
struct t_game_state {
    std::uint8_t reserved_0[4]{};
    std::int32_t version{};  // 14
    std::int32_t user_club{};
    std::uint8_t reserved_12[4]{};
    std::int32_t current_coach{};
    std::int32_t human_coaches[6]{};  // -1 = free slot
    std::int32_t league_club_count{};
    std::int32_t background_club_count{};
    std::int32_t reserved_52{};  // cleared when the national teams are loaded
    std::uint8_t reserved_56[4]{};
    std::int32_t league_round{};
    std::int32_t league_turn{};
    std::uint8_t reserved_68[52]{};
    std::int32_t match_kind{};
    PString<50> save_name{};
    std::uint8_t reserved_175{};
    std::int32_t season{};
    std::int32_t main_country{};
    std::int32_t match_delay{};
    std::int32_t match_delay_no_humans{};
    std::int32_t autosave_mode{};
    std::uint8_t show_coach_changes{};
    std::uint8_t halftime_window{};
    std::uint8_t show_ai_shootouts{};
    std::uint8_t list_colours_on{};
    std::uint8_t sound_on{};
    std::uint8_t bold_home_events{};
    std::uint8_t keep_lineup{};
    std::uint8_t reserved_203{};
    std::int32_t contract_notices{};
    std::int32_t list_colours[5]{};
    std::uint8_t reserved_228[20]{};
    std::uint8_t auto_renew_contracts{};
    std::uint8_t national_cup_on{};
    std::uint8_t reserved_250[2]{};
    std::int32_t national_cup_round{};
    std::int32_t national_cup_match_round{};
    std::int32_t national_cup_leg{};
    PString<30> national_cup_name{};
    std::uint8_t reserved_295{};
    std::int32_t human_count{};
    std::int32_t human_clubs[6]{};  // -1 = none
    std::int32_t league_format{};   // 2: divisions of 20, 4: of 10
    std::int32_t calendar_day{};    // 1..366
    std::uint8_t state_leagues_on{};
    std::uint8_t continental_cup_on{};
    std::uint8_t second_continental_cup_on{};
    std::uint8_t african_cup_on{};
    std::uint8_t asian_cup_on{};
    std::uint8_t show_continental_matches[4]{};  // South America, Europe, Africa, Asia
    std::uint8_t reserved_341[6]{};
    std::uint8_t world_cup_on{};
    std::uint8_t euro_on{};
    std::uint8_t copa_america_on{};
    std::uint8_t reserved_350[2]{};
    std::int32_t state_league_phase{};
    std::int32_t state_league_round{};
    std::uint8_t reserved_360[4]{};
    std::int32_t continental_cup_phase{};
    std::int32_t continental_cup_round{};
    std::int32_t continental_cup_leg{};
    std::int32_t second_cup_phase{};
    std::int32_t second_cup_round{};
    std::int32_t second_cup_leg{};
    std::int32_t club_world_cup_stage{};
    std::int32_t
        reserved_392[945]{};  // a new game with a real main country fills the first 780 with -1
    std::int32_t continental_groups_south_america[8][4]{};
    std::int32_t continental_groups_europe[8][4]{};
    std::int32_t second_cup_groups_south_america[8][4]{};
    std::int32_t second_cup_groups_europe[8][4]{};
    std::int32_t continental_groups_africa[8][4]{};
    std::int32_t continental_groups_asia[8][4]{};
    std::uint8_t reserved_4940[16]{};
    std::int32_t tournament_groups[8][4]{};
    std::uint8_t reserved_5084[192]{};
    std::int32_t tournament_human_count{};  // the human national teams below
    std::int32_t national_team{};
    std::int32_t tournament_human_teams[6]{};  // national teams of human coaches, -1 empty
    std::int32_t tournament_round{};
    std::int32_t tournament_leg{};
    std::int32_t world_cup_edition{};
    std::int32_t americas_cup_edition{};
    std::int32_t european_cup_edition{};
    std::uint8_t tournament_over{};
    std::uint8_t reserved_5329[3]{};
    std::int32_t tournament_host_number{};    // 1-based host slot
    std::int32_t tournament_ranking[4][8]{};  // by level, -1 empty; the invitation offers
    std::uint8_t reserved_5464{};
    PString<25> preview_coach_name{};
    PString<25> preview_club_name{};
    std::uint8_t reserved_5517[3]{};
    std::int32_t tournament_callups_done{};
    std::int32_t midseason_revaluation_done{};
    std::uint8_t tournament_notice_done{};
    std::uint8_t real_world_cup_groups{};
    std::uint8_t reserved_5530[2]{};
    std::int32_t round_referees[12]{};  // 1-based into referees: six home, six international
    std::uint8_t reserved_5580[32]{};
    std::uint8_t home_regional_division{};
    std::uint8_t continental_cup_first_season{};
    std::uint8_t reserved_5614[2]{};
};
static_assert(sizeof(t_game_state) == 5616);
static_assert(offsetof(t_game_state, version) == 4);
static_assert(offsetof(t_game_state, user_club) == 8);
static_assert(offsetof(t_game_state, current_coach) == 16);
static_assert(offsetof(t_game_state, human_coaches) == 20);
static_assert(offsetof(t_game_state, league_club_count) == 44);
static_assert(offsetof(t_game_state, background_club_count) == 48);
static_assert(offsetof(t_game_state, league_round) == 60);
static_assert(offsetof(t_game_state, league_turn) == 64);
static_assert(offsetof(t_game_state, match_kind) == 120);
static_assert(offsetof(t_game_state, save_name) == 124);
static_assert(offsetof(t_game_state, season) == 176);
static_assert(offsetof(t_game_state, main_country) == 180);
static_assert(offsetof(t_game_state, match_delay) == 184);
static_assert(offsetof(t_game_state, match_delay_no_humans) == 188);
static_assert(offsetof(t_game_state, autosave_mode) == 192);
static_assert(offsetof(t_game_state, show_coach_changes) == 196);
static_assert(offsetof(t_game_state, halftime_window) == 197);
static_assert(offsetof(t_game_state, show_ai_shootouts) == 198);
static_assert(offsetof(t_game_state, list_colours_on) == 199);
static_assert(offsetof(t_game_state, sound_on) == 200);
static_assert(offsetof(t_game_state, bold_home_events) == 201);
static_assert(offsetof(t_game_state, keep_lineup) == 202);
static_assert(offsetof(t_game_state, contract_notices) == 204);
static_assert(offsetof(t_game_state, list_colours) == 208);
static_assert(offsetof(t_game_state, auto_renew_contracts) == 248);
static_assert(offsetof(t_game_state, national_cup_on) == 249);
static_assert(offsetof(t_game_state, national_cup_round) == 252);
static_assert(offsetof(t_game_state, national_cup_match_round) == 256);
static_assert(offsetof(t_game_state, national_cup_leg) == 260);
static_assert(offsetof(t_game_state, national_cup_name) == 264);
static_assert(offsetof(t_game_state, human_count) == 296);
static_assert(offsetof(t_game_state, human_clubs) == 300);
static_assert(offsetof(t_game_state, league_format) == 324);
static_assert(offsetof(t_game_state, calendar_day) == 328);
static_assert(offsetof(t_game_state, state_leagues_on) == 332);
static_assert(offsetof(t_game_state, continental_cup_on) == 333);
static_assert(offsetof(t_game_state, second_continental_cup_on) == 334);
static_assert(offsetof(t_game_state, african_cup_on) == 335);
static_assert(offsetof(t_game_state, asian_cup_on) == 336);
static_assert(offsetof(t_game_state, show_continental_matches) == 337);
static_assert(offsetof(t_game_state, world_cup_on) == 347);
static_assert(offsetof(t_game_state, euro_on) == 348);
static_assert(offsetof(t_game_state, copa_america_on) == 349);
static_assert(offsetof(t_game_state, state_league_phase) == 352);
static_assert(offsetof(t_game_state, state_league_round) == 356);
static_assert(offsetof(t_game_state, continental_cup_phase) == 364);
static_assert(offsetof(t_game_state, continental_cup_round) == 368);
static_assert(offsetof(t_game_state, continental_cup_leg) == 372);
static_assert(offsetof(t_game_state, second_cup_phase) == 376);
static_assert(offsetof(t_game_state, second_cup_round) == 380);
static_assert(offsetof(t_game_state, second_cup_leg) == 384);
static_assert(offsetof(t_game_state, club_world_cup_stage) == 388);
static_assert(offsetof(t_game_state, continental_groups_south_america) == 4172);
static_assert(offsetof(t_game_state, continental_groups_europe) == 4300);
static_assert(offsetof(t_game_state, second_cup_groups_south_america) == 4428);
static_assert(offsetof(t_game_state, second_cup_groups_europe) == 4556);
static_assert(offsetof(t_game_state, continental_groups_africa) == 4684);
static_assert(offsetof(t_game_state, continental_groups_asia) == 4812);
static_assert(offsetof(t_game_state, tournament_groups) == 4956);
static_assert(offsetof(t_game_state, tournament_human_count) == 5276);
static_assert(offsetof(t_game_state, national_team) == 5280);
static_assert(offsetof(t_game_state, tournament_human_teams) == 5284);
static_assert(offsetof(t_game_state, tournament_round) == 5308);
static_assert(offsetof(t_game_state, tournament_leg) == 5312);
static_assert(offsetof(t_game_state, world_cup_edition) == 5316);
static_assert(offsetof(t_game_state, americas_cup_edition) == 5320);
static_assert(offsetof(t_game_state, european_cup_edition) == 5324);
static_assert(offsetof(t_game_state, tournament_over) == 5328);
static_assert(offsetof(t_game_state, tournament_host_number) == 5332);
static_assert(offsetof(t_game_state, tournament_ranking) == 5336);
static_assert(offsetof(t_game_state, preview_coach_name) == 5465);
static_assert(offsetof(t_game_state, preview_club_name) == 5491);
static_assert(offsetof(t_game_state, tournament_callups_done) == 5520);
static_assert(offsetof(t_game_state, midseason_revaluation_done) == 5524);
static_assert(offsetof(t_game_state, tournament_notice_done) == 5528);
static_assert(offsetof(t_game_state, real_world_cup_groups) == 5529);
static_assert(offsetof(t_game_state, round_referees) == 5532);
static_assert(offsetof(t_game_state, home_regional_division) == 5612);
static_assert(offsetof(t_game_state, continental_cup_first_season) == 5613);

}  // namespace kv
