#include "match/ratings.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "core/lookups.h"
#include "core/random.h"
#include "core/record_sort.h"
#include "core/table_index.h"
#include "core/types.h"
#include "match/match_engine.h"
#include "match/match_tables.h"
#include "match/round_even.h"
#include "season/histories.h"
#include "season/player_stats.h"
#include "season/prize_money.h"
#include "season/scorer_rankings.h"

namespace kv {
namespace {

int DefaultCode(int position) {
    static constexpr int kCodes[] = {1, 2, 7, 15, 23};
    return position >= 0 && position <= 4 ? kCodes[position] : 1;
}

int PositionGroupOfCode(int c) {
    if (c == 1) return posGoalkeeper;
    if (c == 2 || c == 9 || c == 10 || c == 17) return posFullBack;
    if (c >= 3 && c <= 8) return posCentreBack;
    if (c >= 11 && c <= 16) return posMidfielder;
    if (c >= 18 && c <= 25) return posForward;
    return -1;
}

bool Hit(int n) { return Random(n) == 1; }
bool In(int c, int low, int high) { return c >= low && c <= high; }

float BaseByResult(int own, int other, int strength) {
    static constexpr float kBase[3][4] = {
        {5.0f, 5.5f, 6.0f, 6.0f},  // won
        {4.0f, 4.5f, 5.0f, 5.5f},  // lost
        {5.0f, 5.0f, 6.0f, 6.0f},  // drawn
    };
    if (strength < 1 || strength > 100) return 5.0f;
    const int row = own > other ? 0 : own < other ? 1 : 2;
    const int column = strength <= 30 ? 0 : strength <= 60 ? 1 : strength <= 90 ? 2 : 3;
    return kBase[row][column];
}

int CardMark(const PlayerCardCounts& c) {
    if (c.second_yellow > 0) return 3;
    if (c.red > 0) return 2;
    if (c.yellow > 0) return 1;
    return 0;
}

// The players already rated in the match being archived get no second line.
bool TakeAppearance(int archived, int player) {
    GameData& gd = Game();
    auto& rated = gd.rated_this_match;
    if (gd.rated_match != archived) {
        gd.rated_match = archived;
        rated.clear();
    }
    if (std::find(rated.begin(), rated.end(), player) != rated.end()) return false;
    rated.push_back(player);
    return true;
}

void RecordAppearance(int player, int competition) {
    const t_player* p = PlayerAt(player);
    if (p) RecordPlayerEvent(Game(), player, p->team, competition, "j");
}

}  // namespace

namespace {

// The day's events by player and by match, for the archiving of a match day: rating a player
// reads his own few events and archiving a match its own, not the thousands of the whole day.
// Both lists keep the events in day order.
struct DayEventIndex {
    bool active = false;
    const t_match_event* events = nullptr;
    std::size_t count = 0;
    // By player: the first entry of each player's list, and the entries, each an event and the
    // next entry of the same player.
    KeyTable first_of_player;
    std::vector<std::int32_t> entry_event;
    std::vector<std::int32_t> entry_next;
    // By match: the events of day match m are match_events[match_start[m]..match_start[m + 1]).
    std::vector<std::int32_t> match_start;
    std::vector<std::int32_t> match_events;

    bool Fresh(const std::vector<t_match_event>& day) const {
        return active && events == day.data() && count == day.size();
    }
    void AddToPlayer(int player, int event) {
        const auto entry = static_cast<std::int32_t>(entry_event.size());
        const auto [first, added] = first_of_player.emplace(PlayerKey(player), entry);
        entry_event.push_back(event);
        entry_next.push_back(added ? -1 : *first);
        *first = entry;
    }
    void Clear(std::size_t events) {
        first_of_player.clear(events);
        entry_event.clear();
        entry_next.clear();
    }
    static std::uint64_t PlayerKey(int player) { return static_cast<std::uint32_t>(player); }
};
DayEventIndex day_event_index;

// Calls `visit` on every event of the day that names `player` as its player or, for a
// substitution, as the one coming on, in day order.
template <typename Visit>
void ForEachEventOf(int player, Visit visit) {
    const std::vector<t_match_event>& events = Game().match_events;
    const DayEventIndex& index = day_event_index;
    if (index.Fresh(events)) {
        for (std::int32_t at = index.first_of_player.find(DayEventIndex::PlayerKey(player)); at >= 0;
             at = index.entry_next[static_cast<std::size_t>(at)])
            visit(events[static_cast<std::size_t>(index.entry_event[static_cast<std::size_t>(at)])]);
        return;
    }
    for (const t_match_event& e : events)
        if (e.player == player || (e.kind == meSubstitution && e.value == player)) visit(e);
}

}  // namespace

DayEventsIndexed::DayEventsIndexed() {
    const std::vector<t_match_event>& events = Game().match_events;
    DayEventIndex& index = day_event_index;
    index.Clear(events.size());
    index.entry_event.reserve(events.size() + events.size() / 4);
    // From the last event back, so each player's list comes out in day order.
    for (std::size_t i = events.size(); i-- > 0;) {
        const t_match_event& e = events[i];
        const int at = static_cast<int>(i);
        if (e.kind == meSubstitution && e.value != e.player) index.AddToPlayer(e.value, at);
        index.AddToPlayer(e.player, at);
    }
    const int matches = std::max(Game().day_match_count, 0) + 1;
    index.match_start.assign(static_cast<std::size_t>(matches) + 1, 0);
    for (const t_match_event& e : events)
        if (e.match >= 0 && e.match < matches) ++index.match_start[static_cast<std::size_t>(e.match) + 1];
    for (int m = 0; m < matches; ++m)
        index.match_start[static_cast<std::size_t>(m) + 1] += index.match_start[static_cast<std::size_t>(m)];
    index.match_events.resize(static_cast<std::size_t>(index.match_start.back()));
    std::vector<std::int32_t> next(index.match_start.begin(), index.match_start.end() - 1);
    for (std::size_t i = 0; i < events.size(); ++i) {
        const int m = events[i].match;
        if (m >= 0 && m < matches)
            index.match_events[static_cast<std::size_t>(next[static_cast<std::size_t>(m)]++)] =
                static_cast<std::int32_t>(i);
    }
    index.events = events.data();
    index.count = events.size();
    index.active = true;
}

DayEventsIndexed::~DayEventsIndexed() { day_event_index.active = false; }

std::span<const std::int32_t> DayMatchEvents(int match) {
    const std::vector<t_match_event>& events = Game().match_events;
    const DayEventIndex& index = day_event_index;
    if (index.Fresh(events) && match >= 0 && static_cast<std::size_t>(match) + 1 < index.match_start.size()) {
        const auto from = static_cast<std::size_t>(index.match_start[static_cast<std::size_t>(match)]);
        const auto to = static_cast<std::size_t>(index.match_start[static_cast<std::size_t>(match) + 1]);
        return std::span<const std::int32_t>(index.match_events).subspan(from, to - from);
    }
    static std::vector<std::int32_t> scanned;
    scanned.clear();
    for (std::size_t i = 0; i < events.size(); ++i)
        if (events[i].match == match) scanned.push_back(static_cast<std::int32_t>(i));
    return scanned;
}

PlayerEventCounts CountPlayerEvents(int player) {
    PlayerEventCounts c;
    bool minutes_set = false;
    bool came_on = false;
    int on_tick = 0;
    ForEachEventOf(player, [&](const t_match_event& e) {
        switch (e.kind) {
            case meGoal:
            case meFreeKickGoal:
            case mePenaltyGoal: ++c.goals; break;
            case meOwnGoal: ++c.own_goals; break;
            case mePenaltyMissed: ++c.missed_penalties; break;
            case meCard: (e.value == 1 ? c.yellow_cards : c.red_cards) += 1; break;
            case meSubstitution:
                if (!minutes_set) {
                    minutes_set = true;
                    if (e.player == player) {
                        c.minutes = e.tick;
                    } else {
                        c.minutes = kSecondHalfLastTick - e.tick;
                        came_on = true;
                        on_tick = e.tick;
                    }
                } else if (came_on && e.player == player) {
                    c.minutes = e.tick - on_tick;
                }
                break;
            default: break;
        }
    });
    if (!minutes_set) c.minutes = kSecondHalfLastTick;
    return c;
}

PlayerCardCounts CountPlayerCards(int player) {
    PlayerCardCounts c;
    ForEachEventOf(player, [&](const t_match_event& e) {
        if (e.player != player) return;
        if (e.kind == meCard) {
            if (e.value == 1) ++c.yellow;
            else if (e.value == 2) ++c.red;
            else if (e.value == 3) ++c.second_yellow;
        } else if (e.kind == meInjury) {
            ++c.injuries;
        }
    });
    return c;
}

float RatePlayer(int player, int match, int team, int code) {
    const t_player* p = PlayerAt(player);
    const jogos* m = DayMatchAt(match);
    if (!p || !m) return 0.0f;
    const int c = code == -1 ? DefaultCode(p->position) : code;
    const int s = team == m->team[0] ? 0 : 1;
    const int o = 1 - s;
    float r = BaseByResult(m->goals[s], m->goals[o], p->strength);
    if (p->position == posGoalkeeper) r = 4.5f;
    if (p->position != PositionGroupOfCode(c)) r -= 1.5f;

    if (In(c, 10, 17)) {
        if (m->possession[s] > m->possession[o]) {
            r += Hit(3) ? 0.5f : 1.0f;
            if (In(c, 14, 17)) r += Hit(3) ? 1.0f : 0.5f;
            if (p->role == 0) r += 0.5f;
        } else if (m->possession[s] < m->possession[o]) {
            r -= Hit(3) ? 1.0f : 0.5f;
            if (p->role == 0) r -= 0.5f;
        }
    }
    r += 0.5f * static_cast<float>(p->match_goals);

    if (In(c, 1, 13)) {
        const float sign = m->tackles[s] > m->tackles[o] ? 1.0f : m->tackles[s] < m->tackles[o] ? -1.0f : 0.0f;
        if (sign != 0.0f) {
            r += sign > 0 ? (Hit(3) ? 1.0f : 0.5f) : -0.5f;
            if (Hit(4) && In(c, 3, 8)) r += sign * 0.5f;
            if (Hit(4) && In(c, 11, 13)) r += sign * 0.5f;
        }
    }

    const int shots_faced = m->shots[o];
    const int conceded = m->goals[o];
    if (c == 1) {
        const int saves = shots_faced - conceded;
        r += saves > RoundEven(shots_faced * 0.5) ? 1.0f : -1.0f;
        if (conceded >= 5) r -= 3.0f;
        else if (conceded == 4) r -= 2.5f;
        else if (conceded >= 2) r -= 1.0f;
        else if (conceded == 1) r -= 0.5f;
        else r += 1.0f;
        if (shots_faced < 5) r -= 1.0f;
        if (shots_faced > 5 && conceded < 2) r += Hit(3) ? 1.0f : 0.5f;
    }

    if (In(c, 14, 25)) {
        const int shots = m->shots[s];
        const int goals = m->goals[s];
        for (double share : {0.1, 0.05}) {
            if (goals < RoundEven(shots * share)) {
                r -= 1.0f;
                if (Hit(3) && In(c, 18, 25)) r -= 0.5f;
            }
        }
    }

    if (In(c, 1, 13)) {
        const float sign = conceded == 0 ? 1.0f : -1.0f;
        r += conceded == 0 ? 0.5f : -0.5f * static_cast<float>(conceded);
        if (Hit(3) && In(c, 3, 8)) r += sign * 0.5f;
        if (Hit(3) && In(c, 11, 13)) r += sign * 0.5f;
    }

    const PlayerEventCounts counts = CountPlayerEvents(player);
    r += static_cast<float>(counts.goals - counts.own_goals - counts.missed_penalties -
                            counts.yellow_cards - 2 * counts.red_cards) + 2.0f;
    if (r < 6.0f && Hit(11)) r = 8.0f;
    if (r < 5.0f) r = static_cast<float>(3 + Random(2));
    if (c == 1) {
        if (shots_faced < 3) r = static_cast<float>(5 + Random(3));
        if (shots_faced > 15 && conceded < 4) r = static_cast<float>(6 + Random(3));
        if (shots_faced > 20 && conceded < 2) r = static_cast<float>(6 + Random(4));
        if (shots_faced > 20 && conceded == 0) r = static_cast<float>(7 + Random(4));
    }
    if (r >= 10.0f) r = Hit(8) ? 10.0f : static_cast<float>(8 + Random(2));
    if (counts.minutes < 30 && counts.goals == 0) return 0.0f;
    if (counts.minutes < 60) r -= 1.0f;
    return r;
}

void RateSubstitutes(int archived, int match) {
    GameData& gd = Game();
    const jogos* m = DayMatchAt(match);
    if (!m) return;
    // Index loop: rating a player books his appearance, which never adds events, but keep clear
    // of any reallocation all the same.
    for (const std::int32_t i : DayMatchEvents(match)) {
        const t_match_event e = gd.match_events[static_cast<std::size_t>(i)];
        if (e.kind != meSubstitution && e.kind != meInjurySubstitution) continue;
        const int q = e.value;
        if (!PlayerAt(q) || !TakeAppearance(archived, q)) continue;
        const PlayerCardCounts cards = CountPlayerCards(q);
        RecordAppearance(q, m->competition);
        t_substitute_rating line{};
        line.player = q;
        line.replaced = e.player;
        line.tick = e.tick;
        line.rating = RatePlayer(q, match, e.team, -1);
        line.archived_match = archived;
        line.team = e.team;
        line.card_mark = CardMark(cards);
        line.injuries = cards.injuries;
        gd.substitute_ratings.push_back(line);
    }
}

void RateStarters(int archived, int match) {
    GameData& gd = Game();
    const jogos* m = DayMatchAt(match);
    if (!m) return;
    for (int side = 0; side < 2; ++side) {
        const int team = m->team[side];
        for (int slot = 0; slot < 11; ++slot) {
            const int p = m->lineup[side][slot];
            const int c = m->positions[side][slot];
            const t_player* player = PlayerAt(p);
            if (!player || !TakeAppearance(archived, p)) continue;
            const PlayerCardCounts cards = CountPlayerCards(p);
            RecordAppearance(p, m->competition);
            const float rating = RatePlayer(p, match, team, c);
            t_player_rating line{};
            line.archived_match = archived;
            line.player = p;
            line.position = c == 10 ? 14 : c;
            line.rating = rating;
            line.on_pitch = player->on_pitch;
            line.team = team;
            line.card_mark = CardMark(cards);
            line.injuries = cards.injuries;
            gd.player_ratings.push_back(line);
            round_ratings().push_back(
                {p, rating, m->home_division, m->competition, c, Random(100), 0});
            // A player not rated ("s/n") does not pull his season average down.
            if (rating > 0.0f) AddPlayerRating(p, m->competition, c, rating);
        }
    }
}

std::vector<t_round_rating>& round_ratings() {
    return Game().round_ratings;
}

void BuildRoundBestEleven(int league_config) {
    GameData& gd = Game();
    if (!InTable(gd.league_configs, league_config)) return;
    const t_game_state& gs = gd.game_state;
    QuickSortRecords(round_ratings(), [](const t_round_rating& a, const t_round_rating& b) {
        return CompareRoundRatings(a, b);
    });
    int round = gs.league_round;
    if (gs.league_turn != 1) round += gs.league_format == 4 ? 9 : gs.league_format == 2 ? 19 : 0;
    struct Range {
        int low, high;
    };
    static constexpr Range kSlots[11] = {{1, 1},   {2, 2},   {3, 8},   {3, 8},   {9, 9},  {11, 13},
                                         {11, 13}, {14, 16}, {14, 16}, {18, 25}, {18, 25}};
    const int divisions = std::clamp(gd.league_configs[league_config].division_count, 0, 4);
    for (int d = 1; d <= divisions; ++d) {
        t_round_best_eleven eleven{};
        for (int j = 0; j < 11; ++j) {
            for (t_round_rating& row : round_ratings()) {
                if (row.division != d || row.taken || !In(row.code, kSlots[j].low, kSlots[j].high)) continue;
                eleven.season = gs.season;
                eleven.round = round;
                eleven.competition = row.competition;
                eleven.players[j] = row.player;
                const t_player* p = PlayerAt(row.player);
                eleven.teams[j] = p ? p->team : 0;
                row.taken = 1;
                break;
            }
        }
        gd.round_best_elevens.push_back(eleven);
    }
}

void AwardTopScorer(int kind, int country, int division, int state, int state_division) {
    GameData& gd = Game();
    const int cid = FindCompetitionId(gd, kind, country, division, state, state_division);
    std::vector<t_scorer_tally> rows;
    for (const t_scorer_entry& e : CompetitionScorers(gd, cid))
        rows.push_back({e.player, e.goals, e.games, e.club});
    if (rows.empty()) return;
    QuickSortRecords(rows, CompareScorerTally);
    const t_scorer_tally& best = rows.front();
    AddTopScorer(gd, cid, best.club, best.player, best.goals);
    if (!TeamAt(best.club)) return;
    const int prize = kind == ckNationalLeague ? 1500000 : kind == ckNationalCup ? 1000000
                      : kind == ckStateChampionship ? 500000 : 0;
    if (prize == 0) return;
    PayPrize(gd, best.club, prize);
    if (kind == ckNationalLeague)
        if (t_player* p = PlayerAt(best.player)) p->star = 1;
}

}  // namespace kv
