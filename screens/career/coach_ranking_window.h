#pragma once
// "Ranking de Técnicos": the coaches of a league's country, or of the world, ranked by points
// and titles, with the chosen coach's career pages, points and titles; and the coach trophy
// gallery it opens.

#include <deque>
#include <string>

#include "platform/gfx/picture.h"
#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kForm47Layout;
extern const WindowLayout kForm19Layout;

class ComboBox;
class TReportGrid;

class TForm47 : public Form {
  public:
    // The coach to select at opening (the caller's career_subject); -1 none.
    explicit TForm47(int coach);

    void combopaisChange();
    void SchemeButton1Click();  // ">>"
    void SchemeButton3Click();  // "<<"
    void Label4Click();         // the trophy gallery of the selected coach

    TReportGrid& Grid() { return *grid_; }
    ComboBox& Countries();
    const std::string& CareerText() const { return career_text_; }
    int FirstRowShown() const { return first_row_; }
    int SelectedCoach();

  private:
    void Fill(int country, int coach);
    void ShowCoach(int first_row);

    TReportGrid* grid_ = nullptr;
    std::string career_text_;
    int first_row_ = 0;
    int next_page_ = -1;
};

class TForm19 : public Form {
  public:
    explicit TForm19(int coach);
    TReportGrid& Grid() { return *grid_; }

  private:
    TReportGrid* grid_ = nullptr;
    std::deque<Picture> crests_;
};

// Open modally, on MainWindowSelections().career_subject.
void ShowCoachRankingWindow();
void ShowCoachTrophyGallery();

}  // namespace kv
