#pragma once
// "Retrospecto": one club's record season by season, newest first, with its competitions,
// placings and coaches, and the line that counts its titles.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm55Layout;

class TReportGrid;

class TForm55 : public Form {
  public:
    // The club whose record is shown (the caller's history_club); below 0 the window stays empty.
    explicit TForm55(int club);
    TReportGrid& Grid() { return *grid_; }

  private:
    TReportGrid* grid_ = nullptr;
};

// Opens the record of MainWindowSelections().history_club modally.
void ShowClubRecordWindow();

}  // namespace kv
