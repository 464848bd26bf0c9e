#pragma once
// A club's season matches: every fixture of the season's list, played or to come, with score,
// competition, attendance and gate; filtered by competition.

#include <functional>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/club_fixtures.h"

namespace kv {

extern const WindowLayout kForm18Layout;

class ComboBox;
class TReportGrid;

class TForm18 : public Form {
  public:
    // The club listed (the caller's fixtures_team).
    explicit TForm18(int club);

    void combo1Change();
    void list1DblClick();

    TReportGrid& Grid() { return *grid_; }
    ComboBox& Filter();

  private:
    void List(int kind);

    int club_ = -1;
    TReportGrid* grid_ = nullptr;
    std::vector<t_fixture_filter> filters_;
};

// Opens the matches of MainWindowSelections().fixtures_team modally.
void ShowClubFixturesWindow();

// The read-only view of an archived match from the home side; set by the match screens.
// Unset, a double click on a played match does nothing.
std::function<void(int archived_match)>& ClubFixturesMatchView();

}  // namespace kv
