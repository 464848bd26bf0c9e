#include "season/player_stats.h"

#include <algorithm>
#include <vector>

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/random.h"
#include "core/table_index.h"
#include "season/human_involvement.h"
#include "season/news.h"

namespace kv {
namespace {

enum class PlayerEvent { kGoal, kGame, kYellowCard, kRedCard, kInjury, kNone };

PlayerEvent EventOfKey(std::string_view key) {
    if (key == "gol") return PlayerEvent::kGoal;
    if (key == "j") return PlayerEvent::kGame;
    if (key == "ca") return PlayerEvent::kYellowCard;
    if (key == "cv") return PlayerEvent::kRedCard;
    if (key == "ct") return PlayerEvent::kInjury;
    return PlayerEvent::kNone;
}

constexpr int kResistance = 12;  // the characteristic "Resistência"

struct TallyKey {
    std::uint64_t operator()(const t_competition_tally& t) const { return PairKey(t.player, t.competition); }
};
using TallyIndex = TableIndex<t_competition_tally, TallyKey>;

// A match day counts thousands of goals and games into tables of tens of thousands of lines.
TallyIndex goals_index(TallyIndex::Keep::kFirst);
TallyIndex appearances_index(TallyIndex::Keep::kFirst);

// The entry keeps the club of the player's first goal or match in the competition, even
// after a transfer.
void CountTally(std::vector<t_competition_tally>& tallies, TallyIndex& index, int player, int club,
                int competition) {
    const int at = index.Find(tallies, PairKey(player, competition));
    if (at >= 0) {
        ++tallies[static_cast<std::size_t>(at)].count;
        return;
    }
    tallies.push_back({player, 1, competition, club});
    index.Appended(tallies);
}

std::int32_t& SeasonCounter(t_player_season& line, PlayerEvent event) {
    switch (event) {
        case PlayerEvent::kGoal:
            return line.goals;
        case PlayerEvent::kGame:
            return line.games;
        case PlayerEvent::kYellowCard:
            return line.yellow_cards;
        case PlayerEvent::kRedCard:
            return line.red_cards;
        default:
            return line.injuries;
    }
}

struct SeasonLineKey {
    std::uint64_t operator()(const t_player_season& l) const { return PairKey(l.player, l.club); }
};

// The newest line of a player at a club; lines are appended season by season, so when that
// line is of an older season the current season has none.
TableIndex<t_player_season, SeasonLineKey> season_lines_index(TableIndex<t_player_season, SeasonLineKey>::Keep::kLast);

void CountSeasonLine(GameData& data, int player, int club, PlayerEvent event) {
    const int season = data.game_state.season;
    const int at = season_lines_index.Find(data.player_seasons, PairKey(player, club));
    if (at >= 0 && data.player_seasons[static_cast<std::size_t>(at)].season == season) {
        ++SeasonCounter(data.player_seasons[static_cast<std::size_t>(at)], event);
        return;
    }
    t_player_season& line = data.player_seasons.emplace_back();
    line.player = player;
    line.season = season;
    line.club = club;
    SeasonCounter(line, event) = 1;
    season_lines_index.Appended(data.player_seasons);
}

// Entry k of a player's per-kind arrays, or null when today's kind names none.
std::int32_t* KindEntry(std::int32_t (&by_kind)[kCompetitionKindCount], int kind) {
    if (kind < 0 || kind >= kCompetitionKindCount) return nullptr;
    return &by_kind[kind];
}

int SuspensionMatches() {
    const int r = RandInt(35);
    if (r == 0) return 10;
    if (r <= 2) return 5;
    if (r <= 5) return 3;
    if (r <= 15) return 2;
    return 1;
}

void SendOff(GameData& data, int player) {
    t_player& p = data.players[static_cast<std::size_t>(player)];
    const int matches = SuspensionMatches();
    if (matches > 1 && IsHumanManaged(data, p.team))
        AddNewsItem(data, p.team, neSentOff, matches, player, 0, 0);
    if (std::int32_t* s = KindEntry(p.suspension, data.game_state.match_kind)) *s += matches;
}

void Injure(GameData& data, int player) {
    t_player& p = data.players[static_cast<std::size_t>(player)];
    const InjuryByAge band = InjuryAgeBand(p.age);
    int weeks = p.energy < 50 ? 1 : 0;
    weeks += band.weeks + (band.spread > 0 ? RandInt(band.spread) : 0);

    // Resistance wins back part of the loss, never more than the injury took.
    const int bonus = p.characteristic1 == kResistance   ? 2
                      : p.characteristic2 == kResistance ? 1
                                                         : 0;
    const int before = p.strength;
    const int after = std::min(before, std::max(1, before - band.strength_loss) + bonus);
    p.strength = std::clamp(after, 1, 100);

    if (weeks > 1 && p.characteristic1 == kResistance) --weeks;
    if (RandInt(300) == 1) weeks = 15 + RandInt(6);
    if (weeks > 0) p.injured_until = TodayDate(data) + 7 * weeks + 2;

    const int kind = data.game_state.match_kind;
    if ((kind < ckWorldCup || kind == ckSuperCup) && weeks > 1 && IsHumanManaged(data, p.team))
        AddNewsItem(data, p.team, neInjury, weeks, player, 0, 0);
}

}  // namespace

InjuryByAge InjuryAgeBand(int age) {
    if (age <= 15) return {1, 0, 0};
    if (age <= 20) return {1, 0, 2};
    if (age <= 25) return {1, 0, 3};
    if (age <= 30) return {1, 3, 4};
    if (age <= 35) return {2, 3, 5};
    if (age <= 40) return {3, 4, 7};
    if (age <= 50) return {4, 4, 0};
    if (age <= 60) return {5, 4, 0};
    if (age <= 1200) return {6, 4, 10};
    return {};
}

void RecordPlayerEvent(GameData& data, int player, int club, int competition,
                       std::string_view key) {
    const PlayerEvent event = EventOfKey(key);
    // Entry 0 of the players holds nobody.
    if (event == PlayerEvent::kNone || player < 1 || !InTable(data.players, player)) return;
    t_player& p = data.players[static_cast<std::size_t>(player)];

    if (event == PlayerEvent::kGoal) {
        ++p.match_goals;
        CountTally(data.season_goals, goals_index, player, club, competition);
    }
    if (event == PlayerEvent::kGame) CountTally(data.season_appearances, appearances_index, player, club, competition);
    CountSeasonLine(data, player, club, event);

    switch (event) {
        case PlayerEvent::kGame:
            ++p.games;
            break;
        case PlayerEvent::kGoal:
            ++p.goals;
            break;
        case PlayerEvent::kYellowCard:
            ++p.cards;
            // The third yellow card's ban is counted where the squad is picked.
            if (std::int32_t* y = KindEntry(p.yellow_cards, data.game_state.match_kind)) ++*y;
            break;
        case PlayerEvent::kRedCard:
            ++p.cards;
            SendOff(data, player);
            break;
        case PlayerEvent::kInjury:
            Injure(data, player);
            break;
        case PlayerEvent::kNone:
            break;
    }
}

t_head_to_head HeadToHead(const GameData& data, int club_a, int club_b) {
    t_head_to_head h{};
    if (data.result_history.empty()) return h;
    const t_result_entry* last = &data.result_history.front();
    for (const t_result_entry& r : data.result_history) {
        int goals_a = 0;
        int goals_b = 0;
        if (r.home == club_a && r.away == club_b) {
            goals_a = r.home_goals;
            goals_b = r.away_goals;
        } else if (r.home == club_b && r.away == club_a) {
            goals_a = r.away_goals;
            goals_b = r.home_goals;
        } else {
            continue;
        }
        ++h.matches;
        last = &r;
        h.goals_for += goals_a;
        h.goals_against += goals_b;
        if (goals_a > goals_b)
            ++h.wins;
        else if (goals_a < goals_b)
            ++h.losses;
        else
            ++h.draws;
    }
    h.last_season = last->season;
    h.last_kind = last->kind;
    h.last_home = last->home;
    h.last_away = last->away;
    h.last_home_goals = last->home_goals;
    h.last_away_goals = last->away_goals;
    return h;
}

}  // namespace kv
