#pragma once
// The penalty window of a computer team against a human team: the computer's taker kicks, the
// human coach watches.

#include "screens/match/penalty_kick_form.h"

namespace kv {

extern const WindowLayout kForm54Layout;

class TForm54 : public PenaltyKickForm {
  public:
    TForm54(int match, int taking_side);

  private:
    std::string LeadIn(int taker) override;
    std::string RunUp() override;
    std::string Result(bool scored) override;
    void ShowText(const std::string& text) override;
    int ResultPause() const override { return 2000; }
};

}  // namespace kv
