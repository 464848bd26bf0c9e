#pragma once
// The penalty window of a human team: its coach chooses the taker among his players on the
// pitch, then the kick is played out.

#include "platform/window/image_list.h"
#include "screens/match/penalty_kick_form.h"

namespace kv {

extern const WindowLayout kForm34Layout;

class TForm34 : public PenaltyKickForm {
  public:
    TForm34(int match, int taking_side);
    // "Bater": the selected player takes the kick.
    void Bt1Click();

  private:
    std::string LeadIn(int taker) override;
    std::string RunUp() override;
    std::string Result(bool scored) override;
    void ShowText(const std::string& text) override;
    int ResultPause() const override { return 2500; }
    ImageList stars_{12, 12};
};

}  // namespace kv
