#include "match/match_day_helpers.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/random.h"
#include "core/record_sort.h"
#include "core/table_index.h"
#include "core/text_tables.h"
#include "match/match_tables.h"
#include "match/position_codes.h"

namespace kv {
namespace {

struct RatingTotalKey {
    std::uint64_t operator()(const t_rating_total& t) const { return PairKey(t.player, t.competition); }
};

// A match day adds thousands of ratings to a table of tens of thousands of totals.
TableIndex<t_rating_total, RatingTotalKey> rating_totals_index(TableIndex<t_rating_total, RatingTotalKey>::Keep::kFirst);

// The total each player was last rated into: he is rated match after match in the same
// competition, and the index's slots are spread over megabytes once the table holds every
// total of thirty seasons.
PlayerHints last_totals;

struct RefereeDraw {
    std::int32_t number;
    std::int32_t random_key;
    std::int32_t technique;
};

std::int32_t CompareRefereeDraw(const RefereeDraw& a, const RefereeDraw& b) {
    if (a.technique != b.technique) return a.technique > b.technique ? -1 : 1;
    if (a.random_key != b.random_key) return a.random_key < b.random_key ? -1 : 1;
    return 0;
}

}  // namespace

std::vector<t_ranked_rating>& ranked_ratings() {
    return Game().ranked_ratings;
}

FixtureScore FixtureScoreOfRound(int round, int home, int away) {
    const GameData& gd = Game();
    for (const t_fixture& f : gd.fixtures)
        if (f.kind == gd.game_state.match_kind && f.round == round && f.home == home && f.away == away)
            return {f.home_goals, f.away_goals};
    return {-1, -1};
}

int RatingGroupOf(int code) {
    if (code == 1) return 0;
    if (code == 2 || code == 10) return 5;
    if (IsCentralDefenceCode(code)) return 2;
    if (code == 9 || code == 17) return 1;
    if (code >= 11 && code <= 13) return 7;
    if (code >= 14 && code <= 16) return 3;
    if (code >= 18 && code <= 25) return 4;
    return -1;
}

bool FitsRatingCode(int player, int code) {
    const t_player* p = PlayerAt(player);
    if (!p) return false;
    switch (p->position) {
        case 0: return code == 1;
        case 1:
            if (p->side == 0) return code == 9 || code == 17;
            if (p->side == 1) return code == 2 || code == 10;
            return false;
        case 2: return IsCentralDefenceCode(code);
        case 3: return code >= 10 && code <= 17;
        case 4: return code >= 18 && code <= 25;
        default: return false;
    }
}

void AddPlayerRating(int player, int competition, int code, float rating) {
    if (!FitsRatingCode(player, code)) return;
    auto& totals = Game().rating_totals;
    std::int32_t& hint = last_totals[player];
    const int at = rating_totals_index.Find(totals, PairKey(player, competition), hint);
    // A pair that stands twice (only in a damaged saved game) has every copy counted.
    const bool linear = rating_totals_index.has_duplicates();
    if (at >= 0 && !linear) {
        hint = at;
        totals[static_cast<std::size_t>(at)].rating_sum += rating;
        totals[static_cast<std::size_t>(at)].rating_count += 1;
        return;
    }
    if (linear) {
        bool found = false;
        for (t_rating_total& t : totals) {
            if (t.player == player && t.competition == competition) {
                t.rating_sum += rating;
                t.rating_count += 1;
                found = true;
            }
        }
        if (found) return;
    }
    const t_player& p = *PlayerAt(player);
    int group = RatingGroupOf(code);
    // A holding player in an attacking midfield slot rates as a holding midfielder; a midfielder
    // on a wing-back code as an attacking one.
    if (group == 3 && p.role == 0) group = 7;
    else if ((group == 5 || group == 1) && p.position == 3) group = 3;
    t_rating_total t{};
    t.player = player;
    t.team = p.team;
    t.competition = competition;
    t.rating_sum = rating;
    t.rating_count = 1;
    t.group = group;
    totals.push_back(t);
    rating_totals_index.Appended(totals);
    hint = static_cast<std::int32_t>(totals.size()) - 1;
}

std::string FormationText(int strength) {
    const t_match_strength* s = StrengthAt(strength);
    int defenders = 0, midfielders = 0, forwards = 0;
    if (s) {
        for (int slot = 0; slot < 10; ++slot) {
            const int c = s->slot_positions[slot];
            if (c >= 1 && c <= 9) ++defenders;
            else if (c >= 10 && c <= 17) ++midfielders;
            else if (c >= 18 && c <= 25) ++forwards;
        }
    }
    return std::to_string(defenders) + "-" + std::to_string(midfielders) + "-" +
           std::to_string(forwards);
}

int MinimumRatedMatches(int league_format, int league_turn, int round) {
    const int limit = league_format == 2 ? 10 : 5;
    const bool late = round >= limit;
    if (league_turn == 2) return league_format == 2 ? (late ? 16 : 10) : (late ? 9 : 5);
    return late ? (league_format == 2 ? 5 : 3) : 0;
}

void RankPlayerRatings(int competition, int round) {
    GameData& gd = Game();
    auto& ranked = ranked_ratings();
    ranked.clear();
    const int minimum =
        MinimumRatedMatches(gd.game_state.league_format, gd.game_state.league_turn, round);
    for (const t_rating_total& t : gd.rating_totals) {
        if (t.competition != competition || t.rating_count < minimum || t.rating_count <= 0) continue;
        t_ranked_rating r{};
        r.player = t.player;
        r.average = t.rating_sum / t.rating_count;
        r.matches = t.rating_count;
        r.competition = t.competition;
        r.group = t.group;
        r.team = t.team;
        ranked.push_back(r);
    }
    QuickSortRecords(ranked, CompareRankedRatings);
}

std::int32_t CompareRankedRatings(const t_ranked_rating& a, const t_ranked_rating& b) {
    if (a.competition != b.competition) return a.competition < b.competition ? -1 : 1;
    if (a.average != b.average) return Descending(a.average, b.average);
    return Descending(a.matches, b.matches);
}

std::int32_t CompareScorerTally(const t_scorer_tally& a, const t_scorer_tally& b) {
    if (a.goals != b.goals) return Descending(a.goals, b.goals);
    return a.games < b.games ? -1 : a.games > b.games ? 1 : 0;
}

void DrawRoundReferees() {
    GameData& gd = Game();
    std::vector<RefereeDraw> draw;
    draw.reserve(std::size(gd.referees));
    for (int i = 0; i < static_cast<int>(std::size(gd.referees)); ++i)
        draw.push_back({i + 1, Random(50), gd.referees[i].technique});
    QuickSortRecords(draw, CompareRefereeDraw);
    auto fill = [&](int origin, int first_place) {
        int place = first_place;
        for (const RefereeDraw& r : draw) {
            if (place >= first_place + 6) break;
            if (gd.referees[r.number - 1].origin == origin) gd.game_state.round_referees[place++] = r.number;
        }
    };
    fill(kHomeRefereeOrigin, 0);
    fill(kInternationalRefereeOrigin, 6);
}

bool HasNationalSquad(int country) {
    const GameData& gd = Game();
    const double today = TodaysDate();
    int keepers = 0, others = 0;
    const int clubs = ClubLimit(gd);
    for (int club = 0; club < clubs; ++club)
        for (const int i : gd.PlayersOf(club)) {
            const t_player& p = gd.players[i];
            if (p.nationality != country || p.injured_until > today) continue;
            (p.position == 0 ? keepers : others) += 1;
        }
    return keepers >= 2 && others >= 18;
}

}  // namespace kv
