#include "season/player_stats.h"

#include <algorithm>
#include <limits>
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
struct TallyTable {
    TallyIndex index{TallyIndex::Keep::kFirst};
    PlayerHints hints;  // a player's games go to one competition's entry match after match
};
TallyTable goals_table;
TallyTable appearances_table;

// The entry keeps the club of the player's first goal or match in the competition, even
// after a transfer.
void CountTally(std::vector<t_competition_tally>& tallies, TallyTable& table, int player, int club,
                int competition) {
    std::int32_t& hint = table.hints[player];
    const int at = table.index.Find(tallies, PairKey(player, competition), hint);
    if (at >= 0) {
        hint = at;
        ++tallies[static_cast<std::size_t>(at)].count;
        return;
    }
    tallies.push_back({player, 1, competition, club});
    table.index.Appended(tallies);
    hint = static_cast<std::int32_t>(tallies.size()) - 1;
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

// Where each player's line of the current season at each club stands. A line is counted into
// only while it is the newest line of its player at its club and of the current season, so the
// lines of past seasons, nearly the whole table after a few seasons, are left out: the index
// stays the size of one season and its look-ups stay in the cache however long the history
// grows. Lines are appended with the season of the day, so when the season moves on past every
// line of the table the index just starts empty; anything else (a new game, a load, a table
// changed behind its back, a season going back) rebuilds it from the table.
class SeasonLineIndex {
  public:
    // The line of the player at the club to count into, -1 when he needs a new one. `hint`, the
    // line he was last counted into, is taken when it is his line at the club this season and
    // the index knows it for the only one.
    int Find(const std::vector<t_player_season>& lines, int season, int player, int club,
             int hint) {
        if (lines.data() != data_ || lines.size() != size_)
            Rebuild(lines, season);
        else if (season != season_)
            season > newest_season_ ? StartSeason(season) : Rebuild(lines, season);
        if (single_ && hint >= 0 && static_cast<std::size_t>(hint) < lines.size() &&
            Holds(lines[static_cast<std::size_t>(hint)], player, club))
            return hint;
        const std::uint64_t key = PairKey(player, club);
        const int at = at_.find(key);
        if (at < 0 || Holds(lines[static_cast<std::size_t>(at)], player, club)) return at;
        Rebuild(lines, season);
        return at_.find(key);
    }

    // The caller appended one line of the current season.
    void Appended(const std::vector<t_player_season>& lines) {
        if (lines.empty() || lines.size() != size_ + 1) {
            data_ = nullptr;  // rebuilt by the next look-up
            return;
        }
        // A line of another season would stand behind the season's lines.
        single_ = single_ && lines.back().season == season_;
        Note(lines.back(), static_cast<int>(lines.size()) - 1);
        data_ = lines.data();
        size_ = lines.size();
    }

  private:
    bool Holds(const t_player_season& line, int player, int club) const {
        return line.player == player && line.club == club && line.season == season_;
    }

    void Note(const t_player_season& line, int index) {
        newest_season_ = std::max(newest_season_, line.season);
        if (line.season != season_) return;
        ++season_lines_;
        // Of several lines of a key, the last one is the newest.
        const auto [at, added] = at_.emplace(PairKey(line.player, line.club), index);
        *at = index;
        single_ = single_ && added;
    }

    void StartSeason(int season) {
        at_.clear(season_lines_);
        season_ = season;
        season_lines_ = 0;
        single_ = true;
    }

    void Rebuild(const std::vector<t_player_season>& lines, int season) {
        at_.clear();
        season_ = season;
        season_lines_ = 0;
        single_ = true;
        newest_season_ = std::numeric_limits<int>::min();
        // In a table kept by this index the current season's lines come last: then the newest
        // line of each key of the season is its last line of the season.
        bool current_seen = false;
        bool current_last = true;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool current = lines[i].season == season;
            current_last = current_last && (current || !current_seen);
            current_seen = current_seen || current;
            Note(lines[i], static_cast<int>(i));
        }
        if (!current_last) {
            // A line of another season behind a line of this one (only a damaged or foreign
            // table has one): the newest line of each key, read from the end, decides.
            at_.clear();
            season_lines_ = 0;
            single_ = false;
            KeyTable newest;
            newest.clear(lines.size());
            for (std::size_t i = lines.size(); i-- > 0;) {
                const t_player_season& line = lines[i];
                const std::uint64_t key = PairKey(line.player, line.club);
                if (newest.emplace(key, static_cast<int>(i)).second && line.season == season) {
                    ++season_lines_;
                    at_.emplace(key, static_cast<int>(i));
                }
            }
        }
        data_ = lines.data();
        size_ = lines.size();
    }

    const t_player_season* data_ = nullptr;
    std::size_t size_ = 0;
    int season_ = 0;
    // The latest season of any line in the table.
    int newest_season_ = std::numeric_limits<int>::min();
    std::size_t season_lines_ = 0;
    // Whether the season's lines are the last of the table, each key's only one this season:
    // then a line of the player at the club this season is the newest of the two.
    bool single_ = true;
    KeyTable at_;
};

SeasonLineIndex season_lines_index;
PlayerHints season_line_hints;

void CountSeasonLine(GameData& data, int player, int club, PlayerEvent event) {
    const int season = data.game_state.season;
    std::int32_t& hint = season_line_hints[player];
    const int at = season_lines_index.Find(data.player_seasons, season, player, club, hint);
    if (at >= 0) {
        hint = at;
        ++SeasonCounter(data.player_seasons[static_cast<std::size_t>(at)], event);
        return;
    }
    t_player_season& line = data.player_seasons.emplace_back();
    line.player = player;
    line.season = season;
    line.club = club;
    SeasonCounter(line, event) = 1;
    season_lines_index.Appended(data.player_seasons);
    hint = static_cast<std::int32_t>(data.player_seasons.size()) - 1;
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
        CountTally(data.season_goals, goals_table, player, club, competition);
    }
    if (event == PlayerEvent::kGame)
        CountTally(data.season_appearances, appearances_table, player, club, competition);
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
