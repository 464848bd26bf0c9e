#pragma once
// "Opções": each choice changes its field of the running game at once and writes its key to the
// options file, so future new games follow it. The league list's ticks live in the game only.

#include <functional>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm32Layout;

class TReportGrid;

class TForm32 : public Form {
  public:
    TForm32();
    void FormCreate();
    void list1Click(int row);  // flips the league's tick
    void CloseClick();         // "X" and Escape
    TReportGrid& Leagues() { return *list1_; }

  private:
    TReportGrid* list1_ = nullptr;
};

// Repaints the main window's squad list after a change of its colours; the main window fills
// it while it is open, and it stays empty otherwise.
std::function<void()>& RefreshSquadListHook();

// The game menu's "Opções" (and F3).
void ShowOptionsWindow();

}  // namespace kv
