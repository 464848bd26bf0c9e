#pragma once
// Records of the season: competitions, fixtures, leagues, state championships,
// the calendar, friendlies, results and the histories.
// Every record here is flat and its size and offsets are checked below: the
// files hold these layouts byte for byte (core/record_io.h reads and writes them).

#include <cstddef>
#include <cstdint>

#include "core/dates.h"

namespace kv {

// One entry of the competition registry; its index is the competition id.
struct t_competition {
    std::int32_t kind{};
    std::int32_t area{};      // country for kinds 1, 2; state for 3; else -1
    std::int32_t division{};  // division for 1; state group for 3; TContinent for 4, 6, 10; else -1
};
static_assert(sizeof(t_competition) == 12);
static_assert(offsetof(t_competition, kind) == 0);
static_assert(offsetof(t_competition, area) == 4);
static_assert(offsetof(t_competition, division) == 8);

// One match of the season's fixture list.
struct t_fixture {
    std::int32_t home{};  // -1 while a cup tie is to be drawn
    std::int32_t away{};
    std::int32_t home_goals{};
    std::int32_t away_goals{};
    std::int32_t home_penalties{};
    std::int32_t away_penalties{};
    std::int32_t kind{};
    std::int32_t round{};
    std::int32_t leg{};
    std::int32_t cup_tie{};
    std::int32_t reserved_40{};
    std::uint8_t played{};
    std::uint8_t reserved_45[3]{};
    TDateTime date{};
    std::int32_t owner{};  // league_configs index, state, TCupRegion or region country by kind
    std::int32_t gate_income{};
    std::int32_t attendance{};
    std::int32_t reserved_68{};
};
static_assert(sizeof(t_fixture) == 72);
static_assert(offsetof(t_fixture, home) == 0);
static_assert(offsetof(t_fixture, away) == 4);
static_assert(offsetof(t_fixture, home_goals) == 8);
static_assert(offsetof(t_fixture, away_goals) == 12);
static_assert(offsetof(t_fixture, home_penalties) == 16);
static_assert(offsetof(t_fixture, away_penalties) == 20);
static_assert(offsetof(t_fixture, kind) == 24);
static_assert(offsetof(t_fixture, round) == 28);
static_assert(offsetof(t_fixture, leg) == 32);
static_assert(offsetof(t_fixture, cup_tie) == 36);
static_assert(offsetof(t_fixture, played) == 44);
static_assert(offsetof(t_fixture, date) == 48);
static_assert(offsetof(t_fixture, owner) == 56);
static_assert(offsetof(t_fixture, gate_income) == 60);
static_assert(offsetof(t_fixture, attendance) == 64);

// The league of one playable country. Clubs are [division - 1][slot - 1].
struct t_league_config {
    std::int32_t division_clubs[4][20]{};  // -1 empty
    std::int32_t country{};
    std::int32_t division_count{};
    std::int32_t club_count{};
    std::uint8_t has_human_club{};
    std::uint8_t reserved_333[3]{};
    std::int32_t standings[4][20]{};
    std::uint8_t show_matches{};
    std::uint8_t reserved_657[3]{};
};
static_assert(sizeof(t_league_config) == 660);
static_assert(offsetof(t_league_config, division_clubs) == 0);
static_assert(offsetof(t_league_config, country) == 320);
static_assert(offsetof(t_league_config, division_count) == 324);
static_assert(offsetof(t_league_config, club_count) == 328);
static_assert(offsetof(t_league_config, has_human_club) == 332);
static_assert(offsetof(t_league_config, standings) == 336);
static_assert(offsetof(t_league_config, show_matches) == 656);

// A country's best clubs for the continental draws.
struct t_top_clubs {
    std::int32_t clubs[10]{};  // -1 none
    std::int32_t count{};
};
static_assert(sizeof(t_top_clubs) == 44);
static_assert(offsetof(t_top_clubs, clubs) == 0);
static_assert(offsetof(t_top_clubs, count) == 40);

// The championship of one state. Groups are [group - 1][slot - 1].
struct t_state_league {
    std::int32_t groups[5][6]{};  // -1 empty; group group_count + 1 holds the further clubs
    std::int32_t group_count{};
    std::int32_t final_goals_a1{};
    std::int32_t final_goals_b1{};
    std::int32_t final_goals_a2{};
    std::int32_t final_goals_b2{};
    std::int32_t finalist_a{};
    std::int32_t finalist_b{};
    std::uint8_t has_human_club{};
    std::uint8_t active{};
    std::uint8_t round_played{};
    std::uint8_t reserved_151{};
};
static_assert(sizeof(t_state_league) == 152);
static_assert(offsetof(t_state_league, groups) == 0);
static_assert(offsetof(t_state_league, group_count) == 120);
static_assert(offsetof(t_state_league, final_goals_a1) == 124);
static_assert(offsetof(t_state_league, final_goals_b1) == 128);
static_assert(offsetof(t_state_league, final_goals_a2) == 132);
static_assert(offsetof(t_state_league, final_goals_b2) == 136);
static_assert(offsetof(t_state_league, finalist_a) == 140);
static_assert(offsetof(t_state_league, finalist_b) == 144);
static_assert(offsetof(t_state_league, has_human_club) == 148);
static_assert(offsetof(t_state_league, active) == 149);
static_assert(offsetof(t_state_league, round_played) == 150);

// One day of the season calendar.
struct t_calendar_day {
    std::int32_t day{};  // 1..366
    std::uint8_t reserved_4[4]{};
    TDateTime date{};
    std::int32_t day_type{};  // TDayType
    std::uint8_t reserved_20[4]{};
};
static_assert(sizeof(t_calendar_day) == 24);
static_assert(offsetof(t_calendar_day, day) == 0);
static_assert(offsetof(t_calendar_day, date) == 8);
static_assert(offsetof(t_calendar_day, day_type) == 16);

// A friendly booked for the season.
struct t_friendly {
    std::int32_t home{};
    std::int32_t away{};
    std::uint8_t taken{};  // set once a match day has placed it (read as "cancelled" too)
    std::uint8_t reserved_9[7]{};
    TDateTime date{};
};
static_assert(sizeof(t_friendly) == 24);
static_assert(offsetof(t_friendly, home) == 0);
static_assert(offsetof(t_friendly, away) == 4);
static_assert(offsetof(t_friendly, taken) == 8);
static_assert(offsetof(t_friendly, date) == 16);

// One played result.
struct t_result_entry {
    std::int32_t home{};
    std::int32_t away{};
    std::int32_t home_goals{};
    std::int32_t away_goals{};
    std::int32_t season{};
    std::int32_t kind{};
};
static_assert(sizeof(t_result_entry) == 24);
static_assert(offsetof(t_result_entry, home) == 0);
static_assert(offsetof(t_result_entry, away) == 4);
static_assert(offsetof(t_result_entry, home_goals) == 8);
static_assert(offsetof(t_result_entry, away_goals) == 12);
static_assert(offsetof(t_result_entry, season) == 16);
static_assert(offsetof(t_result_entry, kind) == 20);

// The meetings of two clubs, seen from the first.
struct t_head_to_head {
    std::int32_t matches{};
    std::int32_t draws{};
    std::int32_t wins{};
    std::int32_t losses{};
    std::int32_t goals_for{};
    std::int32_t goals_against{};
    std::int32_t last_season{};
    std::int32_t last_kind{};
    std::int32_t last_home{};
    std::int32_t last_away{};
    std::int32_t last_home_goals{};
    std::int32_t last_away_goals{};
};
static_assert(sizeof(t_head_to_head) == 48);
static_assert(offsetof(t_head_to_head, matches) == 0);
static_assert(offsetof(t_head_to_head, draws) == 4);
static_assert(offsetof(t_head_to_head, wins) == 8);
static_assert(offsetof(t_head_to_head, losses) == 12);
static_assert(offsetof(t_head_to_head, goals_for) == 16);
static_assert(offsetof(t_head_to_head, goals_against) == 20);
static_assert(offsetof(t_head_to_head, last_season) == 24);
static_assert(offsetof(t_head_to_head, last_kind) == 28);
static_assert(offsetof(t_head_to_head, last_home) == 32);
static_assert(offsetof(t_head_to_head, last_away) == 36);
static_assert(offsetof(t_head_to_head, last_home_goals) == 40);
static_assert(offsetof(t_head_to_head, last_away_goals) == 44);

// A final placing in a competition.
struct t_honour {
    std::int32_t season{};
    std::int32_t competition{};  // competition id
    std::int32_t team{};
    std::int32_t placing{};  // 1..4
    std::int32_t coach{};    // 50000 + list entry for a national team without coach
};
static_assert(sizeof(t_honour) == 20);
static_assert(offsetof(t_honour, season) == 0);
static_assert(offsetof(t_honour, competition) == 4);
static_assert(offsetof(t_honour, team) == 8);
static_assert(offsetof(t_honour, placing) == 12);
static_assert(offsetof(t_honour, coach) == 16);

// A final placing keyed by kind and area.
struct t_placing_record {
    std::int32_t season{};
    std::int32_t kind{};
    std::int32_t team{};
    std::int32_t coach{};
    std::int32_t division{};
    std::int32_t placing{};
    std::int32_t area{};  // country; TCupRegion for kinds 4 and 6
};
static_assert(sizeof(t_placing_record) == 28);
static_assert(offsetof(t_placing_record, season) == 0);
static_assert(offsetof(t_placing_record, kind) == 4);
static_assert(offsetof(t_placing_record, team) == 8);
static_assert(offsetof(t_placing_record, coach) == 12);
static_assert(offsetof(t_placing_record, division) == 16);
static_assert(offsetof(t_placing_record, placing) == 20);
static_assert(offsetof(t_placing_record, area) == 24);

// A competition's top scorer of one season.
struct t_top_scorer {
    std::int32_t season{};
    std::int32_t competition{};
    std::int32_t team{};
    std::int32_t player{};
    std::int32_t reserved_16{};
    std::int32_t goals{};
    std::int32_t reserved_24{};
};
static_assert(sizeof(t_top_scorer) == 28);
static_assert(offsetof(t_top_scorer, season) == 0);
static_assert(offsetof(t_top_scorer, competition) == 4);
static_assert(offsetof(t_top_scorer, team) == 8);
static_assert(offsetof(t_top_scorer, player) == 12);
static_assert(offsetof(t_top_scorer, goals) == 20);

// A coach's line for one club and season.
struct t_coach_season {
    std::int32_t coach{};
    std::int32_t games{};
    std::int32_t wins{};
    std::int32_t losses{};
    std::int32_t points{};
    std::int32_t titles{};
    std::int32_t team{};
    std::int32_t season{};
};
static_assert(sizeof(t_coach_season) == 32);
static_assert(offsetof(t_coach_season, coach) == 0);
static_assert(offsetof(t_coach_season, games) == 4);
static_assert(offsetof(t_coach_season, wins) == 8);
static_assert(offsetof(t_coach_season, losses) == 12);
static_assert(offsetof(t_coach_season, points) == 16);
static_assert(offsetof(t_coach_season, titles) == 20);
static_assert(offsetof(t_coach_season, team) == 24);
static_assert(offsetof(t_coach_season, season) == 28);

// A player's line for one club and season.
struct t_player_season {
    std::int32_t player{};
    std::int32_t goals{};
    std::int32_t yellow_cards{};
    std::int32_t red_cards{};
    std::int32_t games{};
    std::int32_t injuries{};
    std::int32_t season{};
    std::int32_t club{};
};
static_assert(sizeof(t_player_season) == 32);
static_assert(offsetof(t_player_season, player) == 0);
static_assert(offsetof(t_player_season, goals) == 4);
static_assert(offsetof(t_player_season, yellow_cards) == 8);
static_assert(offsetof(t_player_season, red_cards) == 12);
static_assert(offsetof(t_player_season, games) == 16);
static_assert(offsetof(t_player_season, injuries) == 20);
static_assert(offsetof(t_player_season, season) == 24);
static_assert(offsetof(t_player_season, club) == 28);

// A player's goals or matches in one competition this season.
struct t_competition_tally {
    std::int32_t player{};
    std::int32_t count{};
    std::int32_t competition{};
    std::int32_t club{};  // his side when the entry was made
};
static_assert(sizeof(t_competition_tally) == 16);
static_assert(offsetof(t_competition_tally, player) == 0);
static_assert(offsetof(t_competition_tally, count) == 4);
static_assert(offsetof(t_competition_tally, competition) == 8);
static_assert(offsetof(t_competition_tally, club) == 12);

// How a club finished or left a competition.
struct t_club_result {
    std::int32_t team{};
    std::int32_t season{};
    std::int32_t kind{};
    std::int32_t placing{};  // placing or stage code
    std::int32_t extra{};    // division or group, -1 none
};
static_assert(sizeof(t_club_result) == 20);
static_assert(offsetof(t_club_result, team) == 0);
static_assert(offsetof(t_club_result, season) == 4);
static_assert(offsetof(t_club_result, kind) == 8);
static_assert(offsetof(t_club_result, placing) == 12);
static_assert(offsetof(t_club_result, extra) == 16);

// A state club without a national division, for the regional division.
struct t_regional_candidate {
    std::int32_t team{};
    std::int32_t state{};
    std::int32_t group_position{};
    std::int32_t group{};
    std::int32_t points{};
    std::int32_t goals_for{};
    std::uint8_t human{};
    std::uint8_t reserved_25[3]{};
};
static_assert(sizeof(t_regional_candidate) == 28);
static_assert(offsetof(t_regional_candidate, team) == 0);
static_assert(offsetof(t_regional_candidate, state) == 4);
static_assert(offsetof(t_regional_candidate, group_position) == 8);
static_assert(offsetof(t_regional_candidate, group) == 12);
static_assert(offsetof(t_regional_candidate, points) == 16);
static_assert(offsetof(t_regional_candidate, goals_for) == 20);
static_assert(offsetof(t_regional_candidate, human) == 24);

}  // namespace kv
