#pragma once
// The human coaches' club choice: each coach in turn types a name, picks a nationality and a
// club of the league shown. TForm11 shows a league's divisions as panels of radio buttons;
// TForm56 (divisions of 20 in the real-countries mode) as one drop-down list per division.
// When the last coach has chosen, the builder window takes over.

#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "season/new_game_setup.h"

namespace kv {

class ComboBox;
class Edit;
class ImageList;
class RadioButton;
class ScrollBox;

extern const WindowLayout kForm11Layout;
extern const WindowLayout kForm56Layout;

class ClubChoiceWindow : public Form {
  public:
    void Combo1Change();  // shows the league now selected
    void Button1Click();  // confirms the coach's club
    int Coach() const { return coach_; }
    // The league configuration shown.
    int ShownLeague() const { return league_; }

  protected:
    ClubChoiceWindow(std::string name, const WindowLayout& layout);
    // Fills the window's lists for the league's clubs.
    virtual void ShowLists(const std::vector<ClubChoiceList>& lists) = 0;
    // The club chosen in the lists, -1 for none.
    virtual int ChosenClub() const = 0;
    // After a confirmation the chosen club cannot be taken again.
    virtual void ClubTaken(int club) = 0;
    void ClubChosen();  // a club was picked: the button follows
    void UpdateButton();
    NewGameSetup& Setup() const { return *setup_; }
    // Fills the lists: called by each window once its own controls exist.
    void Open();

  private:
    NewGameSetup* setup_ = nullptr;
    std::vector<int> leagues_;  // configuration of each item of the league list
    int league_ = 0;
    int coach_ = 1;
};

class TForm11 : public ClubChoiceWindow {
  public:
    TForm11();
    // The radio button of division d (1-based) slot j, or null when it does not exist.
    RadioButton* ClubButton(int division, int slot) const;
    // Where the division panels stand: it scrolls when a league's divisions reach below the
    // screen (a custom league of 20-club divisions on a short screen).
    ScrollBox& ClubArea() const { return *club_area_; }

  private:
    void ShowLists(const std::vector<ClubChoiceList>& lists) override;
    int ChosenClub() const override;
    void ClubTaken(int club) override;
    struct Division {
        Control* panel = nullptr;
        std::vector<RadioButton*> buttons;
        std::vector<int> clubs;
    };
    std::vector<Division> divisions_;
    ScrollBox* club_area_ = nullptr;
};

class TForm56 : public ClubChoiceWindow {
  public:
    TForm56();
    // The list of division d (1-based; the regional division comes after the last), or null.
    ComboBox* DivisionList(int list) const;

  private:
    void ShowLists(const std::vector<ClubChoiceList>& lists) override;
    int ChosenClub() const override;
    void ClubTaken(int club) override;
    void ListChange(int list);
    ImageList* crests_ = nullptr;  // 18 x 18, as the lists show them
    std::vector<ComboBox*> lists_;
    std::vector<std::vector<int>> clubs_;  // entry k of list d is clubs_[d][k - 1]
};

}  // namespace kv
