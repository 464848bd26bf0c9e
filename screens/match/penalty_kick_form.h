#pragma once
// What the two penalty windows of a shown match share: the kick told in three steps, a lead-in,
// a run-up and the result, two seconds apart, after which the window closes by itself.

#include "match/match_decisions.h"
#include "platform/gfx/picture.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

class Timer;

// What both windows share: the kick told in three steps on timers, and its result.
class PenaltyKickForm : public Form {
  public:
    PenaltyKick result() const { return {taker_, kind_}; }
    // The line-up (its match strength) of the team taking the kick.
    int taking_strength() const { return taking_strength_; }

  protected:
    // A goalkeeper off the pitch still stands in goal when `any_in_goal_slot` (the computer's
    // penalty against a human team).
    PenaltyKickForm(std::string name, int match, int taking_side, bool any_in_goal_slot);
    void StartKick(int taker);
    int keeper() const { return keeper_; }
    // The texts of each step and how long the result stays; the window shows them.
    virtual std::string LeadIn(int taker) = 0;
    virtual std::string RunUp() = 0;
    virtual std::string Result(bool scored) = 0;
    virtual void ShowText(const std::string& text) = 0;
    virtual int ResultPause() const = 0;

    int taker_ = -1;
    int kind_ = 2;

  private:
    int taking_strength_ = -1;
    int keeper_ = -1;
    Timer* timer1_ = nullptr;
    Timer* timer2_ = nullptr;
    Timer* timer3_ = nullptr;
};

}  // namespace kv
