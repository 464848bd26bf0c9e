#pragma once
// A small world for the engine: clubs with squads, their line-ups and a day match between them.

#include <algorithm>
#include <vector>

#include "core/game_data.h"
#include "match/discipline.h"
#include "match/computer_lineups.h"
#include "match/lineup_strength.h"
#include "match/match_engine.h"

namespace kv::testing {

struct PlayerSpec {
    int position;
    int strength;
    int side = 0;
    int role = 0;
    int energy = 100;
    int age = 25;
};

inline int AddTeam(bool human = false) {
    GameData& gd = Game();
    t_team& t = AppendRecord(gd.teams);
    t.human = human ? 1 : 0;
    t.coach = -1;
    t.match_strength_index = -1;
    t.captain = -1;
    t.set_piece_taker = -1;
    t.division = 1;
    return static_cast<int>(gd.teams.size()) - 1;
}

inline int AddPlayer(int team, const PlayerSpec& traits) {
    GameData& gd = Game();
    t_player& p = AppendRecord(gd.players);
    p.team = team;
    p.position = traits.position;
    p.strength = traits.strength;
    p.side = traits.side;
    p.role = traits.role;
    p.energy = traits.energy;
    p.age = traits.age;
    p.squad_role = 1;
    p.characteristic1 = traits.position == 0 ? 0 : 4 + (static_cast<int>(gd.players.size()) % 10);
    return static_cast<int>(gd.players.size()) - 1;
}

// Enough players of each position for any computer formation and a full bench: two goalkeepers,
// five full-backs, five centre-backs, six midfielders and five forwards.
inline void AddSquad(int team, int strength) {
    const int positions[] = {0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4};
    int i = 0;
    for (int position : positions) {
        AddPlayer(team, {position, strength - (i % 7), i % 2, 0, 100, 18 + (i * 3) % 20});
        ++i;
    }
}

// An empty match day: calendar day 1, league kind, record 0 of day_matches unused.
inline void StartMatchDay() {
    GameData& gd = Game();
    gd.Reset();
    gd.game_state.calendar_day = 1;
    gd.game_state.match_kind = 1;
    gd.game_state.league_club_count = 0;
    ResizeTable(gd.day_matches, 1);
}

inline t_fixture& AddFixture(int kind, int round, int home, int away) {
    t_fixture& f = AppendRecord(Game().fixtures);
    f.kind = kind;
    f.round = round;
    f.home = home;
    f.away = away;
    return f;
}

// Day match between two teams whose line-ups exist; returns its number.
inline int AddDayMatch(int home, int away) {
    GameData& gd = Game();
    jogos& m = AppendRecord(gd.day_matches);
    m.team[0] = home;
    m.team[1] = away;
    m.strength_slot[0] = gd.teams[home].match_strength_index;
    m.strength_slot[1] = gd.teams[away].match_strength_index;
    m.subs_left[0] = 3;
    m.subs_left[1] = 3;
    return static_cast<int>(gd.day_matches.size()) - 1;
}

// A match day of `matches` matches between computer clubs of varied strength, line-ups chosen.
inline void SetUpMatchDay(int matches) {
    StartMatchDay();
    for (int i = 0; i < 2 * matches; ++i) {
        const int team = AddTeam();
        AddSquad(team, 55 + (i * 7) % 40);
        ChooseComputerLineup(team);
    }
    for (int i = 0; i < matches; ++i) AddDayMatch(2 * i, 2 * i + 1);
}

// The ticks of one match as the match day plays them: all of the first 182, then stoppage time
// up to the match's last tick.
template <class AfterTick>
void PlayWholeMatch(int match, MatchDecisions* decisions, AfterTick after_tick) {
    for (int tick = 1; tick <= kLastTick; ++tick) {
        if (tick > kSecondHalfLastTick && tick > Game().day_matches[match].last_tick) break;
        PlayTick(match, decisions);
        after_tick();
    }
}

inline void PlayWholeMatch(int match, MatchDecisions* decisions = nullptr) {
    PlayWholeMatch(match, decisions, [] {});
}

// A prepared match day kept aside, so a batch can play its matches again and again from the same
// start. Restoring copies into the tables in place and allocates nothing.
class SavedMatchDay {
public:
    SavedMatchDay()
        : teams_(Game().teams),
          players_(Game().players),
          strengths_(Game().match_strengths),
          matches_(Game().day_matches) {}

    void Restore() const {
        std::copy(teams_.begin(), teams_.end(), Game().teams.begin());
        std::copy(players_.begin(), players_.end(), Game().players.begin());
        std::copy(strengths_.begin(), strengths_.end(), Game().match_strengths.begin());
        std::copy(matches_.begin(), matches_.end(), Game().day_matches.begin());
        Game().match_events.clear();
        booked_players().clear();
    }

private:
    std::vector<t_team> teams_;
    std::vector<t_player> players_;
    std::vector<t_match_strength> strengths_;
    std::vector<jogos> matches_;
};

}  // namespace kv::testing
