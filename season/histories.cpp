#include "season/histories.h"

#include <array>

#include "core/game_data.h"
#include "core/lookups.h"
#include "season/season_lines.h"

namespace kv {
namespace {

struct CoachLineKey {
    std::uint64_t operator()(const t_coach_season& s) const { return PairKey(s.coach, s.team); }
};
// Every match adds to both coaches' lines of the season.
CurrentSeasonIndex<t_coach_season, CoachLineKey> coach_lines_index;

// [placing - 1][kind - 1] for kinds 1..10.
constexpr std::array<std::array<int, 10>, 2> kReputationPoints = {{
    {500, 200, 10, 5000, 40000, 1000, 0, 0, 0, 1000},
    {90, 50, 5, 1000, 1000, 500, 0, 0, 0, 500},
}};

int HonourCoach(const GameData& data, int kind, int team) {
    const t_team& t = data.teams[static_cast<std::size_t>(team)];
    if (IsNationalTeamTournament(kind))
        return t.coach >= 0 ? t.coach : kNationalTeamCoachBase + t.state;
    if ((kind >= ckFriendly && kind <= ckSecondContinentalCup) || kind == ckSuperCup)
        return t.coach;
    return -1;
}

bool EarnsReputation(int kind, int division, int state_division, int placing) {
    if (placing != 1 && placing != 2) return false;
    // Only the top flight counts: the first division of a league and the first group of a
    // state championship (the state titles are closed with the group in state_division).
    if (kind == ckNationalLeague) return division == 1;
    if (kind == ckStateChampionship) return state_division == 1;
    return (kind >= ckFriendly && kind <= ckSecondContinentalCup) || kind == ckSuperCup;
}

// The registry id of a competition, 0 when it is not registered; honours of an unregistered
// competition name no competition, so no look-up may match them.
int RegisteredCompetition(const GameData& data, int kind, int country, int division) {
    return FindCompetitionId(data, kind, country, division, -1, -1);
}

int NewestHonourTeam(const GameData& data, int competition, int season, bool any_season) {
    if (competition == 0) return -1;
    for (auto h = data.honours.rbegin(); h != data.honours.rend(); ++h)
        if (h->competition == competition && h->placing == 1 && (any_season || h->season == season))
            return h->team;
    return -1;
}

}  // namespace

void AddHonour(GameData& data, int kind, int team, int country, int division, int state,
               int state_division, int placing) {
    if (!InTable(data.teams, team)) return;
    t_honour& h = AppendRecord(data.honours);
    h.season = data.game_state.season;
    h.competition = FindCompetitionId(data, kind, country, division, state, state_division);
    h.team = team;
    h.placing = placing;
    h.coach = HonourCoach(data, kind, team);
    if (EarnsReputation(kind, division, state_division, placing))
        RaiseReputation(data, team, kind, placing);
}

void AddPlacingRecord(GameData& data, int kind, int team, int coach, int division, int placing,
                      int area) {
    if (kind == ckContinentalCup || kind == ckSecondContinentalCup) area = data.match_day_group;
    data.placing_records.push_back(
        {data.game_state.season, kind, team, coach, division, placing, area});
}

void AddTopScorer(GameData& data, int competition, int team, int player, int goals) {
    t_top_scorer& s = AppendRecord(data.top_scorers);
    s.season = data.game_state.season;
    s.competition = competition;
    s.team = team;
    s.player = player;
    s.goals = goals;
}

void AddCoachSeasonStat(GameData& data, int coach, int team, int amount, std::string_view key) {
    if (!InTable(data.coaches, coach)) return;
    const int season = data.game_state.season;
    const int at = coach_lines_index.Find(data.coach_seasons, season, PairKey(coach, team));
    if (at < 0) {
        // A coach's first event at a club in a season is always a game, so the new line's
        // one game is that event and nothing else is counted.
        data.coach_seasons.push_back({coach, 1, 0, 0, 0, 0, team, season});
        coach_lines_index.Appended(data.coach_seasons);
        return;
    }
    t_coach_season* line = &data.coach_seasons[static_cast<std::size_t>(at)];
    if (key == "j") {
        ++line->games;
    } else if (key == "v") {
        ++line->wins;
    } else if (key == "d") {
        ++line->losses;
    } else if (key == "tit") {
        ++line->titles;
    } else if (key == "pr") {
        line->points += amount;
        t_coach& c = data.coaches[static_cast<std::size_t>(coach)];
        c.ranking_points += amount;
        if (data.game_state.match_kind != ckStateChampionship) c.world_ranking_points += amount;
    }
}

int ReputationPointsFor(int kind, int placing) {
    if (kind < ckNationalLeague || kind > ckSuperCup || placing < 1 || placing > 2) return 0;
    return kReputationPoints[static_cast<std::size_t>(placing - 1)]
                            [static_cast<std::size_t>(kind - 1)];
}

int ReputationLevel(int points) {
    if (points >= 100000) return 5;
    if (points >= 10000) return 4;
    if (points >= 1000) return 3;
    if (points > 100) return 2;
    if (points > 10) return 1;
    return 0;
}

void RaiseReputation(GameData& data, int team, int kind, int placing) {
    if (!InTable(data.teams, team)) return;
    t_team& t = data.teams[static_cast<std::size_t>(team)];
    if (t.reputation == 5) return;
    t.reputation_points += ReputationPointsFor(kind, placing);
    const int level = ReputationLevel(t.reputation_points);
    if (level > t.reputation) t.reputation = level;
}

int LatestLeagueChampion(const GameData& data, int country) {
    return NewestHonourTeam(data, RegisteredCompetition(data, ckNationalLeague, country, 1), 0,
                            true);
}

int FindHonourTeam(const GameData& data, int country, int placing, int season, int kind,
                   int division) {
    const int competition = RegisteredCompetition(data, kind, country, division);
    if (competition == 0) return -1;
    for (const t_honour& h : data.honours)
        if (h.season == season && h.competition == competition && h.placing == placing)
            return h.team;
    return -1;
}

int FindPlacingCoach(const GameData& data, int area, int placing, int season, int kind,
                     int division) {
    for (const t_placing_record& r : data.placing_records)
        if (r.season == season && r.kind == kind && r.area == area && r.placing == placing &&
            r.division == division)
            return r.coach;
    return -1;
}

int FindChampion(const GameData& data, int kind, int country, int season) {
    return NewestHonourTeam(data, RegisteredCompetition(data, kind, country, 1), season, false);
}

}  // namespace kv
