#pragma once
// Records of club management and careers: news, transfers, loans, stadium
// works, line-ups, tactics, call-ups and coach changes.
// Every record here is flat and its size and offsets are checked below: the
// files hold these layouts byte for byte (core/record_io.h reads and writes them).

#include <cstddef>
#include <cstdint>

#include "core/dates.h"
#include "core/pstring.h"

namespace kv {

// A message in a human club's inbox.
struct t_news_item {
    std::int32_t club{};  // -1 once detached
    std::uint8_t reserved_4[4]{};
    TDateTime date{};
    std::int32_t body{};     // 1..74
    std::int32_t sender{};   // TNewsSender
    std::int32_t subject{};  // TNewsSubject
    std::int32_t player{};
    std::int32_t second_party{};
    std::int32_t amount{};  // whole units
    std::uint8_t read{};
    std::uint8_t answer_wanted{};
    std::uint8_t reserved_42[6]{};
};
static_assert(sizeof(t_news_item) == 48);
static_assert(offsetof(t_news_item, club) == 0);
static_assert(offsetof(t_news_item, date) == 8);
static_assert(offsetof(t_news_item, body) == 16);
static_assert(offsetof(t_news_item, sender) == 20);
static_assert(offsetof(t_news_item, subject) == 24);
static_assert(offsetof(t_news_item, player) == 28);
static_assert(offsetof(t_news_item, second_party) == 32);
static_assert(offsetof(t_news_item, amount) == 36);
static_assert(offsetof(t_news_item, read) == 40);
static_assert(offsetof(t_news_item, answer_wanted) == 41);

// A player's move between clubs.
struct t_transfer {
    std::int32_t player{};
    std::uint8_t reserved_4[4]{};
    TDateTime date{};
    std::int32_t from_team{};
    std::int32_t to_team{};
    std::int32_t fee{};  // whole units; 0 for loan moves
    std::uint8_t reserved_28[4]{};
};
static_assert(sizeof(t_transfer) == 32);
static_assert(offsetof(t_transfer, player) == 0);
static_assert(offsetof(t_transfer, date) == 8);
static_assert(offsetof(t_transfer, from_team) == 16);
static_assert(offsetof(t_transfer, to_team) == 20);
static_assert(offsetof(t_transfer, fee) == 24);

// A loan; open while `player` is 0 or more.
struct t_loan {
    std::int32_t player{};  // -1 once ended
    std::uint8_t reserved_4[4]{};
    TDateTime end_date{};
    std::int32_t owner{};  // the lending club
    std::uint8_t reserved_20[4]{};
};
static_assert(sizeof(t_loan) == 24);
static_assert(offsetof(t_loan, player) == 0);
static_assert(offsetof(t_loan, end_date) == 8);
static_assert(offsetof(t_loan, owner) == 16);

// Seats being built at a stadium.
struct t_stadium_work {
    std::int32_t team{};
    std::uint8_t reserved_4[4]{};
    TDateTime end_date{};
    std::int32_t added_seats[4]{};  // geral, arquibancada, cadeiras, camarotes
    std::uint8_t in_progress{};
    std::uint8_t reserved_33[7]{};
};
static_assert(sizeof(t_stadium_work) == 40);
static_assert(offsetof(t_stadium_work, team) == 0);
static_assert(offsetof(t_stadium_work, end_date) == 8);
static_assert(offsetof(t_stadium_work, added_seats) == 16);
static_assert(offsetof(t_stadium_work, in_progress) == 32);

// A team's standard line-up. Shirt n is entry n - 1.
struct t_default_lineup {
    std::int32_t team{};
    std::int32_t positions[11]{};  // pitch codes of shirts 1..11
    std::int32_t players[18]{};    // players of shirts 1..18
};
static_assert(sizeof(t_default_lineup) == 120);
static_assert(offsetof(t_default_lineup, team) == 0);
static_assert(offsetof(t_default_lineup, positions) == 4);
static_assert(offsetof(t_default_lineup, players) == 48);

// A line-up kept under a name. Shirt n is entry n - 1.
struct t_saved_tactic {
    std::int32_t team{};   // -1 after deletion
    std::int32_t coach{};  // -1 after deletion
    std::int32_t positions[11]{};
    std::int32_t players[18]{};  // 0 or -1: empty shirt
    PString<20> name{};
    PString<10> formation{};  // for example "4-4-2"
};
static_assert(sizeof(t_saved_tactic) == 156);
static_assert(offsetof(t_saved_tactic, team) == 0);
static_assert(offsetof(t_saved_tactic, coach) == 4);
static_assert(offsetof(t_saved_tactic, positions) == 8);
static_assert(offsetof(t_saved_tactic, players) == 52);
static_assert(offsetof(t_saved_tactic, name) == 124);
static_assert(offsetof(t_saved_tactic, formation) == 145);

// A player called up for a national team, and the club he goes back to.
struct t_callup {
    std::int32_t player{};
    std::int32_t return_team{};
};
static_assert(sizeof(t_callup) == 8);
static_assert(offsetof(t_callup, player) == 0);
static_assert(offsetof(t_callup, return_team) == 4);

// A hiring of a coach.
struct t_coach_appointment {
    std::int32_t coach{};
    std::int32_t season{};
    std::int32_t team{};
};
static_assert(sizeof(t_coach_appointment) == 12);
static_assert(offsetof(t_coach_appointment, coach) == 0);
static_assert(offsetof(t_coach_appointment, season) == 4);
static_assert(offsetof(t_coach_appointment, team) == 8);

// A human coach dismissed when the state championships ended.
struct t_state_dismissal {
    std::int32_t coach{};
    std::int32_t club{};
};
static_assert(sizeof(t_state_dismissal) == 8);
static_assert(offsetof(t_state_dismissal, coach) == 0);
static_assert(offsetof(t_state_dismissal, club) == 4);

// A change of coach at a computer club on this match day.
struct t_coach_dismissal {
    std::int32_t team{};
    std::int32_t old_coach{};
    std::int32_t new_coach{};
    std::int32_t reason{};  // 0 a swap, else 1..4
};
static_assert(sizeof(t_coach_dismissal) == 16);
static_assert(offsetof(t_coach_dismissal, team) == 0);
static_assert(offsetof(t_coach_dismissal, old_coach) == 4);
static_assert(offsetof(t_coach_dismissal, new_coach) == 8);
static_assert(offsetof(t_coach_dismissal, reason) == 12);

}  // namespace kv
