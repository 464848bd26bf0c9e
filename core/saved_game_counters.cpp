#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "core/game_data.h"
#include "core/saved_game.h"
#include "core/types.h"

namespace kv {
namespace {

// The slowest clock the match day and the options can set, in ms per tick.
constexpr std::int32_t kSlowestTick = 3000;
constexpr std::int32_t kLastAutosaveMode = 3;
constexpr std::int32_t kLastContractNotices = 3;
constexpr std::int32_t kLastColour = 0xFFFFFF;
// The world cup's hosts: the tournament's venues are kept for eleven of them.
constexpr std::int32_t kLastHostNumber = 11;

bool Within(std::int64_t v, std::int64_t lo, std::int64_t hi) {
    return v >= lo && v <= hi;
}

bool AllWithin(std::initializer_list<std::int32_t> values, std::int64_t lo, std::int64_t hi) {
    for (const std::int32_t v : values)
        if (!Within(v, lo, hi)) return false;
    return true;
}

// Tallies of goals, points, matches, cards and titles grow by a few a match: a billion is beyond
// any game, and a season's play on top of it stays far from the type's limit.
constexpr std::int64_t kLastTally = 1'000'000'000;
// A player's age comes from a byte of his file and grows by one a season until he retires.
constexpr std::int64_t kLastAge = 1000;

template <std::size_t N>
bool TalliesWithin(const std::int32_t (&values)[N]) {
    for (const std::int32_t v : values)
        if (!Within(v, -kLastTally, kLastTally)) return false;
    return true;
}

bool TalliesWithin(std::initializer_list<std::int32_t> values) {
    return AllWithin(values, -kLastTally, kLastTally);
}

// The tallies play adds to in the teams, players and coaches.
bool RecordTalliesInRange(const GameData& game) {
    for (const t_team& t : game.teams) {
        if (!TalliesWithin(t.points) || !TalliesWithin(t.played) || !TalliesWithin(t.wins) ||
            !TalliesWithin(t.losses) || !TalliesWithin(t.goals_for) ||
            !TalliesWithin(t.goals_against) || !TalliesWithin(t.ranking_points) ||
            !TalliesWithin({t.reputation_points, t.state_titles, t.heavy_defeat}))
            return false;
        for (const t_alltime_tally& a : t.alltime_record)
            if (!TalliesWithin({a.points, a.goals_for, a.goals_against})) return false;
    }
    for (const t_player& p : game.players)
        if (!Within(p.age, 0, kLastAge) || !TalliesWithin(p.yellow_cards) ||
            !TalliesWithin(p.suspension) ||
            !TalliesWithin({p.goals, p.cards, p.games, p.match_goals, p.mood_counter}))
            return false;
    for (const t_coach& c : game.coaches)
        if (!TalliesWithin(c.titles) || !TalliesWithin(c.division_titles) ||
            !TalliesWithin({c.ranking_points, c.world_ranking_points}))
            return false;
    return true;
}

}  // namespace

bool SavedGameCountersInRange(const GameData& game) {
    const t_game_state& s = game.game_state;
    // Zero where a competition was never played (its counters are set when it starts).
    const bool rounds = Within(s.league_round, 1, kLastRound) &&
                        AllWithin({s.national_cup_round, s.national_cup_match_round,
                                   s.state_league_round, s.continental_cup_round,
                                   s.second_cup_round, s.club_world_cup_stage, s.tournament_round},
                                  0, kLastRound);
    const bool legs =
        Within(s.league_turn, 1, 2) &&
        AllWithin({s.national_cup_leg, s.state_league_phase, s.continental_cup_phase,
                   s.continental_cup_leg, s.second_cup_phase, s.second_cup_leg, s.tournament_leg},
                  0, 2);
    const bool seasons =
        Within(s.season, 1, kLastSeason) &&
        AllWithin({s.world_cup_edition, s.americas_cup_edition, s.european_cup_edition}, 0,
                  kLastSeason) &&
        Within(s.tournament_host_number, 0, kLastHostNumber);
    const bool options = AllWithin({s.match_delay, s.match_delay_no_humans}, 0, kSlowestTick) &&
                         Within(s.autosave_mode, -1, kLastAutosaveMode) &&
                         Within(s.contract_notices, 0, kLastContractNotices) &&
                         AllWithin({s.list_colours[0], s.list_colours[1], s.list_colours[2],
                                    s.list_colours[3], s.list_colours[4]},
                                   0, kLastColour);
    const bool flags = AllWithin({s.tournament_callups_done, s.midseason_revaluation_done}, 0, 1) &&
                       (s.league_format == kDivisionsOf10 || s.league_format == kDivisionsOf20);
    return rounds && legs && seasons && options && flags && RecordTalliesInRange(game);
}

}  // namespace kv
