#pragma once
// The injury replacement: a human team's player is hurt during a shown match, and its coach
// chooses who comes on from the bench (a goalkeeper for a goalkeeper when there is one). With
// nobody left on the bench the team plays on one short.

#include "platform/window/form.h"
#include "platform/window/image_list.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm53Layout;

class TForm53 : public Form {
  public:
    TForm53(int match, int side, int injured_player);
    // The bench player chosen, or -1 for nobody.
    int result() const { return result_; }
    // The hurt player's line-up (its match strength) and the hurt player.
    int strength() const { return strength_; }
    int injured() const { return injured_; }
    // "Substituir": the selected player comes on; "Fechar" with nobody to offer.
    void Bt1Click();

  private:
    int result_ = -1;
    int strength_ = -1;
    int injured_ = -1;
    bool nobody_ = false;
    ImageList stars_{12, 12};
};

}  // namespace kv
