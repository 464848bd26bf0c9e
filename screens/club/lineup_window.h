#pragma once
// The line-up and tactics window: the coach drags his players from the squad list onto 18
// shirts on a pitch (or lets a formation choose them), sets the club's tactics, captain, taker
// and kit, and "Jogar >>" writes today's line-up and ends his turn.

#include <functional>
#include <memory>
#include <vector>

#include "match/human_lineup.h"
#include "platform/gfx/picture.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm87Layout;

class ImageList;
class TReportGrid;

class TForm87 : public Form {
  public:
    // `national`: opened from the national-team hub; `opponent`: today's opponent, -1 none.
    TForm87(bool national, int opponent);

    HumanLineup& lineup() { return *lineup_; }
    // "Jogar >>" wrote the line-up: the turn is over.
    bool played() const { return played_; }

    // Handlers, by the controls that raise them.
    void GridDropOnShirt(int shirt);  // the chosen list row dropped on a shirt
    void ShirtDropOnShirt(int from, int to);
    void ShirtDropOnPitch(int shirt, int x, int y);  // pitch picture pixels
    void CombtatClick();
    void BtIrprojogoClick();
    void BtVoltarClick();
    void UiGlowButton1Click();  // the saved tactics
    // Shirts, captions and list rows again from the line-up (after a load).
    void RefreshLineup();

  private:
    void FillSquadList();
    void FillCombos();
    void ShowOpponentAndKits(int opponent);
    void CreateShirts();
    void RefreshShirt(int shirt);
    void RefreshRows();
    void ChooseKit(int kit);
    int SelectedPlayer();
    double Scale();

    std::unique_ptr<HumanLineup> lineup_;
    bool played_ = false;
    bool national_ = false;
    Picture plain_, kit_, keeper_, bench_;
    bool kit_file_ = false;  // the club has a first-kit picture of its own
    ImageList* icons_ = nullptr;
    ImageList* availability_ = nullptr;
    std::vector<int> combo_players_;
};

// Opens the line-up window modally on the user club; true when "Jogar >>" ended the turn (the
// caller hands it on).
bool ShowLineupWindow(bool national, int opponent);

}  // namespace kv
