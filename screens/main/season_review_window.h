#pragma once
// The window between two seasons: opening it turns the season over; it then shows the champions
// and runners-up of the season just finished, with their coaches, prizes and top scorers.
// "Continuar >>" starts the new season.

#include <functional>
#include <memory>
#include <vector>

#include "game/competition_screens.h"
#include "game/game_windows.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm26Layout;

class CrestImages;
class TReportGrid;

// What comes after "Continuar >>": the main window or the match day. Unset, nothing opens.
std::function<void(NextScreen)>& SeasonReviewNextScreen();

class TForm26 : public Form {
  public:
    TForm26();
    ~TForm26() override;

    int review_season() const { return review_season_; }
    int review_league() const { return review_league_; }
    const std::vector<ReviewRow>& national_rows() const { return national_; }
    const std::vector<ReviewRow>& international_rows() const { return international_; }

    void FillNationalGrid(int config);
    void Continue();

  private:
    void Fill(TReportGrid& grid, const std::vector<ReviewRow>& rows);

    int review_season_ = 0;
    int review_league_ = 0;
    std::vector<ReviewRow> national_;
    std::vector<ReviewRow> international_;
    std::unique_ptr<CrestImages> crests_;
    bool continued_ = false;
};

// Opens the review (and so turns the season over), not modally.
TForm26* ShowSeasonReviewWindow();

}  // namespace kv
