#pragma once
// "Campeões": the roll of honour of one competition, newest first: champion, runner-up, top
// scorer and the champion's coach.

#include <string>
#include <vector>

#include "platform/window/form.h"
#include "platform/window/layout_table.h"
#include "ui/markup/markup_picture_list.h"

namespace kv {

extern const WindowLayout kForm29Layout;

class ComboBox;

class TForm29 : public Form {
  public:
    TForm29();

    void combo1Change();
    void combopaisChange();
    void combo2Change();

    ComboBox& Competitions();
    ComboBox& Countries();
    ComboBox& States();
    // The roll shown, as mark-up, and the competition id it is of.
    const std::string& RollText() const { return text_; }
    int ShownCompetition() const { return shown_competition_; }

  private:
    struct Entry {
        int kind;
        int area;
        int division;
    };
    void FillCompetitionList();
    void ShowCompetition();
    std::string TeamPicture(int team, bool national);

    std::vector<Entry> entries_;
    std::vector<int> states_;
    int league_ = 0;
    int shown_competition_ = 0;
    std::string text_;
    MarkupPictureList crests_{18, 18};
    MarkupPictureList flags_{18, 12};
};

// Opens the roll of honour modally.
void ShowRollOfHonourWindow();

}  // namespace kv
