#pragma once
// Coaches, club finances and the list of national teams.
// Every record here is flat and its size and offsets are checked below: the
// files hold these layouts byte for byte (core/record_io.h reads and writes them).

#include <cstddef>
#include <cstdint>

#include "core/pstring.h"

namespace kv {

// One coach, human or computer. `titles` entry k counts titles of kind k
// (0..9); `division_titles` entries 1..3 count league titles in divisions 2..4.
// Entry 0 of `division_titles` is where the super cup titles (kind 10) are kept:
// use CoachTitles() to reach any kind.
struct t_coach {
    PString<25> name{};
    std::uint8_t reserved_26[2]{};
    std::int32_t club{};  // -1 = none
    std::int32_t last_club{};
    std::int32_t division{};
    std::int32_t ranking_points{};
    std::int32_t world_ranking_points{};
    std::uint8_t offer_flag{};
    std::uint8_t human{};
    std::uint8_t reserved_50[2]{};
    std::int32_t hire_lock{};
    std::uint8_t national_team_job{};
    std::uint8_t reserved_57[3]{};
    std::int32_t country{};
    std::uint8_t employed{};
    std::uint8_t reserved_65[3]{};
    std::int32_t titles[10]{};
    std::int32_t division_titles[4]{};
    std::int32_t league_country{};
};
static_assert(sizeof(t_coach) == 128);
static_assert(offsetof(t_coach, name) == 0);
static_assert(offsetof(t_coach, club) == 28);
static_assert(offsetof(t_coach, last_club) == 32);
static_assert(offsetof(t_coach, division) == 36);
static_assert(offsetof(t_coach, ranking_points) == 40);
static_assert(offsetof(t_coach, world_ranking_points) == 44);
static_assert(offsetof(t_coach, offer_flag) == 48);
static_assert(offsetof(t_coach, human) == 49);
static_assert(offsetof(t_coach, hire_lock) == 52);
static_assert(offsetof(t_coach, national_team_job) == 56);
static_assert(offsetof(t_coach, country) == 60);
static_assert(offsetof(t_coach, employed) == 64);
static_assert(offsetof(t_coach, titles) == 68);
static_assert(offsetof(t_coach, division_titles) == 108);
static_assert(offsetof(t_coach, league_country) == 124);

// One club's money totals of the season, in whole units (not Money).
struct t_finance {
    std::int32_t reserved_0{};
    std::int32_t wage_bill{};
    std::int32_t wages_paid{};
    std::int32_t reserved_12{};
    std::int32_t gate_receipts{};
    std::int32_t stadium_works{};
    std::int32_t player_sales{};
    std::int32_t player_purchases{};
    std::int32_t loan{};
    std::int32_t prizes{};
    std::int32_t loan_interest{};
    std::int32_t sponsorship{};
    std::int32_t other_expenses{};
    std::int32_t release_penalties{};
};
static_assert(sizeof(t_finance) == 56);
static_assert(offsetof(t_finance, wage_bill) == 4);
static_assert(offsetof(t_finance, wages_paid) == 8);
static_assert(offsetof(t_finance, gate_receipts) == 16);
static_assert(offsetof(t_finance, stadium_works) == 20);
static_assert(offsetof(t_finance, player_sales) == 24);
static_assert(offsetof(t_finance, player_purchases) == 28);
static_assert(offsetof(t_finance, loan) == 32);
static_assert(offsetof(t_finance, prizes) == 36);
static_assert(offsetof(t_finance, loan_interest) == 40);
static_assert(offsetof(t_finance, sponsorship) == 44);
static_assert(offsetof(t_finance, other_expenses) == 48);
static_assert(offsetof(t_finance, release_penalties) == 52);

// One national team read from the national-team files.
struct t_national_team_entry {
    std::int32_t country{};
    std::int32_t continent{};  // TContinent, but 4 for country 131
    PString<30> coach_name{};
    std::uint8_t reserved_39{};
    std::int32_t level{};
    std::int32_t team{};
};
static_assert(sizeof(t_national_team_entry) == 48);
static_assert(offsetof(t_national_team_entry, country) == 0);
static_assert(offsetof(t_national_team_entry, continent) == 4);
static_assert(offsetof(t_national_team_entry, coach_name) == 8);
static_assert(offsetof(t_national_team_entry, level) == 40);
static_assert(offsetof(t_national_team_entry, team) == 44);

}  // namespace kv
