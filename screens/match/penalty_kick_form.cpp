#include "screens/match/penalty_kick_form.h"

#include "match/match_tables.h"
#include "match/penalty_kick.h"
#include "platform/window/keys.h"
#include "platform/window/timer.h"

namespace kv {

PenaltyKickForm::PenaltyKickForm(std::string name, int match, int taking_side,
                                 bool any_in_goal_slot)
    : Form(std::move(name)) {
    key_preview = true;
    const jogos* m = DayMatchAt(match);
    const int side = taking_side == 2 ? 2 : 1;
    taking_strength_ = m ? m->strength_slot[side - 1] : -1;
    // The goalkeeper is chosen afresh for every penalty.
    keeper_ = m ? PenaltyGoalkeeper(m->strength_slot[2 - side], any_in_goal_slot) : -1;
    timer1_ = &AddComponent<Timer>("Timer1");
    timer2_ = &AddComponent<Timer>("Timer2");
    timer3_ = &AddComponent<Timer>("Timer3");
    for (Timer* t : {timer1_, timer2_, timer3_}) {
        t->SetEnabled(false);
        t->SetInterval(2000);
    }
    timer1_->on_timer = [this] {
        timer1_->SetEnabled(false);
        ShowText(RunUp());
        timer2_->SetEnabled(true);
    };
    timer2_->on_timer = [this] {
        timer2_->SetEnabled(false);
        const bool scored = PenaltyScored(taker_, keeper_);
        kind_ = scored ? 1 : 2;
        ShowText(Result(scored));
        timer3_->SetInterval(ResultPause());
        timer3_->SetEnabled(true);
    };
    timer3_->on_timer = [this] {
        timer3_->SetEnabled(false);
        Close();
    };
    // Every key is swallowed: the kick is taken and the window closes by itself.
    on_key_down = [](int& key, ShiftState) { key = 0; };
    on_close = [](CloseAction& action) { action = caFree; };
}

void PenaltyKickForm::StartKick(int taker) {
    taker_ = taker;
    ShowText(LeadIn(taker));
    timer1_->SetEnabled(true);
}

}  // namespace kv
