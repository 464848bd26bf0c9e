#pragma once
// One player of `players`.
// Every record here is flat and its size and offsets are checked below: the
// files hold these layouts byte for byte (core/record_io.h reads and writes them).

#include <cstddef>
#include <cstdint>

#include "core/dates.h"
#include "core/money.h"
#include "core/pstring.h"

namespace kv {

// One player. Entry 0 of `players` is a dummy with team -1. Entry k of
// `yellow_cards` and `suspension` is competition kind k (0..10).
struct t_player {
    PString<20> name{};
    std::uint8_t star{};
    std::uint8_t reserved_22[2]{};
    std::int32_t age{};
    std::int32_t nationality{};
    std::int32_t team{};      // -1 = without team
    std::int32_t position{};  // TPosition
    std::int32_t strength{};  // 1..100
    std::int32_t side{};      // TSide
    std::int32_t file_extra{};
    std::uint8_t reserved_52[4]{};
    Money wage{};
    Money value{};
    Money asking_price{};
    std::int32_t squad_role{};  // 1 regular starter, 2 substitute today, 0 other
    std::int32_t shirt_number{};
    std::int32_t role{};
    std::int32_t characteristic1{};
    std::int32_t characteristic2{};
    std::uint8_t reserved_100[4]{};
    TDateTime injured_until{};
    TDateTime contract_end{};
    std::int32_t energy{};
    std::uint8_t played_match{};
    std::uint8_t on_sale{};
    std::uint8_t reserved_126[2]{};
    float decline{};
    std::uint8_t reserved_132{};
    std::uint8_t moved_this_round{};
    std::uint8_t on_pitch{};
    std::uint8_t reserved_135{};
    std::int32_t fielded_exhausted{};  // nothing sets it; cleared after each round and by moves
    std::int32_t yellow_cards[11]{};
    std::int32_t suspension[11]{};
    std::int32_t morale{};          // 1..3
    std::int32_t mood_counter{};    // the complaint counter: above 7 the player complains
    std::uint8_t complaint_sent{};  // set with that complaint; cleared on moves
    std::uint8_t reserved_237[3]{};
    std::int32_t reserved_240{};  // cleared by a renewal and for a new youth player
    std::uint8_t renewal_pleases{};
    std::uint8_t reserved_245{};
    std::uint8_t reserved_246[2]{};
    std::int32_t morale_recovery{};
    std::int32_t contract_notice{};
    std::int32_t loan_status{};
    std::int32_t goals{};
    std::int32_t cards{};
    std::int32_t games{};
    std::uint8_t bought_by_computer{};
    std::uint8_t reserved_273[3]{};
    std::int32_t bought_this_window{};
    std::int32_t match_goals{};
    std::int32_t reserved_284{};
};
static_assert(sizeof(t_player) == 288);
static_assert(offsetof(t_player, name) == 0);
static_assert(offsetof(t_player, star) == 21);
static_assert(offsetof(t_player, age) == 24);
static_assert(offsetof(t_player, nationality) == 28);
static_assert(offsetof(t_player, team) == 32);
static_assert(offsetof(t_player, position) == 36);
static_assert(offsetof(t_player, strength) == 40);
static_assert(offsetof(t_player, side) == 44);
static_assert(offsetof(t_player, file_extra) == 48);
static_assert(offsetof(t_player, wage) == 56);
static_assert(offsetof(t_player, value) == 64);
static_assert(offsetof(t_player, asking_price) == 72);
static_assert(offsetof(t_player, squad_role) == 80);
static_assert(offsetof(t_player, shirt_number) == 84);
static_assert(offsetof(t_player, role) == 88);
static_assert(offsetof(t_player, characteristic1) == 92);
static_assert(offsetof(t_player, characteristic2) == 96);
static_assert(offsetof(t_player, injured_until) == 104);
static_assert(offsetof(t_player, contract_end) == 112);
static_assert(offsetof(t_player, energy) == 120);
static_assert(offsetof(t_player, played_match) == 124);
static_assert(offsetof(t_player, on_sale) == 125);
static_assert(offsetof(t_player, decline) == 128);
static_assert(offsetof(t_player, moved_this_round) == 133);
static_assert(offsetof(t_player, on_pitch) == 134);
static_assert(offsetof(t_player, fielded_exhausted) == 136);
static_assert(offsetof(t_player, yellow_cards) == 140);
static_assert(offsetof(t_player, suspension) == 184);
static_assert(offsetof(t_player, morale) == 228);
static_assert(offsetof(t_player, mood_counter) == 232);
static_assert(offsetof(t_player, complaint_sent) == 236);
static_assert(offsetof(t_player, renewal_pleases) == 244);
static_assert(offsetof(t_player, morale_recovery) == 248);
static_assert(offsetof(t_player, contract_notice) == 252);
static_assert(offsetof(t_player, loan_status) == 256);
static_assert(offsetof(t_player, goals) == 260);
static_assert(offsetof(t_player, cards) == 264);
static_assert(offsetof(t_player, games) == 268);
static_assert(offsetof(t_player, bought_by_computer) == 272);
static_assert(offsetof(t_player, bought_this_window) == 276);
static_assert(offsetof(t_player, match_goals) == 280);

}  // namespace kv
