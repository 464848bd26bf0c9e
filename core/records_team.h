#pragma once
// One team of `teams`.
// Every record here is flat and its size and offsets are checked below: the
// files hold these layouts byte for byte (core/record_io.h reads and writes them).

#include <cstddef>
#include <cstdint>

#include "core/money.h"
#include "core/pstring.h"

namespace kv {

// All-time totals of table matches of one competition kind.
struct t_alltime_tally {
    std::int32_t points{};
    std::int32_t goals_for{};
    std::int32_t goals_against{};
};
static_assert(sizeof(t_alltime_tally) == 12);
static_assert(offsetof(t_alltime_tally, points) == 0);
static_assert(offsetof(t_alltime_tally, goals_for) == 4);
static_assert(offsetof(t_alltime_tally, goals_against) == 8);

// One team: a club of a playable league, a background club or a national team.
// Tallies by competition kind k are entry k (kinds 0..9); `alltime_record` and
// `ranking_points` hold kind k at entry k - 1. Draws are played - wins - losses.
struct t_team {
    PString<25> name{};
    PString<30> picture_name{};
    std::uint8_t human{};
    std::uint8_t reserved_58[2]{};
    std::int32_t country{};  // 0..201, 202 = custom championship
    std::int32_t state{};    // clubs: state 0..26; national teams: their national_team_list entry
    std::int32_t coach{};    // -1 = none
    Money cash{};
    std::int32_t board_confidence{};
    std::int32_t supporter_confidence{};
    std::int32_t reputation{};  // 0..5
    std::int32_t group_slot{};
    std::int32_t match_strength_index{};
    std::int32_t squad_size{};
    std::int32_t position_counts[5]{};
    std::int32_t division{};  // 1..4, 0 = in no league
    std::int32_t state_division{};
    std::int32_t continental_group{};
    std::int32_t second_continental_group{};
    std::int32_t asian_group{};
    std::int32_t african_group{};
    std::int32_t tournament_group{};
    std::int32_t level{};  // 1..25
    std::uint8_t reserved_156[4]{};
    std::int32_t available_players{};
    std::int32_t captain{};
    std::int32_t set_piece_taker{};
    std::int32_t back_colour{};  // 0x00BBGGRR
    std::int32_t text_colour{};
    std::int32_t points[10]{};
    std::int32_t played[10]{};
    std::int32_t wins[10]{};
    std::int32_t losses[10]{};
    std::int32_t goals_for[10]{};
    std::int32_t goals_against[10]{};
    std::int32_t table_position[10]{};
    std::int32_t last_result{};  // 0 draw, 1 win, 2 loss
    PString<30> stadium{};
    std::uint8_t reserved_495[5]{};
    std::int32_t ticket_prices[4]{};  // whole units: geral, arquibancada, cadeiras, camarotes
    std::int32_t sector_capacity[4]{};
    std::uint8_t in_national_cup{};
    std::uint8_t in_tournament{};
    std::uint8_t in_state_league{};
    std::uint8_t in_continental_cup{};
    std::uint8_t in_second_continental_cup{};
    std::uint8_t reserved_537[2]{};
    std::uint8_t in_club_world_cup{};
    std::uint8_t reserved_540[4]{};
    std::int32_t playing_style{};
    std::int32_t marking{};
    std::int32_t attack_route{};
    std::int32_t morale{};  // 1..3
    std::int32_t morale_recovery{};
    std::uint8_t reserved_564[4]{};
    std::int32_t heavy_defeat{};
    std::int32_t state_titles{};
    t_alltime_tally alltime_record[10]{};
    std::int32_t ranking_points[10]{};
    std::int32_t reputation_points{};
    std::int32_t kit_colour{};
    std::int32_t kit{};  // 1..3
    std::uint8_t reserved_748[4]{};
};
static_assert(sizeof(t_team) == 752);
static_assert(offsetof(t_team, name) == 0);
static_assert(offsetof(t_team, picture_name) == 26);
static_assert(offsetof(t_team, human) == 57);
static_assert(offsetof(t_team, country) == 60);
static_assert(offsetof(t_team, state) == 64);
static_assert(offsetof(t_team, coach) == 68);
static_assert(offsetof(t_team, cash) == 72);
static_assert(offsetof(t_team, board_confidence) == 80);
static_assert(offsetof(t_team, supporter_confidence) == 84);
static_assert(offsetof(t_team, reputation) == 88);
static_assert(offsetof(t_team, group_slot) == 92);
static_assert(offsetof(t_team, match_strength_index) == 96);
static_assert(offsetof(t_team, squad_size) == 100);
static_assert(offsetof(t_team, position_counts) == 104);
static_assert(offsetof(t_team, division) == 124);
static_assert(offsetof(t_team, state_division) == 128);
static_assert(offsetof(t_team, continental_group) == 132);
static_assert(offsetof(t_team, second_continental_group) == 136);
static_assert(offsetof(t_team, asian_group) == 140);
static_assert(offsetof(t_team, african_group) == 144);
static_assert(offsetof(t_team, tournament_group) == 148);
static_assert(offsetof(t_team, level) == 152);
static_assert(offsetof(t_team, available_players) == 160);
static_assert(offsetof(t_team, captain) == 164);
static_assert(offsetof(t_team, set_piece_taker) == 168);
static_assert(offsetof(t_team, back_colour) == 172);
static_assert(offsetof(t_team, text_colour) == 176);
static_assert(offsetof(t_team, points) == 180);
static_assert(offsetof(t_team, played) == 220);
static_assert(offsetof(t_team, wins) == 260);
static_assert(offsetof(t_team, losses) == 300);
static_assert(offsetof(t_team, goals_for) == 340);
static_assert(offsetof(t_team, goals_against) == 380);
static_assert(offsetof(t_team, table_position) == 420);
static_assert(offsetof(t_team, last_result) == 460);
static_assert(offsetof(t_team, stadium) == 464);
static_assert(offsetof(t_team, ticket_prices) == 500);
static_assert(offsetof(t_team, sector_capacity) == 516);
static_assert(offsetof(t_team, in_national_cup) == 532);
static_assert(offsetof(t_team, in_tournament) == 533);
static_assert(offsetof(t_team, in_state_league) == 534);
static_assert(offsetof(t_team, in_continental_cup) == 535);
static_assert(offsetof(t_team, in_second_continental_cup) == 536);
static_assert(offsetof(t_team, in_club_world_cup) == 539);
static_assert(offsetof(t_team, playing_style) == 544);
static_assert(offsetof(t_team, marking) == 548);
static_assert(offsetof(t_team, attack_route) == 552);
static_assert(offsetof(t_team, morale) == 556);
static_assert(offsetof(t_team, morale_recovery) == 560);
static_assert(offsetof(t_team, heavy_defeat) == 568);
static_assert(offsetof(t_team, state_titles) == 572);
static_assert(offsetof(t_team, alltime_record) == 576);
static_assert(offsetof(t_team, ranking_points) == 696);
static_assert(offsetof(t_team, reputation_points) == 736);
static_assert(offsetof(t_team, kit_colour) == 740);
static_assert(offsetof(t_team, kit) == 744);

}  // namespace kv
