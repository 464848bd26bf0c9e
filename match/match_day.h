#pragma once
// The match day without its window: sets up each group of the day, plays a watched group tick by
// tick on the clock it is given and every other group at once, asks the decisions where a human
// coach would decide, books the results, settles the knock-out ties and hands over to the round
// results. The match-day window implements MatchDayView and MatchClock; PlayWholeMatchDay runs
// a day with no window at all.

#include <cstdint>
#include <string>
#include <vector>

#include "match/match_decisions.h"

namespace kv {

// What the match-day window shows; every call has a default that does nothing.
class MatchDayView {
  public:
    virtual ~MatchDayView() = default;
    // The rows are day_matches 1..day_match_count; `shown` when the group plays on the clock.
    virtual void GroupStarted(const std::string& heading, bool shown) {
        (void)heading;
        (void)shown;
    }
    // An event of match_events to show in its row.
    virtual void EventHappened(int event) { (void)event; }
    // After each tick of a watched group (clock_tick, half).
    virtual void ClockTicked(int tick) { (void)tick; }
    // Half time is over (at the end of the first half's last tick, after the half-time
    // line-ups): the first half's events leave the rows.
    virtual void SecondHalfStarts() {}
    // The group's results are booked; `shown` when it played on the clock (the end-of-match
    // sound is for shown groups only), not for a group computed at once.
    virtual void GroupBooked(bool shown) { (void)shown; }
    // Level ties of a shown group went to shoot-outs (a two-legged tie, a super cup or a bracket
    // of single matches): "Desempate por Penaltis" and a short pause.
    virtual void ShootoutsDecided() {}
    // The last group is booked: close and open the round results.
    virtual void DayFinished() {}
};

// The timer that drives a watched group; it calls MatchDay::OnClockFired on every firing.
class MatchClock {
  public:
    virtual ~MatchClock() = default;
    virtual void Start(int interval_ms) = 0;
    virtual void Stop() = 0;
};

class MatchDay {
  public:
    MatchDay(MatchClock& clock, MatchDecisions& decisions, MatchDayView* view = nullptr);
    ~MatchDay();
    MatchDay(const MatchDay&) = delete;
    MatchDay& operator=(const MatchDay&) = delete;

    // The window opens: the day's state is reset and the first group set up (and, when nobody
    // watches any group, played through).
    void Begin();

    // One tick of the watched group. A firing that comes while a tick is being played (a modal
    // window opened inside it may re-enable the clock) is dropped.
    void OnClockFired();

    // F1..F6 (1..6): the delay per tick, kept in the game state.
    void SetSpeedKey(int key);

    // Enter, Space or a click on a row: the clock stops and the coach changes the line-up of
    // `match`; the clock goes on afterwards unless it is half time.
    void PauseForLineup(int match);

    bool finished() const { return finished_; }
    const std::string& heading() const { return heading_; }
    int interval() const { return interval_; }

    // The kick-off of every day match of the group: line-ups into the day matches and the goals
    // the result model schedules.
    static void KickOff();
    static void ScheduleGoals(int match);

  private:
    void ClearDayMatches();
    void StartFirstGroup();
    void StartNextGroup();
    bool ShowsGroup(int group_count);
    void StartOnClock();
    void PlayGroupQuickly();
    void BookGroupResults();
    void ContinueAfterGroup();
    void FinishStateRound();
    void StoreStateFinals();
    void AdvanceCounters();
    void FinishDay();
    int GroupInterval() const;
    int LineupSideOf(int match) const;
    void ChangeLineup(int match, int side);
    void StartClock();
    void StopClock();

    MatchClock& clock_;
    MatchDecisions& decisions_;
    MatchDayView* view_;
    std::string heading_;
    int interval_ = 1000;
    bool in_tick_ = false;
    bool clock_running_ = false;
    bool finished_ = false;
    // Day matches with a goal scheduled at the tick being played (MarkScheduledGoals).
    std::vector<std::uint8_t> goal_marks_;
};

// Sets marks[m] for every day match m with a goal scheduled at `tick`, and clears the others:
// one read of the schedule per tick instead of one per match.
void MarkScheduledGoals(int tick, std::vector<std::uint8_t>& marks);

// Whether the goals the result model scheduled at kick-off count in day match `match`: not while
// either line-up is irregular, when only the goals the engine makes itself count.
bool ScheduledGoalsCount(int match);

// The goals scheduled for `tick` in day match `match`, each booked as a goal event (an own goal
// now and then) and shown in `view` when given. Returns how many were booked.
int ReleaseScheduledGoals(int tick, int match, MatchDayView* view);

// The whole match day now, on a virtual clock, with the given decisions (the automatic ones when
// none): what the game runs when nobody watches.
void PlayWholeMatchDay();
void PlayWholeMatchDay(MatchDecisions& decisions, MatchDayView* view = nullptr);

}  // namespace kv
