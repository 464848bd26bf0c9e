#include "match/match_day.h"

#include <algorithm>
#include <string_view>

#include "core/field_readers.h"
#include "core/random.h"
#include "core/types.h"
#include "match/automatic_decisions.h"
#include "match/booking.h"
#include "match/brackets.h"
#include "match/day_setup.h"
#include "match/discipline.h"
#include "match/knockout.h"
#include "match/match_engine.h"
#include "match/match_events.h"
#include "match/match_tables.h"
#include "match/result_model.h"
#include "match/zone_engine.h"
#include "season/fixture_list.h"
#include "season/human_involvement.h"
#include "season/player_development.h"
#include "season/player_stats.h"

namespace kv {
namespace {

void RecordEventOfPlayer(int player, int club, int competition, std::string_view key) {
    RecordPlayerEvent(Game(), player, club, competition, key);
}

bool LineupIrregular(int strength) {
    const t_match_strength* s = StrengthAt(strength);
    return s && s->irregular_lineup;
}

bool HasUnplayedFixtureToday(int kind, int owner) {
    const GameData& gd = Game();
    for (int f = 0; f < static_cast<int>(gd.fixtures.size()); ++f)
        if (gd.fixtures[f].kind == kind && gd.fixtures[f].owner == owner && IsFixtureOfToday(f))
            return true;
    return false;
}

int GroupCount(int kind) {
    switch (kind) {
        case ckNationalLeague:
        case ckNationalCup:
            return static_cast<int>(Game().league_configs.size());
        case ckContinentalCup:
            return 5;
        case ckSecondContinentalCup:
            return 3;
        default:
            return 0;
    }
}

int ContinentOfRegion(int region) {
    switch (region) {
        case crSouthAmerica:
            return ctSouthAmerica;
        case crEurope:
            return ctEurope;
        case crAfrica:
            return ctAfrica;
        case crAsia:
            return ctAsia;
        default:
            return -1;
    }
}

class VirtualClock : public MatchClock {
  public:
    void Start(int) override { running = true; }
    void Stop() override { running = false; }
    bool running = false;
};

}  // namespace

MatchDay::MatchDay(MatchClock& clock, MatchDecisions& decisions, MatchDayView* view)
    : clock_(clock), decisions_(decisions), view_(view) {
    // The day's goals, cards and injuries reach the season statistics while a day is played.
    SetPlayerEventRecorder(RecordEventOfPlayer);
}

MatchDay::~MatchDay() {
    SetPlayerEventRecorder(nullptr);
}

void MatchDay::Begin() {
    GameData& gd = Game();
    ReserveMatchDayLists();
    gd.current_match = 1;
    gd.south_second_cup_played = 1;
    gd.substitution_minute = 0;
    gd.half_time = 0;
    gd.half = 1;
    gd.quick_mode = 0;
    gd.clock_tick = 0;
    gd.match_day_calendar_day = gd.game_state.calendar_day;
    gd.results_round_text.clear();
    finished_ = false;
    ClearDayMatches();
    StartFirstGroup();
}

void MatchDay::ClearDayMatches() {
    GameData& gd = Game();
    gd.match_events.clear();
    gd.archived_group_first = -1;
    booked_players().clear();
    gd.day_matches.assign(kDayMatchRecords, jogos{});
    gd.day_match_count = 0;
    gd.human_match_count = 0;
    gd.human_match_rows.fill(0);
}

void MatchDay::StartFirstGroup() {
    GameData& gd = Game();
    const int kind = gd.game_state.match_kind;
    switch (kind) {
        case ckNationalLeague:
        case ckNationalCup:
            gd.match_day_group = 0;
            return StartNextGroup();
        case ckContinentalCup:
        case ckSecondContinentalCup:
            gd.match_day_group = 1;
            return StartNextGroup();
        default:
            break;
    }
    // The other kinds are one group that the window shows (the state championship: its first
    // state).
    SetUpGroupOfKind(kind);
    heading_ = GroupHeading(kind);
    if (gd.day_match_count > 0) return StartOnClock();
    BookGroupResults();
    ContinueAfterGroup();
}

bool MatchDay::ShowsGroup(int group_count) {
    GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    const int kind = gs.match_kind;
    int& group = gd.match_day_group;
    bool show = false;
    if (kind == ckNationalCup && (gs.national_cup_round == 0 || gs.national_cup_round == 1))
        while (group < group_count &&
               FindFixture(gd, group, ckNationalCup, gs.national_cup_round) == -1)
            ++group;
    if (kind == ckNationalLeague || kind == ckNationalCup) {
        int fallback = kind == ckNationalCup ? NationalCupLeagueToShow(gd) : LeagueToShow(gd);
        if (fallback < group) fallback = -1;
        if (group < group_count) {
            const t_league_config& config = gd.league_configs[group];
            show = config.has_human_club || config.show_matches || group == fallback;
            if (kind == ckNationalCup && gs.national_cup_round == 0 &&
                config.country == kHomeCountry)
                show = true;
        }
    }
    if (kind == ckContinentalCup || kind == ckSecondContinentalCup) show = true;
    if (kind == ckSecondContinentalCup && group == crSouthAmerica &&
        !HasUnplayedFixtureToday(ckSecondContinentalCup, crSouthAmerica)) {
        ++group;
        gd.south_second_cup_played = 0;
    }
    if (kind == ckContinentalCup && group >= 1 && group <= 4) {
        show = gs.show_continental_matches[group - 1] != 0 ||
               HumanClubInContinentalCupOf(gd, ContinentOfRegion(group));
    }
    return show;
}

void MatchDay::StartNextGroup() {
    GameData& gd = Game();
    const int kind = gd.game_state.match_kind;
    const int group_count = GroupCount(kind);
    // Quick groups are played here one after the other; a watched group returns to the clock.
    for (;;) {
        const bool show = ShowsGroup(group_count);
        if (gd.match_day_group >= group_count) {
            AdvanceCounters();
            return FinishDay();
        }
        ClearDayMatches();
        gd.substitution_minute = 0;
        gd.half_time = 0;
        gd.half = 1;
        gd.quick_mode = show ? 0 : 1;
        SetUpGroup(kind);
        heading_ = GroupHeading(kind);
        // A group with nothing to play today is booked at once rather than shown empty.
        if (show && gd.day_match_count > 0) return StartOnClock();
        gd.quick_mode = 1;
        PlayGroupQuickly();
        ++gd.match_day_group;
    }
}

void MatchDay::StartOnClock() {
    GameData& gd = Game();
    const int kind = gd.game_state.match_kind;
    gd.quick_mode = 0;
    gd.clock_tick = 0;
    if (kind == ckNationalLeague || kind == ckNationalCup || kind == ckContinentalCup ||
        kind == ckSecondContinentalCup) {
        // Only twelve referees are drawn for a round; later matches have none of their own.
        for (int i = 1; i <= gd.day_match_count; ++i)
            gd.day_matches[i].referee = i <= 12 ? gd.game_state.round_referees[i - 1] : 0;
    }
    interval_ = GroupInterval();
    if (view_) view_->GroupStarted(heading_, true);
    StartClock();
}

int MatchDay::GroupInterval() const {
    const GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    bool human = false;
    switch (gs.match_kind) {
        case ckFriendly:
            human = true;
            break;
        case ckNationalLeague:
            human = HumanClubInLeague(gd);
            break;
        case ckNationalCup:
            human = HumanClubInNationalCup(gd);
            break;
        case ckStateChampionship:
            human = HumanClubInStateLeague(gd);
            break;
        case ckContinentalCup:
            human = gd.match_day_group >= 3 ||
                    HumanClubInContinentalCupOf(gd, ContinentOfRegion(gd.match_day_group));
            break;
        case ckClubWorldCup:
            human = HumanClubInClubWorldCup(gd);
            break;
        case ckSecondContinentalCup:
            human = HumanClubInSecondCupOf(gd, ContinentOfRegion(gd.match_day_group));
            break;
        case ckWorldCup:
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            human = HumanTeamInNationalTournament(gd);
            break;
        case ckSuperCup:
            human = HumanClubInSuperCup(gd);
            break;
        default:
            break;
    }
    return human ? gs.match_delay : gs.match_delay_no_humans;
}

void MatchDay::StartClock() {
    clock_running_ = true;
    clock_.Start(interval_);
}

void MatchDay::StopClock() {
    clock_running_ = false;
    clock_.Stop();
}

void MatchDay::KickOff() {
    GameData& gd = Game();
    gd.goal_schedule.clear();
    for (int i = 1; i <= gd.day_match_count; ++i) {
        jogos& m = gd.day_matches[i];
        for (int side = 0; side < 2; ++side) {
            const t_match_strength* s = StrengthAt(m.strength_slot[side]);
            for (int slot = 0; slot < 11; ++slot) {
                m.lineup[side][slot] = s ? s->players[slot] : 0;
                m.positions[side][slot] = s ? s->slot_positions[slot] : 0;
            }
        }
        ScheduleGoals(i);
    }
}

void MatchDay::ScheduleGoals(int match) {
    GameData& gd = Game();
    const jogos* m = DayMatchAt(match);
    if (!m) return;
    const t_team* h = TeamAt(m->team[0]);
    const t_team* a = TeamAt(m->team[1]);
    const int kind = gd.game_state.match_kind;
    int r = RatingDifference(m->strength_slot[0], m->strength_slot[1]);
    r += (h ? h->reputation : 0) - (a ? a->reputation : 0);
    r = std::clamp(r, -kMaxRatingDifference, kMaxRatingDifference);
    const bool neutral = m->team[0] >= ClubCount(gd) || kind == ckClubWorldCup;
    const bool cup = kind == ckNationalCup || kind == ckContinentalCup ||
                     kind == ckSecondContinentalCup || kind == ckSuperCup;
    const PreMatchOutcome result = PreMatchResult(r, neutral, cup);
    ReseedFromClockMidPlay();
    const int goals =
        std::clamp(result.home_goals, 0, kLastTick) + std::clamp(result.away_goals, 0, kLastTick);
    const int total = std::min(goals, kLastTick);
    int ticks[kLastTick];
    for (int g = 0; g < total; ++g) {
        int t;
        do t = RandInt(kLastTick) + 1;
        while (std::find(ticks, ticks + g, t) != ticks + g);
        ticks[g] = t;
        const int side = g < result.home_goals ? 1 : 2;
        gd.goal_schedule.push_back({match, side, t});
    }
}

void MatchDay::PlayGroupQuickly() {
    GameData& gd = Game();
    gd.substitution_minute = 0;
    gd.half_time = 0;
    KickOff();
    gd.clock_tick = 0;
    const int count = gd.day_match_count;
    for (int tick = 1; tick <= kLastTick; ++tick) {
        MarkScheduledGoals(tick, goal_marks_);
        for (int i = 1; i <= count; ++i) {
            jogos& m = gd.day_matches[i];
            if (tick <= kSecondHalfLastTick || tick <= m.last_tick) PlayTick(i, nullptr);
            if (goal_marks_[static_cast<std::size_t>(i)]) ReleaseScheduledGoals(tick, i, nullptr);
        }
    }
    BookGroupResults();
}

int MatchDay::LineupSideOf(int match) const {
    const jogos* m = DayMatchAt(match);
    if (!m) return 1;
    return IsHumanTeam(m->team[1]) && !IsHumanTeam(m->team[0]) ? 2 : 1;
}

void MatchDay::ChangeLineup(int match, int side) {
    GameData& gd = Game();
    gd.current_match = match;
    gd.lineup_side = side;
    decisions_.ChangeLineup(match, side);
}

void MatchDay::OnClockFired() {
    if (in_tick_ || finished_) return;
    GameData& gd = Game();
    in_tick_ = true;
    StopClock();
    if (gd.clock_tick == 0) KickOff();
    const int tick = ++gd.clock_tick;
    if (tick == 1) gd.half = 1;
    MarkScheduledGoals(tick, goal_marks_);
    for (int i = 1; i <= gd.day_match_count; ++i) {
        jogos& m = gd.day_matches[i];
        int e = -1;
        if (tick <= kSecondHalfLastTick || m.last_tick >= tick) e = PlayTick(i, &decisions_);
        if (goal_marks_[static_cast<std::size_t>(i)]) ReleaseScheduledGoals(tick, i, view_);
        if (e < 0) continue;
        if (view_) view_->EventHappened(e);
        const t_match_event ev = gd.match_events[e];
        // A human club's player sent off: its coach rearranges the team at once.
        if (ev.kind == meCard && ev.value > 1 && IsHumanTeam(ev.team))
            ChangeLineup(i, ev.team == m.team[0] ? 1 : 2);
    }
    if (view_) view_->ClockTicked(tick);
    if (tick == kFirstHalfLastTick) {
        gd.lineup_side = 1;
        gd.half_time = 1;
        if (gd.game_state.halftime_window && gd.game_state.human_count > 0)
            for (int r = 0; r < gd.human_match_count; ++r) {
                const int match = gd.human_match_rows[r];
                ChangeLineup(match, LineupSideOf(match));
            }
        gd.half = 2;
        gd.half_time = 0;
        if (view_) view_->SecondHalfStarts();
    }
    if (tick == kLastTick) {
        gd.clock_tick = 0;
        in_tick_ = false;
        BookGroupResults();
        return ContinueAfterGroup();
    }
    in_tick_ = false;
    StartClock();
}

void MatchDay::SetSpeedKey(int key) {
    static constexpr int kDelays[] = {3000, 2000, 600, 300, 100, 50};
    if (key < 1 || key > 6) return;
    GameData& gd = Game();
    gd.game_state.match_delay = kDelays[key - 1];
    interval_ = gd.game_state.match_delay;
    if (clock_running_ && !in_tick_) StartClock();
}

void MatchDay::PauseForLineup(int match) {
    if (finished_ || !DayMatchAt(match) || match > Game().day_match_count) return;
    // Inside a tick the clock is already stopped; the tick starts it again when it ends.
    const bool restart = clock_running_;
    StopClock();
    ChangeLineup(match, LineupSideOf(match));
    if (restart && !Game().half_time) StartClock();
}

void MatchDay::BookGroupResults() {
    GameData& gd = Game();
    gd.results_heading = heading_;
    StopClock();
    BookGroupMatches();
    const bool shown = !gd.quick_mode;
    const bool shootouts = CompletesTwoLeggedTies() && DecideTwoLeggedTies(&decisions_);
    if (shootouts && shown && view_) view_->ShootoutsDecided();
    try {
        ArchiveDayMatches();
    } catch (...) {
        // Only the archive is guarded: a failure there leaves the day's results booked.
    }
    if (view_) view_->GroupBooked(shown);
}

void MatchDay::ContinueAfterGroup() {
    GameData& gd = Game();
    bool shootouts = false;
    switch (gd.game_state.match_kind) {
        case ckNationalLeague:
        case ckNationalCup:
        case ckContinentalCup:
        case ckSecondContinentalCup:
            ++gd.match_day_group;
            return StartNextGroup();
        case ckStateChampionship:
            return FinishStateRound();
        case ckClubWorldCup:
            shootouts = FinishClubWorldCupDay(&decisions_);
            break;
        case ckWorldCup:
            shootouts = FinishWorldCupDay(&decisions_);
            break;
        case ckAmericasNationsCup:
        case ckEuropeanNationsCup:
            shootouts = FinishNationsCupDay(&decisions_);
            break;
        case ckSuperCup:
            shootouts = FinishSuperCup(&decisions_);
            break;
        default:
            break;
    }
    if (shootouts && view_) view_->ShootoutsDecided();
    FinishDay();
}

void MatchDay::StoreStateFinals() {
    GameData& gd = Game();
    const t_game_state& gs = gd.game_state;
    if (gs.state_league_phase != 2 || gd.day_match_count < 1) return;
    if (gd.state_position < 0 || gd.state_position >= kStateCount) return;
    t_state_league& s = gd.state_leagues[gd.state_position];
    const jogos& m = gd.day_matches[1];
    if (gs.state_league_round == 6) {
        s.final_goals_a1 = m.goals[1];
        s.final_goals_b1 = m.goals[0];
    } else if (gs.state_league_round == 7) {
        s.final_goals_a2 = m.goals[0];
        s.final_goals_b2 = m.goals[1];
    }
}

void MatchDay::FinishStateRound() {
    GameData& gd = Game();
    for (;;) {
        StoreStateFinals();
        int next = -1;
        for (int s = 0; s < kStateCount && next < 0; ++s)
            if (gd.state_leagues[s].active && !gd.state_leagues[s].round_played) next = s;
        if (next < 0) break;
        gd.state_position = next;
        gd.half = 1;
        ClearDayMatches();
        gd.substitution_minute = 0;
        gd.half_time = 0;
        const bool shown = gd.state_leagues[next].has_human_club;
        gd.quick_mode = shown ? 0 : 1;
        SetUpStateGroup();
        heading_ = GroupHeading(ckStateChampionship);
        if (shown && gd.day_match_count > 0) return StartOnClock();
        gd.quick_mode = 1;
        PlayGroupQuickly();
    }
    AdvanceCounters();
    FinishDay();
}

void MatchDay::AdvanceCounters() {
    GameData& gd = Game();
    t_game_state& gs = gd.game_state;
    switch (gs.match_kind) {
        case ckNationalLeague: {
            DevelopPlayers(gd);
            CountUpTo(gs.league_round, kLastRound);
            const int last = gs.league_format == 4 ? 10 : 20;
            if (gs.league_round >= last) {
                if (gs.league_turn == 1) {
                    gs.league_turn = 2;
                    gs.league_round = 1;
                } else {
                    gd.league_season_over = 1;
                }
            }
            break;
        }
        case ckNationalCup:
            if (gs.national_cup_leg == 1) {
                gs.national_cup_leg = 2;
            } else {
                CountUpTo(gs.national_cup_round, kLastRound);
                gs.national_cup_leg = 1;
            }
            break;
        case ckSecondContinentalCup:
        case ckContinentalCup: {
            const bool second = gs.match_kind == ckSecondContinentalCup;
            int& round = second ? gs.second_cup_round : gs.continental_cup_round;
            int& leg = second ? gs.second_cup_leg : gs.continental_cup_leg;
            int& phase = second ? gs.second_cup_phase : gs.continental_cup_phase;
            if (second || round >= 4) {
                if (leg == 1) {
                    leg = 2;
                } else {
                    if (round >= 4) CountUpTo(round, kLastRound);
                    leg = 1;
                }
            }
            if (round < 4) {
                CountUpTo(round, kLastRound);
                if (round == 4 && phase == 1) {
                    round = 1;
                    phase = 2;
                }
            }
            break;
        }
        case ckStateChampionship: {
            CountUpTo(gs.state_league_round, kLastRound);
            if (gs.state_league_round == 6 && gs.state_league_phase == 1) {
                gs.state_league_phase = 2;
                gs.state_league_round = 1;
            }
            if (!HumanClubInStateLeague(gd)) {
                int shown = -1;
                for (int s : {25, 18, 10})
                    if (shown < 0 && gd.state_leagues[s].active) shown = s;
                for (int s = 0; shown < 0 && s < kStateCount; ++s)
                    if (gd.state_leagues[s].active) shown = s;
                if (shown >= 0) gd.state_position = shown;
            }
            DevelopPlayers(gd);
            break;
        }
        default:
            break;
    }
}

void MatchDay::FinishDay() {
    GameData& gd = Game();
    StopClock();
    // The "took part" mark has served the day's development; the next day sets it afresh.
    gd.ResetMatchMarks([](t_player& p) { p.played_match = 0; });
    finished_ = true;
    if (view_) view_->DayFinished();
}

bool ScheduledGoalsCount(int match) {
    const jogos* m = DayMatchAt(match);
    return m && !LineupIrregular(m->strength_slot[0]) && !LineupIrregular(m->strength_slot[1]);
}

void MarkScheduledGoals(int tick, std::vector<std::uint8_t>& marks) {
    const GameData& gd = Game();
    marks.assign(static_cast<std::size_t>(std::max(gd.day_match_count, 0)) + 1, 0);
    for (const t_scheduled_goal& g : gd.goal_schedule)
        if (g.tick == tick && g.match >= 0 && static_cast<std::size_t>(g.match) < marks.size())
            marks[static_cast<std::size_t>(g.match)] = 1;
}

int ReleaseScheduledGoals(int tick, int match, MatchDayView* view) {
    GameData& gd = Game();
    if (!ScheduledGoalsCount(match)) return 0;
    jogos& m = gd.day_matches[match];
    int released = 0;
    for (std::size_t i = 0; i < gd.goal_schedule.size(); ++i) {
        const t_scheduled_goal g = gd.goal_schedule[i];
        if (g.tick != tick || g.match != match || (g.side != 1 && g.side != 2)) continue;
        const int own = g.side - 1;
        const bool own_goal = RandInt(40) < 2;
        const t_match_strength* s = StrengthAt(m.strength_slot[own_goal ? 1 - own : own]);
        const int scorer = s ? ChooseScorer(*s, -1, own_goal ? -2 : -1) : -1;
        if (scorer <= 0) continue;
        const int e = RecordMatchEvent(g.side, scorer, match, -1, meGoal);
        m.goals[own] += 1;
        m.shots[own] += 1;
        ++released;
        if (e >= 0 && view) view->EventHappened(e);
    }
    return released;
}

void PlayWholeMatchDay(MatchDecisions& decisions, MatchDayView* view) {
    VirtualClock clock;
    MatchDay day(clock, decisions, view);
    day.Begin();
    while (!day.finished() && clock.running) day.OnClockFired();
}

void PlayWholeMatchDay() {
    AutomaticDecisions decisions;
    PlayWholeMatchDay(decisions);
}

}  // namespace kv
