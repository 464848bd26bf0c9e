#include "season/fixture_list.h"

#include "core/field_readers.h"
#include "core/game_data.h"
#include "core/lookups.h"
#include "season/pairing_tables.h"

namespace kv {
namespace {

bool HasTeam(const t_fixture& f, int team) {
    return f.home == team || f.away == team;
}

// The friendlies of today, counted in list order; a later one of the same team wins.
bool FriendlyOpponent(const GameData& data, int team, TodaysOpponent& result) {
    const double today = TodayDate(data);
    bool found = false;
    int number = 0;
    for (const t_friendly& f : data.friendlies) {
        if (f.date != today) continue;
        ++number;
        if (f.home == team) {
            result = {f.away, 0, number};
            found = true;
        } else if (f.away == team) {
            result = {f.home, 1, number};
            found = true;
        }
    }
    return found;
}

bool TournamentGroupOpponent(const GameData& data, int team, TodaysOpponent& result) {
    const t_game_state& gs = data.game_state;
    const t_team& t = data.teams[team];
    const int slot = t.group_slot;
    const int group = t.tournament_group;
    if (group < 1 || group > 8) return false;
    for (int match = 1; match <= 2; ++match) {
        const SlotPairing p = Pairing4Teams(gs.tournament_round, gs.tournament_leg, match);
        if (!p.valid()) return false;
        if (slot == p.home) {
            result = {gs.tournament_groups[group - 1][p.away - 1], 0, match * group};
            return true;
        }
        if (slot == p.away) {
            result = {gs.tournament_groups[group - 1][p.home - 1], 1, match * group};
            return true;
        }
    }
    return false;
}

// Ties first..last (1-based) of a bracket: team A is reported away, team B at home.
template <typename Bracket>
bool BracketOpponent(const Bracket& bracket, int first, int last, int team,
                     TodaysOpponent& result) {
    for (int tie = first; tie <= last && tie <= static_cast<int>(std::size(bracket)); ++tie) {
        const t_bracket_tie& b = bracket[tie - 1];
        if (b.team_a == team) {
            result = {b.team_b, 1, tie};
            return true;
        }
        if (b.team_b == team) {
            result = {b.team_a, 0, tie};
            return true;
        }
    }
    return false;
}

bool TournamentBracketOpponent(const GameData& data, int team, TodaysOpponent& result) {
    const int round = data.game_state.tournament_round;
    const bool world_cup = data.game_state.match_kind == ckWorldCup;
    struct Range {
        int first, last;
    };
    Range range{0, -1};
    if (world_cup) {
        if (round == 4) range = {1, 8};
        if (round == 5) range = {9, 12};
        if (round == 6) range = {13, 14};
        if (round == 7) range = {15, 16};
    } else {
        if (round == 4) range = {1, 4};
        if (round == 5) range = {5, 6};
        if (round == 6) range = {7, 8};
    }
    return BracketOpponent(data.national_tournament_bracket, range.first, range.last, team, result);
}

bool ClubWorldCupOpponent(const GameData& data, int team, TodaysOpponent& result) {
    const int stage = data.game_state.club_world_cup_stage;
    if (stage < 1 || stage > 3) return false;
    return BracketOpponent(data.club_world_cup_bracket, 2 * stage - 1, 2 * stage, team, result);
}

bool NationalCupHasPhase(const GameData& data, int team, int phase) {
    if (!InTable(data.teams, team)) return false;
    const int config = FindLeagueConfig(data, data.teams[team].country);
    return config >= 0 && FindFixture(data, config, ckNationalCup, phase) >= 0;
}

}  // namespace

int InsertFixture(GameData& data, int count, int home, int away, int round, int kind, int owner,
                  int leg, int cup_tie) {
    if (count < 1) return -1;
    data.fixtures.resize(count);
    t_fixture& f = data.fixtures[count - 1];
    f.home = home;
    f.away = away;
    f.round = round;
    f.kind = kind;
    f.owner = owner;
    f.leg = leg;
    f.cup_tie = cup_tie;
    return count - 1;
}

int AppendFixture(GameData& data, int home, int away, int round, int kind, int owner, int leg,
                  int cup_tie, double date) {
    const int index = InsertFixture(data, static_cast<int>(data.fixtures.size()) + 1, home, away,
                                    round, kind, owner, leg, cup_tie);
    data.fixtures[index].date = date;
    return index;
}

int FindFixture(const GameData& data, int owner, int kind, int round) {
    for (int i = 0; i < static_cast<int>(data.fixtures.size()); ++i) {
        const t_fixture& f = data.fixtures[i];
        if (f.owner == owner && f.kind == kind && f.round == round) return i;
    }
    return -1;
}

int FindFixtureOnDate(const GameData& data, int team, double date) {
    for (int i = 0; i < static_cast<int>(data.fixtures.size()); ++i) {
        const t_fixture& f = data.fixtures[i];
        if (f.date == date && HasTeam(f, team)) return i;
    }
    return -1;
}

int NextSuperCupRound(const GameData& data) {
    for (const t_fixture& f : data.fixtures)
        if (f.kind == ckSuperCup && !f.played) return f.round;
    return -1;
}

bool PlaysSuperCup(const GameData& data, int team) {
    for (const t_fixture& f : data.fixtures)
        if (f.kind == ckSuperCup && HasTeam(f, team)) return true;
    return false;
}

bool NationalCupHasRound1(const GameData& data, int team) {
    return NationalCupHasPhase(data, team, 1);
}

bool NationalCupHasRound0(const GameData& data, int team) {
    return NationalCupHasPhase(data, team, 0);
}

int FindArchivedMatch(const GameData& data, int kind, int round, int team) {
    for (int i = 0; i < static_cast<int>(data.match_archive.size()); ++i) {
        const t_archived_match& m = data.match_archive[i];
        if (m.kind == kind && m.round == round && (m.team[0] == team || m.team[1] == team))
            return i;
    }
    return -1;
}

int ArchivedMatchOfFixture(const GameData& data, int fixture) {
    if (fixture < 0 || fixture >= static_cast<int>(data.fixtures.size())) return -1;
    const t_fixture& f = data.fixtures[fixture];
    for (int i = 0; i < static_cast<int>(data.match_archive.size()); ++i) {
        const t_archived_match& m = data.match_archive[i];
        if (m.date == f.date && m.team[0] == f.home) return i;
    }
    return -1;
}

int FindTopScorerEntry(const GameData& data, int competition, int season) {
    for (int i = 0; i < static_cast<int>(data.top_scorers.size()); ++i) {
        const t_top_scorer& s = data.top_scorers[i];
        if (s.competition == competition && s.season == season) return i;
    }
    return -1;
}

bool FindTodaysOpponent(const GameData& data, int team, TodaysOpponent& result) {
    if (!InTable(data.teams, team)) return false;
    TodaysOpponent found;
    bool plays = false;
    switch (data.game_state.match_kind) {
        case ckFriendly:
            plays = FriendlyOpponent(data, team, found);
            break;
        case ckWorldCup:
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            plays = data.game_state.tournament_round < 4
                        ? TournamentGroupOpponent(data, team, found)
                        : TournamentBracketOpponent(data, team, found);
            break;
        case ckClubWorldCup:
            plays = ClubWorldCupOpponent(data, team, found);
            break;
        default:
            break;
    }
    if (plays) result = found;
    return plays;
}

}  // namespace kv
