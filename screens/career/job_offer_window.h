#pragma once
// The clubs inviting a human coach to be their coach, each with its squad, and the coach's
// answer: one of them, or none.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm30Layout;

class ImageList;

class TForm30 : public Form {
  public:
    // The offers of job_offers to t_game_state.current_coach.
    TForm30();

  private:
    void ShowSquad(int place);
    void bt3Click();

    ImageList* star_images_ = nullptr;
};

// Shows the offers modally; the offers are cleared when it closes. True when the coach took
// one.
bool ShowJobOfferWindow();

}  // namespace kv
