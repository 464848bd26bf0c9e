#pragma once
// The match-day window: every match of the group being played, one row each, with the score
// and the last event as they happen on the clock, the half, the minute and the speed keys.
// The day itself is played by the match-day controller; this window is its view and its clock,
// and asks the human coaches through the match windows.

#include <array>
#include <functional>
#include <memory>

#include "game/game_windows.h"
#include "match/match_day.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm46Layout;

class Control;
class Image;
class Label;
class Shape;
class Timer;
class TMarkupLabel;

class TForm46 : public Form, public MatchDayView, public MatchClock {
  public:
    // The decisions of the human coaches; the match windows when none is given.
    explicit TForm46(MatchDecisions* decisions = nullptr);
    ~TForm46() override;

    MatchDay& day() { return *day_; }
    Timer& match_timer() { return *match_timer_; }
    // The division shown in the second block of a league day (2 to 4).
    int shown_division() const { return shown_division_; }

    // MatchDayView
    void GroupStarted(const std::string& heading, bool shown) override;
    void EventHappened(int event) override;
    void ClockTicked(int tick) override;
    void SecondHalfStarts() override;
    void GroupBooked(bool shown) override;
    void ShootoutsDecided() override;
    void DayFinished() override;
    // MatchClock
    void Start(int interval_ms) override;
    void Stop() override;

    // A click on row r (1..40): the in-match line-up of that match.
    void RowClick(int row);
    // The links above a league's second block: its division 2, 3 or 4.
    void ShowDivision(int division);

  private:
    void BuildRows();
    void LayOutRows();
    void ShowRow(int row, bool visible);
    void PlaceRow(int row, int top);
    void ShowFrame(int frame, int first_row, int last_row, const std::string& heading);
    void FillRow(int row);
    void ClearEventColumn();
    void MarkDivisionLinks();
    void KeyPressed(int& key, ShiftState shift);
    void HandOver();
    int Scaled(int design) const;

    // A row's controls, found once when the rows are made: the day looks them up at every
    // event. `all` in the order the row is placed in, left to right.
    static constexpr int kRowControls = 13;
    struct RowControls {
        std::array<Control*, kRowControls> all{};
        Label* venue = nullptr;
        Label* attendance = nullptr;
        std::array<Shape*, 2> team_back{};
        std::array<Label*, 2> team{};
        std::array<Image*, 2> crest{};
        std::array<TMarkupLabel*, 2> score{};
        Image* event_icon = nullptr;
        TMarkupLabel* event_text = nullptr;
    };
    static constexpr int kRowCount = 40;
    std::array<RowControls, kRowCount + 1> rows_{};  // 1..40

    std::unique_ptr<MatchDecisions> own_decisions_;
    std::unique_ptr<MatchDay> day_;
    Timer* match_timer_ = nullptr;
    Timer* start_timer_ = nullptr;
    Timer* hand_over_timer_ = nullptr;
    int row_height_ = 17;
    int row_top_ = 60;
    int row_step_ = 20;
    int shown_division_ = 2;
    int second_block_top_ = 0;  // in the rows' design pixels
    bool started_ = false;
};

// What the match-day window hands over to when the day is over (the round results window
// sets it). Unset, the round is closed the way the game without windows closes it and the
// next screen comes through MatchDayNextScreen.
std::function<void()>& MatchDayHandOver();
// Where the game goes after a round closed without the round results window.
std::function<void(NextScreen)>& MatchDayNextScreen();

// Opens the match-day window on the prepared round, not modally.
TForm46* ShowMatchDayWindow();

}  // namespace kv
