#include "match/booking.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "core/dates.h"
#include "core/lookups.h"
#include "core/random.h"
#include "core/types.h"
#include "match/match_tables.h"
#include "match/ratings.h"
#include "match/round_even.h"
#include "platform/base/fresh_memory.h"
#include "season/club_finances.h"
#include "season/histories.h"
#include "season/news.h"

namespace kv {
namespace {

t_finance* FinanceOf(int team) {
    return TableEntry(Game().finances, team);
}

void CoachStat(int team, int amount, const char* key) {
    const int coach = CoachOfTeam(team);
    if (coach >= 0) AddCoachSeasonStat(Game(), coach, team, amount, key);
}

int ByDivision(int division, std::initializer_list<int> points) {
    int d = 1;
    for (int p : points) {
        if (d == division) return p;
        ++d;
    }
    return 0;
}

bool TallyRound(int kind) {
    const t_game_state& gs = Game().game_state;
    switch (kind) {
        case ckNationalLeague:
            return true;
        case ckStateChampionship:
            return gs.state_league_round < 6;
        case ckContinentalCup:
            return gs.continental_cup_round < 4;
        case ckSecondContinentalCup:
            return gs.second_cup_round < 4;
        case ckWorldCup:
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            return gs.tournament_round < 4;
        // The super cup has no table, and the per-kind tallies stop at kind 9.
        default:
            return false;
    }
}

void HeavyDefeat(int loser, int margin, int first_class_margin) {
    t_team* t = TeamAt(loser);
    if (!t || !t->human || margin < first_class_margin) return;
    AddNewsItem(Game(), loser, neFansProtest, 0, 0, 0, 0);
    t->heavy_defeat = std::min(margin - first_class_margin + 1, 7 - first_class_margin + 1);
}

void PayWages(int team, bool sign_test) {
    t_team* t = TeamAt(team);
    t_finance* f = FinanceOf(team);
    if (!t || !f) return;
    if (sign_test && f->wage_bill <= 0)
        t->cash += MoneyFromUnits(f->wage_bill);
    else
        t->cash -= MoneyFromUnits(f->wage_bill);
    f->wages_paid += f->wage_bill;
}

void ReceiveGate(int team, int amount) {
    t_team* t = TeamAt(team);
    if (!t) return;
    t->cash += MoneyFromUnits(amount);
    if (t_finance* f = FinanceOf(team)) f->gate_receipts += amount;
}

void PayLoanInterest(int team) {
    ChargeLoanInterest(Game(), team);
}

void BookAllTimeRecord(int kind, int home, int away, int gh, int ga) {
    t_team* h = TeamAt(home);
    t_team* a = TeamAt(away);
    if (!h || !a) return;
    t_alltime_tally& rh = h->alltime_record[kind - 1];
    t_alltime_tally& ra = a->alltime_record[kind - 1];
    if (gh > ga)
        rh.points += 3;
    else if (ga > gh)
        ra.points += 3;
    else
        rh.points += 1, ra.points += 1;
    rh.goals_for += gh;
    rh.goals_against += ga;
    ra.goals_for += ga;
    ra.goals_against += gh;
}

void ClearBench(int team) {
    const t_team* t = TeamAt(team);
    if (t_match_strength* s = t ? StrengthAt(t->match_strength_index) : nullptr)
        std::fill(std::begin(s->bench), std::end(s->bench), 0);
}

void AdjustStatistics(jogos& m) {
    for (int s = 0; s < 2; ++s)
        if (m.shots[s] == 0) m.shots[s] = 1;
    if (m.goals[0] != m.goals[1]) {
        const int loser = m.goals[0] < m.goals[1] ? 0 : 1;
        m.possession[loser] = RoundEven(0.9 * m.possession[loser]);
    }
    for (int s = 0; s < 2; ++s) {
        const t_team* t = TeamAt(m.team[s]);
        if (t && t->playing_style == 2) m.possession[s] = RoundEven(0.7 * m.possession[s]);
    }
}

}  // namespace

void WriteResultToFixture(int fixture, int match) {
    GameData& gd = Game();
    const jogos* m = DayMatchAt(match);
    if (!m || !InTable(gd.fixtures, fixture)) return;
    t_fixture& f = gd.fixtures[fixture];
    f.home_goals = m->goals[0];
    f.away_goals = m->goals[1];
    f.attendance = m->sector_attendance[0] + m->sector_attendance[1] + m->sector_attendance[2] +
                   m->sector_attendance[3];
    f.gate_income = m->gate_income;
    f.played = 1;
}

void BookTeamTallies(int kind, int home, int away, int gh, int ga) {
    t_team* h = TeamAt(home);
    t_team* a = TeamAt(away);
    if (!h || !a || kind < 1 || kind >= kCompetitionKindCount) return;
    const bool decided = gh != ga;
    const int winner = gh > ga ? home : away;
    const int loser = gh > ga ? away : home;
    t_team* w = gh > ga ? h : a;
    t_team* l = gh > ga ? a : h;

    CoachStat(home, 1, "j");
    CoachStat(away, 1, "j");
    if (IsNationalTeamTournament(kind)) {
        if (decided) {
            CoachStat(winner, 5, "pr");
            CoachStat(winner, 1, "v");
            CoachStat(loser, 1, "d");
        } else {
            CoachStat(home, 2, "pr");
            CoachStat(away, 2, "pr");
        }
    }
    if (TallyRound(kind)) {
        const int k = kind;
        if (decided) {
            w->points[k] += 3, w->wins[k] += 1, w->played[k] += 1;
            l->losses[k] += 1, l->played[k] += 1;
            w->last_result = 1;
            l->last_result = 2;
        } else {
            h->points[k] += 1, h->played[k] += 1;
            a->points[k] += 1, a->played[k] += 1;
            h->last_result = a->last_result = 0;
        }
        h->goals_for[k] += gh, h->goals_against[k] += ga;
        a->goals_for[k] += ga, a->goals_against[k] += gh;
    }

    switch (kind) {
        case ckNationalLeague:
            if (decided) {
                CoachStat(winner, ByDivision(w->division, {5, 4, 3, 2}), "pr");
            } else {
                CoachStat(home, ByDivision(h->division, {3, 2, 1}), "pr");
                CoachStat(away, ByDivision(a->division, {4, 3, 2, 1}), "pr");
            }
            break;
        case ckNationalCup:
            if (decided) {
                if (l->division >= 1 && l->division <= 4) CoachStat(winner, 5, "pr");
            } else {
                CoachStat(home, 2, "pr");
                CoachStat(away, 2, "pr");
            }
            break;
        case ckStateChampionship:
            if (decided) {
                CoachStat(winner, ByDivision(w->state_division, {3, 2, 1, 1}), "pr");
            } else {
                CoachStat(home, ByDivision(h->state_division, {2, 1}), "pr");
                CoachStat(away, ByDivision(a->state_division, {2, 1}), "pr");
            }
            break;
        case ckContinentalCup:
        case ckSecondContinentalCup: {
            const bool first = kind == ckContinentalCup;
            if (decided) {
                w->last_result = 1;
                l->last_result = 2;
                CoachStat(winner, first ? 5 : 4, "pr");
            } else {
                h->last_result = a->last_result = 0;
                CoachStat(home, 3, "pr");
                CoachStat(away, first ? 4 : 2, "pr");
            }
            break;
        }
        default:
            break;
    }
    const bool wins_and_losses = kind == ckNationalLeague || kind == ckNationalCup ||
                                 kind == ckStateChampionship || kind == ckContinentalCup ||
                                 kind == ckSecondContinentalCup;
    if (decided && wins_and_losses) {
        CoachStat(winner, 1, "v");
        CoachStat(loser, 1, "d");
    }
    HeavyDefeat(home, ga - gh, 4);
    HeavyDefeat(away, gh - ga, 5);
}

void RecoverPlayerAfterMatch(int player) {
    t_player* p = PlayerAt(player);
    if (!p) return;
    const int age = p->age;
    int gain;
    if (p->played_match) {
        static constexpr int kOutfield[] = {10, 20, 30, 40, 50};
        static constexpr int kKeeper[] = {5, 10, 14, 18, 20};
        const int band = age < 27 ? 0 : age <= 33 ? 1 : age <= 45 ? 2 : age <= 55 ? 3 : 4;
        gain = p->position == posGoalkeeper ? kKeeper[band] : kOutfield[band];
    } else {
        static constexpr int kRested[] = {55, 40, 30, 20, 10, 5};
        const int band = age < 26    ? 0
                         : age <= 35 ? 1
                         : age <= 45 ? 2
                         : age <= 55 ? 3
                         : age <= 70 ? 4
                                     : 5;
        gain = kRested[band];
    }
    p->energy += gain;
    if (p->star) p->energy += 3;
    const t_team* club = TeamAt(p->team);
    if (club && !club->human && p->energy < 30) p->energy = 20 + RandInt(20);
    if (p->energy > 100) p->energy = 100;
    if (p->energy < 0) p->energy = 5;
}

void RecoverTeamsOfGroup() {
    GameData& gd = Game();
    // The players of every team of the group, each once, in the order of the players table:
    // a computer club's tired player draws his energy at random. Marked in a bitmap of the
    // table and read back word by word, they come out in that order without sorting the group,
    // whose squads lie scattered over the table after some seasons.
    static std::vector<std::uint64_t> marked;
    marked.resize(gd.players.size() / 64 + 1);
    std::vector<std::uint8_t> plays(gd.teams.size(), 0);
    std::size_t low = marked.size();
    std::size_t high = 0;
    for (int i = 1; i <= gd.day_match_count; ++i)
        for (int team : gd.day_matches[i].team)
            if (InTable(gd.teams, team) && !plays[team]) {
                plays[team] = 1;
                for (const int p : gd.PlayersOf(team)) {
                    const std::size_t word = static_cast<std::size_t>(p) / 64;
                    marked[word] |= std::uint64_t{1} << (p % 64);
                    low = std::min(low, word);
                    high = std::max(high, word);
                }
            }
    for (std::size_t word = low; word <= high && word < marked.size(); ++word) {
        const std::uint64_t bits = marked[word];
        marked[word] = 0;
        for (std::uint64_t rest = bits; rest != 0; rest &= rest - 1)
            RecoverPlayerAfterMatch(static_cast<int>(word * 64) + std::countr_zero(rest));
    }
}

void BookGroupMatches() {
    GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    const int k = gs.match_kind;
    const bool sunday = DayOfWeek(TodaysDate()) == 1;
    for (int i = 1; i <= gd.day_match_count; ++i) {
        jogos& m = gd.day_matches[i];
        const int home = m.team[0];
        const int away = m.team[1];
        const int gh = m.goals[0];
        const int ga = m.goals[1];
        WriteResultToFixture(m.fixture, i);
        if ((k >= 1 && k <= 6) || k == ckSuperCup) BookAllTimeRecord(k, home, away, gh, ga);
        ClearBench(home);
        ClearBench(away);
        if (k > 0) BookTeamTallies(k, home, away, gh, ga);
        if ((k >= 0 && k <= 6) || k == ckSuperCup)
            gd.result_history.push_back({home, away, gh, ga, gs.season, k});
        const bool weekly = (k == ckNationalLeague || k == ckStateChampionship) && sunday;
        if (weekly) {
            PayWages(home, true);
            PayWages(away, true);
        }
        if (k == ckFriendly && gs.calendar_day <= 9) {
            PayWages(home, false);
            PayWages(away, false);
        }
        if (k == ckNationalCup) {
            ReceiveGate(home, m.gate_income / 2);
            ReceiveGate(away, m.gate_income / 2);
        } else if (!IsNationalTeamTournament(k)) {
            ReceiveGate(home, m.gate_income);
        }
        if (weekly) {
            PayLoanInterest(home);
            PayLoanInterest(away);
        }
        AdjustStatistics(m);
    }
    RecoverTeamsOfGroup();
}

int ArchiveRound() {
    const GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    switch (gs.match_kind) {
        case ckNationalLeague:
            if (gs.league_turn == 1) return gs.league_round;
            return gs.league_format == 2   ? gs.league_round + 19
                   : gs.league_format == 4 ? gs.league_round + 9
                                           : 0;
        case ckNationalCup:
            return gs.national_cup_match_round;
        case ckStateChampionship:
            return gs.state_league_round + (gs.state_league_phase == 2 ? 5 : 0);
        case ckContinentalCup:
            return gs.continental_cup_round + (gs.continental_cup_phase == 2 ? 3 : 0);
        case ckClubWorldCup:
            return 1;
        case ckSecondContinentalCup:
            return gs.second_cup_round + (gs.second_cup_phase == 2 ? 3 : 0);
        case ckWorldCup:
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            return gs.tournament_round;
        default:
            return 0;
    }
}

void ArchiveMatchEvents(int archived, int match) {
    GameData& gd = Game();
    for (const std::int32_t i : DayMatchEvents(match)) {
        t_match_event copy = gd.match_events[static_cast<std::size_t>(i)];
        copy.match = archived;
        gd.match_event_archive.push_back(copy);
    }
}

void ArchiveDayMatches() {
    GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    const int k = gs.match_kind;
    const int round = ArchiveRound();
    const int group = k == ckNationalLeague || k == ckNationalCup || k == ckContinentalCup ||
                              k == ckSecondContinentalCup
                          ? gd.match_day_group
                      : k == ckStateChampionship ? gd.state_position
                                                 : 0;
    round_ratings().clear();
    const DayEventsIndexed indexed;
    gd.archived_group_first = static_cast<int>(gd.match_archive.size());
    for (int i = 1; i <= gd.day_match_count; ++i) {
        const int a = static_cast<int>(gd.match_archive.size());
        gd.match_archive.emplace_back();
        ArchiveMatchEvents(a, i);
        const jogos& m = gd.day_matches[i];
        {
            t_archived_match& r = gd.match_archive[a];
            r.kind = k;
            r.round = round;
            r.leg = gs.league_turn;
            r.date = TodaysDate();
            r.group = group;
            r.on_penalties = m.on_penalties;
            r.shootout_goals[0] = m.shootout_goals[0];
            r.shootout_goals[1] = m.shootout_goals[1];
            r.gate_income = m.gate_income;
        }
        RateSubstitutes(a, i);
        RateStarters(a, i);
        t_archived_match& r = gd.match_archive[a];
        for (int s = 0; s < 2; ++s) {
            r.team[s] = m.team[s];
            r.goals[s] = m.goals[s];
            if (const t_team* t = TeamAt(m.team[s])) {
                r.style[s] = t->playing_style;
                r.route[s] = t->attack_route;
                r.marking[s] = t->marking;
            }
            const int stats[6] = {m.possession[s],   m.tackles[s], m.shots[s],
                                  m.wrong_passes[s], m.fouls[s],   m.passes[s]};
            std::copy(std::begin(stats), std::end(stats), r.stats[s]);
            std::copy(std::begin(m.lineup[s]), std::end(m.lineup[s]), r.lineup[s]);
            std::copy(std::begin(m.positions[s]), std::end(m.positions[s]), r.positions[s]);
        }
        r.attendance = m.attendance;
        std::copy(std::begin(m.sector_attendance), std::end(m.sector_attendance),
                  r.sector_attendance);
    }
    if (k == ckNationalLeague && gd.day_match_count > 0) {
        const t_competition* c = TableEntry(gd.competitions, gd.day_matches[1].competition);
        const int config = c ? FindLeagueConfig(gd, c->area) : -1;
        if (config >= 0) BuildRoundBestEleven(config);
    }
}

namespace {

// Huge pages only over the room a season is sure to fill, `per_match` records for each of its
// fixtures: a huge page is held whole once written to, and past what a season writes that would
// be memory held for nothing. The room before the first huge page is written first, by the first
// match days of any game, so it is mapped at once rather than fault by fault.
template <class Record>
void AdviseReservedRoom(std::vector<Record>& table, std::size_t fixtures, std::size_t per_match) {
    PrepareForGrowth(table.data(), std::min(table.capacity(), fixtures * per_match) * sizeof(Record));
}

}  // namespace

void ReserveSeasonArchives(GameData& data) {
    // Generous on purpose: room not written to takes address space, not memory. A club plays
    // fewer than 60 matches a season, each with two clubs, 22 starters, a few substitutes and
    // a few dozen events.
    const std::size_t matches = data.teams.size() * 30;
    data.match_archive.reserve(matches);
    data.player_ratings.reserve(matches * 22);
    data.substitute_ratings.reserve(matches * 6);
    data.match_event_archive.reserve(matches * 40);
    // Every match day writes into this room for the first time: huge pages spare the thousands
    // of faults of 4 KiB pages that would otherwise come with the first season's archives. The
    // counts per match are on the low side of what a season shows (22 starters, about four
    // substitutes and eight events a match), and the fixtures drawn so far leave out cup rounds.
    const std::size_t fixtures = data.fixtures.size();
    AdviseReservedRoom(data.match_archive, fixtures, 1);
    AdviseReservedRoom(data.player_ratings, fixtures, 22);
    AdviseReservedRoom(data.substitute_ratings, fixtures, 3);
    AdviseReservedRoom(data.match_event_archive, fixtures, 7);
}

void ArchiveShootout(int match) {
    GameData& gd = Game();
    const jogos* m = DayMatchAt(match);
    if (!m || gd.archived_group_first < 0) return;
    const int a = gd.archived_group_first + match - 1;
    if (!InTable(gd.match_archive, a)) return;
    t_archived_match& r = gd.match_archive[a];
    if (r.team[0] != m->team[0] || r.team[1] != m->team[1]) return;
    r.on_penalties = m->on_penalties;
    r.shootout_goals[0] = m->shootout_goals[0];
    r.shootout_goals[1] = m->shootout_goals[1];
}

}  // namespace kv
