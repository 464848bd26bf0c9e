#pragma once
// The round results: every result of the day's competition for one league, state, cup region
// or tournament at a time, with the selected match in detail. "Continuar >>" closes the round
// and opens the screen that comes next.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/competition_screens.h"
#include "game/game_windows.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "ui/markup/picture_container.h"

namespace kv {

extern const WindowLayout kForm67Layout;

class CrestImages;
class TReportGrid;

// What comes after the round close: the main window, the match day, the season review...
// Unset, nothing opens.
std::function<void(NextScreen)>& RoundResultsNextScreen();

class TForm67 : public Form {
  public:
    TForm67();
    ~TForm67() override;

    // The group listed: a league configuration, a cup region or a state.
    int group() const { return group_; }
    const std::vector<ResultsRow>& rows() const { return rows_; }
    int shown_match() const { return shown_match_; }

    void FillResultsGrid();
    void ShowMatch(int match);
    // "Continuar >>".
    void Continue();

  private:
    void SelectRow(int row);
    void OpenSelectedMatch();

    int kind_ = 0;
    int group_ = 0;
    std::vector<int> leagues_;
    std::vector<int> states_;
    std::vector<ResultsRow> rows_;
    int shown_match_ = -1;
    TReportGrid* grid_ = nullptr;
    std::unique_ptr<CrestImages> crests_;
    // The event pictures the line-ups, goals and cards show.
    TPictureContainer icons_;
};

// The match day hands over to the round results: the day's tables are closed and the window
// is shown, not modally.
TForm67* ShowRoundResultsWindow();

}  // namespace kv
