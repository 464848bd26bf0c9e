#pragma once
// The taker order of a penalty shoot-out: each human coach whose team is in it moves his
// players on the pitch, one by one or all at once, into the order they kick in; then the
// shoot-out window plays the kicks.

#include <optional>

#include "match/match_decisions.h"
#include "platform/window/form.h"
#include "platform/window/image_list.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm37Layout;

class TForm37 : public Form {
  public:
    TForm37(int team_a, int team_b);
    // The shoot-out's score once its window has closed.
    const std::optional<ShootoutScore>& score() const { return score_; }
    int choosing_team() const { return choosing_; }

    void SchemeButton2Click();  // ">>": the selected player kicks next
    void Bt1Click();            // "Automático": the rest in listing order, last first
    void BtpClick();            // "Próximo >>"

  private:
    void FillAvailable(int team);
    void MoveRow(int row);

    int teams_[2];
    int humans_ = 1;
    int choosing_ = -1;
    bool second_turn_ = false;
    std::optional<ShootoutScore> score_;
    ImageList stars_{12, 12};
};

}  // namespace kv
