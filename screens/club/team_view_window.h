#pragma once
// The team view: any club of the game, chosen in a tree of countries and divisions, with its
// panel, its squad and the card of the chosen player. From it the user club buys a listed
// player, makes an offer for any player or takes one on loan.

#include <string>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "ui/markup/picture_container.h"

namespace kv {

class GameData;

extern const WindowLayout kForm14Layout;

class TForm14 : public Form {
  public:
    explicit TForm14(int team);

    int viewed_team() const { return viewed_team_; }
    // The club shown, its squad and the buttons again.
    void ShowTeam(int team);
    // The player of the chosen squad row, -1 when none.
    int SelectedPlayer();
    void Bt1Click();  // "Comprar"
    void Bt2Click();  // "Fazer uma oferta"
    void Bt4Click();  // "Pegar por empréstimo"
    void ShowMessageLine(const std::string& text);
    // The player panel shows the card (true) or the player's career.
    void SetCardMode(bool card);
    bool card_mode() const { return card_mode_; }

  private:
    void BuildTeamTree();
    void SelectPlayerRow(int row);
    void ShowPlayerCard(int player);
    void RefreshMoney();
    void LinkHistories();
    void OpenPlayerHistory();

    int viewed_team_ = -1;
    bool card_mode_ = true;
    TPictureContainer icons_;  // the career page's column titles
};

// Opens the team view modally on the team; the player search and the main window use this.
void ShowTeamView(int team);

// The player card of the team view, as mark-up.
std::string TeamViewPlayerCard(const GameData& data, int player);
// The player panel in history mode: the card's first line and the first page of his career.
std::string TeamViewPlayerHistory(GameData& data, int player);

}  // namespace kv
