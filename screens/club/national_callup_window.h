#pragma once
// The call-up of a human coach's national team: he searches the players of his country who
// play for clubs, moves them into the call-up list (at most 3 goalkeepers and 20 outfield
// players) and "Continuar >>" makes that list the national team's squad for the tournament.

#include <memory>

#include "game/callup_selection.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm77Layout;

class TForm77 : public Form {
  public:
    // `team`: the national team being called up.
    explicit TForm77(int team);

    const CallUpList& list() const { return *list_; }
    // Handlers, by the controls that raise them.
    void SchemeButton3Click();  // "Procurar"
    void SchemeButton1Click();  // ">>"
    void SchemeButton2Click();  // "<<"
    void Bt2Click();            // "Continuar >>"
    // The filters as the controls hold them.
    CallUpFilter Filter();

  private:
    void RefreshButtons();
    int RowPlayer(const char* grid, const char* column);

    int team_;
    std::unique_ptr<CallUpList> list_;
};

// Shows the call-up modally; true when the squad was swapped.
bool ShowNationalCallUpWindow(int team);

}  // namespace kv
