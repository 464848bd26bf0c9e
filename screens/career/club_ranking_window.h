#pragma once
// "Ranking de clubes": a league's clubs, or every league's ("Internacional"), ranked by the
// points of their placings, by the table points of all seasons or by reputation.

#include <deque>

#include "platform/gfx/picture.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm71Layout;

class ComboBox;
class TReportGrid;

class TForm71 : public Form {
  public:
    TForm71();

    // 1 placement, 2 points, 3 reputation.
    void ShowRanking(int ranking);
    void combopaisChange();

    int Ranking() const { return ranking_; }
    TReportGrid& Placements() { return *listr1_; }
    TReportGrid& Points() { return *listr2_; }
    ComboBox& Countries();
    // The league the lists cover, -1 for all of them.
    int ChosenLeague();

  private:
    void FillPlacements(bool reputation);
    void FillPoints();
    void ApplyContinentHeaders(TReportGrid& grid, int suffix);
    int CrestOf(int team);

    TReportGrid* listr1_ = nullptr;
    TReportGrid* listr2_ = nullptr;
    int ranking_ = 1;
    int points_built_for_ = -2;
    std::deque<Picture> crests_;  // every crest loaded, kept until the window closes
};

// Opens the club ranking modally.
void ShowClubRankingWindow();

}  // namespace kv
