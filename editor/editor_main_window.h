#pragma once
// The editor's main window: the clubs (or the national teams) in one list, the chosen team's
// details and squad beside it, and the commands that add, edit, delete, search and check them.
// Every change is written to the team's file at once.

#include <string>
#include <vector>

#include "editor/editor_search.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm3Layout;

class ImageList;
class TReportGrid;

class TForm3 : public Form {
  public:
    TForm3();

    void FillClubList();
    void SortByCountry();  // the "País" header
    void FillNationalTeamList();
    void ListClub(int club);
    void ListNationalTeam(int country);
    void xbt1Click();  // "Clubes"
    void xbt2Click();  // "Seleções"
    void bt1Click();   // "Adicionar" a team
    void DeleteClubClick();
    void AddPlayerClick();
    void EditPlayerClick();
    void EditTeamClick();
    void DeletePlayerClick();
    void MovePlayerClick();
    void CopyToNationalTeamDrop();
    void StatusClick(int row);
    void Image1MouseDown();
    void TeamSearchClick();
    void PlayerSearchClick();
    void MarkMissingPictures(bool crests);
    void DuplicatesClick();
    void SquadCheckClick();
    void HomeClick();  // "Início"

    bool national_mode() const { return national_mode_; }
    TReportGrid& ClubList() { return *gridtimes_; }
    TReportGrid& NationalTeamList() { return *gridselecoes_; }
    TReportGrid& SquadList() { return *grid1_; }
    int SelectedSlot();
    // The squad list's marks: 0 reserve, 1 starter, 3 star, 4 no star.
    static const ImageList& ImageList1();
    // The club of each row of the club list, in the list's order.
    std::vector<int> ClubRows();

  private:
    // Scaled by the game's rule and stretched over the work area: the lists take the room the
    // scaled design leaves over.
    void FillWorkArea();
    void ShowPageSchemes();
    void SelectClubRow(int row);
    void FillClubRows(const std::vector<int>& clubs);
    void ShowSquadCounts();
    void KeyDown(int& key);

    TReportGrid* gridtimes_ = nullptr;
    TReportGrid* gridselecoes_ = nullptr;
    TReportGrid* grid1_ = nullptr;
    bool national_mode_ = false;
    TeamSearch team_search_;
    PlayerSearch player_search_;
};

}  // namespace kv
