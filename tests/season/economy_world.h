#pragma once
// A small world of clubs, players and coaches for the market, loan and coach rules, built in
// its own GameData with a dated calendar.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "core/dates.h"
#include "core/game_data.h"
#include "core/money.h"
#include "season/player_economy.h"

namespace kv::test {

struct ClubSpec {
    int country = 3;
    int level = 15;
    int division = 1;
    int reputation = 2;
    bool human = false;
    std::int64_t cash_units = 5'000'000;
};

struct PlayerSpec {
    int position = posMidfielder;
    int strength = 50;
    int age = 25;
    bool star = false;
    int squad_role = 0;
    int nationality = 3;
};

class EconomyWorld {
  public:
    EconomyWorld() : data_(std::make_unique<GameData>()) {
        GameData& g = *data_;
        g.game_state.season = 1;
        g.game_state.league_format = kDivisionsOf20;
        g.game_state.calendar_day = 10;
        g.game_state.user_club = -1;
        g.game_state.match_kind = ckNationalLeague;
        for (auto& club : g.game_state.human_clubs) club = -1;
        for (auto& coach : g.game_state.human_coaches) coach = -1;
        for (auto& offer : g.job_offers) offer = -1;
        const TDateTime first = EncodeDate(2014, 1, 1);
        for (int d = 0; d < kCalendarDays; ++d) {
            g.calendar[d].day = d + 1;
            g.calendar[d].date = first + d;
        }
    }

    GameData& data() { return *data_; }
    TDateTime today() const { return data_->calendar[data_->game_state.calendar_day - 1].date; }

    // Clubs are added before any national team, all as league clubs.
    int AddClub(const ClubSpec& traits = {}) {
        GameData& g = *data_;
        t_team& t = AppendRecord(g.teams);
        t.country = traits.country;
        t.level = traits.level;
        t.division = traits.division;
        t.reputation = traits.reputation;
        t.cash = MoneyFromUnits(traits.cash_units);
        t.coach = -1;
        t.set_piece_taker = -1;
        t.morale = 3;
        AppendRecord(g.finances);
        g.game_state.league_club_count += 1;
        const int club = static_cast<int>(g.teams.size()) - 1;
        if (traits.human) MakeHumanClub(club);
        return club;
    }

    void MakeHumanClub(int club) {
        GameData& g = *data_;
        g.teams[club].human = 1;
        g.game_state.human_clubs[g.game_state.human_count++] = club;
        if (g.game_state.user_club < 0) g.game_state.user_club = club;
    }

    int AddPlayer(int team, const PlayerSpec& traits = {}) {
        GameData& g = *data_;
        t_player& p = AppendRecord(g.players);
        p.name.set("Jogador " + std::to_string(g.players.size() - 1));
        p.team = team;
        p.position = traits.position;
        p.strength = traits.strength;
        p.age = traits.age;
        p.star = traits.star ? 1 : 0;
        p.squad_role = traits.squad_role;
        p.nationality = traits.nationality;
        p.morale = 3;
        p.energy = 100;
        const int index = static_cast<int>(g.players.size()) - 1;
        p.contract_end = today() + 100;
        g.players[index].value = MoneyFromUnits(CalcPlayerValue(g, index));
        g.players[index].wage = MoneyFromUnits(CalcPlayerWage(g, index));
        return index;
    }

    // A squad of the given size per position: goalkeepers, full-backs, centre-backs,
    // midfielders and forwards.
    void AddSquad(int team, std::array<int, 5> counts, int strength = 50) {
        for (int position = 0; position < 5; ++position)
            for (int k = 0; k < counts[position]; ++k)
                AddPlayer(team, {.position = position, .strength = strength + k});
        Refresh(team);
    }

    void Refresh(int team) {
        CountSquad(*data_, team);
        CalcWageBill(*data_, team);
    }

    int AddCoach(const char* name, int club = -1, bool human = false) {
        GameData& g = *data_;
        t_coach& c = AppendRecord(g.coaches);
        c.name.set(name);
        c.club = club;
        c.last_club = -1;
        c.human = human ? 1 : 0;
        c.employed = club >= 0 ? 1 : 0;
        c.league_country = -1;
        const int index = static_cast<int>(g.coaches.size()) - 1;
        if (club >= 0) {
            g.teams[club].coach = index;
            c.country = g.teams[club].country;
            c.division = g.teams[club].division;
        }
        return index;
    }

    // A league of full divisions of new clubs, each with its own coach; a club's place in
    // the table is its slot. Returns the league configuration.
    int AddLeague(int country, int divisions, int per_division) {
        GameData& g = *data_;
        t_league_config& config = AppendRecord(g.league_configs);
        config.country = country;
        config.division_count = divisions;
        config.club_count = divisions * per_division;
        for (auto& row : config.standings) std::fill(std::begin(row), std::end(row), -1);
        for (auto& row : config.division_clubs) std::fill(std::begin(row), std::end(row), -1);
        const int league = static_cast<int>(g.league_configs.size()) - 1;
        for (int d = 1; d <= divisions; ++d)
            for (int place = 1; place <= per_division; ++place) {
                const int club = AddClub({.country = country, .division = d});
                g.league_configs[league].standings[d - 1][place - 1] = club;
                g.league_configs[league].division_clubs[d - 1][place - 1] = club;
                g.teams[club].table_position[ckNationalLeague] = place;
                g.teams[club].board_confidence = 50;
                AddCoach(("Técnico " + std::to_string(club)).c_str(), club);
            }
        return league;
    }

  private:
    std::unique_ptr<GameData> data_;
};

// The wage bill of every club equals the sum of its players' wages.
inline bool WageBillsTrue(const GameData& g) {
    for (std::size_t club = 0; club < g.finances.size(); ++club) {
        std::int64_t sum = 0;
        for (std::size_t i = 1; i < g.players.size(); ++i)
            if (g.players[i].team == static_cast<int>(club)) sum += g.players[i].wage / kMoneyScale;
        if (g.finances[club].wage_bill != sum) return false;
    }
    return true;
}

// Every club points at its coach and he back at it; every employed coach has one club; the
// human flags match the count of human clubs.
inline void ExpectOneCoachEach(const GameData& g) {
    for (std::size_t t = 0; t < g.teams.size(); ++t) {
        const int coach = g.teams[t].coach;
        ASSERT_TRUE(InTable(g.coaches, coach)) << "club " << t << " has no coach";
        EXPECT_EQ(g.coaches[coach].club, static_cast<int>(t));
        EXPECT_EQ(g.coaches[coach].employed, 1);
    }
    for (std::size_t c = 0; c < g.coaches.size(); ++c) {
        const t_coach& coach = g.coaches[c];
        if (!coach.employed) {
            EXPECT_EQ(coach.club, -1) << coach.name.str();
            continue;
        }
        ASSERT_TRUE(InTable(g.teams, coach.club));
        EXPECT_EQ(g.teams[coach.club].coach, static_cast<int>(c)) << coach.name.str();
    }
    int humans = 0;
    for (const t_team& t : g.teams) humans += t.human;
    EXPECT_EQ(humans, g.game_state.human_count);
}

}  // namespace kv::test
